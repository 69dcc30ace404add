#include "ui/browse/BrowseList.h"

#include "shared/Pictures.h"
#include "ui/browse/BrowsePageModel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>
#include <cmath>

namespace velkora::browse {

BrowseList::BrowseList(QWidget* parent)
    : QWidget(parent), table_(new QTableView(this)), thumb_(new QScrollBar(Qt::Vertical, this)),
      model_(new BrowsePageModel(this)) {
    auto* box = new QHBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(table_);
    box->addWidget(thumb_);
    table_->setModel(model_);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->setIconSize(QSize(16, 16));
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->installEventFilter(this);
    table_->viewport()->installEventFilter(this);
    setFocusProxy(table_);
    setFocusPolicy(Qt::StrongFocus);
    thumb_->setRange(0, 100);
    thumb_->setPageStep(10);

    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { emit headerClicked(format_.fieldOf(static_cast<std::size_t>(section))); });
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (showing_ || section >= static_cast<int>(format_.columns.size()))
                    return;
                format_.columns[static_cast<std::size_t>(section)].width =
                    static_cast<int>(std::lround(size / pixelsPerDlu()));
            });
    // A translated heading may need a wider column.
    connect(model_, &QAbstractItemModel::headerDataChanged, this, [this] {
        if (!showing_)
            applyWidths();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!showing_ && current.isValid())
                    emit rowChosen(current.row());
            });
    connect(thumb_, &QScrollBar::actionTriggered, this, [this](int act) {
        switch (act) {
        case QAbstractSlider::SliderSingleStepAdd:
            emit action(ListAction::OneDown);
            break;
        case QAbstractSlider::SliderSingleStepSub:
            emit action(ListAction::OneUp);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            emit action(ListAction::PageDown);
            break;
        case QAbstractSlider::SliderPageStepSub:
            emit action(ListAction::PageUp);
            break;
        case QAbstractSlider::SliderToMinimum:
            emit action(ListAction::Top);
            break;
        case QAbstractSlider::SliderToMaximum:
            emit action(ListAction::Bottom);
            break;
        default:
            break;
        }
    });
    connect(thumb_, &QScrollBar::sliderReleased, this, [this] { emit thumbMoved(thumb_->sliderPosition()); });
}

BrowseList::~BrowseList() = default;

void BrowseList::setFormat(const layout::ListFormat& format) {
    format_ = format;
    model_->setFormat(&format_);
    applyWidths();
}

void BrowseList::setSortMarker(int field, bool descending) {
    model_->setSortMarker(field, descending);
}

QString BrowseList::headerText(int index) const {
    return model_->headerData(index, Qt::Horizontal, Qt::DisplayRole).toString();
}

void BrowseList::setIcons(std::vector<QIcon> icons) {
    model_->setIcons(std::move(icons));
}

double BrowseList::pixelsPerDlu() const {
    // A dialog unit is a quarter of the font's average character width.
    return std::max(1.0, table_->fontMetrics().averageCharWidth() / 4.0);
}

// The designed width, widened where this platform's font is broader than
// the one the list was designed for: a heading (with room for the sort
// marker) and a date, time or number always show in full.
int BrowseList::columnPixels(const layout::ListColumn& column) const {
    const int designed = static_cast<int>(std::lround(column.width * pixelsPerDlu()));
    const QFontMetrics header(table_->horizontalHeader()->font());
    const QFontMetrics cells(table_->font());
    constexpr int kPadding = 14;
    int needed =
        header.horizontalAdvance(QStringLiteral("> ") + QString::fromStdString(column.header)) + kPadding;
    const Picture picture = parsePicture(column.picture);
    if (picture.kind == PictureKind::Date)
        needed = std::max(needed,
                          cells.horizontalAdvance(QString::fromStdString(formatDate("@d17", 4))) + kPadding);
    else if (picture.kind == PictureKind::Time)
        needed = std::max(needed, cells.horizontalAdvance(QStringLiteral("00:00")) + kPadding);
    else if (picture.kind == PictureKind::Number)
        needed = std::max(needed, cells.horizontalAdvance(QString(picture.size, '0')) + kPadding);
    return std::max(designed, needed);
}

void BrowseList::applyWidths() {
    showing_ = true;
    auto* header = table_->horizontalHeader();
    for (std::size_t i = 0; i < format_.columns.size(); ++i) {
        const auto& column = format_.columns[i];
        const int section = static_cast<int>(i);
        header->setSectionResizeMode(section,
                                     column.hasFlag('M') ? QHeaderView::Interactive : QHeaderView::Fixed);
        table_->setColumnWidth(section, columnPixels(column));
    }
    showing_ = false;
}

