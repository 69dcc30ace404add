#include "data/Schema.h"

#include "shared/FieldTypes.h"
#include "shared/Text.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace velkora::data {

namespace {

std::string_view withoutPrefix(std::string_view name, std::string_view prefix) {
    const auto colon = name.find(':');
    if (colon == std::string_view::npos)
        return name;
    if (!equalsIgnoreCase(name.substr(0, colon), prefix))
        return {};
    return name.substr(colon + 1);
}

std::int64_t leadingInteger(std::string_view text) {
    const std::string t = trim(text);
    // Numbers read from their leading digits, like the runtime's conversion.
    return std::strtoll(t.c_str(), nullptr, 10);
}

std::int64_t asInteger(const Value& v) {
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return *i;
    if (const auto* d = std::get_if<double>(&v))
        return std::isfinite(*d) ? static_cast<std::int64_t>(std::llround(*d)) : 0;
    return leadingInteger(std::get<std::string>(v));
}

// Numbers keep their low bits on overflow, as a stored field of that width would.
template <class T> T narrowTo(std::int64_t v) {
    return static_cast<T>(v);
}

} // namespace

std::string valueText(const Value& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&value)) {
        if (std::isfinite(*d) && *d == std::floor(*d) && std::fabs(*d) < 1e15)
            return std::to_string(static_cast<std::int64_t>(*d));
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", *d);
        return buffer;
    }
    return std::get<std::string>(value);
}

int TableDef::fieldIndex(std::string_view name) const {
    const std::string trimmed = trim(name);
    const std::string_view look = withoutPrefix(trimmed, prefix);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (equalsIgnoreCase(fields[i].name, look))
            return static_cast<int>(i);
    return -1;
}

const KeyDef* TableDef::key(std::string_view name) const {
    const std::string trimmed = trim(name);
    const std::string_view look = withoutPrefix(trimmed, prefix);
    for (const auto& k : keys)
        if (equalsIgnoreCase(k.name, look))
            return &k;
    return nullptr;
}

const KeyDef& TableDef::primaryKey() const {
    for (const auto& k : keys)
        if (k.primary)
            return k;
    return keys.front();
}

std::string_view fittedText(const FieldDef& field, std::string_view text) {
    const auto size = static_cast<std::size_t>(field.size);
    switch (field.type) {
    case FieldType::String:
        return clipped(leadingChars(text, size));
    case FieldType::CString:
        return leadingChars(text, size > 0 ? size - 1 : 0);
    default:
        return leadingChars(text, size);
    }
}

std::string TableDef::prefixedName(int field) const {
    return std::string(prefix) + ":" + std::string(fields.at(static_cast<std::size_t>(field)).name);
}

void setField(const TableDef& table, void* record, int field, const Value& value) {
    const FieldDef& f = table.fields.at(static_cast<std::size_t>(field));
    f.set(record, value, f);
}

std::string fieldText(const TableDef& table, const void* record, int field) {
    return valueText(table.fields.at(static_cast<std::size_t>(field)).get(record));
}

void setFieldText(const TableDef& table, void* record, int field, std::string_view text) {
    const FieldDef& f = table.fields.at(static_cast<std::size_t>(field));
    if (f.isText())
        f.set(record, Value(std::string(text)), f);
    else if (f.type == FieldType::Real)
        f.set(record, Value(std::strtod(trim(text).c_str(), nullptr)), f);
    else
        f.set(record, Value(leadingInteger(text)), f);
}

RecordCopy::RecordCopy(const TableDef& table, const void* record) : table_(&table) {
    data_ = table.ops.create();
    table.ops.copy(data_, record);
}

RecordCopy::RecordCopy(const RecordCopy& other) : table_(other.table_) {
    if (table_) {
        data_ = table_->ops.create();
        table_->ops.copy(data_, other.data_);
    }
}

RecordCopy& RecordCopy::operator=(const RecordCopy& other) {
    if (this != &other) {
        RecordCopy copy(other);
        *this = std::move(copy);
    }
    return *this;
}

RecordCopy::RecordCopy(RecordCopy&& other) noexcept : table_(other.table_), data_(other.data_) {
    other.table_ = nullptr;
    other.data_ = nullptr;
}

RecordCopy& RecordCopy::operator=(RecordCopy&& other) noexcept {
    if (this != &other) {
        if (table_)
            table_->ops.destroy(data_);
        table_ = other.table_;
        data_ = other.data_;
        other.table_ = nullptr;
        other.data_ = nullptr;
    }
    return *this;
}

RecordCopy::~RecordCopy() {
    if (table_)
        table_->ops.destroy(data_);
}

std::string RecordCopy::text(std::string_view prefixedName) const {
    if (!table_)
        return {};
    const int f = table_->fieldIndex(prefixedName);
    return f < 0 ? std::string() : fieldText(*table_, data_, f);
}

namespace detail {

Value toValue(std::uint8_t v) {
    return std::int64_t{v};
}
Value toValue(std::int16_t v) {
    return std::int64_t{v};
}
Value toValue(std::uint16_t v) {
    return std::int64_t{v};
}
Value toValue(std::int32_t v) {
    return std::int64_t{v};
}
Value toValue(double v) {
    return v;
}
Value toValue(const std::string& v) {
    return v;
}

void fromValue(std::uint8_t& out, const Value& v, const FieldDef&) {
    out = narrowTo<std::uint8_t>(asInteger(v));
}
void fromValue(std::int16_t& out, const Value& v, const FieldDef&) {
    out = narrowTo<std::int16_t>(asInteger(v));
}
void fromValue(std::uint16_t& out, const Value& v, const FieldDef&) {
    out = narrowTo<std::uint16_t>(asInteger(v));
}
void fromValue(std::int32_t& out, const Value& v, const FieldDef&) {
    out = narrowTo<std::int32_t>(asInteger(v));
}

void fromValue(double& out, const Value& v, const FieldDef&) {
    if (const auto* d = std::get_if<double>(&v))
        out = *d;
    else if (const auto* i = std::get_if<std::int64_t>(&v))
        out = static_cast<double>(*i);
    else
        out = std::strtod(trim(std::get<std::string>(v)).c_str(), nullptr);
}

void fromValue(std::string& out, const Value& v, const FieldDef& def) {
    // A text is fitted where it lies; every record read passes here for each text field.
    if (const auto* text = std::get_if<std::string>(&v))
        out = fittedText(def, *text);
    else
        out = fittedText(def, valueText(v));
}

} // namespace detail

} // namespace velkora::data
