// The in-memory source behind lists of rows not yet stored: records that
// change their place in the order, go away or all go at once.

#include "ui/browse/MemorySource.h"

#include <gtest/gtest.h>

namespace velkora::browse {
namespace {

std::vector<std::string> names(MemorySource& source) {
    std::vector<std::string> out;
    source.seekStart();
    while (source.next() == ReadResult::Ok)
        out.push_back(source.field("NAME"));
    return out;
}

TEST(MemorySourceTest, ReplacingAndErasingKeepTheOrder) {
    MemorySource source({"NR"});
    const std::string a = source.add({{"NAME", "a"}, {"NR", "10"}});
    source.add({{"NAME", "b"}, {"NR", "9"}});
    const std::string c = source.add({{"NAME", "c"}, {"NR", "9"}});
    ASSERT_TRUE(source.open("NR"));
    EXPECT_EQ(names(source), (std::vector<std::string>{"b", "c", "a"})); // equal: as added
    source.replace(a, {{"NAME", "a"}, {"NR", "1"}});
    EXPECT_EQ(names(source), (std::vector<std::string>{"a", "b", "c"}));
    ASSERT_TRUE(source.open("-NR"));
    EXPECT_EQ(names(source), (std::vector<std::string>{"b", "c", "a"}));

    // Next to a record that has gone, as it was last read.
    source.erase(c);
    source.seekAfter(c);
    ASSERT_EQ(source.next(), ReadResult::Ok);
    EXPECT_EQ(source.field("NAME"), "a");
    EXPECT_EQ(source.reget(c), ReadResult::End);
}

TEST(MemorySourceTest, ClearedRowsLeaveNoPositionBehind) {
    MemorySource source;
    const std::string first = source.add({{"NAME", "a"}});
    ASSERT_TRUE(source.open("UPPER(NAME)"));
    source.clear();
    EXPECT_TRUE(names(source).empty());
    const std::string again = source.add({{"NAME", "a"}});
    EXPECT_NE(again, first);
    source.setFormPosition(again);
    EXPECT_EQ(source.formPosition(), again);
    EXPECT_EQ(source.fileName(), "MEMORY");
}

} // namespace
} // namespace velkora::browse
