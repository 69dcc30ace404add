// The message text and the template as text files.

#include "mail/MailTextFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace velkora::mail {
namespace {

TEST(MailTextFile, LoadsLinesWithoutTrailingBlanksJoinedByCrLf) {
    test::TempDir dir;
    const std::string file =
        dir.write("brief.txt", "Sehr geehrte Frau Berg,   \r\n\nanbei das Angebot.\t \n");
    std::string text = "alt";
    ASSERT_FALSE(loadTextFile(file, text));
    EXPECT_EQ(text, "Sehr geehrte Frau Berg,\r\n\r\nanbei das Angebot.\t");
}

TEST(MailTextFile, SavesEachLineOfTheTextAsALineOfTheFile) {
    test::TempDir dir;
    const std::string file = dir.file("aus.txt");
    ASSERT_FALSE(saveTextFile(file, "Erste Zeile\nZweite Zeile\r\nDritte"));
    EXPECT_EQ(test::readFile(file), "Erste Zeile\r\nZweite Zeile\r\nDritte\r\n");
    std::string again;
    ASSERT_FALSE(loadTextFile(file, again));
    EXPECT_EQ(again, "Erste Zeile\r\nZweite Zeile\r\nDritte");
}

TEST(MailTextFile, AFileThatCannotBeOpenedOrCreatedLeavesTheTextAndTellsCodeAndText) {
    test::TempDir dir;
    std::string text = "bleibt";
    const files::FileError missing = loadTextFile(dir.file("fehlt.txt"), text);
    EXPECT_EQ(missing.code, files::kFileNotFound);
    EXPECT_FALSE(missing.text.empty());
    EXPECT_EQ(text, "bleibt");
    const files::FileError notCreated = saveTextFile(dir.file("kein/Ordner.txt"), text);
    EXPECT_NE(notCreated.code, 0);
    EXPECT_FALSE(notCreated.text.empty());
}

} // namespace
} // namespace velkora::mail
