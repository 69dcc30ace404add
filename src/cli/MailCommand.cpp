// mail: an e-mail to a contact person, through the mail client or the mail
// server of the work file, recorded as the e-mail window records it.

#include "cli/Commands.h"
#include "data/FileServices.h"
#include "mail/MailClient.h"
#include "mail/MailPrompts.h"
#include "mail/MailTextFile.h"
#include "mail/SmtpSender.h"
#include "shared/AppState.h"
#include "shared/Text.h"

#include <charconv>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace velkora::cli {
namespace {

constexpr std::string_view kSubject = "--subject";
constexpr std::string_view kTextFile = "--text-file";
constexpr std::string_view kAttach = "--attach";
constexpr std::string_view kSmtp = "--smtp";
constexpr std::string_view kNoActivity = "--no-activity";

std::optional<std::int32_t> numberOf(const std::string& text) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number <= 0)
        return std::nullopt;
    return number;
}

std::optional<UsageProblem> validateMail(const ParsedArguments& args) {
    for (const std::string& number : args.positional)
        if (!numberOf(number))
            return UsageProblem{Msg::MailNotANumber, number};
    return std::nullopt;
}

// One line of standard input, not shown while typed at a terminal.
std::optional<std::string> readPassword(const Invocation& call, const mail::SmtpSettings& settings) {
    const bool terminal = ::isatty(STDIN_FILENO) != 0;
    termios saved{};
    if (terminal) {
        call.err << call.tr(Msg::MailPassword, {settings.user, settings.host}) << std::flush;
        ::tcgetattr(STDIN_FILENO, &saved);
        termios silent = saved;
        silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &silent);
    }
    std::string password;
    const bool read = static_cast<bool>(std::getline(std::cin, password));
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        call.err << '\n';
    }
    return read ? std::optional<std::string>(password) : std::nullopt;
}

// The contact person's address and letter salutation; nullopt when there is none.
std::optional<data::ContactPerson> readContact(const mail::MailContact& contact) {
    auto& tkp = data::files().QXADRTKP;
    tkp.clear();
    tkp.rec.ADRNR = contact.adrnr;
    tkp.rec.TKPNR = contact.tkpnr;
    if (tkp.get(*data::ContactPerson::table().key("QXADRTK1")) != data::NoError)
        return std::nullopt;
    return tkp.rec;
}

int sendMail(const Invocation& call) {
    const ParsedArguments& args = call.arguments;
    const mail::MailContact contact{*numberOf(args.positional[0]), *numberOf(args.positional[1])};
    const std::optional<data::ContactPerson> person = readContact(contact);
    if (!person)
        return call.failed(call.tr(Msg::MailNoContact, {args.positional[1], args.positional[0]}));
    mail::MailMessage message{.to = person->EMAIL,
                              .toName = trim(clip(person->NAME1) + " " + clip(person->NAME2)),
                              .subject = args.value(kSubject),
                              .body = clip(person->BRANR)};
    if (args.has(kTextFile)) {
        const std::string file = call.callerPath(args.value(kTextFile));
        if (const files::FileError error = mail::loadTextFile(file, message.body))
            return call.failed(call.tr(Msg::MailTextFile, {std::to_string(error.code) + " " + error.text}));
    }
    if (args.has(kAttach))
        message.attachment = call.callerPath(args.value(kAttach));
    message = mail::clippedMessage(message);

    const bool throughServer = args.has(kSmtp);
    const std::optional<mail::SmtpSettings> server = mail::readSmtpSettings(appState().WORKINI);
    if (throughServer && !server)
        return call.failed(call.tr(Msg::MailNoServer));
    if (mail::checkBeforeSending(message, false) != mail::CheckAnswer::Send)
        return kFailed;

    int code = 0;
    std::string detail;
    if (throughServer) {
        const auto result = mail::sendBySmtp(*server, message, [&call](const mail::SmtpSettings& settings) {
            return readPassword(call, settings);
        });
        if (!result)
            return kFailed;
        code = result->code;
        detail = result->error;
    } else {
        code = mail::sendThroughMailClient(message);
    }
    if (code != 0) {
        mail::showSendFailure(code, throughServer, detail);
        return kFailed;
    }
    call.out << call.tr(Msg::MailSent) << '\n';
    // After the mail client only --yes says the mail went out.
    if (!args.has(kNoActivity))
        mail::recordWhenSent(contact, message, !throughServer, ButtonNo);
    return kSuccess;
}

int mail(const Invocation& call) {
    data::OpenedFiles files;
    if (!files.open({&data::files().QXADRESS, &data::files().QXADRTKP, &data::files().QXADRAKT}))
        return kFailed;
    return sendMail(call);
}

} // namespace

CommandSpec mailCommand() {
    using Kind = OptionSpec::Kind;
    return {"mail",
            Msg::MailSummary,
            Msg::MailHelp,
            {{kSubject, Kind::Value},
             {kTextFile, Kind::Value},
             {kAttach, Kind::Value},
             {kSmtp, Kind::Flag},
             {kNoActivity, Kind::Flag}},
            2,
            2,
            mail,
            validateMail};
}

} // namespace velkora::cli
