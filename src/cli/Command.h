#pragma once
// What every command of velkora-cli is made of: its name, help text, the
// options it accepts and the function that does the job. The framework
// checks the arguments against this description before anything runs, so a
// wrong call never touches the workspace.

#include "cli/Texts.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::cli {

// Exit statuses: scripts tell a failed job from a wrong call.
inline constexpr int kSuccess = 0;
inline constexpr int kFailed = 1;
inline constexpr int kWrongUsage = 2;

struct OptionSpec {
    enum class Kind { Flag, Value, List }; // List: may be given several times
    std::string_view name;                 // "--key"
    Kind kind = Kind::Flag;
};

struct Invocation;
struct ParsedArguments;

// A problem with the command line: its text and the argument concerned.
struct UsageProblem {
    Msg id;
    std::string detail;
};

struct CommandSpec {
    std::string_view name;
    Msg summary; // one line in the overview
    Msg help;    // starts with the usage line
    std::vector<OptionSpec> options;
    std::size_t minArguments = 0;
    std::size_t maxArguments = 0;
    int (*run)(const Invocation& call) = nullptr;
    // Checks option values before start-up touches the workspace (optional).
    std::optional<UsageProblem> (*validate)(const ParsedArguments& arguments) = nullptr;
    // False for a command that makes the workspace: start-up, which needs one, does not run.
    bool needsWorkspace = true;
};

// The arguments of one call, checked against the command's options.
struct ParsedArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>, std::less<>> options;

    bool has(std::string_view option) const { return options.find(option) != options.end(); }
    // The value of a value option, `fallback` when it was not given.
    std::string value(std::string_view option, std::string_view fallback = {}) const;
    // Every value of a list option, in the order given.
    std::vector<std::string> values(std::string_view option) const;
};

struct Invocation {
    const CommandSpec& command;
    ParsedArguments arguments;
    Language language;
    std::ostream& out;
    std::ostream& err;
    // The folder the tool was called in: the run itself works in the start
    // folder, as the program does, so file names given relative to the
    // caller are resolved here.
    std::string callerFolder;

    std::string callerPath(const std::string& name) const;

    std::string tr(Msg id, std::initializer_list<std::string_view> args = {}) const {
        return text(language, id, args);
    }
    // Reports a wrong call with the command's usage line; returns kWrongUsage.
    int wrongUsage(std::string_view problem) const;
    // Reports a failed job ("velkora-cli COMMAND: problem"); returns kFailed.
    int failed(std::string_view problem) const;
};

// The day number of a date argument ("31.12.2026"); nullopt for a text
// that is no date or is empty.
std::optional<std::int32_t> dateArgument(const std::string& text);

// Prints the problem, the usage line of `command` and where help is found.
void printWrongUsage(std::ostream& err, Language language, const CommandSpec* command,
                     std::string_view problem);

} // namespace velkora::cli
