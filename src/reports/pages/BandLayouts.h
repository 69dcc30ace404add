#pragma once
// Where the texts of each kind of band stand: rows of cells, each cell a
// column given as a share of the text width that shows its fields one
// under the other, leaving out empty ones.

#include "reports/Report.h"
#include "reports/pages/ReportPages.h"

#include <vector>

namespace velkora::reports {

struct BandCell {
    std::vector<int> fields;
    double left;  // share of the text width
    double right; // share of the text width
    TextStyle style = TextStyle::Normal;
    bool alignRight = false;
};

struct BandLayout {
    std::vector<std::vector<BandCell>> rows;
    double spaceBefore = 0; // units above the band
    bool ruleAbove = false; // a thin line separates it from what went before
    // A heading: it goes to the next page with the band that follows it
    // rather than stand alone at the foot of a page.
    bool keepWithNext = false;
};

const BandLayout& bandLayout(BandKind kind);

} // namespace velkora::reports
