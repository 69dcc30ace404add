#include "app/DemoWorkspace.h"

#include "app/InstallLayout.h"
#include "data/DemoData.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace velkora::app {
namespace {

// Record seeds are loaded into the data files, not copied as they are.
constexpr const char* kSeedFolder = "seed";
// Letter templates of the demo: an empty workspace starts without them.
constexpr const char* kTemplateFolder = "TMPL";

// The own-company data of the work file: the demo company's, which an empty
// workspace must not send letters as.
constexpr const char* kCompanyKeys[] = {"MName0", "MName1", "MName2", "MZusatz", "MLdPlz", "MOrt",
                                        "MStr",   "MTel",   "MFax",   "MURL",    "MeMail"};

bool copyMissing(const fs::path& from, const fs::path& to, WorkspaceContent content, std::string& error) {
    std::error_code ec;
    fs::create_directories(to, ec);
    for (auto it = fs::recursive_directory_iterator(from, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path relative = fs::relative(it->path(), from, ec);
        // The template folder itself is made with the other folders.
        const fs::path top = *relative.begin();
        if (top == kSeedFolder || (content == WorkspaceContent::Empty && top == kTemplateFolder)) {
            it.disable_recursion_pending();
            continue;
        }
        const fs::path target = to / relative;
        if (it->is_directory())
            fs::create_directories(target, ec);
        else if (!fs::exists(target))
            fs::copy_file(it->path(), target, ec);
        if (ec)
            break;
    }
    if (ec)
        error = "Cannot copy the demo workspace to " + to.string() + ": " + ec.message();
    return !ec;
}

// The record files are made through the data layer, which places them by the
// process-wide paths; those are lent to it and given back, since start-up
// fixes them for the run afterwards.
bool seedRecords(const fs::path& seeds, const fs::path& workspace, WorkspaceContent content,
                 std::string& error) {
    const AppState saved = appState();
    appState().INITPATH = workspace.string();
    appState().DATAPATH = (workspace / "DATA").string();
    const bool ok = data::seedDemoData(
        seeds.string(), error,
        content == WorkspaceContent::Demo ? data::SeedRecords::All : data::SeedRecords::TranslationsOnly);
    appState() = saved;
    return ok;
}

// The dialler belongs in the program folder, where the settings look for it;
// the copy is the one installed beside the running program.
void shipDialler(const fs::path& workspace) {
    std::error_code ec;
    const fs::path dialler = programDir() / "velkora-dial";
    if (fs::exists(dialler, ec) && !fs::exists(workspace / "velkora-dial", ec))
        fs::copy_file(dialler, workspace / "velkora-dial", ec);
}

} // namespace

std::string demoTemplateDir() {
    return (sharedDataDir() / "demo").string();
}

WorkspaceCreation createWorkspace(const std::string& dir, WorkspaceContent content, std::string& error) {
    const fs::path workspace = fs::absolute(dir);
    if (fs::exists(workspace / "ORB.INI"))
        return WorkspaceCreation::StartFileExists;
    const fs::path source = demoTemplateDir();
    if (!fs::exists(source / "ORB.INI")) {
        error = "The workspace template is missing: " + source.string();
        return WorkspaceCreation::Failed;
    }
    if (!copyMissing(source, workspace, content, error))
        return WorkspaceCreation::Failed;
    // The template leaves the paths open; the copy names its own folders, so
    // the start file shows a newcomer where everything lives.
    const std::string ini = (workspace / "ORB.INI").string();
    profile::write(ini, "SETUP", "InitPath", workspace.string());
    profile::write(ini, "SETUP", "WorkPath", workspace.string());
    for (const auto& [key, folder] : {std::pair{"DataPath", "DATA"}, std::pair{"TmplPath", kTemplateFolder},
                                      std::pair{"DocsPath", "DOCS"}, std::pair{"MailPath", "MAIL"}}) {
        std::error_code ec;
        fs::create_directories(workspace / folder, ec);
        profile::write(ini, "SETUP", key, (workspace / folder).string());
    }
    if (content == WorkspaceContent::Empty)
        for (const char* key : kCompanyKeys)
            profile::write(ini, "MANDT", key, "");
    shipDialler(workspace);
    if (!seedRecords(source / kSeedFolder, workspace, content, error))
        return WorkspaceCreation::Failed;
    return WorkspaceCreation::Created;
}

bool ensureDemoWorkspace(const std::string& dir, std::string& error) {
    return createWorkspace(dir, WorkspaceContent::Demo, error) != WorkspaceCreation::Failed;
}

} // namespace velkora::app
