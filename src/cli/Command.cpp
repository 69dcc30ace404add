#include "cli/Command.h"

#include "shared/Pictures.h"

#include <filesystem>
#include <string>

namespace velkora::cli {

void printWrongUsage(std::ostream& err, Language language, const CommandSpec* command,
                     std::string_view problem) {
    const std::string help = text(language, command ? command->help : Msg::Overview);
    const std::string usageLine = help.substr(0, help.find('\n'));
    err << "velkora-cli: " << problem << '\n';
    err << text(language, Msg::UsagePrefix) << usageLine << '\n';
    err << text(language, Msg::SeeHelp, {command ? std::string(command->name) + " " : std::string()}) << '\n';
}

std::optional<std::int32_t> dateArgument(const std::string& text) {
    const auto day = parseDate(text);
    if (!day || *day == 0)
        return std::nullopt;
    return day;
}

std::string Invocation::callerPath(const std::string& name) const {
    return (std::filesystem::path(callerFolder) / name).lexically_normal().string();
}

int Invocation::wrongUsage(std::string_view problem) const {
    printWrongUsage(err, language, &command, problem);
    return kWrongUsage;
}

int Invocation::failed(std::string_view problem) const {
    err << "velkora-cli " << command.name << ": " << problem << '\n';
    return kFailed;
}

} // namespace velkora::cli
