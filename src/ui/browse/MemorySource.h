#pragma once
// A list source over records held in memory, for lists of rows that are not
// (yet) stored in a file: records as field maps, ordered by the same order
// texts the record layer takes ("UPPER(QK:TEXT)", "-QK:ROW"). A window that
// owns the rows adds, replaces and erases them here and sets the position a
// form leaves, as a file's form leaves its record in the buffer.

#include "ui/browse/BrowseSource.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace velkora::browse {

class MemorySource : public BrowseSource {
public:
    using Record = std::map<std::string, std::string>;

    // `numeric` names the fields compared as numbers.
    explicit MemorySource(std::set<std::string> numeric = {});

    // Adds a record; returns its position. It takes its place in the order
    // with the next seek.
    std::string add(Record record);
    // Replacing, erasing and clearing take effect at once: a read after
    // them never meets a record that has gone. Positions are never reused.
    void replace(const std::string& position, Record record);
    void erase(const std::string& position);
    void clear();
    const Record& record(const std::string& position) const { return records_.at(position); }
    // What a form leaves: the record it just added or changed.
    void setFormPosition(std::string position) { formPosition_ = std::move(position); }

    bool open(const std::string& order) override;
    void seekStart() override;
    void seekEnd() override;
    void seekValues(const std::vector<std::string>& values) override;
    void seekBefore(const std::string& position) override;
    void seekAfter(const std::string& position) override;
    ReadResult next() override;
    ReadResult previous() override;
    ReadResult reget(const std::string& position) override;
    std::string position() const override { return current_; }
    std::string field(std::string_view name) const override;
    std::string formPosition() const override { return formPosition_; }
    void clearRecord() override;
    std::string fileName() const override { return "MEMORY"; }

private:
    struct Part {
        std::string field;
        bool upper = false;
        bool descending = false;
    };

    void take(const std::string& position);
    int compareValue(const Part& p, const std::string& a, const std::string& b) const;
    int compareLeading(const Record& r, const std::vector<std::string>& values) const;
    int compareRecords(const Record& a, const std::string& pa, const Record& b, const std::string& pb) const;
    void sortIfChanged();
    void sortRecords();
    std::size_t placeOf(const std::string& position, bool after) const;

    std::set<std::string> numeric_;
    std::map<std::string, Record> records_;
    // Each record as it was last read, so a seek next to a record finds its
    // place even after the record changed or has gone.
    std::map<std::string, Record> keys_;
    std::vector<std::string> sorted_;
    std::vector<Part> parts_;
    std::size_t cursor_ = 0;
    std::string current_;
    Record buffer_;
    std::string formPosition_;
    long lastId_ = 0;
    bool changed_ = false;
};

} // namespace velkora::browse
