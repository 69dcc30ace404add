// Runs every case of the expected-output files against the real velkora-cli
// program on a fresh copy of the demo workspace.

#include "CaseFile.h"
#include "RunProgram.h"
#include "StandIns.h"
#include "TempDir.h"
#include "Workspace.h"
#include "shared/Text.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

using namespace velkora::test;

namespace {

std::vector<CliCase> allCases() {
    return loadCases(sourceDir() + "/tests/cli");
}

std::string withWorkspace(const std::string& text, const std::string& folder) {
    return velkora::replaceAll(text, "{WS}", folder);
}

class CliCommand : public testing::TestWithParam<CliCase> {};

TEST_P(CliCommand, PrintsWhatItsExpectedFileSays) {
    const CliCase& c = GetParam();
    TempDir workspace;
    copyDemoWorkspace(workspace.str());
    std::string calledIn = workspace.str();
    std::optional<std::string> path;
    for (auto step : c.setup) {
        for (std::string& word : step)
            word = withWorkspace(word, workspace.str());
        if (step.front() == "in") {
            calledIn = workspace.file(step.at(1));
        } else if (step.front() == "path") {
            path = step.at(1);
        } else if (step.front() == "program") {
            installRecorder(workspace.file("BIN"), step.at(1), std::stoi(step.at(2)));
            if (!path)
                path = workspace.file("BIN") + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "");
        } else {
            ASSERT_TRUE(runSetupStep(workspace.str(), step)) << "unknown set-up step " << step.front();
        }
    }
    std::vector<std::string> args;
    for (const std::string& arg : c.args)
        args.push_back(withWorkspace(arg, workspace.str()));

    const char* oldPath = std::getenv("PATH");
    const std::string restore = oldPath ? oldPath : "";
    if (path)
        ::setenv("PATH", path->c_str(), 1);
    const ProgramResult result = runProgram(VELKORA_CLI_PROGRAM, args, calledIn);
    ::setenv("PATH", restore.c_str(), 1);

    EXPECT_EQ(visible(result.out), withWorkspace(c.out, workspace.str()));
    EXPECT_EQ(visible(result.err), withWorkspace(c.err, workspace.str()));
    EXPECT_EQ(result.status, c.status);
    for (auto [name, content] : c.files) {
        content.pop_back(); // the last line ends the file
        EXPECT_EQ(visible(readFile(workspace.file(name))), withWorkspace(content, workspace.str())) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliCommand, testing::ValuesIn(allCases()),
                         [](const testing::TestParamInfo<CliCase>& info) { return info.param.name; });

} // namespace
