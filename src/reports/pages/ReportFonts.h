#pragma once
// The type of the printed reports. Sizes are in points on paper; a device
// of another resolution than the layout's gets them scaled so that text
// drawn through the layout's transform comes out at that size.

#include "reports/pages/ReportPages.h"

#include <QFont>
#include <QStringList>

namespace velkora::reports {

// The font of `style` for a device of `deviceDpi`, drawn through a painter
// scaled by deviceDpi / kUnitsPerInch.
QFont reportFont(TextStyle style, double deviceDpi = kUnitsPerInch);

} // namespace velkora::reports
