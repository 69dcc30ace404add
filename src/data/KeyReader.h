#pragma once
// Reads a whole file, or a stretch of it, in a key's order a batch at a time,
// for runs over every record (the mail-merge selection). Each batch is one
// read that is finished before it returns, so no lock is held between
// batches and a window can do its work in between. The record lies in the
// file's buffer while `visit` looks at it.
//
//   KeyReader reader(adr, *Address::table().key("QXADRES1"));
//   while (!reader.atEnd())
//       if (reader.read(2000, [&] { use(adr.rec); return true; }) != NoError) ...

#include "data/Backend.h"
#include "data/RecordFile.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace velkora::data {

class KeyReader {
public:
    KeyReader(RecordFile& file, const KeyDef& key);

    // The next read starts at the first record whose leading key components
    // are at or after `leading` (fewer values than components: a partial key).
    void startAt(const std::vector<Value>& leading);
    // Reads at most n records after those read so far; `visit` returning
    // false stops the read there (that record counts as read).
    int read(std::size_t n, const std::function<bool()>& visit);
    // The last read found fewer records than it asked for.
    bool atEnd() const { return atEnd_; }

private:
    RecordFile& file_;
    const KeyDef& key_;
    OrderedRead request_;
    bool atEnd_ = false;
};

} // namespace velkora::data
