// Moving the data files to another folder: all or nothing, never over files
// already there, and a fault in the middle leaves everything where it was.

#include "data/MoveDataFiles.h"

#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace velkora;
using data::MoveOutcome;

namespace {

class MoveDataFilesTest : public ::testing::Test {
protected:
    MoveDataFilesTest() {
        // Linux folder names are case-sensitive: a mixed-case name must be kept as it is.
        from = dir.file("Alte Daten");
        to = dir.file("Neue Daten/Büro");
        fs::create_directories(from);
        for (const std::string& name : data::dataFileNames())
            dir.write("Alte Daten/" + name, "records of " + name);
    }
    ~MoveDataFilesTest() override { data::setMoveFault({}); }

    // What a folder holds, by name.
    static std::vector<std::string> listing(const std::string& folder) {
        std::vector<std::string> names;
        if (fs::exists(folder))
            for (const auto& entry : fs::directory_iterator(folder))
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> sortedDataFiles() const {
        std::vector<std::string> names = data::dataFileNames();
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir;
    std::string from;
    std::string to;
};

TEST_F(MoveDataFilesTest, TheNineTablesOfTheDataPathAreItsFiles) {
    EXPECT_EQ(data::dataFileNames(),
              (std::vector<std::string>{"QXADRESS.TPS", "QXADRTKP.TPS", "QXADRAKT.TPS", "QXADRLND.TPS",
                                        "QXADRORT.TPS", "QXADRSTR.TPS", "QXADRBRA.TPS", "QXATTMAT.TPS",
                                        "QXAKTATM.TPS"}));
}

TEST_F(MoveDataFilesTest, EveryFileArrivesWithItsContentAndLeavesTheOldFolder) {
    dir.write("Alte Daten/notes.txt", "not ours");
    const data::MoveReport report = data::moveFiles(data::dataFileNames(), from, to);
    ASSERT_EQ(report.outcome, MoveOutcome::Moved) << report.detail;
    EXPECT_EQ(report.moved.size(), 9u);
    EXPECT_TRUE(report.leftOver.empty());
    EXPECT_EQ(listing(to), sortedDataFiles());
    EXPECT_EQ(listing(from), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(test::readFile(to + "/QXADRESS.TPS"), "records of QXADRESS.TPS");
}

TEST_F(MoveDataFilesTest, AnOccupiedTargetIsRefusedBeforeAnythingIsCopied) {
    dir.write("Neue Daten/Büro/QXADRLND.TPS", "another data set");
    const data::MoveReport report = data::moveFiles(data::dataFileNames(), from, to);
    EXPECT_EQ(report.outcome, MoveOutcome::TargetOccupied);
    EXPECT_EQ(report.occupied, std::vector<std::string>{"QXADRLND.TPS"});
    EXPECT_EQ(listing(to), std::vector<std::string>{"QXADRLND.TPS"});
    EXPECT_EQ(test::readFile(to + "/QXADRLND.TPS"), "another data set");
    EXPECT_EQ(listing(from), sortedDataFiles());
}

TEST_F(MoveDataFilesTest, AFaultInTheMiddleRemovesEveryCopyAndKeepsTheOriginals) {
    for (const char* step : {"copy", "check"}) {
        SCOPED_TRACE(step);
        data::setMoveFault([step](std::string_view at, const std::string& file) {
            return at == step && file == "QXADRSTR.TPS" ? std::string("disk full") : std::string();
        });
        const data::MoveReport report = data::moveFiles(data::dataFileNames(), from, to);
        EXPECT_EQ(report.outcome, MoveOutcome::Failed);
        EXPECT_EQ(report.file, "QXADRSTR.TPS");
        EXPECT_EQ(report.detail, "disk full");
        EXPECT_EQ(listing(to), std::vector<std::string>{}); // not even a copy under its temporary name
        EXPECT_EQ(listing(from), sortedDataFiles());
        EXPECT_EQ(test::readFile(from + "/QXATTMAT.TPS"), "records of QXATTMAT.TPS");
    }
}

TEST_F(MoveDataFilesTest, AFileInTheMiddleOfAWriteIsNotMoved) {
    dir.write("Alte Daten/QXADRAKT.TPS-journal", "a transaction");
    const data::MoveReport report = data::moveFiles(data::dataFileNames(), from, to);
    EXPECT_EQ(report.outcome, MoveOutcome::Failed);
    EXPECT_EQ(report.file, "QXADRAKT.TPS");
    EXPECT_EQ(listing(to), std::vector<std::string>{});
    EXPECT_EQ(listing(from).size(), 10u);
}

TEST_F(MoveDataFilesTest, AnOriginalThatCannotBeRemovedIsReportedAfterTheMove) {
    data::setMoveFault([](std::string_view at, const std::string& file) {
        return at == "remove" && file == "QXADRESS.TPS" ? std::string("busy") : std::string();
    });
    const data::MoveReport report = data::moveFiles(data::dataFileNames(), from, to);
    EXPECT_EQ(report.outcome, MoveOutcome::Moved);
    EXPECT_EQ(report.leftOver, std::vector<std::string>{"QXADRESS.TPS"});
    EXPECT_EQ(listing(to), sortedDataFiles());
}

TEST_F(MoveDataFilesTest, NothingMovesWithinOneFolderOrOutOfAnEmptyOne) {
    EXPECT_EQ(data::moveFiles(data::dataFileNames(), from, from + "/.").outcome, MoveOutcome::NothingToMove);
    EXPECT_EQ(listing(from), sortedDataFiles());
    const std::string empty = dir.file("leer");
    fs::create_directories(empty);
    EXPECT_EQ(data::moveFiles(data::dataFileNames(), empty, to).outcome, MoveOutcome::NothingToMove);
    EXPECT_FALSE(fs::exists(to));
}

} // namespace
