#pragma once
// Sends a message through the mail server of the work file (SmtpSettings.h)
// with libcurl: the text as UTF-8, the attachment as a MIME part, the
// server's certificate checked. Unlike the mail client the result is known:
// code 0 when the server took the message, else libcurl's code and a text
// that says what the server answered.

#include "mail/MailMessage.h"
#include "mail/SmtpSettings.h"

#include <functional>
#include <optional>
#include <string>

namespace velkora::mail {

struct SmtpResult {
    int code = 0;
    std::string error;
    bool loginRefused = false; // the password is wrong: ask again next time
    bool sent() const { return code == 0; }
};

// Safe on a thread of its own: it touches nothing but its arguments.
SmtpResult sendBySmtp(const SmtpSettings& settings, const std::string& password, const MailMessage& message);

// The server password of this program run: asked the first time it is
// needed and kept in memory only; nullopt when the user gave none. A server
// without a user needs none.
using PasswordQuestion = std::function<std::optional<std::string>(const SmtpSettings&)>;
std::optional<std::string> sessionPassword(const SmtpSettings& settings, const PasswordQuestion& ask);
// A refused login asks again the next time.
void forgetSessionPassword();

// Asks for the password when needed and sends; a refused login forgets it.
// nullopt when the user gave no password (nothing was sent).
std::optional<SmtpResult> sendBySmtp(const SmtpSettings& settings, const MailMessage& message,
                                     const PasswordQuestion& ask);

} // namespace velkora::mail
