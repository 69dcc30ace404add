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

FileError LineWriter::write(std::string_view line) {
    if (FileError error = file_.append(line.substr(0, kLineRecordSize)))
        return error;
    return file_.append("\r\n");
}

} // namespace velkora::files
