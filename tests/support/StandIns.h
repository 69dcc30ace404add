#pragma once
// The programs Velkora hands work to (LibreOffice, the print spooler, the
// desktop's opener, the mail client), replaced by recording stand-ins: those
// of stand-ins/ each append the call they got to NAME.log beside themselves;
// a recorder notes each argument of its last call as "[arg]" on a line of its
// own in NAME.args and ends with the status it was told.
//
//   StandInPrograms programs({"soffice", "lp"});          // first on PATH
//   programs.record("xdg-email", 3);
//   ... run ...
//   EXPECT_EQ(programs.log("lp"), "lp -d Buero -n 3 0000100001.pdf\n");
//   EXPECT_EQ(programs.arguments("xdg-email"), "[--utf8]\n[anna@example.com]\n");

#include "TempDir.h"

#include <initializer_list>
#include <string>

namespace velkora::test {

// Copies the stand-in `name` into `folder` (created when missing).
void installStandIn(const std::string& folder, const std::string& name);
// Makes `folder`/`name` a recorder that ends with `status`.
void installRecorder(const std::string& folder, const std::string& name, int status);

class StandInPrograms {
public:
    // With `alone` nothing but the stand-ins is on PATH (a machine without
    // LibreOffice); else they come first. PATH is restored on destruction.
    explicit StandInPrograms(std::initializer_list<std::string> names = {}, bool alone = false);
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
    // A recorder as `name` that ends with `status` from now on; the
    // arguments of its last call are forgotten.
    void record(const std::string& name, int status = 0) const;
    // The arguments of the recorder's last call ("" when none since record()).
    std::string arguments(const std::string& name) const { return readFile(folder_.file(name + ".args")); }

private:
    TempDir folder_;
    std::string oldPath_;
};

} // namespace velkora::test
