#include "reports/pages/ReportPages.h"

#include "i18n/ControlTexts.h"
#include "reports/pages/BandLayouts.h"
#include "reports/pages/ReportFonts.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"

#include <QFontMetricsF>
#include <QImage>
#include <QStringList>
#include <array>
#include <memory>

namespace velkora::reports {
namespace {

constexpr double kMillimetre = kUnitsPerInch / 25.4;
const QRectF kA4(0, 0, 210 * kMillimetre, 297 * kMillimetre);
// Room for punching and binding on the left.
const QRectF kText = kA4.adjusted(22 * kMillimetre, 15 * kMillimetre, -15 * kMillimetre, -15 * kMillimetre);
// Header: the title, the date and a rule; footer: a rule and the page number.
constexpr double kHeaderHeight = 12 * kMillimetre;
constexpr double kFooterHeight = 9 * kMillimetre;

// Text measured at the layout's own resolution.
class Measures {
public:
    Measures() : device_(1, 1, QImage::Format_RGB32) {
        const int dotsPerMetre = static_cast<int>(kUnitsPerInch / 0.0254 + 0.5);
        device_.setDotsPerMeterX(dotsPerMetre);
        device_.setDotsPerMeterY(dotsPerMetre);
        for (TextStyle style : {TextStyle::Normal, TextStyle::Bold, TextStyle::Small, TextStyle::Title})
            metrics_[static_cast<int>(style)] = std::make_unique<QFontMetricsF>(reportFont(style), &device_);
    }
    const QFontMetricsF& of(TextStyle style) const { return *metrics_[static_cast<int>(style)]; }

private:
    QImage device_;
    std::array<std::unique_ptr<QFontMetricsF>, 4> metrics_;
};

// The text in lines that fit `width`: its own line breaks kept, words
// wrapped, a word wider than the column broken where the column ends.
// Widths add up (the type is drawn without shaping), so each word is
// measured once.
QStringList wrap(const QString& text, double width, const QFontMetricsF& fm) {
    QStringList lines;
    const double space = fm.horizontalAdvance(QLatin1Char(' '));
    for (const QString& paragraph : text.split('\n')) {
        if (fm.horizontalAdvance(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QString line;
        double lineWidth = 0;
        const auto flush = [&] {
            lines << line;
            line.clear();
            lineWidth = 0;
        };
        for (const QString& word : paragraph.split(' ', Qt::SkipEmptyParts)) {
            const double wordWidth = fm.horizontalAdvance(word);
            if (!line.isEmpty() && lineWidth + space + wordWidth <= width) {
                line += ' ' + word;
                lineWidth += space + wordWidth;
                continue;
            }
            if (!line.isEmpty())
                flush();
            if (wordWidth <= width) {
                line = word;
                lineWidth = wordWidth;
                continue;
            }
            for (const QChar c : word) {
                const double charWidth = fm.horizontalAdvance(c);
                if (!line.isEmpty() && lineWidth + charWidth > width)
                    flush();
                line += c;
                lineWidth += charWidth;
            }
        }
        lines << line;
    }
    return lines;
}

// A band's texts placed from its own top, and how much room it takes.
struct MeasuredBand {
    std::vector<PageText> texts;
    double height = 0;
    const BandLayout* layout = nullptr;
};

class Paginator {
public:
    explicit Paginator(PrintedReport& printed) : printed_(printed) {}

    void add(const Band& band) {
        MeasuredBand measured = measure(band);
        if (measured.texts.empty())
            return;
        if (!pending_.texts.empty()) {
            if (!fits(pending_, measured.layout->spaceBefore + measured.height))
                newPage();
            place(pending_);
            pending_ = {};
        }
        if (measured.layout->keepWithNext)
            pending_ = std::move(measured);
        else
            place(measured);
    }

    // A heading at the very end stands alone.
    void finish() {
        if (!pending_.texts.empty())
            place(pending_);
        pending_ = {};
    }

private:
    static double bodyBottom() { return kText.bottom() - kFooterHeight; }
    void newPage() {
        printed_.pages.emplace_back();
        y_ = kText.top() + kHeaderHeight;
    }

    MeasuredBand measure(const Band& band) const {
        MeasuredBand measured;
        measured.layout = &bandLayout(band.kind);
        for (const auto& row : measured.layout->rows) {
            double rowHeight = 0;
            for (const BandCell& cell : row) {
                QStringList values;
                for (const int field : cell.fields)
                    if (const std::string& text = band.texts.at(field); !text.empty())
                        values << QString::fromStdString(text);
                if (values.isEmpty())
                    continue;
                const QFontMetricsF& fm = measures_.of(cell.style);
                const double left = kText.left() + cell.left * kText.width();
                const double width = (cell.right - cell.left) * kText.width();
                const QStringList lines = wrap(values.join('\n'), width, fm);
                for (qsizetype i = 0; i < lines.size(); ++i) {
                    const double x = cell.alignRight ? left + width - fm.horizontalAdvance(lines[i]) : left;
                    const double baseline =
                        measured.height + static_cast<double>(i) * fm.lineSpacing() + fm.ascent();
                    measured.texts.push_back({QPointF(x, baseline), lines[i], cell.style});
                }
                rowHeight = std::max(rowHeight, static_cast<double>(lines.size()) * fm.lineSpacing());
            }
            measured.height += rowHeight;
        }
        return measured;
    }

    // Whether the band, and `after` more below it, fit on the page begun.
    bool fits(const MeasuredBand& band, double after = 0) const {
        if (printed_.pages.empty())
            return false;
        if (printed_.pages.back().texts.empty())
            return true; // a band taller than a page gets a page of its own
        return y_ + band.layout->spaceBefore + band.height + after <= bodyBottom();
    }

    void place(MeasuredBand& band) {
        if (!fits(band))
            newPage();
        ReportPage& page = printed_.pages.back();
        double top = y_ + band.layout->spaceBefore;
        if (page.texts.empty()) {
            top = y_; // the first band of a page starts right under the header
        } else if (band.layout->ruleAbove) {
            const double middle = top - band.layout->spaceBefore / 2;
            page.rules.emplace_back(kText.left(), middle, kText.right(), middle);
        }
        for (PageText& text : band.texts) {
            text.origin.ry() += top;
            page.texts.push_back(std::move(text));
        }
        y_ = top + band.height;
    }

    PrintedReport& printed_;
    Measures measures_;
    MeasuredBand pending_; // a heading waiting for the band under it (none: no texts)
    double y_ = 0;
};

} // namespace

PrintedReport layOutReport(const Report& report) {
    PrintedReport printed;
    printed.title = QString::fromStdString(report.title);
    printed.printedOn = QString::fromStdString(formatDate("@d17", today()));
    printed.pageOf = QString::fromStdString(i18n::translated(i18n::StringControl, "Seite %1 von %2"));
    printed.paper = kA4;
    printed.header = QRectF(kText.left(), kText.top(), kText.width(), kHeaderHeight);
    printed.footer = QRectF(kText.left(), kText.bottom() - kFooterHeight, kText.width(), kFooterHeight);
    Paginator paginator(printed);
    for (const Band& band : report.bands)
        paginator.add(band);
    paginator.finish();
    if (printed.pages.empty())
        printed.pages.emplace_back(); // an empty list still prints its header
    return printed;
}

} // namespace velkora::reports
