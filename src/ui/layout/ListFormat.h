#pragma once
// The format of a list control as text: one column after another, each
//   <width><just>[(<offset>)]<flags>~<header>~[<hjust>[(<hoffset>)]]@<picture>@[#<field>#]
// for example "74L(1)|M*~NAME1~@s63@". Width and offsets are dialog units;
// justification is L, R, C or D; flags are F (fixed), | (right border),
// M (resizable), _ (underline), * (colours), J or I (icon). "#n#" names the
// entry of the list's column table shown in this column when it is not the
// n-th one (the user moved or hid columns). A parsed text is written back
// unchanged, so stored layouts compare equal with what was designed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::layout {

struct ListColumn {
    int width = 0;
    char just = 'L';
    std::optional<int> offset;
    std::string flags; // in the order written
    std::string header;
    char headerJust = 0; // 0: none written, the data justification applies
    std::optional<int> headerOffset;
    std::string picture;
    int field = 0; // 1-based entry of the column table; 0 = the column's place

    bool hasFlag(char flag) const { return flags.find(flag) != std::string::npos; }
    void setFlag(char flag, bool on);
    bool isIcon() const { return hasFlag('J') || hasFlag('I'); }
};

struct ListFormat {
    std::vector<ListColumn> columns;

    // The column-table entry shown in display column `index` (0-based).
    int fieldOf(std::size_t index) const;
    // The display column showing column-table entry `field`, or -1.
    int indexOfField(int field) const;
    // Writes "#n#" exactly where a column does not show the entry of its place.
    void normaliseFields();
};

// nullopt when the text is no list format.
std::optional<ListFormat> parseListFormat(std::string_view text);
std::string listFormatText(const ListFormat& format);

} // namespace velkora::layout
