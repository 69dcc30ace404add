#include "MemoryTranslationTable.h"
#include "i18n/ControlTexts.h"
#include "shared/AppState.h"

#include <gtest/gtest.h>

namespace velkora {
namespace {

using i18n::ControlTexts;
using i18n::translateControl;

TEST(TranslateText, FindsUpperCasedKeysAndCutsLongKeysAt32) {
    test::MemoryTranslations table;
    table.put("P.20_ADRESSENLISTE", "Address list  ");
    EXPECT_EQ(i18n::TranslateText("P.20_Adressenliste"), "Address list");
    EXPECT_EQ(i18n::TranslateText("p.20_adressenliste  "), "Address list");

    const std::string key40 = "P.10_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    table.put(key40.substr(0, 32), "cut");
    EXPECT_EQ(i18n::TranslateText(key40), "cut");
}

TEST(TranslateText, MissingKeyOrTableGivesEmpty) {
    test::MemoryTranslations table;
    EXPECT_EQ(i18n::TranslateText("P.25_Calendar"), "");
    table.put("P.25_CALENDAR", "Kalender");
    table.available = false;
    EXPECT_EQ(i18n::TranslateText("P.25_Calendar"), "");
}

TEST(ControlKey, TypeAsTwoDigitsAndTextUpperCased) {
    EXPECT_EQ(i18n::controlKey(10, "Datum"), "P.10_DATUM");
    EXPECT_EQ(i18n::controlKey(9, "Übernehmen  "), "P.09_ÜBERNEHMEN");
    EXPECT_EQ(i18n::controlKey(38, "Allgemeine Angaben zur Adresse und mehr"),
              "P.38_ALLGEMEINE ANGABEN ZUR ADRE");
}

class TranslateControlTest : public ::testing::Test {
protected:
    test::MemoryTranslations mem;
    std::unique_ptr<i18n::TranslationTable> table = i18n::openTranslationTable();
};

TEST_F(TranslateControlTest, PromptWithoutKeyGetsAColon) {
    EXPECT_EQ(translateControl(table.get(), 10, {"Datum"}, false).text, "Datum:");
    EXPECT_EQ(translateControl(table.get(), 13, {"Adresse"}, false).text, "Adresse:");
    EXPECT_EQ(translateControl(table.get(), 10, {"Datum:"}, false).text, "Datum:"); // no second colon
    EXPECT_EQ(translateControl(table.get(), 9, {"Ok"}, false).text, "Ok");
    EXPECT_TRUE(mem.records.empty());
}

TEST_F(TranslateControlTest, WriteTrlRecordsThePromptWithItsColonAndKeepsTheText) {
    const ControlTexts shown = translateControl(table.get(), 10, {"Datum", "tip", "msg"}, true);
    EXPECT_EQ(shown.text, "Datum");
    const auto* r = mem.find("P.10_DATUM");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->TRLTXT, "Datum:");
    EXPECT_EQ(r->ORGTXT, "Datum:");
    EXPECT_EQ(r->TRLTIP, ""); // prompts record only their text
}

TEST_F(TranslateControlTest, WriteTrlRecordsTipAndMessageOfOtherControls) {
    translateControl(table.get(), 9, {"Speichern", "Sichert die Adresse", "Speichert"}, true);
    const auto* r = mem.find("P.09_SPEICHERN");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->TRLTXT, "Speichern");
    EXPECT_EQ(r->TRLTIP, "Sichert die Adresse");
    EXPECT_EQ(r->TRLMSG, "Speichert");
}

TEST_F(TranslateControlTest, FoundRecordGivesTextTipAndMessage) {
    mem.put("P.09_SPEICHERN", "Save", "Saves the address ", "Saving");
    const ControlTexts shown = translateControl(table.get(), 9, {"Speichern", "alt", "alt"}, false);
    EXPECT_EQ(shown.text, "Save");
    EXPECT_EQ(shown.tip, "Saves the address");
    EXPECT_EQ(shown.msg, "Saving");
}

TEST_F(TranslateControlTest, EmptyTranslationKeepsTheTextButTakesTipAndMessage) {
    mem.put("P.09_SPEICHERN", "", "", "Nur Nachricht");
    const ControlTexts shown = translateControl(table.get(), 9, {"Speichern", "alter Tipp", "alt"}, false);
    EXPECT_EQ(shown.text, "Speichern");
    EXPECT_EQ(shown.tip, "");
    EXPECT_EQ(shown.msg, "Nur Nachricht");
}

