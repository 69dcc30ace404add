#include "cli/Arguments.h"

#include <algorithm>
#include <cstddef>

namespace velkora::cli {
namespace {

// Handles a shared option at args[i]; false when args[i] is none.
bool takeSharedOption(const std::vector<std::string>& args, std::size_t& i, SharedOptions& shared,
                      std::optional<UsageProblem>& problem) {
    const std::string& arg = args[i];
    if (arg == "--yes") {
        shared.yes = true;
    } else if (arg == "--help" || arg == "-h") {
        shared.help = true;
    } else if (arg == "-w") {
        if (i + 1 >= args.size())
            problem = UsageProblem{Msg::MissingValue, arg};
        else
            shared.folder = args[++i];
    } else {
        return false;
    }
    return true;
}

bool looksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && (arg[1] == '-' || (arg[1] >= 'a' && arg[1] <= 'z'));
}

} // namespace

std::string ParsedArguments::value(std::string_view option, std::string_view fallback) const {
    const auto it = options.find(option);
    return it == options.end() || it->second.empty() ? std::string(fallback) : it->second.back();
}

std::vector<std::string> ParsedArguments::values(std::string_view option) const {
    const auto it = options.find(option);
    return it == options.end() ? std::vector<std::string>{} : it->second;
}

std::optional<UsageProblem> splitCommandLine(const std::vector<std::string>& args, SharedOptions& shared,
                                             std::string& command, std::vector<std::string>& rest) {
    std::optional<UsageProblem> problem;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (takeSharedOption(args, i, shared, problem)) {
            if (problem)
                return problem;
            continue;
        }
        if (looksLikeOption(args[i]))
            return UsageProblem{Msg::UnknownOption, args[i]};
        command = args[i];
        rest.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
        return std::nullopt;
    }
    if (!shared.help)
        return UsageProblem{Msg::MissingCommand, {}};
    return std::nullopt;
}

std::optional<UsageProblem> parseArguments(const CommandSpec& spec, const std::vector<std::string>& args,
                                           SharedOptions& shared, ParsedArguments& parsed) {
    std::optional<UsageProblem> problem;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !looksLikeOption(arg)) {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (takeSharedOption(args, i, shared, problem)) {
            if (problem)
                return problem;
            continue;
        }
        // "--name=value" or "--name value"
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto option = std::find_if(spec.options.begin(), spec.options.end(),
                                         [&](const OptionSpec& o) { return o.name == name; });
        if (option == spec.options.end())
            return UsageProblem{Msg::UnknownOption, name};
        auto& values = parsed.options[name];
        if (option->kind == OptionSpec::Kind::Flag) {
            if (equals != std::string::npos)
                return UsageProblem{Msg::UnknownOption, arg};
        } else if (equals != std::string::npos) {
            values.push_back(arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            values.push_back(args[++i]);
        } else {
            return UsageProblem{Msg::MissingValue, name};
        }
        if (option->kind != OptionSpec::Kind::List && values.size() > 1)
            return UsageProblem{Msg::RepeatedOption, name};
    }
    if (shared.help)
        return std::nullopt;
    if (parsed.positional.size() < spec.minArguments)
        return UsageProblem{Msg::MissingArgument, {}};
    if (parsed.positional.size() > spec.maxArguments)
        return UsageProblem{Msg::ExtraArgument, parsed.positional[spec.maxArguments]};
    return spec.validate ? spec.validate(parsed) : std::nullopt;
}

} // namespace velkora::cli
