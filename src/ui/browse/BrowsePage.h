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

    void oneDown();
    void oneUp();
    void pageDown();
    void pageUp();
    // A scroll-thumb position from 0 to 100: 1 or less is top, 100 bottom.
    void thumb(int percent);

    // The current row's record was deleted: drop it and fill the gap.
    void removeCurrent();

    // Reads the selected row's record into the source's buffer.
    ReadResult regetCurrent();

private:
    enum class End { Top, Bottom };
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
};

} // namespace velkora::browse