TEST_F(TranslateControlTest, ControlWithoutRecordKeepsItsOwnTipAndMessage) {
    const ControlTexts shown = translateControl(table.get(), 9, {"Speichern", "eigen", "eigene"}, false);
    EXPECT_EQ(shown.tip, "eigen");
    EXPECT_EQ(shown.msg, "eigene");
}

TEST_F(TranslateControlTest, TabsAndWindowsTakeNoTipFromTheRecord) {
    mem.put("P.38_ALLGEMEIN", "General", "tab tip", "tab msg");
    const ControlTexts shown = translateControl(table.get(), 38, {"Allgemein", "own"}, false);
    EXPECT_EQ(shown.text, "General");
    EXPECT_EQ(shown.tip, "own");
}

TEST_F(TranslateControlTest, SkipsUntranslatedTypesSeparatorsAndFeatureLabels) {
    for (const auto& key : {"P.02_*", "P.12_QXM_1", "P.10_QXM_2", "P.08_NAME", "P.01_X"})
        mem.put(key, "wrong");
    EXPECT_EQ(translateControl(table.get(), 2, {"*"}, true).text, "*");
    EXPECT_EQ(translateControl(table.get(), 12, {"QXM_1"}, true).text, "QXM_1");
    EXPECT_EQ(translateControl(table.get(), 10, {"QXM_2"}, false).text, "QXM_2"); // no colon either
    EXPECT_EQ(translateControl(table.get(), 8, {"Name"}, true).text, "Name");
    EXPECT_EQ(translateControl(table.get(), 1, {"X"}, true).text, "X");
    EXPECT_EQ(translateControl(table.get(), 20, {"&."}, true).text, "&.");
    EXPECT_EQ(translateControl(table.get(), 20, {""}, true).text, "");
    EXPECT_EQ(mem.records.size(), 5u); // nothing added
}

TEST_F(TranslateControlTest, SameTypeAndTextShareOneTranslation) {
    mem.put("P.09_ABBRECHEN", "Cancel");
    EXPECT_EQ(translateControl(table.get(), 9, {"Abbrechen"}, false).text, "Cancel");
    EXPECT_EQ(translateControl(table.get(), 9, {"Abbrechen "}, false).text, "Cancel");
    EXPECT_EQ(translateControl(table.get(), 12, {"Abbrechen"}, false).text, "Abbrechen");
}

TEST_F(TranslateControlTest, NoTableLeavesDesignTextsWithColons) {
    EXPECT_EQ(translateControl(nullptr, 10, {"Ort"}, true).text, "Ort");
    EXPECT_EQ(translateControl(nullptr, 10, {"Ort"}, false).text, "Ort:");
}

TEST_F(TranslateControlTest, Headings) {
    mem.put("L.DATUHR", "Date/Time ");
    EXPECT_EQ(i18n::translateHeading(table.get(), "DatUhr", false), "Date/Time");
    mem.put("L. ..", "never");
    EXPECT_EQ(i18n::translateHeading(table.get(), " ..", true), " ..");
    EXPECT_EQ(i18n::translateHeading(table.get(), "Name 1", true), "Name 1");
    ASSERT_NE(mem.find("L.NAME 1"), nullptr);
    EXPECT_EQ(mem.find("L.NAME 1")->TRLTXT, "Name 1");
    EXPECT_EQ(mem.find("L.NAME 1")->ORGTXT, "Name 1");
    mem.put("L.ORT", "");
    EXPECT_EQ(i18n::translateHeading(table.get(), "Ort", false),
              "Ort"); // an empty text never blanks a heading
}

TEST(TranslateHeadings, UsesTheWriteTrlSwitch) {
    test::MemoryTranslations mem;
    resetAppState();
    std::vector<std::string> headings{"Name", "", " .."};
    i18n::translateHeadings(headings);
    EXPECT_TRUE(mem.records.empty());
    appState().WRITETRL = 1;
    i18n::translateHeadings(headings);
    EXPECT_EQ(mem.records.size(), 1u);
    EXPECT_EQ(headings, (std::vector<std::string>{"Name", "", " .."}));
    resetAppState();
}

} // namespace
} // namespace velkora
