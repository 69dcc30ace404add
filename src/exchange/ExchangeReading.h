#pragma once
// The reading step of the import: every row of the import file whose name 1
// is given goes into a new exchange file, its mapped columns in their fields.
//
//   ReadOutcome out = readIntoExchange(*source, mapping, exchangeFileName(mailPath));

#include "exchange/ColumnMapping.h"
#include "exchange/ImportSource.h"

#include <cstddef>
#include <functional>
#include <string>

namespace velkora::exchange {

// Called now and then with the share done (0 to 1); false cancels.
using ProgressCallback = std::function<bool(double done)>;

struct ReadOutcome {
    enum class Result { Done, CannotCreate, CannotWrite, Cancelled } result = Result::Done;
    std::size_t rowsRead = 0;  // rows of the file (the header aside)
    std::size_t rowsAdded = 0; // of them with a name 1
    std::string problem;       // the file error when not Done
};

ReadOutcome readIntoExchange(ImportSource& source, const ColumnMapping& mapping,
                             const std::string& exchangeName, const ProgressCallback& progress = {});

} // namespace velkora::exchange
