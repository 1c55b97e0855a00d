// Writing a file safely: a temporary beside a regular target renamed over it once complete, devices and
// FIFOs written in place, "-" as standard output; every failure with the system's reason.
#include "sim/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool standardOutputTaken = false;  // one file at most goes to standard output

std::string systemReason() { return std::strerror(errno); }

// Where `fd` writes into standard output's own file (as "-" or /dev/stdout do), the program's lines move to
// standard error, so that the file carries nothing else.
void keepLinesOut(int fd) {
    struct stat file, output;
    if (fstat(fd, &file) != 0 || fstat(STDOUT_FILENO, &output) != 0 || file.st_dev != output.st_dev ||
        file.st_ino != output.st_ino)
        return;
    std::fflush(stdout);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    standardOutputTaken = true;
}

// The name that `path` leads to through its symbolic links, for a path that names no file yet (a dangling
// link): the file is made where the last link points.
std::string followDanglingLinks(std::string path) {
    char target[PATH_MAX];
    for (int hops = 0; hops < 40; hops++) {  // the kernel's own limit
        const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0) break;
        const std::string next(target, length);
        path = next[0] == '/' ? next : path.substr(0, path.rfind('/') + 1) + next;
    }
    return path;
}

// A new file named `prefix` plus six random characters, open for writing; "" in `name` when none could be
// made (errno says why).
int makeTemporary(const std::string& prefix, std::string& name) {
    std::vector<char> buffer(prefix.begin(), prefix.end());
    const char suffix[] = "XXXXXX";
    buffer.insert(buffer.end(), suffix, suffix + sizeof suffix);
    const int fd = mkstemp(buffer.data());
    name = fd < 0 ? "" : buffer.data();
    return fd;
}

}  // namespace

std::string OutputFile::open() {
    if (path_ == "-") return openStandardOutput();
    if (path_.empty()) return abandon("no file name");
    struct stat status;
    if (stat(path_.c_str(), &status) != 0) {
        if (errno != ENOENT) return abandon(systemReason());
        target_ = followDanglingLinks(path_);
        const mode_t mask = umask(0);
        umask(mask);
        return openTemporary(0666 & ~mask);  // as a plain fopen would make it
    }
    if (S_ISDIR(status.st_mode)) return abandon("it is a folder");
    if (!S_ISREG(status.st_mode)) return openDirectly(::open(path_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    char real[PATH_MAX];
    if (!realpath(path_.c_str(), real) || access(real, W_OK) != 0) return abandon(systemReason());
    target_ = real;
    return openTemporary(status.st_mode & 07777);
}

std::string OutputFile::openStandardOutput() {
    if (standardOutputTaken) return abandon("standard output carries another file already");
    return openDirectly(dup(STDOUT_FILENO));
}

// Opening a FIFO waits here until a reader opens it.
std::string OutputFile::openDirectly(int fd) {
    if (fd < 0 || !(stream_ = fdopen(fd, "wb"))) {
        const std::string reason = systemReason();
        if (fd >= 0) close(fd);
        return abandon(reason);
    }
    keepLinesOut(fd);
    return "";
}

std::string OutputFile::openTemporary(unsigned mode) {
    const int fd = makeTemporary(target_ + ".", temporary_);
    if (fd < 0 || fchmod(fd, mode) != 0 || !(stream_ = fdopen(fd, "wb"))) {
        const std::string reason = systemReason();
        if (fd >= 0) close(fd);
        return abandon(reason);
    }
    return "";
}

std::string OutputFile::commit() {
    std::string reason;
    if (std::fflush(stream_) != 0) reason = systemReason();
    if (reason.empty() && std::ferror(stream_)) reason = "a write failed";
    if (reason.empty() && !temporary_.empty() && fsync(fileno(stream_)) != 0) reason = systemReason();
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (reason.empty() && !closed) reason = systemReason();
    if (reason.empty() && !temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0)
        reason = systemReason();
    if (!reason.empty()) return abandon(reason);
    temporary_.clear();
    return "";
}

std::string OutputFile::abandon(const std::string& reason) {
    if (stream_) std::fclose(stream_);
    stream_ = nullptr;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
    return reason.empty() ? "" : "cannot write " + what_ + " \"" + path_ + "\": " + reason;
}

std::string OutputFile::checkFolder(const std::string& what, const std::string& folder) {
    std::string temporary;
    const int fd = makeTemporary(folder + "/.tresslow-", temporary);
    if (fd < 0) return "cannot write " + what + " into \"" + folder + "\": " + systemReason();
    close(fd);
    unlink(temporary.c_str());
    return "";
}
