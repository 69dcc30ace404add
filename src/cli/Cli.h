#pragma once
// velkora-cli as a function: runs one command line and returns the exit
// status (0 success, 1 the job failed, 2 wrong usage). Messages of the
// program's services go through the console prompter to standard error.

#include <ostream>
#include <string>
#include <vector>

namespace velkora::cli {

// `args` are the arguments after the program name.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace velkora::cli
