#include "data/files/LineFile.h"

#include <algorithm>

namespace velkora::files {
namespace {
constexpr std::size_t kReadChunk = 64 * 1024;
}

FileError LineReader::open(const std::string& path) {
    close();
    return file_.open(path, FileHandle::Mode::Read);
}

void LineReader::close() {
    file_.close();
    offset_ = 0;
    buffer_.clear();
    used_ = 0;
    eof_ = false;
    error_ = {};
}

bool LineReader::fill() {
    if (eof_)
        return false;
    buffer_.erase(0, used_);
    used_ = 0;
    const std::size_t old = buffer_.size();
    buffer_.resize(old + kReadChunk);
    std::size_t got = 0;
    error_ = file_.readAt(offset_, buffer_.data() + old, kReadChunk, got);
    buffer_.resize(old + got);
    offset_ += got;
    eof_ = got == 0 || static_cast<bool>(error_);
    return got > 0;
}

FileError LineReader::next(std::string& line) {
    if (!file_.isOpen())
        return {kFileNotOpen, "File Not Open"};
    for (;;) {
        const auto begin = buffer_.begin() + static_cast<std::ptrdiff_t>(used_);
        const auto newline = std::find(begin, buffer_.end(), '\n');
        const auto available = static_cast<std::size_t>(newline - begin);
        if (available >= kLineRecordSize) {
            line.assign(begin, begin + static_cast<std::ptrdiff_t>(kLineRecordSize));
            used_ += kLineRecordSize;
            return {};
        }
        if (newline != buffer_.end() || (eof_ && available > 0)) {
            line.assign(begin, newline);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            used_ += available + (newline != buffer_.end() ? 1 : 0);
            return {};
        }
        if (!fill()) {
            if (error_)
                return error_;
            if (used_ >= buffer_.size())
                return {kRecordNotAvailable, "Record Not Available"};
        }
    }
}

namespace {
// What the writer holds before it writes: few system calls, little memory.
constexpr std::size_t kWriteBlock = 64 * 1024;
} // namespace

FileError LineWriter::create(const std::string& path) {
    offset_ = 0;
    pending_.clear();
    return file_.open(path, FileHandle::Mode::CreateTruncate);
}

FileError LineWriter::write(std::string_view line) {
    pending_.append(line.substr(0, kLineRecordSize));
    pending_ += "\r\n";
    return pending_.size() >= kWriteBlock ? flush() : FileError{};
}

FileError LineWriter::flush() {
    if (pending_.empty())
        return {};
    FileError error = file_.writeAt(offset_, pending_);
    if (!error)
        offset_ += pending_.size();
    pending_.clear();
    return error;
}

FileError LineWriter::close() {
    FileError error = file_.isOpen() ? flush() : FileError{};
    file_.close();
    return error;
}

} // namespace velkora::files
