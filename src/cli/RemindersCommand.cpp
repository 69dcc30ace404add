// reminders: the rows of the reminder list on a day, as the window shows them.

#include "activities/Reminders.h"
#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "data/FileServices.h"
#include "i18n/Translation.h"
#include "shared/AppState.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"

namespace velkora::cli {
namespace {

constexpr std::string_view kDate = "--date";

std::optional<UsageProblem> validateReminders(const ParsedArguments& args) {
    if (args.has(kDate) && !dateArgument(args.value(kDate)))
        return UsageProblem{Msg::NotADate, args.value(kDate)};
    return std::nullopt;
}

int reminders(const Invocation& call) {
    const std::int32_t day = call.arguments.has(kDate) ? *dateArgument(call.arguments.value(kDate)) : today();
    data::RecordFile* files[] = {&data::files().QXADRAKT, &data::files().QXADRESS, &data::files().QXADRTKP};
    std::size_t opened = 0;
    while (opened < std::size(files) && data::OpenRecordFile(*files[opened]))
        ++opened;
    const bool allOpen = opened == std::size(files);
    if (allOpen) {
        const auto rows = activities::readReminders(day, activities::readKinds(appState().WORKINI),
                                                    i18n::TranslateText("P.10_BDate"));
        for (const auto& row : rows)
            writeTabRow(call.out, {formatDate("@d17B", row.date), std::to_string(row.lamp), row.kind,
                                   row.title, row.address});
    }
    while (opened > 0)
        data::CloseRecordFile(*files[--opened]);
    return allOpen ? kSuccess : kFailed;
}

} // namespace

CommandSpec remindersCommand() {
    return {"reminders", Msg::RemindersSummary, Msg::RemindersHelp, {{kDate, OptionSpec::Kind::Value}}, 0, 0,
            reminders,   validateReminders};
}

} // namespace velkora::cli
