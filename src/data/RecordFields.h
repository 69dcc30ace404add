#pragma once
// A record seen by the expression evaluator: every field of the record
// (memo included) under its prefixed name, read at evaluation time.
//
//   RecordFields fields(files().QXADRESS);
//   evaluator.bindRecord(fields);

#include "data/RecordFile.h"
#include "data/Schema.h"
#include "data/expr/FieldSource.h"

namespace velkora::data {

class RecordFields : public expr::FieldSource {
public:
    RecordFields(const TableDef& table, const void* record);
    explicit RecordFields(const RecordFile& file) : RecordFields(file.table(), file.buffer()) {}

    std::size_t fieldCount() const override;
    std::string_view fieldName(std::size_t index) const override;
    expr::FieldValue fieldValue(std::size_t index) const override;

private:
    const TableDef& table_;
    const void* record_;
    std::vector<std::string> names_;
};

// True when `condition` evaluates to "1" with the record's fields bound; an
// empty condition is true. Used for NextNumber filters and view filters.
bool recordMatches(const TableDef& table, const void* record, std::string_view condition);

} // namespace velkora::data
