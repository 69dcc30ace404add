#pragma once
// Splits a velkora-cli command line into the options every command shares
// (-w DIR, --yes, --help), the command, and the command's own arguments,
// checked against its description.

#include "cli/Command.h"

#include <optional>
#include <string>
#include <vector>

namespace velkora::cli {

struct SharedOptions {
    std::string folder; // -w DIR; empty: the current folder
    bool yes = false;
    bool help = false;
};

// Takes the shared options in front of the command and the command name;
// `rest` receives what follows the command.
std::optional<UsageProblem> splitCommandLine(const std::vector<std::string>& args, SharedOptions& shared,
                                             std::string& command, std::vector<std::string>& rest);

// Reads the command's own options and arguments; the shared options are
// accepted here too, so "velkora-cli check --yes" works as well.
std::optional<UsageProblem> parseArguments(const CommandSpec& spec, const std::vector<std::string>& args,
                                           SharedOptions& shared, ParsedArguments& parsed);

} // namespace velkora::cli
