// select: the mail-merge selection without the window. The options build the
// same conditions as the selection window (or give them as text) and the
// selection run writes the mailing list MailPath/LIST.

#include "cli/ArgumentValues.h"
#include "cli/Commands.h"
#include "documents/MailingFile.h"
#include "documents/MailingListCreate.h"
#include "documents/MailingSelection.h"
#include "documents/SelectionRun.h"
#include "shared/Prompter.h"

namespace velkora::cli {
namespace {

using documents::MailingSelection;

constexpr std::string_view kStatus = "--status";
constexpr std::string_view kFeatures = "--features";
constexpr std::string_view kAnd = "--and";
constexpr std::string_view kPostal = "--postal";
constexpr std::string_view kCountry = "--country";
constexpr std::string_view kIndustry = "--industry";
constexpr std::string_view kContacts = "--contacts";
constexpr std::string_view kEmail = "--email";
constexpr std::string_view kFax = "--fax";
constexpr std::string_view kKind = "--kind";
constexpr std::string_view kPosition = "--position";
constexpr std::string_view kReplace = "--replace";
constexpr std::string_view kAppend = "--append";
constexpr std::string_view kCondition = "--condition";
constexpr std::string_view kContactCondition = "--contact-condition";

// "FROM-TO" into its two halves.
bool splitRange(const std::string& text, std::string& from, std::string& to) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos)
        return false;
    from = trim(text.substr(0, dash));
    to = trim(text.substr(dash + 1));
    return true;
}

std::optional<UsageProblem> missingCompanion(const ParsedArguments& args, std::string_view option, std::string_view needed) {
    if (args.has(option) && !args.has(needed))
        return UsageProblem{Msg::SelectNeedsOption, std::string(option) + " " + std::string(needed)};
    return std::nullopt;
}

std::optional<UsageProblem> readSelection(const ParsedArguments& args, MailingSelection& s) {
    if (args.has(kReplace) && args.has(kAppend))
        return UsageProblem{Msg::SelectExclusive, std::string(kReplace) + " " + std::string(kAppend)};
    for (const auto& [option, needed] : {std::pair{kAnd, kFeatures},
                                         {kEmail, kContacts},
                                         {kFax, kContacts},
                                         {kKind, kContacts},
                                         {kPosition, kContacts},
                                         {kContactCondition, kCondition}})
        if (auto problem = missingCompanion(args, option, needed))
            return problem;
    if (args.has(kCondition)) {
        for (std::string_view built : {kStatus, kFeatures, kPostal, kCountry, kIndustry, kContacts})
            if (args.has(built))
                return UsageProblem{Msg::SelectExclusive, std::string(kCondition) + " " + std::string(built)};
        return std::nullopt;
    }
    if (args.has(kStatus)) {
        std::string from, to;
        if (!splitRange(args.value(kStatus), from, to) || !parseWhole(from, s.statusFrom) ||
            !parseWhole(to, s.statusTo))
            return UsageProblem{Msg::SelectNotARange, args.value(kStatus)};
    }
    if (args.has(kFeatures)) {
        s.features = true;
        s.featuresAnd = args.has(kAnd);
        for (const std::string& item : splitAtCommas(args.value(kFeatures))) {
            int k = 0;
            if (!parseWhole(item, k) || k < 1 || k > static_cast<int>(s.feature.size()))
                return UsageProblem{Msg::SelectNotAFeature, item};
            s.feature[static_cast<std::size_t>(k - 1)] = true;
        }
    }
    if (args.has(kPostal) && !splitRange(args.value(kPostal), s.postalFrom, s.postalTo))
        return UsageProblem{Msg::SelectNotARange, args.value(kPostal)};
    s.country = args.value(kCountry);
    s.industry = args.value(kIndustry);
    s.contacts = args.has(kContacts);
    s.onlyEmail = args.has(kEmail);
    s.onlyFax = args.has(kFax);
    s.department = args.value(kPosition);
    if (args.has(kKind) && !parseWhole(args.value(kKind), s.contactType))
        return UsageProblem{Msg::NotANumber, args.value(kKind)};
    return std::nullopt;
}

std::optional<UsageProblem> checkSelection(const ParsedArguments& args) {
    MailingSelection ignored;
    return readSelection(args, ignored);
}

int select(const Invocation& call) {
    const ParsedArguments& args = call.arguments;
    MailingSelection s;
    readSelection(args, s);
    const std::string a = args.has(kCondition) ? args.value(kCondition) : documents::addressCondition(s);
    const std::string c = args.has(kCondition) ? args.value(kContactCondition) : documents::contactCondition(s);
    const auto existing = args.has(kReplace)  ? documents::ExistingList::Replace
                          : args.has(kAppend) ? documents::ExistingList::Append
                                              : documents::ExistingList::Ask;
    if (documents::openMailingList(args.positional.at(0), existing) != documents::ListOpening::Ready)
        return kFailed;
    documents::SelectionRun run(a, c, {});
    const bool ok = run.runToEnd();
    documents::mailingFile().close();
    call.out << call.tr(Msg::SelectRowsWritten, {std::to_string(run.rowsWritten())}) << '\n';
    return ok ? kSuccess : kFailed;
}

} // namespace

CommandSpec selectCommand() {
    using Kind = OptionSpec::Kind;
    return {"select",
            Msg::SelectSummary,
            Msg::SelectHelp,
            {{kStatus, Kind::Value},
             {kFeatures, Kind::Value},
             {kAnd, Kind::Flag},
             {kPostal, Kind::Value},
             {kCountry, Kind::Value},
             {kIndustry, Kind::Value},
             {kContacts, Kind::Flag},
             {kEmail, Kind::Flag},
             {kFax, Kind::Flag},
             {kKind, Kind::Value},
             {kPosition, Kind::Value},
             {kReplace, Kind::Flag},
             {kAppend, Kind::Flag},
             {kCondition, Kind::Value},
             {kContactCondition, Kind::Value}},
            1,
            1,
            select,
            checkSelection};
}

} // namespace velkora::cli
