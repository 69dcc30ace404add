#pragma once
// The list control of a browse window: a table showing exactly one page of
// rows, with a scroll bar whose thumb only knows "top" and "bottom" (a page
// list has no idea how many records lie between). Keys, clicks and the
// thumb are reported as browse actions; the window decides what to read.

#include "ui/browse/BrowsePage.h"
#include "ui/layout/ListFormat.h"

#include <QIcon>
#include <QWidget>
#include <vector>

class QScrollBar;
class QTableView;

namespace velkora::browse {

class BrowsePageModel;

enum class ListAction {
    OneUp,
    OneDown,
    PageUp,
    PageDown,
    Top,
    Bottom,
    Insert,
    Delete,
    Change, // Ctrl+Enter
    Open,   // double click or Enter on a row
    Format, // Alt+F12
    Help,   // F1
};

class BrowseList : public QWidget {
    Q_OBJECT
public:
    explicit BrowseList(QWidget* parent = nullptr);
    ~BrowseList() override;

    // The columns shown, in display order, with their headers.
    void setFormat(const layout::ListFormat& format);
    const layout::ListFormat& format() const { return format_; }
    // The sort marker: ">" (ascending) or "<" before the header of the
    // column showing column-table entry `field`; field 0 shows none.
    void setSortMarker(int field, bool descending);
    // The header as shown in display column `index`, marker included.
    QString headerText(int index) const;
    void setIcons(std::vector<QIcon> icons);

    // Shows `page` (rows and selection); the page stays owned by the caller.
    void showPage(const BrowsePage& page);

    // Rows that fit into the visible area.
    int visibleRows() const;
    QTableView* table() const { return table_; }
    QScrollBar* thumbBar() const { return thumb_; }
    void setLineHeight(int pixels);
    int lineHeight() const;
    // The colour of the rows' text as 0xRRGGBB; -1 is the desktop's own.
    void setTextColour(long rgb);
    long textColour() const { return textColour_; }
    void setScrollBars(bool horizontal, bool vertical);
    // Pixels of one horizontal dialog unit in the list's font.
    double pixelsPerDlu() const;
    // True while the actions reported are part of a run (keys queued behind
    // each other, the notches of one wheel turn): the window may hold back
    // reading the page until movesDone(), or until its next idle moment
    // when a held key repeats.
    bool movesFollow() const { return inRun_; }

signals:
    void action(velkora::browse::ListAction action);
    void rowChosen(int row);
    void headerClicked(int field); // column-table entry, 1-based
    void thumbMoved(int percent);
    void locatorBackspace();
    void locatorTyped(const QString& character);
    void pageSizeChanged(int rows);
    void movesDone();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent* event);
    bool reportKey(QKeyEvent* event);
    void applyWidths();
    void checkPageSize();
    int columnPixels(const layout::ListColumn& column) const;

    QTableView* table_;
    QScrollBar* thumb_;
    BrowsePageModel* model_;
    layout::ListFormat format_;
    int lastPageSize_ = 0;
    long textColour_ = -1;
    bool showing_ = false;
    bool inRun_ = false;
};

} // namespace velkora::browse
