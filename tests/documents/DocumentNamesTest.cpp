#include "documents/DocumentNames.h"

#include "TempDir.h"
#include "documents/TemplateList.h"

#include <gtest/gtest.h>

namespace velkora::documents {
namespace {

using velkora::test::TempDir;

TEST(DocumentNumber, StartsAtOneForAnAddressWithoutDocuments) {
    TempDir docs;
    docs.write("0001800001.DOC", ""); // another address
    docs.write("0001700001.RTF", ""); // an intermediate file is no document
    EXPECT_EQ(documentPrefix(17), "00017");
    EXPECT_EQ(nextDocumentNumber(docs.str(), "00017"), "00001");
    EXPECT_EQ(nextDocumentNumber(docs.file("missing"), "00017"), "00001");
}

TEST(DocumentNumber, TakesTheFirstNumberNoDocumentStartsWith) {
    TempDir docs;
    docs.write("0001700001 Angebot.doc", ""); // a suffix, and the extension in small letters
    docs.write("0001700002.DOC", "");
    docs.write("0001700004.DOC", "");
    EXPECT_EQ(nextDocumentNumber(docs.str(), "00017"), "00003");
}

TEST(DocumentName, StaysInTheDocumentsFolder) {
    EXPECT_TRUE(isValidDocumentName("00003"));
    EXPECT_TRUE(isValidDocumentName("Angebot Müller"));
    for (const char* name : {"00003.old", "../00003", "a/b", "a\\b", ".."})
        EXPECT_FALSE(isValidDocumentName(name)) << name;
    const DocumentFiles files = documentFiles("/d/DOCS", "00017", "00003  ");
    EXPECT_EQ(files.rtf, "/d/DOCS/0001700003.RTF");
    EXPECT_EQ(files.doc, "/d/DOCS/0001700003.DOC");
}

TEST(TemplateList, ListsRtfFilesOfEitherCaseSortedByName) {
    TempDir tmpl;
    tmpl.write("Brief.RTF", "");
    tmpl.write("angebot.rtf", "");
    tmpl.write("Notiz.txt", "");
    std::filesystem::create_directory(tmpl.file("Ordner.RTF"));
    const auto list = listTemplates(tmpl.str());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].TMPLNAME, "angebot.rtf"); // as a person sorts: without case
    EXPECT_EQ(list[0].TMPLFILENAME, tmpl.file("angebot.rtf"));
    EXPECT_EQ(list[0].TMPLSORTID, 254);
    EXPECT_EQ(list[1].TMPLNAME, "Brief.RTF");
    ASSERT_NE(findTemplate(list, "BRIEF.rtf "), nullptr);
    EXPECT_EQ(findTemplate(list, "BRIEF.rtf ")->TMPLNAME, "Brief.RTF");
    EXPECT_EQ(findTemplate(list, "Brief"), nullptr);
}

} // namespace
} // namespace velkora::documents
