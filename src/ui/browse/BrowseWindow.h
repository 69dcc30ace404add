#pragma once
// The window of a list: the list control, the sheet around it, the locator
// prompt and entry, and the buttons New, Change, Delete, Close, Help and the
// format button. A list window derives from it (for its own buttons and its
// reaction to a new selection) or uses it as it is; see BrowseDeclaration.h.
//
// Scrolling, locating and refreshing read only the visible page. A read
// error other than the end of the view shows the file warning and closes
// the window. After a move the selected row's record is read again into the
// source's buffer; selectionChanged() runs when that is another record.
//
// Keys that arrive faster than the list can follow are not shown one by
// one: scroll keys queued behind each other move the page together, and
// typed locator characters locate once the typing pauses. Whatever acts on
// the selection afterwards (a button, a click, another window) first takes
// what is still waiting, so the end is always what slow typing gives.

#include "app/gui/Navigation.h"
#include "data/FileServices.h"
#include "ui/browse/BrowseControls.h"
#include "ui/browse/BrowseDeclaration.h"
#include "ui/browse/BrowseList.h"
#include "ui/layout/FormatDialogs.h"
#include "ui/layout/ListFormat.h"
#include "ui/layout/ListLayout.h"

#include <QRect>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QBoxLayout;
class QPushButton;
class QTabWidget;
class QTimer;

namespace velkora::browse {

class BrowseWindow : public QWidget, public app::NavigationTarget {
    Q_OBJECT
public:
    BrowseWindow(BrowseDeclaration declaration, std::unique_ptr<BrowseSource> source,
                 QWidget* parent = nullptr);
    ~BrowseWindow() override;

    // Translates the window, restores its position, the saved layout and
    // sort column, opens the view in that order and shows the first page.
    void openBrowse();

    const BrowseDeclaration& declaration() const { return declaration_; }
    // False when a declared file could not be opened (the application has
    // ended); the window then shows nothing and a selection is cancelled.
    bool filesOpen() const { return filesOpen_; }
    BrowseList* list() const { return list_; }
    BrowsePage& page() { return *page_; }
    BrowseSource& source() { return *source_; }

    // Sorting: the column-table entry (1-based) and direction.
    int sortField() const { return sortField_; }
    bool sortDescending() const { return descending_; }
    // A header click: another column sorts ascending, the same one toggles.
    void sortBy(int field);

    const Locator& locator() const { return locator_; }
    // Positions the list by the current locator text (right away).
    void locate();
    // Reads the page again around the selected record (another window changed data).
    void refresh();
    // True while this list is the window the user works in (the frame's
    // active child, or the active window when it runs alone).
    bool isActiveBrowse() const;
    // Calls the form with a request and follows its navigation codes.
    void ask(int request);

    // Request 4: runs the list as a modal window over its caller until the
    // user selects a row (response 1, the row in the source's buffer) or
    // closes the list (response 2). Returns the response. The list opens
    // centred over `over`, the window that asks, unless the user left it
    // somewhere else.
    int runSelection(QWidget* over = nullptr);
    bool selecting() const { return selecting_; }
    // ?SELECT and toolbar 2003: hands the selected row over and closes.
    void select();
    // Puts a text into the locator, shown in its entry; locate() uses it.
    void setLocatorText(const std::string& text);
    // Reads the page again starting at the record stored at `position`
    // and selects it (a list opened on a given record).
    void showRecord(const std::string& position);
    // Frame toolbar button 2000..2012.
    void navigate(int code) override;

