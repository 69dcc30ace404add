#pragma once
// Where the texts of each kind of band stand: rows of cells, each cell a
// field of the band in a column given as a share of the text width.

#include "reports/Report.h"
#include "reports/pages/ReportPages.h"

#include <vector>

namespace velkora::reports {

struct BandCell {
    int field;
    double left;  // share of the text width
    double right; // share of the text width
    TextStyle style = TextStyle::Normal;
    bool alignRight = false;
};

struct BandLayout {
    std::vector<std::vector<BandCell>> rows;
    double spaceBefore = 0; // units above the band
    bool ruleAbove = false; // a thin line separates it from what went before
};

const BandLayout& bandLayout(BandKind kind);

} // namespace velkora::reports
