#pragma once
// Table declarations: a table is described once, as data, and the driver
// creates, checks and reads its files from that description.
//
//   const TableDef& t = Address::table();
//   int f = t.fieldIndex("ADR:NAME1");          // also "NAME1"
//   const KeyDef* k = t.key("ADR:QXADRES2");    // also "QXADRES2"
//   std::string s = fieldText(t, &record, f);   // any field as text
//
// Record structs (Tables.h) carry one member per field, named as the field.
// Value conventions of the members: STRING fields are held without their
// padding blanks (toStringField pads when a fixed width is needed), CSTRING
// and MEMO fields as text, DATE fields as day numbers like the LONG dates.

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace velkora::data {

enum class FieldType : std::uint8_t { Byte, Short, UShort, Long, Real, String, CString, Memo, Date };

// A field value without its table: whole numbers, REAL, or text.
using Value = std::variant<std::int64_t, double, std::string>;

// The value as text, the way expressions and templates see it.
std::string valueText(const Value& value);

struct FieldDef {
    std::string_view name; // without prefix: "NAME1"
    FieldType type = FieldType::Long;
    int size = 0; // declared size of text fields: STRING(8), CSTRING(64), MEMO(8000)
    Value (*get)(const void* record) = nullptr;
    // The text of a text field without copying (nullptr for number fields).
    std::string_view (*view)(const void* record) = nullptr;
    // Stores a value, clipped to the field's type and size (pass this FieldDef).
    void (*set)(void* record, const Value& value, const FieldDef& self) = nullptr;

    bool isText() const {
        return type == FieldType::String || type == FieldType::CString || type == FieldType::Memo;
    }
};

// The part of `text` a field of this type and size keeps: whole characters up
// to its size (a CSTRING keeps room for its terminating zero), a STRING
// without trailing blanks. Always a leading part of `text`.
std::string_view fittedText(const FieldDef& field, std::string_view text);

struct KeyPart {
    int field = 0;
    bool descending = false;
};

// A key of the table. Text components are case-insensitive (foldText).
struct KeyDef {
    std::string_view name; // without prefix: "QXADRES1"
    std::vector<KeyPart> parts;
    bool unique = false;
    bool primary = false;
    bool optional = false; // records whose components are all zero or blank are left out
};

// Where the file of a table lies; the full name is resolved at open time.
enum class FileLocation : std::uint8_t {
    DataPath,        // appState().DATAPATH + "/" + name
    InitPath,        // appState().INITPATH + "/" + name
    TranslationFile, // appState().TRLFILE
};

// Lifetime and copying of a record struct, for code that handles any table.
struct RecordOps {
    void* (*create)() = nullptr;
    void (*destroy)(void*) = nullptr;
    void (*copy)(void* to, const void* from) = nullptr;
};

struct TableDef {
    std::string_view name;   // "QXADRESS"
    std::string_view prefix; // "ADR"
    FileLocation location = FileLocation::DataPath;
    std::vector<FieldDef> fields;
    std::vector<KeyDef> keys;
    // Orders the lists offer that no key serves. Each has an index of its own
    // from the file's creation on, so that no list ever sorts the file (which
    // would keep other stations from writing meanwhile).
    std::vector<KeyDef> listOrders;
    RecordOps ops;

    // Field by "PRE:NAME" or "NAME" (case-insensitive); -1 when unknown.
    int fieldIndex(std::string_view name) const;
    // Key by "PRE:KEYNAME" or "KEYNAME" (case-insensitive); nullptr when unknown.
    const KeyDef* key(std::string_view name) const;
    // The key a record is re-read by: the primary key, or the first key.
    const KeyDef& primaryKey() const;
    // "ADR:NAME1"
    std::string prefixedName(int field) const;
};

// Sets a field of a record from a value (clipped to the field).
void setField(const TableDef& table, void* record, int field, const Value& value);
// Any field of a record as text (numbers without padding, dates as day numbers).
std::string fieldText(const TableDef& table, const void* record, int field);
// Sets a field from text; numbers read from the leading digits like the runtime does.
void setFieldText(const TableDef& table, void* record, int field, std::string_view text);

// An owned copy of one record of any table (a list row, a saved buffer).
class RecordCopy {
public:
    RecordCopy() = default;
    RecordCopy(const TableDef& table, const void* record);
    RecordCopy(const RecordCopy& other);
    RecordCopy& operator=(const RecordCopy& other);
    RecordCopy(RecordCopy&& other) noexcept;
    RecordCopy& operator=(RecordCopy&& other) noexcept;
    ~RecordCopy();

    const TableDef* table() const { return table_; }
    const void* data() const { return data_; }
    void* data() { return data_; }
    // The field "ADR:NAME1" as text; empty for an unknown name.
    std::string text(std::string_view prefixedName) const;
    template <class R> const R& as() const { return *static_cast<const R*>(data_); }
    template <class R> R& as() { return *static_cast<R*>(data_); }

private:
    const TableDef* table_ = nullptr;
    void* data_ = nullptr;
};

namespace detail {
template <class M> struct MemberOf;
template <class C, class T> struct MemberOf<T C::*> {
    using Class = C;
    using Type = T;
};
Value toValue(std::uint8_t v);
Value toValue(std::int16_t v);
Value toValue(std::uint16_t v);
Value toValue(std::int32_t v);
Value toValue(double v);
Value toValue(const std::string& v);
void fromValue(std::uint8_t& out, const Value& v, const FieldDef& def);
void fromValue(std::int16_t& out, const Value& v, const FieldDef& def);
void fromValue(std::uint16_t& out, const Value& v, const FieldDef& def);
void fromValue(std::int32_t& out, const Value& v, const FieldDef& def);
void fromValue(double& out, const Value& v, const FieldDef& def);
void fromValue(std::string& out, const Value& v, const FieldDef& def);
} // namespace detail

// One field declaration bound to its struct member:
//   field<&Address::NAME1>("NAME1", FieldType::CString, 64)
template <auto Member> FieldDef field(std::string_view name, FieldType type, int size = 0) {
    using R = typename detail::MemberOf<decltype(Member)>::Class;
    FieldDef f{name, type, size};
    f.get = [](const void* record) { return detail::toValue(static_cast<const R*>(record)->*Member); };
    if constexpr (std::is_same_v<typename detail::MemberOf<decltype(Member)>::Type, std::string>)
        f.view = [](const void* record) -> std::string_view {
            return static_cast<const R*>(record)->*Member;
        };
    f.set = [](void* record, const Value& value, const FieldDef& self) {
        detail::fromValue(static_cast<R*>(record)->*Member, value, self);
    };
    return f;
}

} // namespace velkora::data
