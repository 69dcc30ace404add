// A workspace's data moved to the server and back: the same records at the
// same positions with the same versions, and sound keys on each side.
#include "data/CopyData.h"

#include "DataFixture.h"
#include "data/DemoData.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace velkora::data {
namespace {

// Every record of every data-path table: "TABLE position version field|field|...".
std::vector<std::string> snapshot(const std::string& dataPath) {
    std::vector<std::string> rows;
    for (const TableDef* table : allTables()) {
        if (table->location != FileLocation::DataPath)
            continue;
        std::unique_ptr<void, void (*)(void*)> buffer(table->ops.create(), table->ops.destroy);
        RecordFile file(*table, buffer.get());
        file.setFileName(tableFileName(dataPath, table->name));
        EXPECT_EQ(file.open(), NoError) << table->name << ": " << errorText();
        EXPECT_EQ(file.check(), NoError) << table->name << ": " << errorText();
        file.set();
        while (file.next() == NoError) {
            std::string row = std::string(table->name) + " " + std::to_string(file.position()) + " " +
                              std::to_string(file.version());
            for (std::size_t f = 0; f < table->fields.size(); ++f)
                row += "|" + fieldText(*table, buffer.get(), static_cast<int>(f));
            rows.push_back(row);
        }
    }
    return rows;
}

class CopyDataTest : public test::DataFixture {};

TEST_F(CopyDataTest, TheDemoWorkspaceMovesToTheServerAndBackUnchanged) {
    std::string error;
    ASSERT_TRUE(seedDemoData(test::sourceDir() + "/resources/demo/seed", error)) << error;
    // A changed and a deleted record: versions above 1 and a gap in the positions.
    auto& adr = files().QXADRESS;
    ASSERT_TRUE(OpenRecordFile(adr));
    adr.set();
    ASSERT_EQ(adr.next(), NoError);
    adr.rec.NAME2 = "geändert";
    ASSERT_EQ(adr.put(), NoError);
    ASSERT_EQ(adr.next(), NoError);
    ASSERT_EQ(adr.erase(), NoError);
    CloseRecordFile(adr);
    const std::vector<std::string> before = snapshot(dir.str());
    ASSERT_GT(before.size(), 100u);

    const std::string server = freshServerSchema();
    CopyReport report = copyDataPath(server);
    ASSERT_EQ(report.problem, CopyProblem::None) << report.table << ": " << report.detail;
    EXPECT_EQ(snapshot(server), before);

    EXPECT_EQ(copyDataPath(server).problem, CopyProblem::TargetHoldsData);

    const std::string back = dir.file("BACK");
    std::filesystem::create_directories(back);
    appState().DATAPATH = server;
    test::closeAllFiles();
    report = copyDataPath(back);
    ASSERT_EQ(report.problem, CopyProblem::None) << report.table << ": " << report.detail;
    EXPECT_EQ(snapshot(back), before);

    // New records on the server follow the highest position, even after a copy.
    File<Address> moved;
    moved.setFileName(tableFileName(server, "QXADRESS"));
    ASSERT_EQ(moved.open(), NoError);
    moved.rec.ADRNR = 99999;
    ASSERT_EQ(moved.add(), NoError);
    long long highest = 0;
    for (const std::string& row : before)
        if (row.starts_with("QXADRESS "))
            highest = std::max(highest, std::stoll(row.substr(9)));
    EXPECT_GT(moved.position(), highest);
}

// Adds an address numbered `number` to an open address file; its position.
RecordPosition addAddress(RecordFile& file, Address& record, int number) {
    file.clear();
    record.ADRNR = number;
    EXPECT_EQ(file.add(), NoError) << errorText();
    return file.position();
}

TEST_F(CopyDataTest, PositionsOfDeletedRecordsAreNotGivenAgainAfterAMoveEitherWay) {
    auto& adr = files().QXADRESS;
    ASSERT_TRUE(OpenRecordFile(adr));
    for (int number : {1, 2})
        addAddress(adr, adr.rec, number);
    RecordPosition deleted = addAddress(adr, adr.rec, 3);
    ASSERT_EQ(adr.erase(), NoError);
    CloseRecordFile(adr);

    const std::string server = freshServerSchema();
    ASSERT_EQ(copyDataPath(server).problem, CopyProblem::None);
    File<Address> onServer;
    onServer.setFileName(tableFileName(server, "QXADRESS"));
    ASSERT_EQ(onServer.open(), NoError);
    const RecordPosition added = addAddress(onServer, onServer.rec, 4);
    EXPECT_GT(added, deleted);
    deleted = addAddress(onServer, onServer.rec, 5);
    ASSERT_EQ(onServer.erase(), NoError);
    onServer.close();

    const std::string back = dir.file("BACK");
    std::filesystem::create_directories(back);
    appState().DATAPATH = server;
    test::closeAllFiles();
    ASSERT_EQ(copyDataPath(back).problem, CopyProblem::None);
    File<Address> movedBack;
    movedBack.setFileName(tableFileName(back, "QXADRESS"));
    ASSERT_EQ(movedBack.open(), NoError);
    EXPECT_GT(addAddress(movedBack, movedBack.rec, 6), deleted);
}

} // namespace
} // namespace velkora::data
