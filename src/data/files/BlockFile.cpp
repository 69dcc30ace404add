#include "data/files/BlockFile.h"

namespace velkora::files {

FileError BlockReader::open(const std::string& path) {
    offset_ = 0;
    return file_.open(path, FileHandle::Mode::Read);
}

FileError BlockReader::next(std::string& block) {
    block.resize(kBlockSize);
    std::size_t got = 0;
    if (FileError error = file_.readAt(offset_, block.data(), kBlockSize, got))
        return error;
    block.resize(got);
    offset_ += got;
    if (got == 0)
        return {kRecordNotAvailable, "Record Not Available"};
    return {};
}

namespace {
constexpr std::size_t kFlushSize = 64 * 1024;
}

FileError BlockWriter::create(const std::string& path) {
    close();
    offset_ = 0;
    return file_.open(path, FileHandle::Mode::CreateTruncate);
}

FileError BlockWriter::write(std::string_view block) {
    if (block.size() > kBlockSize)
        return {kFileSystemError, "File System Error: block longer than 255 bytes"};
    if (!file_.isOpen())
        return {kFileNotOpen, "File Not Open"};
    pending_.append(block);
    return pending_.size() >= kFlushSize ? flush() : FileError{};
}

FileError BlockWriter::flush() {
    if (pending_.empty())
        return {};
    FileError error = file_.writeAt(offset_, pending_);
    if (!error)
        offset_ += pending_.size();
    pending_.clear();
    return error;
}

FileError BlockWriter::close() {
    FileError error = file_.isOpen() ? flush() : FileError{};
    pending_.clear();
    file_.close();
    return error;
}

} // namespace velkora::files
