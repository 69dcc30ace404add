#pragma once
// DOS binary files read and written in blocks of at most 255 bytes, without
// any line structure: the rich-text template being read and the document
// being written. Bytes pass through unchanged.

#include "data/files/AppendingFile.h"
#include "data/files/FileError.h"
#include "data/files/FileHandle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velkora::files {

inline constexpr std::size_t kBlockSize = 255;

class BlockReader {
public:
    FileError open(const std::string& path);
    void close() { file_.close(); }
    // The next block: kBlockSize bytes, fewer for the last one;
    // kRecordNotAvailable at the end of the file.
    FileError next(std::string& block);

private:
    FileHandle file_;
    std::uint64_t offset_ = 0;
};

// Blocks are gathered and handed to the system in larger writes; a failure
// shows at the write that flushes, or at close().
class BlockWriter {
public:
    // Creates the file anew (an existing one is replaced).
    FileError create(const std::string& path) { return file_.create(path); }
    FileError close() { return file_.close(); }
    bool isOpen() const { return file_.isOpen(); }
    // Appends one block of at most kBlockSize bytes.
    FileError write(std::string_view block);

private:
    AppendingFile file_;
};

} // namespace velkora::files
