#include "TempDir.h"
#include "data/files/BlockFile.h"
#include "data/files/LineFile.h"

#include <gtest/gtest.h>
#include <vector>

namespace velkora::files {
namespace {

using test::readFile;
using test::TempDir;

std::vector<std::string> allLines(const std::string& path) {
    LineReader reader;
    EXPECT_FALSE(reader.open(path));
    std::vector<std::string> lines;
    std::string line;
    FileError error;
    while (!(error = reader.next(line)))
        lines.push_back(line);
    EXPECT_EQ(error.code, kRecordNotAvailable);
    return lines;
}

TEST(LineFile, ReadsDosAndUnixLinesAndSplitsLongOnes) {
    TempDir dir;
    const std::string longLine(2500, 'L');
    const std::string path = dir.write("a.txt", "eins\r\nzwei\n\r\n" + longLine + "\r\nletzte ohne Ende");
    const std::vector<std::string> expected = {"eins",
                                               "zwei",
                                               "",
                                               std::string(1024, 'L'),
                                               std::string(1024, 'L'),
                                               std::string(452, 'L'),
                                               "letzte ohne Ende"};
    EXPECT_EQ(allLines(path), expected);
    EXPECT_TRUE(allLines(dir.write("empty.txt", "")).empty());
}

TEST(LineFile, WritesLinesWithCrLfCutAtTheRecordSize) {
    TempDir dir;
    LineWriter writer;
    ASSERT_FALSE(writer.create(dir.file("out.txt")));
    ASSERT_FALSE(writer.write("1;Müller;"));
    ASSERT_FALSE(writer.write(std::string(1100, 'x')));
    writer.close();
    EXPECT_EQ(readFile(dir.file("out.txt")), "1;Müller;\r\n" + std::string(1024, 'x') + "\r\n");
    LineReader reader;
    EXPECT_EQ(reader.open(dir.file("missing.txt")).code, kFileNotFound);
}

TEST(BlockFile, ReadsBlocksOf255AndWritesBytesUnchanged) {
    TempDir dir;
    std::string content;
    for (int i = 0; i < 600; ++i)
        content += static_cast<char>(i % 256);
    const std::string path = dir.write("t.rtf", content);
    BlockReader reader;
    ASSERT_FALSE(reader.open(path));
    std::vector<std::size_t> sizes;
    std::string all, block;
    while (!reader.next(block)) {
        sizes.push_back(block.size());
        all += block;
    }
    EXPECT_EQ(sizes, (std::vector<std::size_t>{255, 255, 90}));
    EXPECT_EQ(all, content);

    BlockWriter writer;
    ASSERT_FALSE(writer.create(dir.file("out.rtf")));
    EXPECT_FALSE(writer.write(content.substr(0, 255)));
    EXPECT_TRUE(writer.write(content.substr(0, 256)));
    EXPECT_FALSE(writer.write(content.substr(255, 255)));
    EXPECT_FALSE(writer.write(content.substr(510)));
    writer.close();
    EXPECT_EQ(readFile(dir.file("out.rtf")), content);
    EXPECT_EQ(reader.open(dir.file("none.rtf")).code, kFileNotFound);
}

} // namespace
} // namespace velkora::files
