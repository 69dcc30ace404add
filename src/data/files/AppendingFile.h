#pragma once
// A file written front to back, as line and block files are: what is
// appended is held and written in 64 KB pieces, so a long export costs few
// system calls. A failure may therefore show with a later append or with
// close(); a file that goes out of scope writes what it holds.

#include "data/files/FileError.h"
#include "data/files/FileHandle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velkora::files {

class AppendingFile {
public:
    AppendingFile() = default;
    ~AppendingFile() { close(); }
    AppendingFile(const AppendingFile&) = delete;
    AppendingFile& operator=(const AppendingFile&) = delete;

    // Creates the file anew (an existing one is replaced).
    FileError create(const std::string& path);
    FileError append(std::string_view bytes);
    // Writes what is still held and closes the file.
    FileError close();
    bool isOpen() const { return file_.isOpen(); }

private:
    FileError flush();

    FileHandle file_;
    std::uint64_t offset_ = 0;
    std::string pending_;
};

} // namespace velkora::files
