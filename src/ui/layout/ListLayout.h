#pragma once
// A list's arrangement as the window file keeps it: one "Xplore..." key per
// setting, each followed by the list control's name ("XploreFormatString-?Browse:1"),
// in the section of the list's window. A stored arrangement is applied only
// while the list is still designed the way it was when the arrangement was
// saved ("XploreOrigFormatString-"); after a design change the designed
// columns win and the stale arrangement is overwritten at the next close.

#include <string>

namespace velkora::layout {

struct ListLayout {
    std::string format; // the user's format text (ListFormat.h)
    int xpos = 0;
    int ypos = 0;
    int width = 0;
    int height = 0;
    bool hscroll = true;
    bool vscroll = true;
    int lineHeight = 0; // pixels; 0 = the list's own
    std::string font;
    int point = 0;
    long color = -1; // 0xRRGGBB; -1 = the list's own
    long style = 0;  // bit 0 bold, bit 1 italic, bit 2 underline, bit 3 strike-out
    // The column-table entry the list is sorted by; negative when descending; 0 = none.
    int prevCol = 0;
};

// Writes every key of `layout` and the designed format under `section`.
void saveListLayout(const std::string& file, const std::string& section, const std::string& listName,
                    const std::string& designedFormat, const ListLayout& layout);

// Reads the stored arrangement; each value defaults to the one in `current`.
// The stored format is taken only when the stored designed format equals
// `designedFormat` and the stored format is not empty.
ListLayout restoreListLayout(const std::string& file, const std::string& section, const std::string& listName,
                             const std::string& designedFormat, const ListLayout& current);

} // namespace velkora::layout
