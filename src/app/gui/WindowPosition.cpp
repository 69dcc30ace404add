#include "app/gui/WindowPosition.h"

#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"
#include "ui/form/FormLayout.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <filesystem>

namespace velkora::app {
namespace {

bool fixedSize(const QWidget* w) {
    return w->minimumSize() == w->maximumSize();
}

// A top-level window must stay reachable when the screen it was on is gone.
bool onSomeScreen(const QWidget* w, const QRect& rect) {
    if (w->parentWidget())
        return true;
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(rect))
            return true;
    return false;
}

} // namespace

QWidget* outerWindow(QWidget* window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        return sub;
    return window;
}

std::string windowFile() {
    const std::string& start = appState().STARTINI;
    const std::string folder =
        start.empty() ? std::string() : std::filesystem::path(start).parent_path().string();
    return joinPath(folder, "ORBWin.INI");
}

void SaveWindowPosition(QWidget* window, const std::string& section, const std::string& file) {
    QWidget* w = outerWindow(window);
    const bool maximized = w->isMaximized();
    if (w->isMinimized())
        return;
    if (maximized)
        w->showNormal();
    const QRect g = w->geometry();
    profile::write(file, section, "Maximize", maximized ? "Yes" : "No");
    profile::write(file, section, "XPosit", std::to_string(g.x()));
    profile::write(file, section, "YPosit", std::to_string(g.y()));
    profile::write(file, section, "Width", std::to_string(g.width()));
    profile::write(file, section, "Height", std::to_string(g.height()));
}

void RestoreWindowPosition(QWidget* window, const std::string& section, const std::string& file) {
    QWidget* w = outerWindow(window);
    // A dialog or tool window never placed before opens over the window it was opened from.
    const Qt::WindowType type = w->windowType();
    if ((type == Qt::Dialog || type == Qt::Tool) && profile::read(file, section, "XPosit").empty()) {
        // A tool window floats over the frame that owns it, whichever window is active.
        form::centreOver(w, type == Qt::Tool ? w->parentWidget() : nullptr);
        return;
    }
    if (!w->isMaximized()) {
        QRect g = w->geometry();
        g.moveTo(int(profile::readInt(file, section, "XPosit", g.x())),
                 int(profile::readInt(file, section, "YPosit", g.y())));
        if (!fixedSize(w)) {
            const long width = profile::readInt(file, section, "Width", 0);
            const long height = profile::readInt(file, section, "Height", 0);
            if (width > 0 && height > 0)
                g.setSize(QSize(int(width), int(height)));
        }
        if (onSomeScreen(w, g))
            w->setGeometry(g);
    }
    if (equalsIgnoreCase(profile::read(file, section, "Maximize"), "Yes"))
        w->setWindowState(w->windowState() | Qt::WindowMaximized);
}

} // namespace velkora::app
