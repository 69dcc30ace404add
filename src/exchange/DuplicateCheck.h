#pragma once
// The duplicate check of the import's check list. A row is a possible
// duplicate of an existing address when the first four characters of name 1
// (fewer when the row's name is shorter) agree, and, for each of name 2,
// place and street the row gives, the first three characters agree too;
// everything compared in capitals.
//
//   DuplicateFinder finder;
//   finder.load(adr);                       // once: the beginnings of every address
//   CheckOutcome out = checkExchange(exchangeTable, finder);

#include "data/FileServices.h"
#include "exchange/ExchangeReading.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velkora::exchange {

class DuplicateFinder {
public:
    // Reads every address; the record error, NoError when all were read
    // (RecordNotAvailable when `progress` cancelled).
    int load(data::File<data::Address>& adr, const ProgressCallback& progress = {});
    // Adds one address (load uses it; tests may too).
    void add(std::int32_t adrnr, std::string_view name1, std::string_view name2, std::string_view place,
             std::string_view street);
    // Sorts what was added; before the first find after adds.
    void ready();

    // The numbers of the addresses the row duplicates, in ascending order.
    std::vector<std::int32_t> find(std::string_view name1, std::string_view name2, std::string_view place,
                                   std::string_view street) const;
    std::size_t size() const { return entries_.size(); }

    // Up to four characters in capitals, unused ones 0.
    using Head = std::array<char32_t, 4>;

private:
    struct Entry {
        Head name{};
        Head name2{}, place{}, street{}; // three characters used
        std::int32_t adrnr = 0;
    };
    std::vector<Entry> entries_;
};

// (row of the exchange file, address number it duplicates).
struct Duplicate {
    std::uint32_t row = 0;
    std::int32_t adrnr = 0;
};

struct CheckOutcome {
    bool done = true; // false: cancelled or a write failed (see problem)
    std::size_t rowsChecked = 0;
    std::size_t rowsWithDuplicates = 0;
    std::vector<Duplicate> duplicates;
    std::string problem;
};

// Checks every row of the exchange file (open for writing) in file order:
// a row with duplicates gets its row number in ADRNR, one without "-1"
// unless it was marked before.
CheckOutcome checkExchange(files::DbfTable& exchange, const DuplicateFinder& finder,
                           const ProgressCallback& progress = {});

} // namespace velkora::exchange
