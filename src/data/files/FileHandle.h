#pragma once
// An open operating-system file with positioned reads and writes; the one
// place where the file readers and writers meet the system. Failures come
// back as FileError with the runtime's numbers.

#include "data/files/FileError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velkora::files {

class FileHandle {
public:
    enum class Mode { Read, ReadWrite, CreateTruncate };

    FileHandle() = default;
    ~FileHandle() { close(); }
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    FileError open(const std::string& path, Mode mode);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // Keeps other writers out for as long as the file is open (advisory,
    // honoured by every workstation running this program).
    FileError denyWriters();

    // Reads up to `size` bytes at `offset`; `got` is what the file held.
    FileError readAt(std::uint64_t offset, char* data, std::size_t size, std::size_t& got);
    FileError writeAt(std::uint64_t offset, std::string_view data);
    FileError append(std::string_view data);
    FileError size(std::uint64_t& bytes) const;

private:
    int fd_ = -1;
    std::string path_;
};

// The runtime's number and text for the system error `errnum` on `path`.
FileError systemError(int errnum, const std::string& path);
// Removes a file; a missing file reports kFileNotFound.
FileError removeFile(const std::string& path);

} // namespace velkora::files
