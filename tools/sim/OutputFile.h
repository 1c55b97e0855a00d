// One file that tresslow-sim writes (a dump, a picture), whole or not at all: its place is checked and held
// before any frame runs, the file is written through a stdio stream, then committed or abandoned.
#pragma once

#include <cstdio>
#include <string>

class OutputFile {
public:
    // `what` names the file in messages ("the picture"); `path` is where it goes.
    OutputFile(std::string what, std::string path) : what_(std::move(what)), path_(std::move(path)) {}
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() { abandon(""); }

    // Takes the place: "-" is standard output (the program's own lines then go to standard error); an
    // existing FIFO, device or terminal is opened and written into directly; anything else, a regular file
    // or a new name, or the file that a symbolic link names, gets a temporary file beside it that commit
    // renames over it. "" or the one-line reason, and then nothing is left.
    std::string open();

    // Where to write, once open.
    std::FILE* stream() const { return stream_; }

    // Flushes the stream and puts the file in place (synced first, where it is a temporary): "" or the
    // one-line reason from the system, and then the temporary is gone and the target untouched.
    std::string commit();

    // Drops what was written (the temporary is removed); the one-line message for `reason`.
    std::string abandon(const std::string& reason);

    // "" when files can be made in `folder` (a temporary is made there and removed again), else the reason.
    static std::string checkFolder(const std::string& what, const std::string& folder);

private:
    std::string openStandardOutput();
    std::string openDirectly(int fd);  // a descriptor open for writing, or -1 with errno set
    std::string openTemporary(unsigned mode);

    const std::string what_, path_;
    std::string target_;           // the file that commit replaces: path_ with its symbolic links followed
    std::string temporary_;        // the temporary beside target_; empty when written directly
    std::FILE* stream_ = nullptr;  // null until open and after commit or abandon
};
