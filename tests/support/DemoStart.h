#pragma once
// The start-up of `velkora DIR` on a fresh demo workspace, for tests that
// drive the real frame: every window registered, the current folder the
// workspace, and the address and reminder lists not opened by themselves.

#include "app/DemoWorkspace.h"
#include "app/Startup.h"
#include "app/gui/WindowModules.h"

#include <QDir>
#include <optional>
#include <string>

namespace velkora::test {

// The frame's switches, or nullopt with `error` telling why the start failed.
inline std::optional<app::StartSwitches> startOnDemoWorkspace(const std::string& folder, std::string& error) {
    if (!app::ensureDemoWorkspace(folder, error))
        return std::nullopt;
    QDir::setCurrent(QString::fromStdString(folder));
    app::registerWindowModules();
    const app::StartupResult startup = app::runStartup(folder);
    if (startup.ended) {
        error = "the start-up ended the program";
        return std::nullopt;
    }
    app::StartSwitches switches = startup.switches;
    switches.openAdrList = 0;
    switches.openRmdList = 0;
    return switches;
}

} // namespace velkora::test
