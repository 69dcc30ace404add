#pragma once
// The texts the activity windows show for a record: the address and contact
// lines, the remark on one line, date and time, and the priority lamp.

#include "activities/ActivityLists.h"
#include "data/Tables.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velkora::activities {

// "NAME1 NAME2, LD PLZ ORT" (each part clipped), cut to 100 characters:
// the list's title.
std::string addressHeading(const data::Address& address);
// The heading followed by ", " and the street, cut to 120 characters.
std::string addressLine(const data::Address& address);
// "NAME1 NAME2[, kind] ABTPOS", cut to 80 characters; the kind only when set.
std::string contactLine(const data::ContactPerson& contact, const std::vector<std::string>& contactKinds);
// A remark with each line break as a blank, cut to 200 characters.
std::string remarkOnOneLine(const std::string& remark);
// Date in the short format and the time as hh:mm, each blank when 0.
std::string dateAndTime(std::int32_t date, std::int32_t time);

// The lamps: 1 red, 2 orange, 3 yellow, 4 switched off.
enum Lamp { RedLamp = 1, OrangeLamp = 2, YellowLamp = 3, LampOff = 4 };
// Priorities 1 to 3 light their lamp; anything else (254: no to-do) does not.
Lamp priorityLamp(int priority);

// The values a locator text positions the activity list at, for the
// locator field of its sort column: a date, a kind by its first letters,
// a title or a remark (other fields: the text itself); nullopt for a date
// text that is no date.
std::optional<std::vector<std::string>>
activityLocatorValues(const std::string& field, const std::string& text, const ValueList& kinds);

} // namespace velkora::activities
