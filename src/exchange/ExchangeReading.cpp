#include "exchange/ExchangeReading.h"

#include "shared/Text.h"

namespace velkora::exchange {
namespace {
constexpr std::size_t kProgressEvery = 1000;
}

ReadOutcome readIntoExchange(ImportSource& source, const ColumnMapping& mapping,
                             const std::string& exchangeName, const ProgressCallback& progress) {
    ReadOutcome out;
    if (const files::FileError error = createExchangeFile(exchangeName)) {
        out.result = ReadOutcome::Result::CannotCreate;
        out.problem = error.text;
        return out;
    }
    files::DbfTable table;
    if (const files::FileError error = table.open(exchangeName, files::DbfTable::Access::Write)) {
        out.result = ReadOutcome::Result::CannotCreate;
        out.problem = error.text;
        return out;
    }
    files::DbfRecord record;
    record.values.resize(kExchangeFieldCount);
    std::vector<std::string> row;
    while (source.next(row)) {
        ++out.rowsRead;
        for (std::size_t field = 0; field < kExchangeFieldCount; ++field) {
            const int c = mapping.column[field];
            record.values[field] =
                c > 0 && std::size_t(c) <= row.size() ? row[std::size_t(c) - 1] : std::string();
        }
        if (!clipped(record.values[ef::NAME1]).empty()) {
            if (const files::FileError error = table.append(record)) {
                out.result = ReadOutcome::Result::CannotWrite;
                out.problem = error.text;
                return out;
            }
            ++out.rowsAdded;
        }
        if (progress && out.rowsRead % kProgressEvery == 0 && !progress(source.progress())) {
            out.result = ReadOutcome::Result::Cancelled;
            return out;
        }
    }
    if (progress)
        progress(1.0);
    return out;
}

} // namespace velkora::exchange
