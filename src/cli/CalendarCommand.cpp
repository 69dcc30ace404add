// calendar: a month as the calendar window shows it, with ISO week numbers.

#include "activities/CalendarMonth.h"
#include "cli/Commands.h"
#include "i18n/ControlTexts.h"
#include "shared/Clock.h"
#include "shared/Dates.h"

#include <charconv>
#include <iomanip>
#include <sstream>

namespace velkora::cli {
namespace {

std::optional<int> numberIn(const std::string& text, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<UsageProblem> validateCalendar(const ParsedArguments& args) {
    const auto& given = args.positional;
    if (given.size() == 1)
        return UsageProblem{Msg::MissingArgument, {}};
    if (given.size() == 2) {
        if (!numberIn(given[0], kFirstYear, kLastYear))
            return UsageProblem{Msg::CalendarNotAYear, given[0]};
        if (!numberIn(given[1], 1, 12))
            return UsageProblem{Msg::CalendarNotAMonth, given[1]};
    }
    return std::nullopt;
}

// One line of right-aligned columns, without trailing blanks.
void writeColumns(std::ostream& out, const std::vector<std::string>& columns) {
    std::ostringstream line;
    for (const std::string& column : columns)
        line << std::setw(3) << column;
    std::string text = line.str();
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << '\n';
}

std::string shownNumber(int number) {
    return number != 0 ? std::to_string(number) : std::string();
}

int calendar(const Invocation& call) {
    const auto& given = call.arguments.positional;
    const CivilDate now = *civilDate(today());
    const int year = given.empty() ? now.year : *numberIn(given[0], kFirstYear, kLastYear);
    const int month = given.empty() ? now.month : *numberIn(given[1], 1, 12);
    const auto text = [](const activities::CalendarLabel& label) {
        return i18n::translated(i18n::StringControl, label.text);
    };
    call.out << text(activities::kMonthLabels[month - 1]) << ' ' << year << '\n';
    std::vector<std::string> headings{call.tr(Msg::CalendarWeek)};
    for (const auto& label : activities::kWeekdayLabels)
        headings.push_back(text(label));
    writeColumns(call.out, headings);
    const activities::MonthGrid grid = activities::monthGrid(year, month);
    for (int row = 0; row < activities::kCalendarRows; ++row) {
        std::vector<std::string> columns{shownNumber(grid.weeks[row])};
        for (int column = 0; column < activities::kDaysPerWeek; ++column) {
            const int cell = row * activities::kDaysPerWeek + column;
            if (cell < activities::kCalendarCells)
                columns.push_back(shownNumber(grid.days[cell]));
        }
        if (grid.weeks[row] != 0)
            writeColumns(call.out, columns);
    }
    return kSuccess;
}

} // namespace

CommandSpec calendarCommand() {
    return {"calendar", Msg::CalendarSummary, Msg::CalendarHelp, {}, 0, 2, calendar, validateCalendar};
}

} // namespace velkora::cli
