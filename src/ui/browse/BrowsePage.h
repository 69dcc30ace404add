#pragma once
// The page of a list: the rows that fit into the visible part of the list
// control and nothing more. Every scroll, locate and refresh reads from the
// source only the records the new page needs.

#include "ui/browse/BrowseSource.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velkora::browse {

inline constexpr long kNoColour = -1;
inline constexpr long kShadeColour = 0xF0F0F0;

struct BrowseCell {
    std::string text;
    long normalFg = kNoColour;
    long normalBg = kNoColour;
    long selectedFg = kNoColour;
    long selectedBg = kNoColour;
    int icon = 0; // 0 = no icon
};

struct BrowseRow {
    std::vector<BrowseCell> cells; // one per entry of the list's column table
    std::uint8_t mark = 0;
    std::string position;
    bool shaded = false;
};

// Builds a row from the source's record buffer (display values, icons, colours).
using RowBuilder = std::function<BrowseRow(const BrowseSource&)>;

// A scroll step: one record or one page up or down, or the first or last page.
enum class Scroll { OneUp, OneDown, PageUp, PageDown, Top, Bottom };

class BrowsePage {
public:
    BrowsePage(BrowseSource& source, RowBuilder builder);

    void setPageSize(int rows);
    int pageSize() const { return pageSize_; }

    const std::vector<BrowseRow>& rows() const { return rows_; }
    bool empty() const { return rows_.empty(); }
    // 0-based row of the selection; -1 when the page is empty.
    int current() const { return rows_.empty() ? -1 : current_; }
    void select(int row);
    const BrowseRow* currentRow() const;

    // True once a read failed with anything but the end of the view.
    bool failed() const { return failed_; }

    // Resets: the page is emptied and read again from the given point.
    void top();
    void bottom();
    void locate(const std::vector<std::string>& values);
    // The record stored at `position` (or the next one, when it has gone)
    // is selected on `row` of the page, as far as the records before it
    // allow; the page is completed from the records above it when the view
    // ends below it.
    void resetTo(const std::string& position, int row = 0);

    // One record up or down: the selection moves within the page, at its
    // edge the page shifts by one. One page up or down: the selection keeps
    // its row while whole pages are read, and moves by what could not be
    // read at the end of the view.
    void scroll(Scroll step) { scroll(std::vector<Scroll>{step}); }
    // The steps one after the other, ending exactly where single steps
    // would; reading goes on from where the last step stopped, so a burst
    // of keys in one direction costs one seek instead of one per key.
    void scroll(const std::vector<Scroll>& steps);
    // A scroll-thumb position from 0 to 100: 1 or less is top, 100 bottom.
    void thumb(int percent);

    // The current row's record was deleted: drop it and fill the gap.
    void removeCurrent();

    // Reads the selected row's record into the source's buffer.
    ReadResult regetCurrent();

private:
    enum class End { Top, Bottom };
    // Where the source's cursor stands, as far as this page knows.
    enum class Cursor { Unknown, AbovePage, BelowPage };
    void oneDown();
    void oneUp();
    void pageDown();
    void pageUp();
    bool readInto(End end);
    int fillForward(int count);
    int fillBackward(int count);
    void shade(BrowseRow& row, const BrowseRow* neighbour) const;
    void fillFromSeek();

    BrowseSource& source_;
    RowBuilder builder_;
    std::vector<BrowseRow> rows_;
    int pageSize_ = 1;
    int current_ = 0;
    bool failed_ = false;
    Cursor cursor_ = Cursor::Unknown;
};

} // namespace velkora::browse
