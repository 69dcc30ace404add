#include "StandIns.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace velkora::test {

namespace fs = std::filesystem;

void installStandIn(const std::string& folder, const std::string& name) {
    fs::create_directories(folder);
    fs::copy_file(fs::path(sourceDir()) / "tests/support/stand-ins" / name, fs::path(folder) / name,
                  fs::copy_options::overwrite_existing);
}

void installRecorder(const std::string& folder, const std::string& name, int status) {
    fs::create_directories(folder);
    const fs::path script = fs::path(folder) / name;
    fs::remove(script.string() + ".args");
    std::ofstream(script)
        << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done >\"$0.args\"\nexit " << status
        << "\n";
    fs::permissions(script, fs::perms::owner_all, fs::perm_options::add);
}

StandInPrograms::StandInPrograms(std::initializer_list<std::string> names, bool alone) {
    for (const std::string& name : names)
        installStandIn(folder_.str(), name);
    const char* path = std::getenv("PATH");
    oldPath_ = path ? path : "";
    const std::string newPath = alone ? folder_.str() : folder_.str() + ":" + oldPath_;
    ::setenv("PATH", newPath.c_str(), 1);
}

std::string StandInPrograms::waitForLog(const std::string& name, std::size_t lines) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    std::string text = log(name);
    while (std::count(text.begin(), text.end(), '\n') < static_cast<std::ptrdiff_t>(lines) &&
           std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        text = log(name);
    }
    return text;
}

void StandInPrograms::record(const std::string& name, int status) const {
    installRecorder(folder_.str(), name, status);
}

void StandInPrograms::write(const std::string& name, const std::string& script) const {
    const std::string file = folder_.write(name, "#!/bin/sh\n" + script);
    fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
}

StandInPrograms::~StandInPrograms() {
    ::setenv("PATH", oldPath_.c_str(), 1);
}

} // namespace velkora::test
