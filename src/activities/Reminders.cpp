#include "activities/Reminders.h"

#include "activities/ActivityTexts.h"
#include "data/FileServices.h"
#include "shared/Dates.h"
#include "shared/Text.h"

#include <algorithm>
#include <limits>

namespace velkora::activities {
namespace {

constexpr int kDaysBefore = 2;
constexpr int kDaysAfter = 1;

void readTodos(std::int32_t today, const ValueList& kinds, std::vector<ReminderRow>& rows) {
    auto& akt = data::files().QXADRAKT;
    auto& adr = data::files().QXADRESS;
    akt.clear();
    akt.rec.ERLIST = 1;
    akt.rec.EDATUM = std::numeric_limits<std::int32_t>::max(); // the due date descends
    akt.set(*data::Activity::table().key("QXADRAK7"), true);
    while (akt.next() == data::NoError && akt.rec.ERLIST == 1) {
        if (!todoDue(akt.rec.EDATUM, akt.rec.ETAGE, today))
            continue;
        adr.clear();
        adr.rec.ADRNR = akt.rec.ADRNR;
        if (adr.get(*data::Address::table().key("QXADRES1")) != data::NoError)
            adr.clear();
        rows.push_back({akt.rec.EDATUM, priorityLamp(akt.rec.AKTPRI), entryName(kinds, akt.rec.AKTART),
                        clip(akt.rec.TITLE), addressLine(adr.rec), akt.rec.AKTID});
    }
}

ReminderRow birthdayRow(const data::ContactPerson& c, std::int32_t day, std::int32_t today,
                        const std::string& label) {
    const std::string text =
        clip(c.NAME1) + " " + clip(c.NAME2) + ", " + clip(c.ABTPOS) + " " + clip(c.TEL) + " " + clip(c.EMAIL);
    return {day, day == today ? RedLamp : LampOff, {}, label, cutChars(text, 120), 0};
}

// Reads the birthday key from the window's first day on; the contacts of
// the window follow each other in it, wrapping from December to January.
void readBirthdays(std::int32_t today, const std::string& label, std::vector<ReminderRow>& rows) {
    auto& tkp = data::files().QXADRTKP;
    const auto& key = *data::ContactPerson::table().key("QXADRTK7");
    const auto first = civilDate(today - kDaysBefore);
    const auto last = civilDate(today + kDaysAfter);
    if (!first || !last)
        return;
    tkp.clear();
    tkp.rec.BMM = static_cast<std::uint8_t>(first->month);
    tkp.rec.BDD = static_cast<std::uint8_t>(first->day);
    tkp.set(key, true);
    bool wrapped = false;
    for (;;) {
        if (tkp.next() != data::NoError) {
            if (wrapped || first->year == last->year)
                return;
            wrapped = true; // on into January
            tkp.set(key);
            continue;
        }
        const auto day = birthdayInWindow(tkp.rec.BMM, tkp.rec.BDD, today);
        if (!day)
            return;
        rows.push_back(birthdayRow(tkp.rec, *day, today, label));
    }
}

} // namespace

bool todoDue(std::int32_t dueDate, int remindDays, std::int32_t today) {
    return remindDays == 0 || dueDate <= today - remindDays;
}

std::optional<std::int32_t> birthdayInWindow(int month, int day, std::int32_t today) {
    for (std::int32_t d = today - kDaysBefore; d <= today + kDaysAfter; ++d) {
        const auto date = civilDate(d);
        if (!date)
            continue;
        const bool leapDayInCommonYear = month == 2 && day == 29 && !isLeapYear(date->year);
        if (date->month == month && date->day == (leapDayInCommonYear ? 28 : day))
            return d;
    }
    return std::nullopt;
}

void sortReminders(std::vector<ReminderRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const ReminderRow& a, const ReminderRow& b) {
        return a.lamp != b.lamp ? a.lamp < b.lamp : a.date < b.date;
    });
}

std::vector<ReminderRow> readReminders(std::int32_t today, const ValueList& kinds,
                                       const std::string& birthdayLabel) {
    std::vector<ReminderRow> rows;
    readTodos(today, kinds, rows);
    readBirthdays(today, birthdayLabel, rows);
    sortReminders(rows);
    return rows;
}

} // namespace velkora::activities
