#pragma once
// A report laid out on A4 pages: every text with its place, already broken
// into lines that fit their column, so painting on a printer, into a PDF
// file or into a preview image is the same drawing at another resolution.
//
//   const PrintedReport printed = layOutReport(report);
//   QPdfWriter pdf(file); printPages(printed, pdf);
//   QImage first = pageImage(printed, 0, 96.0);
//
// Places are in units of 1/720 inch from the paper's top left corner.

#include "reports/Report.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace velkora::reports {

inline constexpr double kUnitsPerInch = 720.0;
inline constexpr double kPoint = kUnitsPerInch / 72.0;

enum class TextStyle { Normal, Bold, Small, Title };

// One line of text: where its baseline starts (right-aligned texts have
// been placed by their width already), so drawing it is a plain draw.
struct PageText {
    QPointF origin;
    QString text;
    TextStyle style = TextStyle::Normal;
};

struct ReportPage {
    std::vector<PageText> texts;
    std::vector<QLineF> rules;
};

struct PrintedReport {
    QString title;
    QString printedOn; // the date in the header
    QString pageOf;    // the footer, "%1" the page and "%2" the count
    QRectF paper;      // A4 in units
    QRectF header;     // where the title and date stand, above the bands
    QRectF footer;     // where the page number stands, below them
    std::vector<ReportPage> pages;
};

// Lays the bands out page by page; a band is never split across pages.
// The footer and date texts come from the translation table and the clock.
PrintedReport layOutReport(const Report& report);

} // namespace velkora::reports
