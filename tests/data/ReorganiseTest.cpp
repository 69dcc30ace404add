#include "data/Reorganise.h"

#include "DataFixture.h"

namespace velkora::data {
namespace {

using test::DataFixture;

class ReorganiseTest : public DataFixture {};

TEST_F(ReorganiseTest, RebuildsTheKeysOfTheAddressFile) {
    ASSERT_TRUE(OpenRecordFile(files().QXADRESS));
    files().QXADRESS.rec.ADRNR = 4;
    files().QXADRESS.rec.NAME1 = "Vorher";
    ASSERT_EQ(files().QXADRESS.add(), NoError);
    CloseRecordFile(files().QXADRESS);
    sql("QXADRESS", "DROP INDEX QXADRES3; UPDATE QXADRESS SET NAME1 = 'Nachher'");

    const ReorganiseSummary summary = reorganiseAddressFile();
    EXPECT_TRUE(summary.done);
    EXPECT_EQ(summary.records, 1);
    EXPECT_EQ(summary.unreadable, 0);
    EXPECT_TRUE(prompts.prompts().empty()) << "the caller tells the summary";
    ASSERT_TRUE(OpenRecordFile(files().QXADRESS)); // no question about the keys any more
    EXPECT_EQ(files().QXADRESS.check(), NoError);
    EXPECT_TRUE(prompts.prompts().empty());
}

TEST_F(ReorganiseTest, AFileThatCannotBeOpenedIsReported) {
    EXPECT_FALSE(reorganiseAddressFile().done);
    ASSERT_EQ(prompts.prompts().size(), 1u);
    EXPECT_EQ(prompts.last().text, "ERROR: OPEN QXADRESS");
}

} // namespace
} // namespace velkora::data
