#pragma once
// Start-up: locates the start and work files, fixes the paths and the
// language, checks the language files and names the record files, all
// before the frame's first event. Shared by the windows and the command line.

#include <string>

namespace velkora::app {

// The start-up switches the frame acts on.
struct StartSwitches {
    int toolBarNav = 1;       // DEFAULT/ToolBarNav: show the navigation buttons
    bool openAdrList = false; // DEFAULT/OpenAdrList
    bool openAktList = false; // DEFAULT/OpenAKtList (stored, nothing opens for it)
    bool openTkpList = false; // DEFAULT/OpenTKPList (stored, nothing opens for it)
    bool openRmdList = false; // DEFAULT/OpenRmdList
};

struct StartupResult {
    bool ended = false; // a fatal message was shown and the application ended
    StartSwitches switches;
};

// Runs start-up in `startFolder` (the current folder or the folder argument),
// filling appState(). Messages go through the prompter. When a required file
// is missing the application ends (endApplication) and `ended` is set.
StartupResult runStartup(const std::string& startFolder);

} // namespace velkora::app
