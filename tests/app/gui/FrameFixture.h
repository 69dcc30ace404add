#pragma once
// What the frame tests share: a start folder with its window file, fake
// windows registered under the frame's procedure names, and helpers to let
// closed windows go.

#include "TempDir.h"
#include "app/gui/Navigation.h"
#include "app/gui/WindowRegistry.h"
#include "shared/AppState.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

namespace velkora::test {

// A list window that records the navigation codes and events it receives.
class FakeList : public QWidget, public app::NavigationTarget {
public:
    explicit FakeList(const std::string& name) { setWindowTitle(QString::fromStdString(name)); }
    void navigate(int code) override { codes.push_back(code); }
    std::vector<int> codes;
    int notifications = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == app::NotifyEvent)
            ++notifications;
        return QWidget::event(e);
    }
};

// Registers a FakeList for each procedure and records the order of opening.
struct FakeWindows {
    explicit FakeWindows(const std::vector<std::string>& procedures,
                         app::Instances instances = app::Instances::Single) {
        for (const auto& p : procedures)
            app::registerWindow(p, instances, [this, p] {
                opened.push_back(p);
                return new FakeList(p);
            });
    }
    ~FakeWindows() { app::clearWindowRegistry(); }
    std::vector<std::string> opened;
};

// Deletes the windows that were closed (they go with deleteLater).
inline void flushClosedWindows() {
    QTest::qWait(1); // deleteLater runs in an event loop
}

inline void useStartFolder(const TempDir& dir) {
    resetAppState();
    appState().STARTINI = dir.write("ORB.INI", "[SETUP]\n");
    appState().WORKPATH = dir.str();
    appState().INITPATH = dir.str();
}

} // namespace velkora::test
