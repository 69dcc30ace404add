#pragma once
// The in-memory list source, counting reads, seeks and re-reads, so tests
// can check that a list reads no more than its page and how often it goes
// back to the file for a new page; it can also be made to fail.

#include "ui/browse/MemorySource.h"

namespace velkora::test {

class MemorySource : public browse::MemorySource {
public:
    using browse::MemorySource::MemorySource;

    int reads = 0;      // next() and previous() calls that returned a record
    int seeks = 0;      // seek...() calls: each starts a new read of the file
    int regets = 0;     // reget() calls
    int failAfter = -1; // reads until every further read fails; -1: never
    std::string order;  // the order text in use

    bool open(const std::string& text) override {
        order = text;
        return browse::MemorySource::open(text);
    }
    void seekStart() override {
        ++seeks;
        browse::MemorySource::seekStart();
    }
    void seekEnd() override {
        ++seeks;
        browse::MemorySource::seekEnd();
    }
    void seekValues(const std::vector<std::string>& values) override {
        ++seeks;
        browse::MemorySource::seekValues(values);
    }
    void seekBefore(const std::string& position) override {
        ++seeks;
        browse::MemorySource::seekBefore(position);
    }
    void seekAfter(const std::string& position) override {
        ++seeks;
        browse::MemorySource::seekAfter(position);
    }
    browse::ReadResult next() override {
        return failing() ? browse::ReadResult::Error : counted(browse::MemorySource::next());
    }
    browse::ReadResult previous() override {
        return failing() ? browse::ReadResult::Error : counted(browse::MemorySource::previous());
    }
    browse::ReadResult reget(const std::string& position) override {
        ++regets;
        return browse::MemorySource::reget(position);
    }

private:
    bool failing() {
        if (failAfter < 0)
            return false;
        if (failAfter == 0)
            return true;
        --failAfter;
        return false;
    }
    browse::ReadResult counted(browse::ReadResult read) {
        if (read == browse::ReadResult::Ok)
            ++reads;
        return read;
    }
};

} // namespace velkora::test
