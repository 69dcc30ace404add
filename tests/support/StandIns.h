#pragma once
// The programs Velkora hands work to (LibreOffice, the print spooler, the
// desktop's opener), replaced by the recording stand-ins of stand-ins/:
// each appends the call it got to NAME.log beside itself.
//
//   StandInPrograms programs({"soffice", "lp"});          // first on PATH
//   ... run ...
//   EXPECT_EQ(programs.log("lp"), "lp -d Buero -n 3 0000100001.pdf\n");

#include "TempDir.h"

#include <initializer_list>
#include <string>

namespace velkora::test {

// Copies the stand-in `name` into `folder` (created when missing).
void installStandIn(const std::string& folder, const std::string& name);

class StandInPrograms {
public:
    // With `alone` nothing but the stand-ins is on PATH (a machine without
    // LibreOffice); else they come first. PATH is restored on destruction.
    explicit StandInPrograms(std::initializer_list<std::string> names, bool alone = false);
    ~StandInPrograms();
    StandInPrograms(const StandInPrograms&) = delete;
    StandInPrograms& operator=(const StandInPrograms&) = delete;

    std::string folder() const { return folder_.str(); }
    // What the stand-in `name` recorded so far.
    std::string log(const std::string& name) const { return readFile(folder_.file(name + ".log")); }
    // The record of a program started detached, once it holds `lines` lines
    // (or after half a minute, when it never will).
    std::string waitForLog(const std::string& name, std::size_t lines) const;
    // A stand-in of the test's own, as a shell script.
    void write(const std::string& name, const std::string& script) const;

private:
    TempDir folder_;
    std::string oldPath_;
};

} // namespace velkora::test
