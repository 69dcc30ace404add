#include "activities/Reminders.h"

#include "activities/ActivityTexts.h"
#include "data/FileServices.h"
#include "data/View.h"
#include "shared/Dates.h"
#include "shared/Text.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace velkora::activities {
namespace {

constexpr int kDaysBefore = 2;
constexpr int kDaysAfter = 1;

// Rows are read a page at a time: each read is a statement of its own, and a
// record read alone costs a file lock and a check of the file, which made a
// refill with thousands of due to-dos take a noticeable moment.
constexpr std::size_t kPage = 256;

// The address lines of these numbers (ascending), read in the order of the
// address number: numbers close together come from one page.
std::map<std::int32_t, std::string> addressLines(const std::vector<std::int32_t>& numbers) {
    std::map<std::int32_t, std::string> lines;
    data::View addresses(data::files().QXADRESS);
    addresses.setOrder("ADR:QXADRES1");
    std::vector<data::ViewRow> page;
    std::size_t next = 0; // the page row to look at for the next number
    for (const std::int32_t number : numbers) {
        while (next < page.size() && page[next].record.as<data::Address>().ADRNR < number)
            ++next;
        if (next == page.size()) {
            page = addresses.from({data::Value(std::int64_t{number})}, kPage);
            next = 0;
        }
        if (next < page.size() && page[next].record.as<data::Address>().ADRNR == number)
            lines[number] = addressLine(page[next].record.as<data::Address>());
    }
    return lines;
}

void readTodos(std::int32_t today, const ValueList& kinds, std::vector<ReminderRow>& rows) {
    data::View todos(data::files().QXADRAKT);
    todos.setOrder("AKT:QXADRAK7");
    todos.setRange({data::Value(std::int64_t{1})}); // the reminder flag is set
    std::vector<data::Activity> due;
    for (auto page = todos.first(kPage); !page.empty(); page = todos.after(page.back(), kPage))
        for (const data::ViewRow& row : page)
            if (const auto& akt = row.record.as<data::Activity>(); todoDue(akt.EDATUM, akt.ETAGE, today))
                due.push_back(akt);
    std::vector<std::int32_t> numbers;
    for (const data::Activity& akt : due)
        numbers.push_back(akt.ADRNR);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    const auto lines = addressLines(numbers);
    const std::string noAddress = addressLine(data::Address{});
    for (const data::Activity& akt : due) {
        const auto line = lines.find(akt.ADRNR);
        rows.push_back({akt.EDATUM, priorityLamp(akt.AKTPRI), entryName(kinds, akt.AKTART), clip(akt.TITLE),
                        line != lines.end() ? line->second : noAddress, akt.AKTID});
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
