#pragma once
// What a record offers to expressions: its fields under their prefixed names
// ("ADR:NAME1"). The data layer adapts each typed record to this interface;
// the evaluator reads the values only while it evaluates, so the current
// contents of the record buffer are always what an expression sees.

#include <cstddef>
#include <string_view>

namespace velkora::expr {

// A field's current value: a number (BYTE, SHORT, USHORT, LONG, REAL, DATE)
// or a text (STRING, CSTRING, MEMO). A text view must stay valid until the
// evaluation that asked for it has returned.
struct FieldValue {
    bool isNumber = false;
    double number = 0;
    std::string_view text;

    static FieldValue ofNumber(double value) { return {true, value, {}}; }
    static FieldValue ofText(std::string_view value) { return {false, 0, value}; }
};

// The names and their number stay the same for as long as the source is bound.
class FieldSource {
public:
    virtual ~FieldSource() = default;
    virtual std::size_t fieldCount() const = 0;
    // The prefixed name of field `index` (0-based), for example "TKP:ADRNR".
    virtual std::string_view fieldName(std::size_t index) const = 0;
    virtual FieldValue fieldValue(std::size_t index) const = 0;
};

} // namespace velkora::expr
