#include "cli/Cli.h"

#include "app/Startup.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"
#include "shared/ProfileFile.h"
#include "shared/Prompter.h"

#include <filesystem>
#include <iomanip>
#include <sstream>

namespace velkora::cli {
namespace {

std::string startFolder(const SharedOptions& shared) {
    std::error_code ec;
    const std::filesystem::path folder =
        shared.folder.empty() ? std::filesystem::current_path(ec) : std::filesystem::path(shared.folder);
    // Start-up may write the folder into the start file as InitPath, so it
    // must still be right when the next run starts elsewhere.
    return std::filesystem::absolute(folder, ec).lexically_normal().string();
}

// Wrong usage is reported before start-up runs, in the start file's language.
Language languageBeforeStartup(const std::string& folder) {
    return languageOf(profile::read(joinPath(folder, "ORB.INI"), "SETUP", "LangID"));
}

std::string overview(Language language) {
    std::ostringstream lines;
    for (const CommandSpec& command : allCommands())
        lines << "  " << std::left << std::setw(14) << command.name << text(language, command.summary)
              << '\n';
    return text(language, Msg::UsagePrefix) + text(language, Msg::Overview, {lines.str()});
}

// Works in the start folder for the duration of one command, as the program
// does: relative paths in the start file are taken from there.
class StartFolderAsCurrent {
public:
    explicit StartFolderAsCurrent(const std::string& folder) : caller_(std::filesystem::current_path(ec_)) {
        std::error_code ignored;
        std::filesystem::current_path(folder, ignored);
    }
    ~StartFolderAsCurrent() {
        std::error_code ignored;
        if (!ec_)
            std::filesystem::current_path(caller_, ignored);
    }
    StartFolderAsCurrent(const StartFolderAsCurrent&) = delete;
    StartFolderAsCurrent& operator=(const StartFolderAsCurrent&) = delete;
    std::string caller() const { return caller_.string(); }

private:
    std::error_code ec_;
    std::filesystem::path caller_;
};

// The console prompter and an application end that lets the run finish
// with status 1, for the duration of one command.
class ConsoleSession {
public:
    explicit ConsoleSession(bool answerYes) : prompter_(answerYes) {
        setPrompter(&prompter_);
        resetApplicationEnded();
        setApplicationEndHandler([](std::string_view) {});
    }
    ~ConsoleSession() {
        setApplicationEndHandler({});
        setPrompter(nullptr);
    }
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

private:
    ConsolePrompter prompter_;
};

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SharedOptions shared;
    std::string name;
    std::vector<std::string> rest;
    auto problem = splitCommandLine(args, shared, name, rest);
    const CommandSpec* command = problem ? nullptr : findCommand(name);
    if (!problem && !name.empty() && !command)
        problem = UsageProblem{Msg::UnknownCommand, name};
    ParsedArguments parsed;
    if (!problem && command)
        problem = parseArguments(*command, rest, shared, parsed);
    // -w may come after the command, so the folder is known only now.
    const std::string folder = startFolder(shared);
    Language language = languageBeforeStartup(folder);
    if (problem) {
        printWrongUsage(err, language, command, text(language, problem->id, {problem->detail}));
        return kWrongUsage;
    }
    if (!command) {
        out << overview(language);
        return kSuccess;
    }
    if (shared.help) {
        out << text(language, Msg::UsagePrefix) << text(language, command->help);
        return kSuccess;
    }

    if (!command->needsWorkspace) {
        std::error_code ec;
        const Invocation call{
            *command, std::move(parsed), language, out, err, std::filesystem::current_path(ec).string()};
        return command->run(call);
    }
    StartFolderAsCurrent current(folder);
    ConsoleSession session(shared.yes);
    if (app::runStartup(folder).ended || applicationEnded())
        return kFailed;
    language = languageOf(appState().LANGID);
    const Invocation call{*command, std::move(parsed), language, out, err, current.caller()};
    const int status = command->run(call);
    return applicationEnded() ? kFailed : status;
}

} // namespace velkora::cli
