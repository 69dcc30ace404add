#include "data/files/AppendingFile.h"

namespace velkora::files {
namespace {
// What the file holds before it writes: few system calls, little memory.
constexpr std::size_t kWriteBlock = 64 * 1024;
} // namespace

FileError AppendingFile::create(const std::string& path) {
    close();
    offset_ = 0;
    return file_.open(path, FileHandle::Mode::CreateTruncate);
}

FileError AppendingFile::append(std::string_view bytes) {
    if (!file_.isOpen())
        return {kFileNotOpen, "File Not Open"};
    pending_.append(bytes);
    return pending_.size() >= kWriteBlock ? flush() : FileError{};
}

FileError AppendingFile::flush() {
    if (pending_.empty())
        return {};
    FileError error = file_.writeAt(offset_, pending_);
    if (!error)
        offset_ += pending_.size();
    pending_.clear();
    return error;
}

FileError AppendingFile::close() {
    FileError error = file_.isOpen() ? flush() : FileError{};
    pending_.clear();
    file_.close();
    return error;
}

} // namespace velkora::files
