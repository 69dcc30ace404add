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

FileError BlockWriter::write(std::string_view block) {
    if (block.size() > kBlockSize)
        return {kFileSystemError, "File System Error: block longer than 255 bytes"};
    return file_.append(block);
}

} // namespace velkora::files
