#include "data/sqlite/Layout.h"

#include "data/sqlite/Connection.h"
#include "shared/Dates.h"
#include "shared/FieldTypes.h"
#include "shared/Text.h"

namespace velkora::data::sqlite {

namespace {

std::string declaredType(const FieldDef& f) {
    const std::string size = "(" + std::to_string(f.size) + ")";
    switch (f.type) {
    case FieldType::Byte:
        return "TINYINT";
    case FieldType::Short:
        return "SMALLINT";
    case FieldType::UShort:
        return "UNSIGNED SMALLINT";
    case FieldType::Long:
        return "INTEGER";
    case FieldType::Real:
        return "REAL";
    case FieldType::String:
        return "CHAR" + size;
    case FieldType::CString:
        return "VARCHAR" + size;
    case FieldType::Memo:
        return "TEXT" + size;
    case FieldType::Date:
        return "DATE";
    }
    return "INTEGER";
}

std::string columnList(const TableDef& table, const std::vector<SortPart>& parts) {
    std::string out;
    for (const SortPart& p : parts) {
        if (!out.empty())
            out += ", ";
        out += quoted(columnOf(table, p));
        if (p.descending)
            out += " DESC";
    }
    return out;
}

} // namespace

bool hasFoldColumn(const FieldDef& field) {
    return field.type == FieldType::String || field.type == FieldType::CString;
}

std::string foldColumn(const FieldDef& field) {
    return "_u_" + std::string(field.name);
}

std::string columnOf(const TableDef& table, const SortPart& part) {
    const FieldDef& f = table.fields.at(static_cast<std::size_t>(part.field));
    return part.folded && hasFoldColumn(f) ? foldColumn(f) : std::string(f.name);
}

std::vector<std::pair<std::string, std::string>> expectedColumns(const TableDef& table) {
    std::vector<std::pair<std::string, std::string>> out;
    out.emplace_back(kPositionColumn, "INTEGER");
    for (const FieldDef& f : table.fields)
        out.emplace_back(std::string(f.name), declaredType(f));
    for (const FieldDef& f : table.fields)
        if (hasFoldColumn(f))
            out.emplace_back(foldColumn(f), "TEXT");
    out.emplace_back(kVersionColumn, "INTEGER");
    return out;
}

std::string createTableSql(const TableDef& table) {
    std::string sql = "CREATE TABLE " + quoted(table.name) + " (";
    bool first = true;
    for (const auto& [name, type] : expectedColumns(table)) {
        if (!first)
            sql += ", ";
        first = false;
        sql += quoted(name) + " " + type;
        if (name == kPositionColumn)
            sql += " PRIMARY KEY AUTOINCREMENT"; // a position is never given to another record
        else if (type == "REAL")
            sql += " NOT NULL DEFAULT 0.0";
        else if (type.find("INT") != std::string::npos || type == "DATE")
            sql += std::string(" NOT NULL DEFAULT ") + (name == kVersionColumn ? "1" : "0");
        else
            sql += " NOT NULL DEFAULT ''";
    }
    return sql + ")";
}

std::string optionalPredicate(const TableDef& table, const KeyDef& key) {
    std::string terms;
    for (const SortPart& p : keySortParts(table, key)) {
        if (!terms.empty())
            terms += " AND ";
        const bool text = table.fields[static_cast<std::size_t>(p.field)].isText();
        terms += quoted(columnOf(table, p)) + (text ? " = ''" : " = 0");
    }
    return "NOT (" + terms + ")";
}

std::string keyIndexName(const TableDef& table, const KeyDef& key) {
    return equalsIgnoreCase(key.name, table.name) ? std::string(key.name) + "_KEY" : std::string(key.name);
}

std::string createIndexSql(const TableDef& table, const KeyDef& key) {
    std::string sql = std::string("CREATE ") + (key.unique ? "UNIQUE " : "") + "INDEX " +
                      quoted(keyIndexName(table, key)) + " ON " + quoted(table.name) + " (" +
                      columnList(table, keySortParts(table, key)) + ")";
    if (key.optional)
        sql += " WHERE " + optionalPredicate(table, key);
    return sql;
}

std::string orderIndexName(const TableDef& table, const std::vector<SortPart>& parts) {
    std::string name = "ORD";
    for (const SortPart& p : parts)
        name += std::string("_") + (p.descending ? "d" : "") + columnOf(table, p);
    return name;
}

std::string createOrderIndexSql(const TableDef& table, const std::vector<SortPart>& parts) {
    return "CREATE INDEX IF NOT EXISTS " + quoted(orderIndexName(table, parts)) + " ON " +
           quoted(table.name) + " (" + columnList(table, parts) + ")";
}

bool ascendingFirst(std::vector<SortPart>& parts) {
    if (parts.empty() || !parts.front().descending)
        return false;
    for (SortPart& p : parts)
        p.descending = !p.descending;
    return true;
}

std::string createListOrderIndexesSql(const TableDef& table) {
    std::string sql;
    for (const KeyDef& order : table.listOrders) {
        std::vector<SortPart> parts = keySortParts(table, order);
        ascendingFirst(parts);
        sql += createOrderIndexSql(table, parts) + ";";
    }
    return sql;
}

Value toStored(const FieldDef& field, const Value& value) {
    switch (field.type) {
    case FieldType::String:
    case FieldType::CString:
    case FieldType::Memo:
        return std::string(fittedText(field, valueText(value)));
    case FieldType::Date: {
        // The file's own date type is stored as yyyymmdd, readable by any SQLite reader.
        const auto* day = std::get_if<std::int64_t>(&value);
        const auto date = day ? civilDate(static_cast<std::int32_t>(*day)) : std::nullopt;
        return std::int64_t{date ? date->year * 10000 + date->month * 100 + date->day : 0};
    }
    default:
        return value;
    }
}

Value fromStored(const FieldDef& field, Value stored) {
    if (field.type != FieldType::Date)
        return stored;
    const auto* packed = std::get_if<std::int64_t>(&stored);
    if (!packed || *packed == 0)
        return std::int64_t{0};
    const CivilDate date{static_cast<int>(*packed / 10000), static_cast<int>(*packed / 100 % 100),
                         static_cast<int>(*packed % 100)};
    return std::int64_t{dayNumber(date)};
}

} // namespace velkora::data::sqlite
