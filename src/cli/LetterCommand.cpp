// letter: a letter for one address, made as the document window's "Create"
// makes it, for offices that script their standard letters.

#include "cli/Commands.h"
#include "cli/DocumentArguments.h"
#include "data/FileServices.h"
#include "documents/DocumentNames.h"
#include "documents/Letter.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"

#include <charconv>

namespace velkora::cli {
namespace {

constexpr std::string_view kTemplate = "--template";
constexpr std::string_view kContact = "--contact";
constexpr std::string_view kTitle = "--title";
constexpr std::string_view kName = "--name";
constexpr std::string_view kPrint = "--print";
constexpr std::string_view kCopies = "--copies";
constexpr std::string_view kNoActivity = "--no-activity";
constexpr std::string_view kAutoCopies = "auto";
constexpr int kMostCopies = 99;

std::optional<std::int32_t> numberOf(const std::string& text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::optional<UsageProblem> validateLetter(const ParsedArguments& args) {
    if (!numberOf(args.positional.at(0)))
        return UsageProblem{Msg::NotANumber, args.positional.at(0)};
    if (args.value(kTemplate).empty())
        return UsageProblem{Msg::MergeMissingOption, std::string(kTemplate)};
    if (args.has(kContact) && !numberOf(args.value(kContact)))
        return UsageProblem{Msg::NotANumber, args.value(kContact)};
    if (args.has(kCopies)) {
        if (!args.has(kPrint))
            return UsageProblem{Msg::LetterCopiesWithoutPrint, std::string(kCopies)};
        const std::string copies = args.value(kCopies);
        const auto count = numberOf(copies);
        if (copies != kAutoCopies && (!count || *count < 1 || *count > kMostCopies))
            return UsageProblem{Msg::LetterNotCopies, copies};
    }
    return std::nullopt;
}

template <class Record> bool readRecord(data::File<Record>& file, std::string_view key) {
    data::OpenedFiles opened;
    return opened.open({&file}) && file.get(*Record::table().key(key)) == data::NoError;
}

int copiesFor(const ParsedArguments& args, const data::Address& address) {
    if (!args.has(kCopies))
        return 1;
    if (args.value(kCopies) == kAutoCopies)
        return std::max<int>(1, address.ANZDRUCK);
    return *numberOf(args.value(kCopies));
}

int letter(const Invocation& call) {
    const ParsedArguments& args = call.arguments;
    data::File<data::Address> adr;
    adr.rec.ADRNR = *numberOf(args.positional.at(0));
    if (!readRecord(adr, "QXADRES1"))
        return call.failed(call.tr(Msg::LetterAddressMissing, {args.positional.at(0)}));

    documents::LetterRequest request;
    request.adrnr = adr.rec.ADRNR;
    if (args.has(kContact)) {
        data::File<data::ContactPerson> tkp;
        tkp.rec.ADRNR = adr.rec.ADRNR;
        tkp.rec.TKPNR = *numberOf(args.value(kContact));
        if (!readRecord(tkp, "QXADRTK1"))
            return call.failed(
                call.tr(Msg::LetterContactMissing, {args.value(kContact), args.positional.at(0)}));
        request.tkpnr = tkp.rec.TKPNR;
    }
    request.templateFile = templateArgument(call);
    if (request.templateFile.empty())
        return call.failed(call.tr(Msg::LetterTemplateMissing, {args.value(kTemplate)}));
    request.title = args.has(kTitle) ? args.value(kTitle)
                                     : profile::read(appState().WORKINI, "DEFAULT", "LDocTitle", "Document");
    request.name = args.has(kName) ? args.value(kName)
                                   : documents::nextDocumentNumber(appState().DOCSPATH,
                                                                   documents::documentPrefix(adr.rec.ADRNR));
    request.print = args.has(kPrint);
    request.printer = args.value(kPrint);
    request.copies = copiesFor(args, adr.rec);
    request.saveActivity = !args.has(kNoActivity);

    const auto letter = documents::createLetter(request, adr.rec);
    if (!letter)
        return kFailed;
    call.out << letter->document << '\n';
    // The letter is there, but a script must learn that its history lacks it.
    return letter->recorded ? kSuccess : kFailed;
}

} // namespace

CommandSpec letterCommand() {
    using Kind = OptionSpec::Kind;
    return {"letter",
            Msg::LetterSummary,
            Msg::LetterHelp,
            {{kTemplate, Kind::Value},
             {kContact, Kind::Value},
             {kTitle, Kind::Value},
             {kName, Kind::Value},
             {kPrint, Kind::Value},
             {kCopies, Kind::Value},
             {kNoActivity, Kind::Flag}},
            1,
            1,
            letter,
            validateLetter};
}

} // namespace velkora::cli
