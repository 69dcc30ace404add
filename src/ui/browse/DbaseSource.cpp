#include "ui/browse/DbaseSource.h"

#include "shared/Text.h"

#include <charconv>
#include <filesystem>

namespace velkora::browse {
namespace {

// A position or record number as text; 0 when it is none.
std::uint32_t recordNumber(std::string_view text) {
    std::uint32_t recno = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), recno);
    return ec == std::errc() && end == text.data() + text.size() ? recno : 0;
}

} // namespace

DbaseSource::DbaseSource(std::string tableName, std::string prefix)
    : tableName_(std::move(tableName)), prefix_(std::move(prefix)) {}

bool DbaseSource::open(const std::string& order) {
    (void)order;
    error_ = table_.open(tableName_, files::DbfTable::Access::Read);
    cursor_ = 0;
    return !error_;
}

void DbaseSource::seekValues(const std::vector<std::string>& values) {
    const std::uint32_t recno = values.empty() ? 0 : recordNumber(values.front());
    cursor_ = recno == 0 ? 0 : recno - 1;
}

void DbaseSource::seekBefore(const std::string& position) {
    const std::uint32_t recno = recordNumber(position);
    cursor_ = recno == 0 ? 0 : recno - 1;
}

void DbaseSource::seekAfter(const std::string& position) {
    cursor_ = recordNumber(position);
}

ReadResult DbaseSource::readRecord(std::uint32_t recno) {
    files::DbfRecord row;
    if (recno == 0 || recno > table_.count())
        return ReadResult::End;
    if (files::FileError error = table_.read(recno, row)) {
        error_ = std::move(error);
        return ReadResult::Error;
    }
    if (row.deleted)
        return ReadResult::End;
    record_ = std::move(row);
    recno_ = recno;
    return ReadResult::Ok;
}

ReadResult DbaseSource::next() {
    while (cursor_ < table_.count()) {
        const ReadResult read = readRecord(++cursor_);
        if (read != ReadResult::End)
            return read;
    }
    return ReadResult::End;
}

ReadResult DbaseSource::previous() {
    cursor_ = std::min(cursor_, table_.count());
    while (cursor_ > 0) {
        const ReadResult read = readRecord(cursor_--);
        if (read != ReadResult::End)
            return read;
    }
    return ReadResult::End;
}

ReadResult DbaseSource::reget(const std::string& position) {
    return readRecord(recordNumber(position));
}

std::string DbaseSource::position() const {
    return recno_ == 0 ? std::string() : std::to_string(recno_);
}

std::string DbaseSource::field(std::string_view name) const {
    if (!prefix_.empty() && name.size() > prefix_.size() && name[prefix_.size()] == ':' &&
        equalsIgnoreCase(name.substr(0, prefix_.size()), prefix_))
        name.remove_prefix(prefix_.size() + 1);
    const int index = table_.fieldIndex(name);
    if (index < 0 || static_cast<std::size_t>(index) >= record_.values.size())
        return {};
    return clip(record_.values[static_cast<std::size_t>(index)]);
}

void DbaseSource::clearRecord() {
    record_ = {};
    recno_ = 0;
}

std::string DbaseSource::fileName() const {
    return std::filesystem::path(files::DbfTable::tableFileName(tableName_)).filename().string();
}

files::FileError DbaseSource::remove(const std::string& position) {
    files::DbfTable writer;
    if (files::FileError error = writer.open(tableName_, files::DbfTable::Access::Write))
        return error;
    return writer.markDeleted(recordNumber(position));
}

} // namespace velkora::browse
