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
constexpr double kPoint = kUnitsPerInch / 72.0;
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

// A word too wide for the column is broken where the column ends.
void breakWord(const QString& word, double width, const QFontMetricsF& fm, QStringList& lines) {
    QString line;
    for (const QChar c : word) {
        if (!line.isEmpty() && fm.horizontalAdvance(line + c) > width) {
            lines << line;
            line.clear();
        }
        line += c;
    }
    if (!line.isEmpty())
        lines << line;
}

// The text in lines that fit `width`: its own line breaks kept, words wrapped.
QStringList wrap(const QString& text, double width, const QFontMetricsF& fm) {
    QStringList lines;
    for (const QString& paragraph : text.split('\n')) {
        if (fm.horizontalAdvance(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QString line;
        for (const QString& word : paragraph.split(' ', Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + ' ' + word;
            if (fm.horizontalAdvance(candidate) <= width) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines << line;
            line.clear();
            if (fm.horizontalAdvance(word) <= width) {
                line = word;
                continue;
            }
            breakWord(word, width, fm, lines);
            line = lines.takeLast(); // the word's last piece starts the next line
        }
        lines << line;
    }
    return lines;
}

class Paginator {
public:
    explicit Paginator(PrintedReport& printed) : printed_(printed) {}

    void add(const Band& band) {
        const BandLayout& layout = bandLayout(band.kind);
        std::vector<PageText> texts;
        double height = 0;
        for (const auto& row : layout.rows) {
            double rowHeight = 0;
            for (const BandCell& cell : row) {
                const QString value = QString::fromStdString(band.texts.at(cell.field));
                if (value.isEmpty())
                    continue;
                const QFontMetricsF& fm = measures_.of(cell.style);
                const double left = kText.left() + cell.left * kText.width();
                const double width = (cell.right - cell.left) * kText.width();
                const QStringList lines = wrap(value, width, fm);
                for (qsizetype i = 0; i < lines.size(); ++i)
                    texts.push_back({QRectF(left, height + static_cast<double>(i) * fm.lineSpacing(), width,
                                            fm.lineSpacing()),
                                     lines[i], cell.style, cell.alignRight});
                rowHeight = std::max(rowHeight, static_cast<double>(lines.size()) * fm.lineSpacing());
            }
            height += rowHeight;
        }
        if (texts.empty())
            return;
        double top = y_ + layout.spaceBefore;
        if (printed_.pages.empty() || top + height > bodyBottom())
            newPage();
        ReportPage& page = printed_.pages.back();
        if (page.texts.empty()) {
            top = y_; // the first band of a page starts right under the header
        } else if (layout.ruleAbove) {
            const double middle = top - layout.spaceBefore / 2;
            page.rules.emplace_back(kText.left(), middle, kText.right(), middle);
        }
        for (PageText& text : texts) {
            text.box.translate(0, top);
            page.texts.push_back(std::move(text));
        }
        y_ = top + height;
    }

private:
    static double bodyBottom() { return kText.bottom() - kFooterHeight; }
    void newPage() {
        printed_.pages.emplace_back();
        y_ = kText.top() + kHeaderHeight;
    }

    PrintedReport& printed_;
    Measures measures_;
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
    if (printed.pages.empty())
        printed.pages.emplace_back(); // an empty list still prints its header
    return printed;
}

} // namespace velkora::reports