    // The list format in use and the layout as it would be saved.
    layout::ListLayout currentLayout() const;
    void applyFormat(const layout::ListFormat& format);
    // Opens the column dialog ("List Format") or the list-format dialog.
    void openColumnDialog();
    void openListboxDialog();

signals:
    void closed();

protected:
    // The selected record is in the source's buffer (another record than before).
    virtual void selectionChanged() {}
    // The view became empty: the buffer is cleared.
    virtual void viewEmpty() {}
    // Runs the declared form for a request and returns its response. A list
    // whose New and Change open other windows than a form of its file does
    // that here (and answers "cancelled", as its file has not changed).
    virtual int runForm(int request);
    // A form call completed (after the page was refreshed).
    virtual void formCompleted(int request) { (void)request; }
    // Toolbar 2010.
    virtual void locateRequested() {}
    // ?SELECT: the selected row is in the source's buffer; leave the values
    // the caller takes over.
    virtual void rowSelected() {}
    // False while a new record would have nowhere to belong (New disabled).
    virtual bool insertAllowed() const { return true; }
    // The window closes; companion windows are released here (the declared
    // files are closed right after).
    virtual void browseClosing() {}
    virtual void helpRequested();

    // Where derived windows put their own buttons (left of New).
    QBoxLayout* extraButtons() const { return controls_.extraButtons; }
    // A button of the derived window there, named by its design name.
    QPushButton* addExtraButton(const char* name, const QString& text, const QString& tip);
    QTabWidget* sheet() const { return controls_.sheet; }
    QPushButton* insertButton() const { return controls_.insert; }
    QPushButton* changeButton() const { return controls_.change; }
    QPushButton* deleteButton() const { return controls_.remove; }
    // Shows the list in `order` from its first row, as in the key order of
    // the declaration (a list whose tabs each have an order of their own).
    void showInKeyOrder(SortOrder order);

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Paging (BrowseWindowKeys.cpp).
    void connectList();
    void act(ListAction action);
    // Runs what earlier keys left waiting: a locate or scroll steps.
    void catchUp();
    void showPendingMoves();
    void pageSizeChanged(int rows);
    // Locator (BrowseWindowLocator.cpp).
    void connectLocator();
    void showLocatorPrompt();
    QString sortHeader() const;
    void scheduleLocate();
    // Order (BrowseWindowSort.cpp).
    void reopenView();
    // The declaration's key order in place of a sort column.
    void takeKeyOrder();
    // The key order while the user has chosen no column, else the sort column's.
    SortOrder currentOrder() const;
    // Opens the view again and reads the page around the selected record.
    void reopenAtSelection();
    void showSortMarker();
    // Form calls (BrowseWindowForms.cpp).
    bool followNavigation(int& request);
    // Frame toolbar (BrowseWindowToolbar.cpp).
    void updateToolbar();
    // Look (BrowseWindowFormat.cpp).
    layout::FormatSession formatSession() const;
    void applySession(const layout::FormatSession& session);
    // Font, colour, line height and scroll bars as the window file keeps them.
    void applyListLook(const layout::ListLayout& look);
    // For a list that remembers its placement: puts it there (a rectangle
    // without width or height leaves it filling its sheet).
    void placeList(const QRect& placement);
    void moveListToTab(int index);
    // Shows the page, re-reads the selection and updates buttons.
    void pageMoved();
    void readFailed();
    // Delete of a list whose declaration deletes rows itself.
    void deleteWithoutForm();
    void updateButtons();
    void closeList();

    BrowseDeclaration declaration_;
    data::OpenedFiles files_;
    bool filesOpen_ = false;
    std::unique_ptr<BrowseSource> source_;
    std::unique_ptr<BrowsePage> page_;
    layout::ListFormat designed_;
    layout::ListLayout restored_;
    QRect placement_; // empty: the list fills its sheet
    BrowseList* list_;
    BrowseControls controls_{};
    QTimer* keysTimer_; // fires once the keys queued so far are handled
    bool locatePending_ = false;
    std::vector<Scroll> pendingMoves_;
    Locator locator_;
    int sortField_ = 1;
    bool keyOrder_ = false; // in the declaration's key order, not sorted by a column
    bool descending_ = false;
    // Position of the record published last; empty after an empty view.
    std::optional<std::string> selected_;
    bool opened_ = false;
    bool closing_ = false;
    bool inForm_ = false;
    bool followsFrame_ = false; // connected to the frame's child activation
    bool selecting_ = false;
    int response_ = 0;
};

} // namespace velkora::browse
