#pragma once
// The windows the frame can start, registered by procedure name.
//
// A window library registers its windows once, from a function the program
// calls at start:
//
//   void registerAddressWindows() {
//       velkora::app::registerWindow("qxAdressMain", velkora::app::Instances::Single,
//                                    [] { return new AdrListWin; });
//   }
//
// and names that function in its CMakeLists.txt, so the program calls it
// without the frame knowing the library:
//
//   velkora_window_module(velkora_addresses_gui velkora::addresses::registerAddressWindows)
//
// The frame opens a window as an MDI child (its factory's widget inside a
// sub-window that deletes itself on close), restores its position from the
// window file section named after the procedure and saves it when the window
// closes, so a registered window need not call Save/RestoreWindowPosition. A single-instance window runs at
// most once: its menu item and toolbar button are disabled while it is open.
// A command whose window is not registered shows the warning ProcedureToDo.

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace velkora::app {

enum class Instances { Single, Multiple };

using WindowFactory = std::function<QWidget*()>;

// Events one window posts to another (QCoreApplication::postEvent).
// Notify (event 15): a second start of an open window; bring yourself forward.
inline constexpr QEvent::Type NotifyEvent = static_cast<QEvent::Type>(QEvent::User + 15);
// Refresh: the current address or contact changed; re-read GN:ADRNR / GN:TKPNR.
inline constexpr QEvent::Type RefreshEvent = static_cast<QEvent::Type>(QEvent::User + 16);

// Registers (or replaces) the window of `procedure`.
void registerWindow(const std::string& procedure, Instances instances, WindowFactory factory);
bool isWindowRegistered(const std::string& procedure);
// Forgets every registration (tests).
void clearWindowRegistry();

// Starts the window of `procedure` and returns its widget. A single-instance
// window that is already open is not started again: it gets NotifyEvent and
// its widget is returned. An unregistered procedure shows ProcedureToDo and
// returns nullptr.
QWidget* openWindow(const std::string& procedure);
// The same for a window that starts with values of the caller's (a file to
// show, a filter): `factory` builds it in place of the registered one, so
// what the caller hands over is visible in the call. The procedure must be
// registered all the same; its instance rule holds.
QWidget* openWindow(const std::string& procedure, const WindowFactory& factory);
// The open single-instance window of `procedure`, or nullptr (its "thread number").
QWidget* runningWindow(const std::string& procedure);
// Posts `type` to the open window of `procedure`; false when it is not open.
bool postToWindow(const std::string& procedure, QEvent::Type type);
// The procedures of all open windows, oldest first.
std::vector<std::string> openProcedures();

// Where windows are shown: the main frame installs itself; without a host a
// window opens as a top-level window (tests of a single window).
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Shows `window` (created for `procedure`) and returns the widget that
    // closes with it (the MDI sub-window, or the window itself).
    virtual QWidget* show(QWidget* window, const std::string& procedure) = 0;
    // Brings an open window forward.
    virtual void activate(QWidget* window) = 0;
};
void setWindowHost(WindowHost* host);

// Tells the frame when a window opened or closed (to enable its commands).
class WindowEvents : public QObject {
    Q_OBJECT
signals:
    void windowsChanged();
};
WindowEvents& windowEvents();

} // namespace velkora::app
