#pragma once
// A value while an expression runs: a number or a text. Texts read from
// bound variables, fields and literals are borrowed (they outlive the
// evaluation); texts computed on the way are owned by the value, whose
// buffer is reused from one evaluation to the next.

#include <cstddef>
#include <string>
#include <string_view>

namespace velkora::expr {

// Longest text an evaluation builds by joining or padding: well above the
// largest field (a MEMO(8000)), low enough that a hostile expression cannot
// make it allocate or copy its way into a stall.
inline constexpr std::size_t kMaxTextBytes = std::size_t{1} << 16;

struct Value {
    bool isNumber = false;
    bool isOwned = false;
    // A text from UPPER() or LOWER(): compared the way case-insensitive keys
    // are, with the collation folding (see compareValues).
    bool caseless = false;
    double number = 0;
    std::string_view borrowed;
    std::string owned;

    std::string_view text() const { return isOwned ? std::string_view(owned) : borrowed; }

    void setNumber(double value) {
        isNumber = true;
        isOwned = false;
        caseless = false;
        number = value;
    }
    void setBorrowed(std::string_view value, bool caselessText = false) {
        isNumber = false;
        isOwned = false;
        caseless = caselessText;
        borrowed = value;
    }
    // Makes the value an owned text; the caller fills `owned`.
    std::string& setOwned(bool caselessText) {
        isNumber = false;
        isOwned = true;
        caseless = caselessText;
        owned.clear();
        return owned;
    }
};

// The text of a number the way the runtime shows it: integers without
// decimals, others with the shortest digits that read back the same.
std::string formatNumber(double value);
void appendNumber(std::string& out, double value);
// The number in a text: blanks around it are ignored; a text that is not a
// number counts as 0.
double parseNumber(std::string_view text);

double toNumber(const Value& value);
// Appends the value as text.
void appendText(std::string& out, const Value& value);
// A number is true when it is not 0, a text when it is not blank.
bool isTrue(const Value& value);

// <0, 0 or >0. Two texts compare as texts, ignoring trailing blanks: byte by
// byte (so case counts), or by the collation fold keys when either side comes
// from UPPER()/LOWER(). Anything else compares as numbers.
int compareValues(const Value& a, const Value& b);

// The text without trailing blanks, as a view.
std::string_view clipView(std::string_view text);

} // namespace velkora::expr
