// LibreOffice, a reader we did not write, must show our documents and
// mailing files as they were meant. Skipped when soffice is not installed.

#include "MailingFixture.h"
#include "documents/ProcessTplFile.h"
#include "shared/Text.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace velkora::documents::test {
namespace {

using velkora::test::readFile;

bool haveSoffice() {
    return std::system("command -v soffice >/dev/null 2>&1") == 0;
}

// One conversion call with a profile of its own, so parallel runs never share one.
bool convert(const velkora::test::TempDir& dir, const std::string& options, const std::string& file) {
    const std::string command = "cd '" + dir.str() + "' && soffice -env:UserInstallation=file://" +
                                dir.str() + "/profile --headless " + options + " --outdir out '" + file +
                                "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    return parts;
}

// Rows of a CSV text: fields separated by commas, quoted with '"' ("" inside), lines by LF.
std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false, wasQuoted = false;
    auto endField = [&] {
        rows.back().push_back(field);
        field.clear();
        wasQuoted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = wasQuoted = true;
        } else if (c == ',') {
            endField();
        } else if (c == '\n') {
            endField();
            rows.emplace_back();
        } else if (c != '\r' || wasQuoted) {
            field += c;
        }
    }
    if (!field.empty() || !rows.back().empty())
        endField();
    if (rows.back().empty())
        rows.pop_back();
    return rows;
}

class LibreOfficePeer : public MailingFixture {
protected:
    void SetUp() override {
        if (!haveSoffice())
            GTEST_SKIP() << "soffice is not installed";
        MailingFixture::SetUp();
        writeThreeRows();
    }
};

TEST_F(LibreOfficePeer, WriterShowsALetterOverThreeMailingRows) {
    const std::string tpl = dir.write("Brief.rtf", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n"
                                                   "\\f0 Liste:\\par\r\n"
                                                   "<%LOOP(QXAIL)%>\r\n"
                                                   "<#M:NAME1#> - <#M:ORT#>\\par\r\n"
                                                   "<%ENDLOOP%>\r\n"
                                                   "Ende\\par\r\n"
                                                   "}\r\n");
    ASSERT_EQ(ProcessTplFile(dir.file("Brief1.rtf"), tpl, 1), TemplateResult::Written);
    ASSERT_TRUE(convert(dir, "--convert-to txt:Text", "Brief1.rtf"));
    std::string text = readFile(dir.file("out/Brief1.txt"));
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    std::vector<std::string> lines;
    for (const std::string& line : split(text, '\n'))
        lines.push_back(trim(line)); // sections begin with a blank; the reader may show it
    EXPECT_EQ(lines, (std::vector<std::string>{"Liste:", "Müller & Söhne {GmbH} - München",
                                               "Schmidt - Berlin", "Weiß - Köln", "Ende"}))
        << text;
}

TEST_F(LibreOfficePeer, CalcReadsTheMailingFileWithItsMemo) {
    ASSERT_TRUE(convert(dir, "--infilter=dBase --convert-to \"csv:Text - txt - csv (StarCalc):44,34,76\"",
                        "QXAILADR.DBF"));
    const std::string csv = readFile(dir.file("out/QXAILADR.csv"));
    const std::vector<std::vector<std::string>> rows = parseCsv(csv);
    ASSERT_EQ(rows.size(), 4u) << csv;
    for (const auto& row : rows)
        ASSERT_EQ(row.size(), 44u) << csv;
    const auto& fields = mailingTextFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_TRUE(rows[0][i].starts_with(fields[i].name)) << rows[0][i]; // "NAME1,C,64"
    EXPECT_TRUE(rows[0][43].starts_with("MEMO")) << rows[0][43];

    const std::vector<std::pair<std::size_t, std::vector<std::string>>> expected = {
        {6, {"7", "8", "9"}},                              // ADRNR
        {8, {"Müller & Söhne {GmbH}", "Schmidt", "Weiß"}}, // NAME1
        {18, {"München", "Berlin", "Köln"}},               // ORT
        {19, {"Hauptstraße 1", "", ""}},                   // STRASSE
        {11, {"a─b", "", ""}},                             // ZUSATZ
        {43, {"Zeile 1\nZeile 2\tTab", "", ""}},           // Calc keeps the line break as LF         // MEMO
    };
    for (const auto& [column, values] : expected)
        for (std::size_t row = 0; row < values.size(); ++row)
            EXPECT_EQ(rows[row + 1][column], values[row]) << "column " << column << " row " << row + 1;
    std::string remark;
    for (int i = 0; i < 25; ++i)
        remark += "0123456789";
    EXPECT_EQ(rows[1][20], remark); // BEMERKUNG, all 250 characters
}

} // namespace
} // namespace velkora::documents::test
