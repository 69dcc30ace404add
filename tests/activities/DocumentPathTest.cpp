// Where an activity's document lies and which files may be handed to the desktop.

#include "activities/DocumentPath.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velkora::activities {
namespace {

namespace fs = std::filesystem;

TEST(DocumentPath, APlainNameLiesInTheDocumentsFolderAFullPathStaysAsItIs) {
    EXPECT_EQ(documentPath("Brief.doc", "/data/docs"), "/data/docs/Brief.doc");
    EXPECT_EQ(documentPath("Brief.doc", "/data/docs/"), "/data/docs/Brief.doc");
    EXPECT_EQ(documentPath("/home/a/Brief.doc", "/data/docs"), "/home/a/Brief.doc");
    EXPECT_EQ(documentPath("C:\\Docs\\Brief.doc", "/data/docs"), "C:\\Docs\\Brief.doc");
}

TEST(DocumentPath, OnlyAnExistingPlainFileMayBeOpened) {
    test::TempDir dir;
    const std::string docs = dir.str();
    const std::string letter = dir.write("Brief.doc", "x");
    EXPECT_EQ(openableDocument("Brief.doc", docs), letter);
    EXPECT_EQ(openableDocument(letter, "/elsewhere"), letter);
    EXPECT_FALSE(openableDocument("", docs));
    EXPECT_FALSE(openableDocument("Fehlt.doc", docs));
    fs::create_directory(dir.file("Ordner"));
    EXPECT_FALSE(openableDocument("Ordner", docs));
    EXPECT_FALSE(openableDocument("https://example.com/x.doc", docs));

    const std::string script = dir.write("run.sh", "#!/bin/sh\n");
    fs::permissions(script, fs::perms::owner_exec, fs::perm_options::add);
    EXPECT_FALSE(openableDocument("run.sh", docs));
    dir.write("start.desktop", "[Desktop Entry]\nExec=/bin/true\n");
    EXPECT_FALSE(openableDocument("start.desktop", docs));
    dir.write("START.DESKTOP", "[Desktop Entry]\nExec=/bin/true\n");
    EXPECT_FALSE(openableDocument("START.DESKTOP", docs));
    // A link counts as the file it points at.
    fs::create_symlink(script, dir.file("harmlos.doc"));
    EXPECT_FALSE(openableDocument("harmlos.doc", docs));
}

} // namespace
} // namespace velkora::activities
