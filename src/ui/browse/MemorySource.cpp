#include "ui/browse/MemorySource.h"

#include "shared/Text.h"

#include <algorithm>
#include <cstdlib>

namespace velkora::browse {
namespace {

std::string fieldOf(const MemorySource::Record& r, const std::string& f) {
    const auto it = r.find(f);
    return it == r.end() ? std::string() : it->second;
}

int sign(long difference) {
    return difference < 0 ? -1 : difference > 0 ? 1 : 0;
}

} // namespace

MemorySource::MemorySource(std::set<std::string> numeric) : numeric_(std::move(numeric)) {}

std::string MemorySource::add(Record record) {
    const std::string position = std::to_string(++lastId_);
    records_[position] = std::move(record);
    changed_ = true;
    return position;
}

void MemorySource::replace(const std::string& position, Record record) {
    records_.at(position) = std::move(record);
    sortRecords();
}

void MemorySource::erase(const std::string& position) {
    records_.erase(position);
    sortRecords();
}

void MemorySource::clear() {
    records_.clear();
    keys_.clear();
    sortRecords();
}

bool MemorySource::open(const std::string& text) {
    parts_.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        std::string part =
            trim(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        Part p;
        if (!part.empty() && part[0] == '-') {
            p.descending = true;
            part = trim(part.substr(1));
        }
        if (startsWith(part, "UPPER(") && part.back() == ')') {
            p.upper = true;
            part = part.substr(6, part.size() - 7);
        }
        p.field = part;
        parts_.push_back(p);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    sortRecords();
    cursor_ = 0;
    return true;
}

void MemorySource::seekStart() {
    sortIfChanged();
    cursor_ = 0;
}

void MemorySource::seekEnd() {
    sortIfChanged();
    cursor_ = sorted_.size();
}

void MemorySource::seekValues(const std::vector<std::string>& values) {
    sortIfChanged();
    const auto at = std::find_if(sorted_.begin(), sorted_.end(), [&](const std::string& pos) {
        return compareLeading(records_.at(pos), values) >= 0;
    });
    cursor_ = static_cast<std::size_t>(at - sorted_.begin());
}

void MemorySource::seekBefore(const std::string& position) {
    sortIfChanged();
    cursor_ = placeOf(position, false);
}

void MemorySource::seekAfter(const std::string& position) {
    sortIfChanged();
    cursor_ = placeOf(position, true);
}

ReadResult MemorySource::next() {
    if (cursor_ >= sorted_.size())
        return ReadResult::End;
    take(sorted_[cursor_++]);
    return ReadResult::Ok;
}

ReadResult MemorySource::previous() {
    if (cursor_ == 0)
        return ReadResult::End;
    take(sorted_[--cursor_]);
    return ReadResult::Ok;
}

ReadResult MemorySource::reget(const std::string& position) {
    const auto it = records_.find(position);
    if (it == records_.end())
        return ReadResult::End;
    current_ = position;
    buffer_ = it->second;
    return ReadResult::Ok;
}

std::string MemorySource::field(std::string_view name) const {
    return fieldOf(buffer_, std::string(name));
}

void MemorySource::clearRecord() {
    buffer_.clear();
    current_.clear();
}

void MemorySource::take(const std::string& position) {
    current_ = position;
    buffer_ = records_.at(position);
    keys_[position] = buffer_;
}

int MemorySource::compareValue(const Part& p, const std::string& a, const std::string& b) const {
    int c = 0;
    if (numeric_.count(p.field) != 0)
        c = sign(std::strtol(a.c_str(), nullptr, 10) - std::strtol(b.c_str(), nullptr, 10));
    else
        c = sign(p.upper ? compareFolded(a, b) : a.compare(b));
    return p.descending ? -c : c;
}

int MemorySource::compareLeading(const Record& r, const std::vector<std::string>& values) const {
    for (std::size_t i = 0; i < values.size() && i < parts_.size(); ++i)
        if (const int c = compareValue(parts_[i], fieldOf(r, parts_[i].field), values[i]); c != 0)
            return c;
    return 0;
}

// Records equal in every order component keep the order they were added in.
int MemorySource::compareRecords(const Record& a, const std::string& pa, const Record& b,
                                 const std::string& pb) const {
    for (const auto& p : parts_)
        if (const int c = compareValue(p, fieldOf(a, p.field), fieldOf(b, p.field)); c != 0)
            return c;
    return sign(std::atol(pa.c_str()) - std::atol(pb.c_str()));
}

void MemorySource::sortIfChanged() {
    if (changed_)
        sortRecords();
}

void MemorySource::sortRecords() {
    changed_ = false;
    sorted_.clear();
    for (const auto& entry : records_)
        sorted_.push_back(entry.first);
    std::sort(sorted_.begin(), sorted_.end(), [this](const std::string& a, const std::string& b) {
        return compareRecords(records_.at(a), a, records_.at(b), b) < 0;
    });
}

// The gap just before (or after) where `position` stands in the order,
// from the record as it was last read when it has gone since.
std::size_t MemorySource::placeOf(const std::string& position, bool after) const {
    const Record* key = nullptr;
    if (const auto it = records_.find(position); it != records_.end())
        key = &it->second;
    else if (const auto old = keys_.find(position); old != keys_.end())
        key = &old->second;
    if (key == nullptr)
        return 0;
    std::size_t i = static_cast<std::size_t>(
        std::lower_bound(sorted_.begin(), sorted_.end(), position,
                         [&](const std::string& at, const std::string& wanted) {
                             return compareRecords(records_.at(at), at, *key, wanted) < 0;
                         }) -
        sorted_.begin());
    if (after && i < sorted_.size() && sorted_[i] == position)
        ++i;
    return i;
}

} // namespace velkora::browse
