#include "shared/AppState.h"

#include "shared/Text.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkora {

std::string loginShortName() {
    std::string name;
    if (const passwd* entry = ::getpwuid(::geteuid()))
        name = entry->pw_name;
    else if (const char* user = std::getenv("USER"))
        name = user;
    return cutChars(name, 8);
}

AppState& appState() {
    static AppState state;
    return state;
}

std::string AppState::envFilePath() const {
    return joinPath(WORKPATH, ENVFILE);
}

void resetAppState() {
    appState() = AppState{};
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace velkora
