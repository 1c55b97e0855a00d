// An X server of the test process's own (Xvfb), so that windows can be shown and their redraw requests
// seen: the toolkit ignores a redraw of a window that was never shown.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

// Starts Xvfb once per process and points DISPLAY at it; the server ends with the process. Xvfb writes its
// display number into our pipe once it listens; a server that ends before that leaves the pipe empty.
inline void usePrivateDisplay() {
    static pid_t server = 0;
    if (server) return;
    int number[2];
    if (pipe(number) != 0) std::abort();
    server = fork();
    if (server == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO), dup2(quiet, STDERR_FILENO);
        const std::string fdText = std::to_string(number[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fdText.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(number[1]);
    char text[16] = {};
    if (read(number[0], text, sizeof text - 1) <= 0) std::abort();
    close(number[0]);
    setenv("DISPLAY", (":" + std::to_string(std::atoi(text))).c_str(), 1);
    std::atexit([] {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    });
}
