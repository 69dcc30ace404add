#pragma once
// Where the program's own files are. An installed Velkora finds them from
// the running program, so a package works wherever it was installed; the
// build folder is laid out the same way, so a build runs as it is.

#include <filesystem>
#include <string>

namespace velkora::app {

// The folder of the running program: velkora, velkora-cli and velkora-dial
// live side by side in it.
std::filesystem::path programDir();

// The program's shared files: the workspace template (demo/, with the help
// files) and the icons. VELKORA_RESOURCES overrides it; otherwise it is
// share/velkora beside the program's bin folder.
std::filesystem::path sharedDataDir();

// velkora-dial in the program folder (InitPath) when it is there, otherwise
// the one installed beside the running program.
std::string diallerProgram();

} // namespace velkora::app
