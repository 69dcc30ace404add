// Templates in cases/ run over a three-row mailing file; each output must
// equal the expected file beside it, byte for byte.

#include "MailingFixture.h"
#include "documents/ProcessTplFile.h"
#include "shared/ApplicationEnd.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velkora::documents::test {
namespace {

using velkora::test::readFile;
using velkora::test::sourceDir;

std::string casePath(const std::string& file) {
    return sourceDir() + "/tests/documents/cases/" + file;
}

class RecordingProgress : public ProcessProgress {
public:
    void opened(const std::string& name, bool isHidden) override {
        output = name;
        hidden = isHidden;
    }
    void setRange(std::uint64_t total) override { range = total; }
    void advance(std::uint64_t by) override { advanced += by; }
    void closed() override { wasClosed = true; }

    std::string output;
    bool hidden = false;
    std::uint64_t range = 0;
    std::uint64_t advanced = 0;
    bool wasClosed = false;
};

class TemplateEngine : public MailingFixture {
protected:
    void SetUp() override {
        MailingFixture::SetUp();
        writeThreeRows();
    }
    std::string output = dir.file("out.rtf");
};

TEST_F(TemplateEngine, WritesEachCaseAsExpected) {
    const char* cases[] = {"no_groups",
                           "nested_groups",
                           "mailing_group",
                           "markers_on_own_paragraphs",
                           "placeholder_broken_by_line_break",
                           "value_cut_at_79",
                           "placeholder_without_end",
                           "escaped_values",
                           "expression_over_fields",
                           "surplus_endloop",
                           "blank_run_on_block_boundary",
                           "control_words_at_line_breaks",
                           "values_after_control_words"};
    for (const std::string name : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ProcessTplFile(output + "   ", casePath(name + ".rtf") + "  ", 1), TemplateResult::Written);
        EXPECT_EQ(readFile(output), readFile(casePath(name + ".expected")));
        EXPECT_TRUE(prompter.prompts().empty());
        EXPECT_FALSE(mailingFile().isOpen());
    }
}

TEST_F(TemplateEngine, MalformedGroupsShowTheErrorAndWriteNothing) {
    for (const std::string name : {"loop_without_name_end", "loop_without_endloop"}) {
        SCOPED_TRACE(name);
        prompter.clear();
        std::filesystem::copy_file(casePath("no_groups.expected"), output,
                                   std::filesystem::copy_options::overwrite_existing);
        EXPECT_EQ(ProcessTplFile(output, casePath(name + ".rtf"), 0), TemplateResult::Abandoned);
        ASSERT_EQ(prompter.prompts().size(), 1u);
        EXPECT_EQ(prompter.last().text, "RTFTPL_ERROR");
        EXPECT_EQ(prompter.last().caption, "ProcessTplFile");
        EXPECT_EQ(prompter.last().icon, Icon::Information);
        EXPECT_FALSE(fileExists(output)); // the old document is gone and no new one begun
    }
}

TEST_F(TemplateEngine, ShowErrorsPutsCodeAndTextInPlaceOfTheValue) {
    appState().SHOWERRORS = 1;
    const std::string tpl = dir.write("t.rtf", "<#M:NOSUCHFIELD#>|<#M:NAME1 &#>");
    ProcessTplFile(output, tpl, 1);
    const std::string text = readFile(output);
    EXPECT_TRUE(text.starts_with(" [801] ")) << text;
    EXPECT_NE(text.find("|[800] "), std::string::npos) << text;
    EXPECT_LE(text.find('|'), 1 + 79u);
}

TEST_F(TemplateEngine, ReportsProgressAndTheOutputName) {
    RecordingProgress progress;
    ProcessTplFile(output, casePath("no_groups.rtf"), 0, &progress);
    EXPECT_EQ(progress.output, output);
    EXPECT_FALSE(progress.hidden);
    EXPECT_EQ(progress.range, readFile(casePath("no_groups.rtf")).size() - 3); // without trailing blanks
    EXPECT_EQ(progress.advanced, 255u);                                        // one piece written
    EXPECT_TRUE(progress.wasClosed);

    RecordingProgress groups;
    ProcessTplFile(output, casePath("nested_groups.rtf"), 1, &groups);
    EXPECT_TRUE(groups.hidden);
    EXPECT_EQ(groups.range, 6u); // three groups, header and footer pass
    EXPECT_EQ(groups.advanced, 6u);
}

TEST_F(TemplateEngine, ContinuesFromTheRowTheCallerStandsOn) {
    MailingFile& mailing = mailingFile();
    ASSERT_FALSE(mailing.openShared(files::DbfTable::Access::Read, false));
    ASSERT_FALSE(mailing.next());
    ASSERT_FALSE(mailing.next()); // the caller is on row 2
    ProcessTplFile(output, casePath("markers_on_own_paragraphs.rtf"), 1);
    EXPECT_EQ(readFile(output), " HEAD BODY 8 BODY 9 TAIL ");
    EXPECT_TRUE(mailing.isOpen()); // still the caller's
    EXPECT_EQ(mailing.openCount(), 1);
}

TEST_F(TemplateEngine, EmptyOrMissingMailingFileGivesEmptyValues) {
    std::filesystem::remove(dir.file("QXAILADR.DBF"));
    std::filesystem::remove(dir.file("QXAILADR.dbt"));
    ProcessTplFile(output, casePath("markers_on_own_paragraphs.rtf"), 1);
    EXPECT_EQ(readFile(output), " HEAD BODY  TAIL "); // created silently, no row
    EXPECT_TRUE(fileExists(dir.file("QXAILADR.DBF")));
}

TEST_F(TemplateEngine, MissingTemplateIsToldAndNoDocumentIsLeft) {
    EXPECT_EQ(ProcessTplFile(output, dir.file("missing.rtf"), 1), TemplateResult::Abandoned);
    ASSERT_EQ(prompter.prompts().size(), 1u); // the warning of files that may not be created
    EXPECT_EQ(prompter.last().text, dir.file("missing.rtf") +
                                        "|was not found, and creation of the file is not allowed."
                                        "|Nothing is written. Press OK to return.");
    EXPECT_EQ(prompter.last().caption, "File Creation Not Allowed");
    EXPECT_FALSE(applicationEnded()); // the run ends, the application goes on
    EXPECT_FALSE(fileExists(output));
    EXPECT_FALSE(mailingFile().isOpen());
}

TEST_F(TemplateEngine, UnwritableOutputIsToldOnce) {
    ProcessTplFile(dir.file("no/such/folder/out.rtf"), casePath("no_groups.rtf"), 1);
    ASSERT_EQ(prompter.prompts().size(), 1u);
    EXPECT_TRUE(prompter.last().text.starts_with("2 ")) << prompter.last().text;
}

} // namespace
} // namespace velkora::documents::test
