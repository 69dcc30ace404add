// init: a new workspace, empty or with the demo data, made without a display.

#include "app/DemoWorkspace.h"
#include "cli/Commands.h"

#include <filesystem>

namespace velkora::cli {
namespace {

int initWorkspace(const Invocation& call) {
    std::filesystem::path named = call.callerPath(call.arguments.positional.front());
    // "." and "DIR/" name the folder itself: no trailing separator in what is told.
    if (!named.has_filename())
        named = named.parent_path();
    const std::string folder = named.string();
    std::string error;
    switch (app::createWorkspace(
        folder, call.arguments.has("--demo") ? app::WorkspaceContent::Demo : app::WorkspaceContent::Empty,
        error)) {
    case app::WorkspaceCreation::Created:
        call.out << call.tr(Msg::InitCreated, {folder}) << '\n';
        return kSuccess;
    case app::WorkspaceCreation::StartFileExists:
        return call.failed(call.tr(Msg::InitStartFileExists, {folder}));
    case app::WorkspaceCreation::Failed:
        break;
    }
    return call.failed(error);
}

} // namespace

CommandSpec initCommand() {
    CommandSpec spec{"init", Msg::InitSummary, Msg::InitHelp, {{"--demo"}}, 1, 1, initWorkspace};
    spec.needsWorkspace = false;
    return spec;
}

} // namespace velkora::cli
