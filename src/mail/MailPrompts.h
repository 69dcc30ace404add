#pragma once
// What the user is told and asked around sending, the same in the window
// and on the command line: the checks before sending, the failure after it,
// and, for a message that went out, whether to record it.

#include "mail/MailMessage.h"
#include "mail/MailRecording.h"
#include "shared/Prompter.h"

#include <string>

namespace velkora::mail {

// Where the user goes on after the checks.
enum class CheckAnswer { Send, FixRecipient, FixSubject };

// Without the mail client's dialog: no address gives "M.MAPI_NOADRESS", an
// empty subject asks "M.MAPI_NOSUBJECT" (Yes sends without). With the
// dialog only what could never go out is refused: an address that is none,
// and a line break in a header ("M.MAPI_LINEBREAK").
CheckAnswer checkBeforeSending(const MailMessage& message, bool withClientDialog);

// The failure of a send: "M.MAPI_Error" with the mail client's code as two
// digits, or "M.SMTP_ERROR" with the server's answer. True for Retry.
bool showSendFailure(int code, bool throughServer, const std::string& detail);

// A message that went out is recorded, after the mail client only when the
// user says it was sent ("M.MAPI_SENT?"; `sentDefault` the button Enter takes).
// True when it was recorded.
bool recordWhenSent(const MailContact& contact, const MailMessage& message, bool askWhetherSent,
                    unsigned sentDefault = 0);

} // namespace velkora::mail
