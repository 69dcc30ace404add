#include "mail/MailPrompts.h"

#include "i18n/Messages.h"

namespace velkora::mail {

CheckAnswer checkBeforeSending(const MailMessage& message, bool withClientDialog) {
    switch (checkMessage(message, withClientDialog)) {
    case MessageProblem::NoAddress:
        beep();
        i18n::ShowMessage("M.MAPI_NOADRESS", Icon::Information, "No eMail Adress");
        return CheckAnswer::FixRecipient;
    case MessageProblem::HeaderBreak:
        beep();
        i18n::ShowMessage("M.MAPI_LINEBREAK", Icon::Exclamation, "Line break in a mail header");
        return CheckAnswer::FixSubject;
    case MessageProblem::None:
        break;
    }
    if (!withClientDialog && message.subject.empty()) {
        beep();
        if (i18n::ShowMessage("M.MAPI_NOSUBJECT", Icon::Exclamation, "No eMail Subject",
                              ButtonYes | ButtonCancel) != ButtonYes)
            return CheckAnswer::FixSubject;
    }
    return CheckAnswer::Send;
}

bool showSendFailure(int code, bool throughServer, const std::string& detail) {
    const std::string id = throughServer ? "M.SMTP_ERROR" : i18n::mapiErrorId(code);
    Prompt prompt = i18n::messagePrompt(id, Icon::Exclamation, throughServer ? "SMTP Error" : "MAPI Error",
                                        ButtonRetry | ButtonCancel);
    if (!detail.empty())
        prompt.text += "|" + detail;
    return prompter().ask(prompt) == ButtonRetry;
}

bool recordWhenSent(const MailContact& contact, const MailMessage& message, bool askWhetherSent,
                    unsigned sentDefault) {
    if (askWhetherSent && i18n::ShowMessage("M.MAPI_SENT?", Icon::Exclamation, "eMail sent?",
                                            ButtonYes | ButtonNo, sentDefault) != ButtonYes)
        return false;
    recordSentMail(contact, message);
    return true;
}

} // namespace velkora::mail
