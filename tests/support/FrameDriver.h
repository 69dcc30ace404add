#pragma once
// The real main frame around the windows under test, driven as a user
// does: windows open in it as its children, its toolbar buttons and menus
// are clicked with the mouse. Forms and lookup lists open over it as they
// do in the program.
//
// Clicks go to the frame's window as the window system delivers them, not
// to the button widget: only there does Qt hold back input for a window
// that a modal one blocks.

#include "app/gui/MainFrame.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <string>

namespace velkora::test {

class FrameDriver {
public:
    FrameDriver() : frame({}) {
        frame.resize(1200, 800);
        frame.QMainWindow::show();
    }

    // Shows `window` as the frame's child (the frame owns it from now on)
    // and waits until it is the window the user works in.
    template <class Window> Window* open(Window* window, const std::string& procedure) {
        frame.show(window, procedure);
        frame.activateWindow();
        if (!QTest::qWaitForWindowActive(&frame))
            return nullptr;
        frame.activate(window);
        return window;
    }

    // A navigation button by its design name ("TBARBRWDOWN") or control number.
    QAction* action(const char* name) const { return frame.command(name); }
    QAction* action(int code) const { return frame.navigationCommand(code); }
    template <class Button> bool enabled(Button button) const { return action(button)->isEnabled(); }
    template <class Button> QString tip(Button button) const { return action(button)->toolTip(); }
    template <class Button> void click(Button button) const {
        auto* bar = frame.findChild<QToolBar*>("NAVGROUP");
        clickInWindow(bar->widgetForAction(action(button)),
                      bar->widgetForAction(action(button))->rect().center());
    }

    // Opens a menu of the menu bar ("EDIT") and clicks its item ("PASTE").
    void clickMenu(const char* menuName, const char* item) const {
        auto* menu = frame.findChild<QMenu*>(menuName);
        QMenuBar* bar = frame.menuBar();
        clickInWindow(bar, bar->actionGeometry(menu->menuAction()).center());
        if (!menu->isVisible())
            return; // the menu did not open: nothing to click
        clickInWindow(menu, menu->actionGeometry(frame.command(item)).center());
    }

    // Clicks `widget` at `pos` through the window it lies in.
    static void clickInWindow(QWidget* widget, QPoint pos) {
        QWidget* top = widget->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, pos));
    }

    app::MainFrame frame;
};

} // namespace velkora::test
