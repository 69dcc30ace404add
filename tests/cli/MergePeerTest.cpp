// LibreOffice as the reader of letters made by "velkora-cli merge" from the
// demo workspace's own templates: every value of the mailing file must show
// in full, whatever RTF control word the template puts before it.

#include "RunProgram.h"
#include "TempDir.h"
#include "Workspace.h"
#include "documents/MailingFile.h"
#include "shared/Text.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace velkora::test;
using velkora::documents::MailingFile;
using velkora::documents::MailingRecord;

namespace {

MailingRecord recipient(std::string name0, std::string name1, std::string strasse, std::string ld,
                        std::string plz, std::string ort, std::string branr) {
    MailingRecord r;
    r.NAME0 = std::move(name0);
    r.NAME1 = std::move(name1);
    r.STRASSE = std::move(strasse);
    r.LD = std::move(ld);
    r.PLZ = std::move(plz);
    r.ORT = std::move(ort);
    r.BRANR = std::move(branr);
    r.DOCTITLE = "Ihre Anfrage";
    return r;
}

// Values a reader easily loses: umlauts and ß, RTF's own characters, a
// backslash, each right after a paragraph mark of the template.
const MailingRecord kMueller = recipient("Herrn", "Müller & Söhne {GmbH}", "Hauptstraße 1", "D", "80331",
                                         "München", "Sehr geehrter Herr Müller,");
const MailingRecord kBauer =
    recipient("Frau", "Anna Bauer \\ Partner", "Ringstraße 7", "A", "1010", "Wien", "Liebe Anna,");
// Its values begin with an escaped character, which must not go with the control word.
const MailingRecord kOezdemir =
    recipient("Herrn", "Özdemir Bau", "Ölweg 3", "D", "88662", "Überlingen", "Sehr geehrter Herr Özdemir,");

void writeMailingFile(const std::string& name, const std::vector<MailingRecord>& rows) {
    MailingFile mailing;
    mailing.setName(name);
    ASSERT_FALSE(MailingFile::create(name));
    ASSERT_FALSE(mailing.open(velkora::files::DbfTable::Access::Write));
    for (const MailingRecord& row : rows) {
        mailing.rec = row;
        ASSERT_FALSE(mailing.add());
    }
    mailing.close();
}

// The address lines of `r` as the demo letters show them.
std::vector<std::string> addressLines(const MailingRecord& r) {
    return {r.NAME1, r.STRASSE, r.LD + "-" + r.PLZ + " " + r.ORT, r.DOCTITLE, r.BRANR};
}

class MergePeer : public testing::Test {
protected:
    void SetUp() override {
        soffice = findProgram("soffice");
        if (soffice.empty())
            GTEST_SKIP() << "LibreOffice is not installed";
        copyDemoWorkspace(workspace.str());
    }

    // Fills the demo template `tmpl` from `rows` with velkora-cli merge and
    // returns the lines LibreOffice reads from the document.
    std::vector<std::string> mergedLines(const std::string& tmpl, const std::vector<MailingRecord>& rows,
                                         const std::string& document) {
        writeMailingFile(workspace.file("MAIL/SERIE"), rows);
        const ProgramResult merged = runProgram(VELKORA_CLI_PROGRAM,
                                                {"merge", "--template", "TMPL/" + tmpl, "--mailing",
                                                 "MAIL/SERIE", "--out", "DOCS/" + document + ".rtf"},
                                                workspace.str());
        EXPECT_EQ(merged.status, 0) << merged.err;
        const ProgramResult read =
            runProgram(soffice,
                       {"-env:UserInstallation=file://" + profile.str(), "--headless", "--convert-to",
                        "txt:Text", "--outdir", "peer", "DOCS/" + document + ".rtf"},
                       workspace.str());
        EXPECT_EQ(read.status, 0) << read.err;
        std::string text = readFile(workspace.file("peer/" + document + ".txt"));
        if (text.starts_with("\xEF\xBB\xBF"))
            text.erase(0, 3);
        std::vector<std::string> lines;
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);)
            lines.push_back(velkora::trim(line)); // a section's leading blank may show
        return lines;
    }

    std::string soffice;
    TempDir workspace;
    TempDir profile;
};

// True when `expected` are lines of `lines`, in this order.
testing::AssertionResult showsInOrder(const std::vector<std::string>& lines,
                                      const std::vector<std::string>& expected) {
    auto from = lines.begin();
    for (const std::string& line : expected) {
        from = std::find(from, lines.end(), line);
        if (from == lines.end()) {
            std::string shown;
            for (const std::string& l : lines)
                shown += "\n  [" + l + "]";
            return testing::AssertionFailure() << "no line [" << line << "] (in order) among:" << shown;
        }
        ++from;
    }
    return testing::AssertionSuccess();
}

TEST_F(MergePeer, TheDemoLetterShowsEveryValueInFull) {
    for (const MailingRecord& r : {kMueller, kBauer}) {
        SCOPED_TRACE(r.NAME1);
        std::vector<std::string> expected = addressLines(r);
        expected.insert(expected.begin(), r.NAME0);
        EXPECT_TRUE(showsInOrder(mergedLines("Brief.RTF", {r}, "Brief"), expected));
    }
}

TEST_F(MergePeer, TheDemoFormLetterShowsEveryRecipientInFull) {
    std::vector<std::string> expected = addressLines(kMueller);
    for (const MailingRecord& r : {kBauer, kOezdemir})
        for (const std::string& line : addressLines(r))
            expected.push_back(line);
    EXPECT_TRUE(
        showsInOrder(mergedLines("Serienbrief.RTF", {kMueller, kBauer, kOezdemir}, "Serienbrief"), expected));
}

} // namespace
