#include "data/RecordFields.h"

#include "data/expr/Evaluator.h"
#include "shared/Text.h"

namespace velkora::data {

RecordFields::RecordFields(const TableDef& table, const void* record) : table_(table), record_(record) {
    names_.reserve(table.fields.size());
    for (std::size_t i = 0; i < table.fields.size(); ++i)
        names_.push_back(table.prefixedName(static_cast<int>(i)));
}

std::size_t RecordFields::fieldCount() const {
    return table_.fields.size();
}

std::string_view RecordFields::fieldName(std::size_t index) const {
    return names_.at(index);
}

expr::FieldValue RecordFields::fieldValue(std::size_t index) const {
    const FieldDef& f = table_.fields.at(index);
    if (f.view)
        return expr::FieldValue::ofText(f.view(record_));
    const Value v = f.get(record_);
    if (const auto* d = std::get_if<double>(&v))
        return expr::FieldValue::ofNumber(*d);
    return expr::FieldValue::ofNumber(static_cast<double>(std::get<std::int64_t>(v)));
}

bool recordMatches(const TableDef& table, const void* record, std::string_view condition) {
    if (trim(condition).empty())
        return true;
    expr::Evaluator evaluator;
    const RecordFields fields(table, record);
    evaluator.bindRecord(fields);
    return evaluator.evaluate(condition) == "1" && evaluator.errorCode() == expr::ErrorCode::None;
}

} // namespace velkora::data
