#include "app/gui/WindowRegistry.h"

#include "app/gui/ProcedureToDo.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <map>

namespace velkora::app {
namespace {

struct Registration {
    Instances instances = Instances::Single;
    WindowFactory factory;
};

struct OpenWindow {
    std::string procedure;
    QPointer<QWidget> window;
};

std::map<std::string, Registration>& registrations() {
    static std::map<std::string, Registration> all;
    return all;
}

std::vector<OpenWindow>& open() {
    static std::vector<OpenWindow> windows;
    return windows;
}

WindowHost*& host() {
    static WindowHost* current = nullptr;
    return current;
}

// Drops windows that have been destroyed since.
void prune() {
    auto& windows = open();
    windows.erase(
        std::remove_if(windows.begin(), windows.end(), [](const OpenWindow& w) { return !w.window; }),
        windows.end());
}

} // namespace

WindowEvents& windowEvents() {
    static WindowEvents events;
    return events;
}

void registerWindow(const std::string& procedure, Instances instances, WindowFactory factory) {
    registrations()[procedure] = Registration{instances, std::move(factory)};
}

bool isWindowRegistered(const std::string& procedure) {
    return registrations().contains(procedure);
}

void clearWindowRegistry() {
    registrations().clear();
}

void setWindowHost(WindowHost* h) {
    host() = h;
}

QWidget* runningWindow(const std::string& procedure) {
    prune();
    for (const auto& w : open())
        if (w.procedure == procedure)
            return w.window;
    return nullptr;
}

std::vector<std::string> openProcedures() {
    prune();
    std::vector<std::string> names;
    for (const auto& w : open())
        names.push_back(w.procedure);
    return names;
}

bool postToWindow(const std::string& procedure, QEvent::Type type) {
    QWidget* window = runningWindow(procedure);
    if (!window)
        return false;
    QCoreApplication::postEvent(window, new QEvent(type));
    return true;
}

QWidget* openWindow(const std::string& procedure) {
    return openWindow(procedure, {});
}

QWidget* openWindow(const std::string& procedure, const WindowFactory& factory) {
    const auto found = registrations().find(procedure);
    if (found == registrations().end()) {
        showProcedureToDo(procedure);
        return nullptr;
    }
    if (found->second.instances == Instances::Single) {
        if (QWidget* running = runningWindow(procedure)) {
            if (host())
                host()->activate(running);
            QCoreApplication::postEvent(running, new QEvent(NotifyEvent));
            return running;
        }
    }
    QWidget* window = factory ? factory() : found->second.factory();
    if (!window)
        return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (window->objectName().isEmpty())
        window->setObjectName(QString::fromStdString(procedure));
    open().push_back({procedure, window});
    // The window leaves the registry when it is destroyed, whoever closes it.
    // (A widget announces its destruction before its guards are cleared.)
    QObject::connect(window, &QObject::destroyed, &windowEvents(), [](QObject* gone) {
        auto& windows = open();
        windows.erase(std::remove_if(windows.begin(), windows.end(),
                                     [gone](const OpenWindow& w) { return !w.window || w.window == gone; }),
                      windows.end());
        emit windowEvents().windowsChanged();
    });
    if (host())
        host()->show(window, procedure);
    else
        window->show();
    emit windowEvents().windowsChanged();
    return window;
}

} // namespace velkora::app
