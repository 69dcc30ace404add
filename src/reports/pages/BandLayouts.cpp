#include "reports/pages/BandLayouts.h"

namespace velkora::reports {
namespace {

// The address takes most of the width; its number, kind and industry stand
// right-aligned in a narrow column, where the eye looks them up.
const BandLayout kAddress{
    {{{{AdrLine1}, 0.0, 0.72, TextStyle::Bold}, {{AdrNumber}, 0.74, 1.0, TextStyle::Bold, true}},
     {{{AdrLine2}, 0.0, 0.72}, {{AdrKind}, 0.74, 1.0, TextStyle::Normal, true}},
     {{{AdrUrl}, 0.0, 0.72}, {{AdrIndustry}, 0.74, 1.0, TextStyle::Normal, true}}},
    9 * kPoint,
    true,
    true};

// Contact persons indented under their address, their numbers in a column.
const BandLayout kContact{{{{{TkpLine1, TkpLine2}, 0.05, 0.50}, {{TkpTel, TkpFax, TkpEmail}, 0.52, 1.0}}},
                          4 * kPoint};

const BandLayout kActivityAddress{
    {{{{AktAddress1}, 0.0, 1.0, TextStyle::Bold}}, {{{AktAddress2}, 0.0, 1.0}}}, 12 * kPoint, true, true};

// Date, time, title, kind and priority in one row; the remark below the title.
const BandLayout kActivity{{{{{AktDate}, 0.0, 0.12},
                             {{AktTime}, 0.13, 0.19},
                             {{AktTitle}, 0.20, 0.62},
                             {{AktKind}, 0.63, 0.84},
                             {{AktPriority}, 0.85, 1.0, TextStyle::Normal, true}},
                            {{{AktRemark}, 0.20, 1.0, TextStyle::Small}}},
                           4 * kPoint};

const BandLayout kMemo{{{{{MemoLine}, 0.20, 1.0, TextStyle::Small}}}};

} // namespace

const BandLayout& bandLayout(BandKind kind) {
    switch (kind) {
    case BandKind::Address:
        return kAddress;
    case BandKind::Contact:
        return kContact;
    case BandKind::ActivityAddress:
        return kActivityAddress;
    case BandKind::Activity:
        return kActivity;
    case BandKind::Memo:
        break;
    }
    return kMemo;
}

} // namespace velkora::reports
