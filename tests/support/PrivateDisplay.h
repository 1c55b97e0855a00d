// An X server of the test process's own (Xvfb), so that windows can be shown and their redraw requests
// seen: the toolkit ignores a redraw of a window that was never shown.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

// Starts Xvfb once per process and points DISPLAY at it; the server ends with the process. Xvfb writes its
// display number into a file of ours once it listens.
inline void usePrivateDisplay() {
    static pid_t server = 0;
    if (server) return;
    char numberFile[] = "/tmp/tresslow-display-XXXXXX";
    const int fd = mkstemp(numberFile);
    server = fork();
    if (server == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO), dup2(quiet, STDERR_FILENO);
        const std::string fdText = std::to_string(fd);
        execlp("Xvfb", "Xvfb", "-displayfd", fdText.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    std::string number;
    for (int wait = 0; wait < 200 && number.empty(); wait++, usleep(50000))
        std::ifstream(numberFile) >> number;
    close(fd), unlink(numberFile);
    if (number.empty()) std::abort();
    setenv("DISPLAY", (":" + number).c_str(), 1);
    std::atexit([] {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    });
}
