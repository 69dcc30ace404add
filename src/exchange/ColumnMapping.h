#pragma once
// Which column of an import file fills which field of the exchange file.
// Columns are numbered from 1; 0 means the field receives nothing. The check
// mark ADRNR is never mapped.
//
//   ColumnMapping mapping = automaticMapping(source->columns(), descriptions);
//   mapping.assign(ef::NAME1, 3);

#include "exchange/ExchangeFile.h"
#include "exchange/ImportSource.h"

#include <array>
#include <string>
#include <vector>

namespace velkora::exchange {

struct ColumnMapping {
    std::array<int, kExchangeFieldCount> column{};

    void assign(int field, int columnNumber) {
        if (field > ef::ADRNR && field < int(kExchangeFieldCount))
            column[std::size_t(field)] = columnNumber;
    }
};

// The translated description of each field, in field order ("P.10_..." keys).
std::vector<std::string> translatedDescriptions();

// Maps each field to the first column whose name is the field's name, a
// known column name of a mail program (English or German), or the field's
// description (`descriptions` in field order, a trailing colon ignored).
ColumnMapping automaticMapping(const std::vector<ImportColumn>& columns,
                               const std::vector<std::string>& descriptions = {});

// "NAME1=1,ORT=3": field names (without "ADR1:") and column numbers. False
// with the wrong part in `problem` when a field is unknown or a number is not one.
bool parseMapping(std::string_view text, ColumnMapping& mapping, std::string& problem);

} // namespace velkora::exchange
