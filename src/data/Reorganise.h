#pragma once
// Reorganising the address file (menu "DataUtil"): reads every record,
// reports unreadable ones through the prompter, and rebuilds all keys.

#include <cstdint>

namespace velkora::data {

// What a reorganisation did and found.
struct ReorganiseSummary {
    bool done = false;           // read and rebuilt; false when the file could not be opened or rebuilt
    std::int64_t records = 0;    // records read
    std::int64_t unreadable = 0; // of them, records that could not be read (each reported)
};

// Runs after the user confirmed. Not done when the file could not be opened
// ("ERROR: OPEN QXADRESS" was shown) or its keys not rebuilt (the error was shown).
ReorganiseSummary reorganiseAddressFile();

} // namespace velkora::data
