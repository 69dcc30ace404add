// Both reports written to PDF and read back with pdftotext: the texts a
// reader finds on paper and the order they come in.

#include "PdfText.h"
#include "ReportsFixture.h"
#include "reports/ActivityListReport.h"
#include "reports/AddressListReport.h"
#include "reports/pages/PdfFile.h"
#include "shared/Clock.h"

#include <gtest/gtest.h>

using namespace velkora;
using namespace velkora::reports;
using namespace velkora::reports::test;

namespace {

class ReportPdfTest : public ::testing::Test, public ReportsData {
protected:
    std::string printed(ReportGenerator& generator) {
        EXPECT_TRUE(generator.generateAll());
        const std::string pdf = dir.file("report.pdf");
        EXPECT_EQ(writePdf(generator.report(), pdf), "");
        return pdfText(pdf);
    }
    std::string activityList(ActivitySelection selection) {
        ActivityListReport report(std::move(selection), activities::readKinds(appState().WORKINI),
                                  activities::readPriorities(appState().WORKINI));
        return printed(report);
    }
    FixedClock clock{{{2026, 12, 6}, {9, 0, 0, 0}}};
};

TEST_F(ReportPdfTest, AddressListPrintsEachRowWithItsContactsAndARowWithoutContactsAlone) {
    auto zeta = mailingRow("12", "Zeta AG", "Bonn");
    zeta.ADRART = "Kunde";
    zeta.BRANCHE = "EDV";
    const std::string list = writeMailing(
        "KUNDEN", {zeta, mailingRow("3", "Alpha OHG", "Köln"), mailingRow("5", "Omega KG", "Ulm")});
    addContacts({{12, 1, 4, "Berg", "Anna", "0228 1"},
                 {12, 2, 1, "Adler", "Bernd", "0228 2"},
                 {5, 1, 1, "Ohm", "Olga", "0731 9"}});
    AddressListReport report(list, "Kundenliste Dezember", true);
    const std::string text = printed(report);
    EXPECT_EQ(firstOutOfOrder(text, {"Kundenliste Dezember", "06.12.2026", "Zeta AG", "Nr. 12",
                                     "D 10115 Bonn Weg 1", "Kunde", "EDV", "Adler Bernd", "Tel. 0228 2",
                                     "Berg Anna", "Tel. 0228 1", "Alpha OHG", "Nr. 3", "D 10115 Köln Weg 1",
                                     "Omega KG", "Ohm Olga", "Tel. 0731 9", "Seite 1 von 1"}),
              "")
        << text;
    // Alpha has no contact: nothing stands between its address and Omega's.
    const std::string between =
        text.substr(text.find("Alpha OHG"), text.find("Omega KG") - text.find("Alpha OHG"));
    EXPECT_EQ(between.find("Tel."), std::string::npos) << between;
}

TEST_F(ReportPdfTest, LongValuesWrapWithinTheirColumnAndManyRowsGetNumberedPages) {
    auto wide = mailingRow("1", "", "Hintertupfingen an der Oberen Donau");
    wide.NAME1 = "Vereinigte Landmaschinen und Ersatzteile Handelsgesellschaft";
    wide.NAME2 = "Niederlassung Süd-West, Großkunden und Sonderanfertigung";
    wide.STRASSE = "Am Langen Feldweg hinter dem Bahnhof 117";
    std::vector<documents::MailingRecord> rows{wide};
    for (int n = 2; n <= 120; ++n)
        rows.push_back(mailingRow(std::to_string(n), "Firma " + std::to_string(n), "Ort"));
    AddressListReport report(writeMailing("VIELE", rows), "Viele", false);
    const std::string text = printed(report);
    // Every word of the long lines is there, in order: wrapped, not cut off.
    EXPECT_EQ(
        firstOutOfOrder(text, {"Vereinigte", "Landmaschinen", "Handelsgesellschaft", "Niederlassung",
                               "Sonderanfertigung", "Hintertupfingen", "Donau", "Feldweg", "117", "Nr. 1"}),
        "")
        << text.substr(0, 2000);
    EXPECT_EQ(firstOutOfOrder(text, {"Seite 1 von", "Viele", "Seite 2 von"}), "");
    EXPECT_GE(occurrences(text, "Viele"), 3u); // the title heads every page
    EXPECT_EQ(firstOutOfOrder(text, {"Firma 119", "Firma 120"}), "");
}

class ActivityPdfTest : public ReportPdfTest {
protected:
    ActivityPdfTest() { addMeierAndSchulz(); }
};

TEST_F(ActivityPdfTest, OneAddressPrintsOnlyItsActivitiesUnderOneAddressBand) {
    ActivitySelection s;
    s.adrnr = 1;
    s.title = "Aktivitäten Meier";
    const std::string text = activityList(s);
    EXPECT_EQ(firstOutOfOrder(text, {"Aktivitäten Meier", "Meier", "D 10115 Berlin, Weg 1", "09.03.2026",
                                     "09:15", "Besuch vor Ort", "Anruf", "Niedrig", "01.03.2026",
                                     "Angebot Heizung", "Brief", "Hoch"}),
              "")
        << text;
    EXPECT_EQ(occurrences(text, "Berlin"), 1u);
    EXPECT_EQ(text.find("Schulz"), std::string::npos) << text;
}

TEST_F(ActivityPdfTest, AFirstDateAloneListsEverythingFromThatDayOn) {
    ActivitySelection s;
    s.dateFrom = dayNumber({2026, 3, 5});
    s.title = "Ab 5. März";
    const std::string text = activityList(s);
    EXPECT_EQ(firstOutOfOrder(text, {"Meier", "Besuch vor Ort", "Schulz", "Rückruf Schulz"}), "") << text;
    EXPECT_EQ(text.find("Angebot Heizung"), std::string::npos);
    EXPECT_EQ(text.find("Notiz Schulz"), std::string::npos);
}

TEST_F(ActivityPdfTest, AMemoLongerThan254CharactersIsPrintedOnSeveralLines) {
    std::string memo;
    for (int n = 1; memo.size() < 600; ++n)
        memo += "Punkt" + std::to_string(n) + " besprochen. ";
    auto& akt = data::files().QXADRAKT;
    data::OpenRecordFile(akt);
    akt.rec.AKTID = 3;
    ASSERT_EQ(akt.get(*data::Activity::table().key("QXADRAK6")), 0);
    akt.rec.MEMO = memo;
    ASSERT_EQ(akt.put(), 0);
    data::CloseRecordFile(akt);
    ActivitySelection s;
    s.aktid = 3;
    s.memo = true;
    s.title = "Mit Memo";
    const std::string text = activityList(s);
    EXPECT_EQ(
        firstOutOfOrder(text, {"Besuch vor Ort", "Punkt1 besprochen.", "Punkt20 besprochen.", "Punkt30"}), "")
        << text;
    const std::size_t firstLine = text.find("Punkt1 ");
    const std::size_t lastWord = text.find("Punkt30 ");
    EXPECT_GE(occurrences(text.substr(firstLine, lastWord - firstLine), "\n"), 2u) << text;
}

} // namespace
