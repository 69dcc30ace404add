#include "app/DemoWorkspace.h"

#include "TempDir.h"
#include "shared/ProfileFile.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velkora;
using velkora::test::readFile;
using velkora::test::TempDir;

TEST(DemoWorkspace, IsCreatedWithItsFoldersAndLanguageFiles) {
    TempDir dir;
    const std::string workspace = dir.file("demo");
    std::string error;
    ASSERT_TRUE(app::ensureDemoWorkspace(workspace, error)) << error;
    for (const char* name : {"ORB.INI", "ORB.HLP", "ORBEN.HLP", "ORB.TPS", "ORBEN.TPS", "QXACKUSR.TPS",
                             "DATA/QXADRESS.TPS", "DATA/QXADRTKP.TPS", "DATA/QXADRLND.TPS"})
        EXPECT_TRUE(std::filesystem::exists(workspace + "/" + name)) << name;
    for (const char* folder : {"DATA", "TMPL", "DOCS", "MAIL"})
        EXPECT_TRUE(std::filesystem::is_directory(workspace + "/" + folder)) << folder;
    EXPECT_FALSE(std::filesystem::exists(workspace + "/seed"));
    EXPECT_EQ(profile::read(workspace + "/ORB.INI", "SETUP", "DataPath"), workspace + "/DATA");
    EXPECT_EQ(profile::read(workspace + "/ORB.INI", "SETUP", "WorkPath"), workspace);
    EXPECT_EQ(profile::read(workspace + "/ORB.INI", "ADRBRANR", "BrAnr1"),
              "Sehr geehrte(r) <#F:NAME0#> <#F:NAME1#>,");
}

TEST(DemoWorkspace, NeverOverwritesAWorkspaceTheUserHas) {
    TempDir dir;
    const auto ini = dir.write("ORB.INI", "[SETUP]\nLangID=EN\n");
    std::string error;
    ASSERT_TRUE(app::ensureDemoWorkspace(dir.str(), error));
    EXPECT_EQ(readFile(ini), "[SETUP]\nLangID=EN\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("ORB.HLP")));
}

TEST(DemoWorkspace, AnEmptyWorkspaceHasTheLanguageFilesButNoDemoContent) {
    TempDir dir;
    const std::string workspace = dir.file("office");
    std::string error;
    ASSERT_EQ(app::createWorkspace(workspace, app::WorkspaceContent::Empty, error),
              app::WorkspaceCreation::Created)
        << error;
    for (const char* name : {"ORB.INI", "ORB.ENV", "ORBEN.ENV", "ORB.TPS", "ORBEN.TPS", "DATA/QXADRESS.TPS"})
        EXPECT_TRUE(std::filesystem::exists(workspace + "/" + name)) << name;
    EXPECT_TRUE(std::filesystem::is_empty(workspace + "/TMPL"));
    const std::string ini = workspace + "/ORB.INI";
    EXPECT_EQ(profile::read(ini, "MANDT", "MName1"), "") << "the demo company is not the user's";
    EXPECT_EQ(profile::read(ini, "ADRBRANR", "BrAnr1"), "Sehr geehrte(r) <#F:NAME0#> <#F:NAME1#>,");

    EXPECT_EQ(app::createWorkspace(workspace, app::WorkspaceContent::Demo, error),
              app::WorkspaceCreation::StartFileExists);
    EXPECT_TRUE(std::filesystem::is_empty(workspace + "/TMPL"));
}
