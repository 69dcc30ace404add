// Which to-dos and birthdays the reminder list shows, read from real record files.

#include "activities/Reminders.h"

#include "DataFixture.h"
#include "shared/Dates.h"

namespace velkora::activities {
namespace {

std::int32_t day(int y, int m, int d) {
    return dayNumber({y, m, d});
}

TEST(ReminderRules, RemindDaysDelayAToDoUntilItsDueDateLiesThatFarBack) {
    const std::int32_t today = day(2026, 6, 10);
    EXPECT_TRUE(todoDue(today - 5, 3, today));
    EXPECT_TRUE(todoDue(today - 3, 3, today));
    EXPECT_FALSE(todoDue(today - 1, 3, today));
    EXPECT_TRUE(todoDue(today + 30, 0, today));
}

TEST(ReminderRules, TheBirthdayWindowRunsFromTwoDaysBackToTomorrowAcrossTheYear) {
    const std::int32_t newYear = day(2027, 1, 1);
    EXPECT_EQ(birthdayInWindow(12, 30, newYear), day(2026, 12, 30));
    EXPECT_EQ(birthdayInWindow(12, 31, newYear), day(2026, 12, 31));
    EXPECT_EQ(birthdayInWindow(1, 2, newYear), day(2027, 1, 2));
    EXPECT_FALSE(birthdayInWindow(12, 29, newYear));
    EXPECT_FALSE(birthdayInWindow(1, 3, newYear));
    // 29 February falls on 28 February in a common year, not in a leap year.
    EXPECT_EQ(birthdayInWindow(2, 29, day(2027, 3, 1)), day(2027, 2, 28));
    EXPECT_FALSE(birthdayInWindow(2, 29, day(2028, 3, 3)));
    EXPECT_EQ(birthdayInWindow(2, 29, day(2028, 3, 1)), day(2028, 2, 29));
}

class RemindersTest : public test::DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        for (data::RecordFile* f : files)
            ASSERT_TRUE(data::OpenRecordFile(*f));
        auto& adr = data::files().QXADRESS;
        adr.clear();
        adr.rec.ADRNR = 7;
        adr.rec.NAME1 = "Meier";
        adr.rec.LD = "D";
        adr.rec.PLZ = "10115";
        adr.rec.ORT = "Berlin";
        adr.rec.STRASSE = "Weg 1";
        ASSERT_EQ(adr.add(), data::NoError);
    }
    void TearDown() override {
        for (data::RecordFile* f : files)
            data::CloseRecordFile(*f);
        DataFixture::TearDown();
    }
    void todo(std::int32_t id, int priority, std::int32_t due, int days, int onList = 1,
              std::int32_t adrnr = 7) {
        auto& akt = data::files().QXADRAKT;
        akt.clear();
        akt.rec.AKTID = id;
        akt.rec.ADRNR = adrnr;
        akt.rec.AKTART = 2;
        akt.rec.AKTPRI = static_cast<std::uint8_t>(priority);
        akt.rec.EDATUM = due;
        akt.rec.ETAGE = static_cast<std::uint8_t>(days);
        akt.rec.ERLIST = static_cast<std::uint8_t>(onList);
        akt.rec.TITLE = "To-do " + std::to_string(id);
        ASSERT_EQ(akt.add(), data::NoError);
    }
    void birthday(std::int32_t tkpnr, int month, int dayOfMonth) {
        auto& tkp = data::files().QXADRTKP;
        tkp.clear();
        tkp.rec.ADRNR = 7;
        tkp.rec.TKPNR = tkpnr;
        tkp.rec.NAME1 = "Kontakt" + std::to_string(tkpnr);
        tkp.rec.BMM = static_cast<std::uint8_t>(month);
        tkp.rec.BDD = static_cast<std::uint8_t>(dayOfMonth);
        ASSERT_EQ(tkp.add(), data::NoError);
    }
    std::vector<std::string> titles(const std::vector<ReminderRow>& rows) {
        std::vector<std::string> out;
        for (const auto& r : rows)
            out.push_back(r.title + "@" + std::to_string(r.date - day(2026, 12, 31)) + "/" +
                          std::to_string(r.lamp));
        return out;
    }
    data::RecordFile* files[3] = {&data::files().QXADRAKT, &data::files().QXADRESS, &data::files().QXADRTKP};
    const ValueList kinds{{1, "Brief"}, {2, "Anruf"}};
};