void BrowseList::showPage(const BrowsePage& page) {
    showing_ = true;
    model_->setPage(page.rows());
    if (page.current() >= 0)
        table_->setCurrentIndex(model_->index(page.current(), 0));
    showing_ = false;
}

int BrowseList::visibleRows() const {
    const int rowHeight = std::max(1, table_->verticalHeader()->defaultSectionSize());
    return std::max(1, table_->viewport()->height() / rowHeight);
}

void BrowseList::setLineHeight(int pixels) {
    if (pixels <= 0)
        return;
    table_->verticalHeader()->setDefaultSectionSize(pixels);
    checkPageSize(); // taller lines leave room for fewer rows
}

int BrowseList::lineHeight() const {
    return table_->verticalHeader()->defaultSectionSize();
}

void BrowseList::setTextColour(long rgb) {
    textColour_ = rgb < 0 ? -1 : rgb & 0xFFFFFF;
    QPalette palette; // empty: everything as inherited
    if (textColour_ >= 0) {
        palette = table_->palette();
        palette.setColor(QPalette::Text, QColor::fromRgb(static_cast<QRgb>(textColour_)));
    }
    table_->setPalette(palette);
}

void BrowseList::setScrollBars(bool horizontal, bool vertical) {
    table_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    thumb_->setVisible(vertical);
}

void BrowseList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    checkPageSize();
}

void BrowseList::checkPageSize() {
    const int rows = visibleRows();
    if (rows != lastPageSize_) {
        lastPageSize_ = rows;
        emit pageSizeChanged(rows);
    }
}

void BrowseList::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

bool BrowseList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent*>(event));
    if (watched == table_->viewport() && event->type() == QEvent::Wheel) {
        const int steps = static_cast<QWheelEvent*>(event)->angleDelta().y() / 40;
        inRun_ = true;
        for (int i = 0; i < std::abs(steps); ++i)
            emit action(steps > 0 ? ListAction::OneUp : ListAction::OneDown);
        inRun_ = false;
        emit movesDone();
        return true;
    }
    // Taken before the view sees it: the first click of the pair has shown
    // the page anew, so the view no longer pairs the two clicks on one row.
    if (watched == table_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* click = static_cast<QMouseEvent*>(event);
        const QModelIndex index = table_->indexAt(click->position().toPoint());
        if (click->button() == Qt::LeftButton && index.isValid()) {
            if (index.row() != table_->currentIndex().row())
                emit rowChosen(index.row());
            emit action(ListAction::Open);
            return true;
        }
    }
    if (watched == table_->viewport() && event->type() == QEvent::Resize)
        checkPageSize();
    return QWidget::eventFilter(watched, event);
}

bool BrowseList::handleKey(QKeyEvent* event) {
    if (inRun_)
        return reportKey(event);
    inRun_ = true;
    const QPointer<BrowseList> alive(this); // a key may end in closing the window
    const bool handled = reportKey(event);
    // Keys already queued behind this one are taken now, so the window
    // reads and shows the page once for all of them.
    if (handled && alive) {
        QCoreApplication::sendPostedEvents(table_, QEvent::KeyPress);
        QCoreApplication::sendPostedEvents(this, QEvent::KeyPress);
    }
    if (!alive)
        return handled;
    inRun_ = false;
    // The repeats of a held key wait in the window system's queue instead;
    // the window shows the page once it has handled them all.
    if (!event->isAutoRepeat())
        emit movesDone();
    return handled;
}

bool BrowseList::reportKey(QKeyEvent* event) {
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        emit action(ListAction::OneUp);
        return true;
    case Qt::Key_Down:
        emit action(ListAction::OneDown);
        return true;
    case Qt::Key_PageUp:
        emit action(ListAction::PageUp);
        return true;
    case Qt::Key_PageDown:
        emit action(ListAction::PageDown);
        return true;
    case Qt::Key_Home:
        emit action(ListAction::Top);
        return true;
    case Qt::Key_End:
        emit action(ListAction::Bottom);
        return true;
    case Qt::Key_Insert:
        emit action(ListAction::Insert);
        return true;
    case Qt::Key_Delete:
        emit action(ListAction::Delete);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods == Qt::ControlModifier)
            emit action(ListAction::Change);
        else if (mods == Qt::NoModifier)
            emit action(ListAction::Open);
        else
            return false;
        return true;
    case Qt::Key_F12:
        if (mods == Qt::AltModifier) {
            emit action(ListAction::Format);
            return true;
        }
        return false;
    case Qt::Key_F1:
        emit action(ListAction::Help);
        return true;
    case Qt::Key_Backspace:
        emit locatorBackspace();
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && (mods & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
        emit locatorTyped(text);
        return true;
    }
    return false;
}

} // namespace velkora::browse
