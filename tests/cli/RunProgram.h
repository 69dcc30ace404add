#pragma once
// Runs a program the way a shell or a scheduled job would, and collects
// what it printed and its exit status.

#include "shared/ExternalProgram.h"

#include <string>
#include <vector>

namespace velkora::test {

struct ProgramResult {
    std::string out;
    std::string err;
    int status = -1; // -1 when it did not exit normally
};

using velkora::findProgram;

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingFolder);

} // namespace velkora::test
