#include "RecordingProgram.h"

#include <cstdlib>
#include <filesystem>

namespace velkora::test {

RecordingProgram::RecordingProgram(const TempDir& dir, const std::string& name) : dir_(dir) {
    const std::string script =
        dir.write("stand-in/" + name, "#!/bin/sh\n"
                                      "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"" +
                                          dir.file("stand-in.args") + "\"\nexit $(cat \"" +
                                          dir.file("stand-in.status") + "\")\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    endWith(0);
    const char* path = std::getenv("PATH");
    savedPath_ = path ? path : "";
    ::setenv("PATH", (dir.file("stand-in") + ":" + savedPath_).c_str(), 1);
}

RecordingProgram::~RecordingProgram() {
    ::setenv("PATH", savedPath_.c_str(), 1);
}

void RecordingProgram::endWith(int status) {
    dir_.write("stand-in.status", std::to_string(status));
    std::filesystem::remove(dir_.file("stand-in.args"));
}

std::string RecordingProgram::arguments() const {
    return readFile(dir_.file("stand-in.args"));
}

} // namespace velkora::test
