#pragma once
// Which to-dos and birthdays the reminder list shows, and in what order.
//
// A to-do with the reminder flag is listed once its due date lies at least
// its remind days in the past (remind days 0: always). A contact's birthday
// is listed when it falls within the four days from two days before today
// to tomorrow, across the end of the year; a birthday on 29 February falls
// on 28 February in common years.

#include "activities/ActivityLists.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velkora::activities {

struct ReminderRow {
    std::int32_t date = 0; // due date or birthday
    int lamp = 4;          // 1 red ... 4 switched off
    std::string kind;
    std::string title;
    std::string address;
    std::int32_t aktid = 0; // 0 for a birthday
};

bool todoDue(std::int32_t dueDate, int remindDays, std::int32_t today);
// The day within the window around `today` on which a birthday of
// `month`/`day` falls; nullopt when it falls outside.
std::optional<std::int32_t> birthdayInWindow(int month, int day, std::int32_t today);
// Red to-dos and today's birthdays first, earliest date first within a lamp.
void sortReminders(std::vector<ReminderRow>& rows);

// Reads the rows from QXADRAKT, QXADRESS and QXADRTKP, which the caller has
// opened, and sorts them. `birthdayLabel` is the title of a birthday row.
std::vector<ReminderRow> readReminders(std::int32_t today, const ValueList& kinds,
                                       const std::string& birthdayLabel);

} // namespace velkora::activities
