#include "data/files/FileHandle.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace velkora::files {

FileError systemError(int errnum, const std::string& path) {
    const std::string detail = std::string(std::strerror(errnum)) + " (" + path + ")";
    switch (errnum) {
    case ENOENT:
    case ENOTDIR:
        return {kFileNotFound, "File Not Found: " + detail};
    case EACCES:
    case EPERM:
    case EROFS:
        return {kAccessDenied, "Access Denied: " + detail};
    case EWOULDBLOCK:
        return {kFileLocked, "File Is Locked: " + detail};
    default:
        return {kFileSystemError, "File System Error: " + detail};
    }
}

FileError removeFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0)
        return systemError(errno, path);
    return {};
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

FileError FileHandle::open(const std::string& path, Mode mode) {
    close();
    int flags = O_CLOEXEC;
    switch (mode) {
    case Mode::Read:
        flags |= O_RDONLY;
        break;
    case Mode::ReadWrite:
        flags |= O_RDWR;
        break;
    case Mode::CreateTruncate:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    }
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0)
        return systemError(errno, path);
    struct stat info {};
    if (::fstat(fd, &info) == 0 && !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {kAccessDenied, "Access Denied: not a file (" + path + ")"};
    }
    fd_ = fd;
    path_ = path;
    return {};
}

void FileHandle::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

FileError FileHandle::denyWriters() {
    if (fd_ < 0)
        return {kFileNotOpen, "File Not Open"};
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return systemError(errno == EWOULDBLOCK ? EWOULDBLOCK : errno, path_);
    return {};
}

FileError FileHandle::readAt(std::uint64_t offset, char* data, std::size_t size, std::size_t& got) {
    got = 0;
    if (fd_ < 0)
        return {kFileNotOpen, "File Not Open"};
    while (got < size) {
        const ssize_t n = ::pread(fd_, data + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemError(errno, path_);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return {};
}

FileError FileHandle::writeAt(std::uint64_t offset, std::string_view data) {
    if (fd_ < 0)
        return {kFileNotOpen, "File Not Open"};
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::pwrite(fd_, data.data() + done, data.size() - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return systemError(errno, path_);
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

FileError FileHandle::append(std::string_view data) {
    std::uint64_t end = 0;
    if (FileError error = size(end))
        return error;
    return writeAt(end, data);
}

FileError FileHandle::size(std::uint64_t& bytes) const {
    bytes = 0;
    if (fd_ < 0)
        return {kFileNotOpen, "File Not Open"};
    struct stat info {};
    if (::fstat(fd_, &info) != 0)
        return systemError(errno, path_);
    bytes = static_cast<std::uint64_t>(info.st_size);
    return {};
}

} // namespace velkora::files
