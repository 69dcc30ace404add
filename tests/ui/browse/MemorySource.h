#pragma once
// An in-memory list source for tests and benchmarks: records as field maps,
// ordered by the same order texts the record layer takes. It counts reads,
// seeks and re-reads, so tests can check that a list reads no more than its
// page, and how often it goes back to the file for a new page.

#include "shared/Text.h"
#include "ui/browse/BrowseSource.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velkora::test {

class MemorySource : public browse::BrowseSource {
public:
    using Record = std::map<std::string, std::string>;

    // `numeric` names the fields compared as numbers.
    explicit MemorySource(std::set<std::string> numeric = {}) : numeric_(std::move(numeric)) {}

    // Adds a record; returns its position.
    std::string add(Record record) {
        const std::string position = std::to_string(++lastId_);
        records_[position] = std::move(record);
        dirty_ = true;
        return position;
    }
    void erase(const std::string& position) {
        records_.erase(position);
        sortRecords();
    }
    Record& record(const std::string& position) { return records_.at(position); }

    int reads = 0;      // next() and previous() calls that returned a record
    int seeks = 0;      // seek...() calls: each starts a new read of the file
    int regets = 0;     // reget() calls
    int failAfter = -1; // reads until every further read fails; -1: never
    std::string order;  // the order text in use

    bool open(const std::string& text) override {
        order = text;
        parts_.clear();
        std::size_t start = 0;
        while (start <= text.size()) {
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
    void seekStart() override {
        ++seeks;
        sortIfAdded();
        cursor_ = 0;
    }
    void seekEnd() override {
        ++seeks;
        sortIfAdded();
        cursor_ = sorted_.size();
    }
    void seekValues(const std::vector<std::string>& values) override {
        ++seeks;
        sortIfAdded();
        cursor_ =
            static_cast<std::size_t>(std::find_if(sorted_.begin(), sorted_.end(),
                                                  [&](const std::string& pos) {
                                                      return compareLeading(records_.at(pos), values) >= 0;
                                                  }) -
                                     sorted_.begin());
    }
    void seekBefore(const std::string& position) override {
        ++seeks;
        sortIfAdded();
        cursor_ = placeOf(position, false);
    }
    void seekAfter(const std::string& position) override {
        ++seeks;
        sortIfAdded();
        cursor_ = placeOf(position, true);
    }

    browse::ReadResult next() override {
        if (failing())
            return browse::ReadResult::Error;
        if (cursor_ >= sorted_.size())
            return browse::ReadResult::End;
        take(sorted_[cursor_++]);
        return browse::ReadResult::Ok;
    }
    browse::ReadResult previous() override {
        if (failing())
            return browse::ReadResult::Error;
        if (cursor_ == 0)
            return browse::ReadResult::End;
        take(sorted_[--cursor_]);
        return browse::ReadResult::Ok;
    }
    browse::ReadResult reget(const std::string& position) override {
        ++regets;
        if (records_.count(position) == 0)
            return browse::ReadResult::End;
        current_ = position;
        buffer_ = records_.at(position);
        return browse::ReadResult::Ok;
    }
    std::string position() const override { return current_; }
    std::string field(std::string_view name) const override {
        const auto it = buffer_.find(std::string(name));
        return it == buffer_.end() ? std::string() : it->second;
    }
    void clearRecord() override {
        buffer_.clear();
        current_.clear();
    }
    std::string fileName() const override { return "MEMORY"; }

    // What a form leaves: it writes the buffer as a new or changed record.
    std::string formPosition() const override { return formPosition_; }
    std::string formPosition_;

private:
    struct Part {
        std::string field;
        bool upper = false;
        bool descending = false;
    };

    bool failing() {
        if (failAfter < 0)
            return false;
        if (failAfter == 0)
            return true;
        --failAfter;
        return false;
    }
    void take(const std::string& position) {
        ++reads;
        current_ = position;
        buffer_ = records_.at(position);
        keys_[position] = buffer_;
    }
    int compareValue(const Part& p, const std::string& a, const std::string& b) const {
        int c = 0;
        if (numeric_.count(p.field) != 0) {
            const long x = std::strtol(a.c_str(), nullptr, 10), y = std::strtol(b.c_str(), nullptr, 10);
            c = x < y ? -1 : x > y ? 1 : 0;
        } else {
            c = p.upper ? compareFolded(a, b) : a.compare(b);
            c = c < 0 ? -1 : c > 0 ? 1 : 0;
        }
        return p.descending ? -c : c;
    }
    static std::string get(const Record& r, const std::string& f) {
        const auto it = r.find(f);
        return it == r.end() ? std::string() : it->second;
    }
    int compareLeading(const Record& r, const std::vector<std::string>& values) const {
        for (std::size_t i = 0; i < values.size() && i < parts_.size(); ++i)
            if (const int c = compareValue(parts_[i], get(r, parts_[i].field), values[i]); c != 0)
                return c;
        return 0;
    }
    int compareRecords(const Record& a, const std::string& pa, const Record& b, const std::string& pb) const {
        for (const auto& p : parts_)
            if (const int c = compareValue(p, get(a, p.field), get(b, p.field)); c != 0)
                return c;
        const long x = std::atol(pa.c_str()), y = std::atol(pb.c_str());
        return x < y ? -1 : x > y ? 1 : 0;
    }
    void sortIfAdded() {
        if (dirty_)
            sortRecords();
    }
    void sortRecords() {
        dirty_ = false;
        sorted_.clear();
        for (const auto& [pos, rec] : records_)
            sorted_.push_back(pos);
        std::sort(sorted_.begin(), sorted_.end(), [this](const std::string& a, const std::string& b) {
            return compareRecords(records_.at(a), a, records_.at(b), b) < 0;
        });
    }
    // The gap just before (or after) where `position` stands in the order,
    // from the record as it was last read when it has gone since.
    std::size_t placeOf(const std::string& position, bool after) const {
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

    std::set<std::string> numeric_;
    std::map<std::string, Record> records_;
    std::map<std::string, Record> keys_;
    std::vector<std::string> sorted_;
    std::vector<Part> parts_;
    std::size_t cursor_ = 0;
    std::string current_;
    Record buffer_;
    long lastId_ = 0;
    bool dirty_ = false;
};

} // namespace velkora::test
