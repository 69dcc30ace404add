#pragma once
// Draws laid-out report pages: on a printer, into a PDF file or into an
// image for the preview. One drawing serves all, so the preview shows
// exactly what the paper gets.

#include "reports/pages/ReportPages.h"

#include <QImage>

class QPagedPaintDevice;
class QPainter;

namespace velkora::reports {

// Paints page `index` with the header and footer. The painter's origin is
// the paper's corner; its device has `deviceDpi`.
void paintPage(QPainter& painter, const PrintedReport& printed, int index, double deviceDpi);

// Prints pages `from` to `to` (0-based, both included; -1: to the last) on
// A4, one sheet each. False when the device cannot be painted on (a PDF
// file that cannot be written, a printer that is gone).
bool printPages(const PrintedReport& printed, QPagedPaintDevice& device, int from = 0, int to = -1);

// Page `index` as a white sheet at `dpi` (the preview's zoom).
QImage pageImage(const PrintedReport& printed, int index, double dpi);

} // namespace velkora::reports
