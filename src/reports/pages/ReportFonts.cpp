#include "reports/pages/ReportFonts.h"

namespace velkora::reports {

QFont reportFont(TextStyle style, double deviceDpi) {
    QFont font;
    font.setFamilies(QStringList{"Liberation Sans", "DejaVu Sans", "Arial", "Sans Serif"});
    font.setStyleHint(QFont::SansSerif);
    // Widths must scale with the size: the layout measures at one
    // resolution and the text is drawn at another.
    font.setHintingPreference(QFont::PreferNoHinting);
    // No ligatures: a reader searching the PDF for "Hintertupfingen" finds it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    double points = 10;
    switch (style) {
    case TextStyle::Normal:
        break;
    case TextStyle::Bold:
        font.setBold(true);
        break;
    case TextStyle::Small:
        points = 9;
        break;
    case TextStyle::Title:
        points = 14;
        font.setBold(true);
        break;
    }
    font.setPointSizeF(points * kUnitsPerInch / deviceDpi);
    return font;
}

} // namespace velkora::reports
