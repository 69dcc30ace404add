#pragma once
// Sorting by a column and the locator text typed into a list.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::browse {

// One entry of a list's column table: what the column shows and how.
struct BrowseColumn {
    std::string field;   // "ADR:NAME1", or a computed value "BRW:LDPLZ"
    std::string header;  // "Name 1"
    std::string picture; // "@s63L", "@n_6B", "@d17B"
};

// A list's own order for a sort column, replacing the generic one.
struct SortMapping {
    std::string column;       // the column's field ("BRW:LDPLZ")
    std::string locatorField; // the field the locator text goes to ("ADR:LD")
    std::string ascending;    // "UPPER(ADR:LD), UPPER(ADR:PLZ)"
    std::string descending;   // "-UPPER(ADR:LD), -UPPER(ADR:PLZ)"
    int locateComponents = 1; // order components the locator positions on
};

struct SortOrder {
    std::string expression;
    std::string locatorField;
    int locateComponents = 1;
};

// The order of a sort column: the list's mapping when it has one, otherwise
// UPPER(field) for text pictures and the bare field for others, with a
// leading "-" on every component when descending.
SortOrder sortOrder(const BrowseColumn& column, bool descending, const std::vector<SortMapping>& mappings);

// The locator text: at most 32 characters with a BYTE length counter, so a
// Backspace on an empty locator wraps the counter past 254 and back to 0.
class Locator {
public:
    static constexpr std::size_t kMaxChars = 32;
    const std::string& text() const { return text_; }
    void set(std::string_view text);
    void clear() { set({}); }
    void backspace();
    void append(std::string_view character);

private:
    std::string text_;
    std::uint8_t length_ = 0;
};

} // namespace velkora::browse
