#include "reports/pages/ReportPainter.h"

#include "reports/pages/ReportFonts.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <array>

namespace velkora::reports {
namespace {

// Fonts for one device, made once per page rather than once per text.
class DeviceFonts {
public:
    explicit DeviceFonts(double dpi) {
        for (TextStyle style : {TextStyle::Normal, TextStyle::Bold, TextStyle::Small, TextStyle::Title})
            fonts_[static_cast<int>(style)] = reportFont(style, dpi);
    }
    const QFont& of(TextStyle style) const { return fonts_[static_cast<int>(style)]; }

private:
    std::array<QFont, 4> fonts_;
};

void drawText(QPainter& painter, const QRectF& box, const QString& text, bool alignRight) {
    painter.drawText(box,
                     Qt::TextSingleLine | Qt::TextDontClip | Qt::AlignTop |
                         (alignRight ? Qt::AlignRight : Qt::AlignLeft),
                     text);
}

void paintFrame(QPainter& painter, const PrintedReport& printed, int index, const DeviceFonts& fonts) {
    const QRectF& header = printed.header;
    // A title too long for its room is shortened visibly, never cut off.
    const double titleWidth = header.width() * 0.78;
    painter.setFont(fonts.of(TextStyle::Title));
    // The device's font measures in units: it is drawn through the layout's scale.
    const QFontMetricsF titleMetrics(fonts.of(TextStyle::Title), painter.device());
    const QString title = titleMetrics.elidedText(printed.title, Qt::ElideRight, titleWidth);
    drawText(painter, QRectF(header.left(), header.top(), titleWidth, header.height()), title, false);
    painter.setFont(fonts.of(TextStyle::Small));
    drawText(painter,
             QRectF(header.right() - header.width() * 0.2, header.top() + 4 * kPoint, header.width() * 0.2,
                    header.height()),
             printed.printedOn, true);
    const double underHeader = header.bottom() - 4 * kPoint;
    painter.drawLine(QLineF(header.left(), underHeader, header.right(), underHeader));

    const QRectF& footer = printed.footer;
    const double overFooter = footer.top() + 4 * kPoint;
    painter.drawLine(QLineF(footer.left(), overFooter, footer.right(), overFooter));
    const QString pageText =
        QString(printed.pageOf).arg(index + 1).arg(static_cast<qsizetype>(printed.pages.size()));
    painter.drawText(QRectF(footer.left(), overFooter + 4 * kPoint, footer.width(), footer.height()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, pageText);
}

} // namespace

void paintPage(QPainter& painter, const PrintedReport& printed, int index, double deviceDpi) {
    painter.save();
    painter.scale(deviceDpi / kUnitsPerInch, deviceDpi / kUnitsPerInch);
    painter.setPen(QPen(Qt::black, 0.6 * kPoint));
    const DeviceFonts fonts(deviceDpi);
    paintFrame(painter, printed, index, fonts);
    const ReportPage& page = printed.pages.at(static_cast<std::size_t>(index));
    painter.setPen(QPen(Qt::gray, 0.5 * kPoint));
    for (const QLineF& rule : page.rules)
        painter.drawLine(rule);
    painter.setPen(Qt::black);
    TextStyle current = TextStyle::Normal;
    painter.setFont(fonts.of(current));
    for (const PageText& text : page.texts) {
        if (text.style != current) {
            current = text.style;
            painter.setFont(fonts.of(current));
        }
        painter.drawText(text.origin, text.text);
    }
    painter.restore();
}

bool printPages(const PrintedReport& printed, QPagedPaintDevice& device, int from, int to) {
    const int last = static_cast<int>(printed.pages.size()) - 1;
    if (to < 0 || to > last)
        to = last;
    from = std::max(from, 0);
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dpi = device.logicalDpiX();
    for (int index = from; index <= to; ++index) {
        if (index > from && !device.newPage())
            return false;
        paintPage(painter, printed, index, dpi);
    }
    return painter.end();
}

QImage pageImage(const PrintedReport& printed, int index, double dpi) {
    const double scale = dpi / kUnitsPerInch;
    QImage image(static_cast<int>(printed.paper.width() * scale + 0.5),
                 static_cast<int>(printed.paper.height() * scale + 0.5), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintPage(painter, printed, index, dpi);
    return image;
}

} // namespace velkora::reports
