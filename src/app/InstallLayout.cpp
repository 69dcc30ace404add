#include "app/InstallLayout.h"

#include "shared/AppState.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace velkora::app {

fs::path programDir() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : program.parent_path();
}

fs::path sharedDataDir() {
    if (const char* dir = std::getenv("VELKORA_RESOURCES"); dir && *dir)
        return dir;
    // A relative path only: the program must not remember where it was built.
    return (programDir() / VELKORA_SHARED_DATA_FROM_PROGRAM).lexically_normal();
}

std::string diallerProgram() {
    constexpr const char* name = "velkora-dial";
    const std::string& programFolder = appState().INITPATH;
    if (!programFolder.empty()) {
        const std::string inProgramFolder = joinPath(programFolder, name);
        if (fileExists(inProgramFolder))
            return inProgramFolder;
    }
    return (programDir() / name).string();
}

} // namespace velkora::app
