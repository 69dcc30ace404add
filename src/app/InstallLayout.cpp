#include "app/InstallLayout.h"

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

} // namespace velkora::app
