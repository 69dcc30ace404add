#include "reports/gui/PrintPreviewWin.h"

#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"
#include "reports/pages/ReportPainter.h"
#include "ui/form/FormLayout.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace velkora::reports {
namespace {

constexpr double kZoomPercents[] = {0, 0, 50, 75, 100, 200, 300};

} // namespace

PrintPreviewWin::PrintPreviewWin(const PrintedReport& printed, std::function<bool(QWidget*)> print,
                                 QWidget* parent)
    : QDialog(parent), printed_(printed), print_(std::move(print)) {
    setObjectName("PrintPreviewWin");
    setWindowTitle("Print Preview");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    previous_ = form::plainButton("PREVIEW:PREVIOUS", "Previous Page(s)");
    next_ = form::plainButton("PREVIEW:NEXT", "Next Page(s)");
    jump_ = form::plainButton("PREVIEW:JUMP", "Jump to Page ...");
    zoom_ = form::named(new QComboBox, "PREVIEW:ZOOM");
    zoom_->addItems({"No Zoom", "Page Width", "50%", "75%", "100%", "200%", "300%"});
    printButton_ = form::plainButton("PREVIEW:PRINT", "Print");
    close_ = form::plainButton("PREVIEW:CLOSE", "Close");
    pageNumber_ = form::named(new QLabel, "PREVIEW:PAGENO");
    pageView_ = form::named(new QLabel, "PREVIEW:PAGE");
    pageView_->setAlignment(Qt::AlignCenter);
    scroll_ = form::named(new QScrollArea, "PREVIEW:PAGES");
    scroll_->setWidget(pageView_);
    scroll_->setWidgetResizable(true);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->viewport()->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{previous_, next_, jump_, zoom_, pageNumber_})
        buttons->addWidget(control);
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(scroll_, 1);

    connect(previous_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(jump_, &QPushButton::clicked, this, &PrintPreviewWin::askForPage);
    connect(zoom_, &QComboBox::currentIndexChanged, this, &PrintPreviewWin::redraw);
    connect(printButton_, &QPushButton::clicked, this, [this] {
        if (print_(this))
            accept();
    });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    i18n::TranslateWindow(this, false);
    zoom_->setCurrentIndex(PageWidth);
    resize(sizeHint());
    showPage(0);
}

double PrintPreviewWin::pageDpi() const {
    const QSizeF paperInches = printed_.paper.size() / kUnitsPerInch;
    const QSize room = scroll_->viewport()->size() - QSize(16, 16);
    switch (zoom_->currentIndex()) {
    case NoZoom: // the whole page in the window
        return std::max(10.0,
                        std::min(room.width() / paperInches.width(), room.height() / paperInches.height()));
    case PageWidth:
        return std::max(10.0, (room.width() - scroll_->verticalScrollBar()->sizeHint().width()) /
                                  paperInches.width());
    default:
        return logicalDpiX() * kZoomPercents[zoom_->currentIndex()] / 100.0;
    }
}

void PrintPreviewWin::showPage(int page) {
    const int count = static_cast<int>(printed_.pages.size());
    page_ = std::clamp(page, 0, count - 1);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ < count - 1);
    pageNumber_->setText(QString::fromStdString(i18n::translated(i18n::StringControl, "Seite %1 von %2"))
                             .arg(page_ + 1)
                             .arg(count));
    redraw();
}

void PrintPreviewWin::askForPage() {
    const int count = static_cast<int>(printed_.pages.size());
    QInputDialog ask(this);
    ask.setObjectName("PREVIEW:JUMPDIALOG");
    ask.setWindowTitle(windowTitle());
    ask.setInputMode(QInputDialog::IntInput);
    ask.setIntRange(1, count);
    ask.setIntValue(page_ + 1);
    ask.setLabelText(
        QString::fromStdString(i18n::translated(i18n::StringControl, "Enter a page number from 1 to")) + " " +
        QString::number(count));
    if (ask.exec() == QDialog::Accepted)
        showPage(ask.intValue() - 1);
}

void PrintPreviewWin::redraw() {
    const QImage image = pageImage(printed_, page_, pageDpi());
    pageView_->setPixmap(QPixmap::fromImage(image));
    scroll_->verticalScrollBar()->setValue(0);
}

// The zooms that fit the page to the window follow the room the page has.
bool PrintPreviewWin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize &&
        (zoom_->currentIndex() == NoZoom || zoom_->currentIndex() == PageWidth))
        redraw();
    return QDialog::eventFilter(watched, event);
}

} // namespace velkora::reports