TEST_F(RemindersTest, ListsDueToDosAndBirthdaysAroundNewYearSortedByLampThenDate) {
    const std::int32_t today = day(2027, 1, 1);
    todo(1, 2, today - 5, 3);  // due five days ago, remind after three: listed
    todo(2, 1, today - 1, 3);  // due yesterday, remind after three: not yet
    todo(3, 3, today + 40, 0); // no remind days: always
    todo(4, 1, today - 9, 0, 0);
    birthday(1, 12, 29);
    birthday(2, 12, 30);
    birthday(3, 1, 1);
    birthday(4, 1, 2);
    birthday(5, 12, 31);
    birthday(6, 1, 3);
    birthday(7, 0, 0);
    const auto rows = readReminders(today, kinds, "Geburtstag");
    EXPECT_EQ(titles(rows),
              (std::vector<std::string>{"Geburtstag@1/1", "To-do 1@-4/2", "To-do 3@41/3", "Geburtstag@-1/4",
                                        "Geburtstag@0/4", "Geburtstag@2/4"}));
    EXPECT_EQ(rows[1].kind, "Anruf");
    EXPECT_EQ(rows[1].address, "Meier , D 10115 Berlin, Weg 1");
    EXPECT_EQ(rows[1].aktid, 1);
    EXPECT_EQ(rows[0].aktid, 0);
    EXPECT_EQ(rows[0].address, "Kontakt3 ,   ");
}

TEST_F(RemindersTest, OnNewYearsEveTheWindowReachesIntoJanuary) {
    birthday(1, 12, 28);
    birthday(2, 12, 29);
    birthday(3, 1, 1);
    birthday(4, 1, 2);
    const auto rows = readReminders(day(2026, 12, 31), kinds, "B");
    EXPECT_EQ(titles(rows), (std::vector<std::string>{"B@-2/4", "B@1/4"}));
}

// More to-dos and addresses than one read takes: every row finds its own
// address, a to-do whose address is gone shows none.
TEST_F(RemindersTest, ManyDueToDosEachShowTheirAddress) {
    const std::int32_t today = day(2027, 1, 1);
    auto& adr = data::files().QXADRESS;
    for (std::int32_t n = 100; n < 1300; n += 2) { // only the even numbers exist
        adr.clear();
        adr.rec.ADRNR = n;
        adr.rec.NAME1 = "Firma " + std::to_string(n);
        ASSERT_EQ(adr.add(), data::NoError);
    }
    for (std::int32_t id = 1; id <= 1000; ++id)
        todo(id, 2, today - 1, 0, 1, 100 + id);
    const auto rows = readReminders(today, kinds, "B");
    ASSERT_EQ(rows.size(), std::size_t{1000});
    for (const ReminderRow& row : rows) {
        const std::int32_t adrnr = 100 + row.aktid;
        if (adrnr % 2 == 0 && adrnr < 1300)
            EXPECT_EQ(row.address.substr(0, row.address.find(' ', 6)), "Firma " + std::to_string(adrnr));
        else
            EXPECT_EQ(row.address.find("Firma"), std::string::npos) << row.aktid;
    }
}

TEST_F(RemindersTest, NothingDueGivesNoRows) {
    todo(1, 1, day(2027, 1, 1), 3);
    EXPECT_TRUE(readReminders(day(2027, 1, 1), kinds, "B").empty());
}

} // namespace
} // namespace velkora::activities
