#pragma once
// How a table is laid out in its SQLite file: one column per field (with a
// declared type that names the field type and size), a fold-key column for
// every STRING and CSTRING field (what case-insensitive keys and sorts use,
// so that any SQLite reader can check the indexes), a version column for
// change-watching, and a position column that is never reused.

#include "data/Backend.h"
#include "data/Schema.h"

#include <string>
#include <vector>

namespace velkora::data::sqlite {

inline constexpr const char* kPositionColumn = "_position";
inline constexpr const char* kVersionColumn = "_version";

// Name of the column a sort part reads ("NAME1" or its fold column "_u_NAME1").
std::string columnOf(const TableDef& table, const SortPart& part);
bool hasFoldColumn(const FieldDef& field);
std::string foldColumn(const FieldDef& field);

// The expected (name, declared type) list of the table's columns, in order.
std::vector<std::pair<std::string, std::string>> expectedColumns(const TableDef& table);
std::string createTableSql(const TableDef& table);

// "NOT (...)" leaving out the all-zero-or-blank records of an optional key.
std::string optionalPredicate(const TableDef& table, const KeyDef& key);
std::string createIndexSql(const TableDef& table, const KeyDef& key);
// The index of a key: named as the key, unless SQLite would take that for the table's own name.
std::string keyIndexName(const TableDef& table, const KeyDef& key);
// The index kept for a list order no key serves ("ORD_..."), and its creation.
// One index serves an order both ways; it is made with the first component ascending.
std::string orderIndexName(const TableDef& table, const std::vector<SortPart>& parts);
std::string createOrderIndexSql(const TableDef& table, const std::vector<SortPart>& parts);
// Turns `parts` into the form its index is made in; true when that inverted them.
bool ascendingFirst(std::vector<SortPart>& parts);
// The statements making the indexes of the orders the table's lists offer.
std::string createListOrderIndexesSql(const TableDef& table);

// Stored forms: a field's value as written (clipped, dates as yyyymmdd) and back.
Value toStored(const FieldDef& field, const Value& value);
Value fromStored(const FieldDef& field, Value stored);

} // namespace velkora::data::sqlite
