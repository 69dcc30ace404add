#pragma once
// A stand-in for a program Velkora starts (xdg-email, the mail client),
// first on PATH while it lives: it notes each argument it gets as "[arg]" on
// a line of its own and ends with the status it was told.
//
//   test::RecordingProgram client(dir, "xdg-email");
//   client.endWith(3);
//   ... client.arguments() == "[--utf8]\n[anna@example.com]\n"

#include "TempDir.h"

#include <string>

namespace velkora::test {

class RecordingProgram {
public:
    RecordingProgram(const TempDir& dir, const std::string& name);
    ~RecordingProgram();
    RecordingProgram(const RecordingProgram&) = delete;
    RecordingProgram& operator=(const RecordingProgram&) = delete;

    // The status of the next runs; forgets the arguments of the last.
    void endWith(int status);
    // The arguments of the last run ("" when it did not run since endWith).
    std::string arguments() const;

private:
    const TempDir& dir_;
    std::string savedPath_;
};

} // namespace velkora::test
