#pragma once
// The multi-document main frame: menu and toolbar start the windows of the
// registry, single-instance windows disable their commands while open, the
// navigation buttons (2000-2012) go to the active child, the status bar
// shows the date and time, and closing the frame saves its position.
// A tool window (the calendar) floats over the frame instead of in its area.
// While a form runs modally over it only the navigation buttons and the
// Edit and Help menus stay in use (ModalRun.h).

#include "app/Startup.h"
#include "app/gui/ModalRun.h"
#include "app/gui/Navigation.h"
#include "app/gui/WindowRegistry.h"

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QToolBar;

namespace velkora::app {

class MainFrame : public QMainWindow, public WindowHost, public NavigationBar, public ModalFrame {
    Q_OBJECT

public:
    explicit MainFrame(const StartSwitches& switches, QWidget* parent = nullptr);
    ~MainFrame() override;

    // Restores the position, translates the texts and sets the toolbar tips
    // (the frame part of start-up); then shows the frame and makes the
    // first-open requests (reminder list, then address list).
    void open();

    QMdiArea* mdiArea() const { return mdi_; }
    // A menu item or toolbar button by its design name ("ADRBUTTON").
    QAction* command(const char* name) const;
    // The navigation button of control number `code` (2000 to 2012).
    QAction* navigationCommand(int code) const;

    // WindowHost
    QWidget* show(QWidget* window, const std::string& procedure) override;
    void activate(QWidget* window) override;
    // NavigationBar
    void setNavigationEnabled(int code, bool enabled) override;
    void setNavigationToolTip(int code, const QString& tip) override;
    bool isNavigationEnabled(int code) const override;
    // ModalFrame
    void enterModal() override;
    void leaveModal() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Saves the position of a child window as it closes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBars();
    void buildStatusBar();
    QAction* addCommand(QWidget* menuOrBar, const char* name, const char* text, void (MainFrame::*slot)());
    QAction* addWindowCommand(QWidget* menuOrBar, const char* name, const char* text, const char* procedure);
    void setToolBarTips();

    void updateCommands();
    void updateClock();
    void forwardNavigation(int code);
    void returnToModal();
    void enableWaitingParts(bool enabled);

    void openSettings();
    // Closes the windows that float over the frame (the calendar).
    void closeToolWindows();
    void openPlaceList();
    void printSetup();
    void editCommand(const char* slot);
    void arrangeIcons();
    // Side by side where the windows fit so, else overlapping, all in sight.
    void tile();
    // Tile or cascade as the area does them, with every window kept in sight.
    void arrange(void (QMdiArea::*arrangement)());
    // Moves and shrinks a child window into the area, down to its smallest size.
    void keepInside(QMdiSubWindow* sub);
    void toggleAlarm(bool on);
    void reorganiseAddresses();
    void showHelp(const char* page);

    StartSwitches switches_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* navGroup_ = nullptr;
    // What waits while a form runs: the menus but Edit and Help, the children.
    std::vector<QWidget*> modalWaiting_;
    // A form runs: the window buttons wait but the helper's (updateCommands).
    bool modal_ = false;
    QPointer<QWidget> focusBeforeModal_;
    QLabel* actPath_ = nullptr;
    QLabel* workPath_ = nullptr;
    QLabel* date_ = nullptr;
    QLabel* time_ = nullptr;
    QTimer* timer_ = nullptr;
    std::map<int, QAction*> navigation_;
};

} // namespace velkora::app
