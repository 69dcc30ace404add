// The list window's look: the list format, font, colour, line height,
// scroll bars and placement, as the window file keeps them and as the
// format dialogs edit them.

#include "ui/browse/BrowseWindow.h"

#include <QLayout>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

namespace velkora::browse {
namespace {

// The font style bits of a list layout ("XploreStyle-").
struct StyleBit {
    long bit;
    bool (QFont::*get)() const;
    void (QFont::*set)(bool);
};
const StyleBit kStyleBits[] = {
    {1, &QFont::bold, &QFont::setBold},
    {2, &QFont::italic, &QFont::setItalic},
    {4, &QFont::underline, &QFont::setUnderline},
    {8, &QFont::strikeOut, &QFont::setStrikeOut},
};

} // namespace

void BrowseWindow::moveListToTab(int index) {
    QWidget* pageWidget = controls_.sheet->widget(index);
    if (pageWidget == nullptr || list_->parentWidget() == pageWidget)
        return;
    if (placement_.isEmpty()) {
        pageWidget->layout()->addWidget(list_);
        return;
    }
    list_->setParent(pageWidget);
    list_->setGeometry(placement_);
    list_->show();
}

void BrowseWindow::placeList(const QRect& placement) {
    if (!declaration_.remembersPlacement || placement.width() <= 0 || placement.height() <= 0)
        return;
    placement_ = placement;
    QWidget* pageWidget = list_->parentWidget();
    pageWidget->layout()->removeWidget(list_);
    // The sheet grows so that the whole list stays in sight.
    pageWidget->setMinimumSize(placement.x() + placement.width(), placement.y() + placement.height());
    list_->setGeometry(placement);
}

void BrowseWindow::applyListLook(const layout::ListLayout& look) {
    if (!look.font.empty() && look.point > 0) {
        QFont font(QString::fromStdString(look.font), look.point);
        for (const auto& style : kStyleBits)
            (font.*style.set)((look.style & style.bit) != 0);
        list_->table()->setFont(font);
    }
    list_->setTextColour(look.color);
    list_->setLineHeight(look.lineHeight);
    list_->setScrollBars(look.hscroll, look.vscroll);
}

layout::ListLayout BrowseWindow::currentLayout() const {
    layout::ListLayout out;
    layout::ListFormat format = list_->format();
    format.normaliseFields();
    out.format = layout::listFormatText(format);
    out.xpos = list_->x();
    out.ypos = list_->y();
    out.width = list_->width();
    out.height = list_->height();
    out.hscroll = list_->table()->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    out.vscroll = !list_->thumbBar()->isHidden();
    out.lineHeight = list_->lineHeight();
    const QFont font = list_->table()->font();
    out.font = font.family().toStdString();
    out.point = font.pointSize();
    out.color = list_->textColour();
    out.style = 0;
    for (const auto& style : kStyleBits)
        if ((font.*style.get)())
            out.style |= style.bit;
    out.prevCol = keyOrder_ ? 0 : descending_ ? -sortField_ : sortField_;
    return out;
}

void BrowseWindow::applyFormat(const layout::ListFormat& format) {
    list_->setFormat(format);
    showSortMarker();
    showLocatorPrompt();
    list_->showPage(*page_);
}

layout::FormatSession BrowseWindow::formatSession() const {
    layout::FormatSession session;
    session.format = list_->format();
    session.designed = designed_;
    for (const auto& column : declaration_.columns)
        session.fields.push_back({column.field, column.header, column.picture});
    session.font = list_->table()->font();
    session.lineHeight = list_->lineHeight();
    session.hscroll = list_->table()->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    session.vscroll = !list_->thumbBar()->isHidden();
    session.placement = list_->geometry();
    session.placeable = declaration_.remembersPlacement;
    return session;
}

void BrowseWindow::applySession(const layout::FormatSession& session) {
    list_->table()->setFont(session.font);
    list_->setLineHeight(session.lineHeight);
    list_->setScrollBars(session.hscroll, session.vscroll);
    placeList(session.placement);
    applyFormat(session.format);
}

void BrowseWindow::openColumnDialog() {
    layout::FormatSession session = formatSession();
    const int column = std::max(0, list_->table()->currentIndex().column());
    if (layout::runListFormatDialog(session, column, this))
        applySession(session);
    // The dialog shows plain headers; the marker goes back on the sort column.
    showSortMarker();
}

void BrowseWindow::openListboxDialog() {
    layout::FormatSession session = formatSession();
    if (layout::runFormatListboxDialog(session, this))
        applySession(session);
    showSortMarker();
}

} // namespace velkora::browse
