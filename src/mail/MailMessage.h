#pragma once
// A plain-text e-mail to one contact person, as the e-mail window and the
// command line build it, and the checks every way of sending makes first.
// A recipient or subject holding a line break could add header lines of
// its own to the mail, so such a message is never handed on.

#include <string>
#include <string_view>

namespace velkora::mail {

struct MailMessage {
    std::string to;         // LS:EMAILTO, the recipient's address
    std::string toName;     // the contact's name, shown beside the address in the header
    std::string subject;    // LS:EMAILSUBJECT
    std::string body;       // LS:EMAILBODY, lines joined by CR LF
    std::string attachment; // LS:EMAILATTFILE, one file or empty
};

// "name@host": one "@" with a name before it and a host after it, and
// nothing a header or a mailto: address would read as more than an address
// (blanks, line breaks, "<", ",", "?", "&" ...).
bool isMailAddress(std::string_view text);
bool hasLineBreak(std::string_view text);

enum class MessageProblem {
    None,
    NoAddress,   // no recipient, or one that is not an address
    HeaderBreak, // a line break in the subject or the name
};

// With the mail client's own dialog the recipient may stay empty (the user
// enters it there); an address given must still be one.
MessageProblem checkMessage(const MailMessage& message, bool recipientMayBeEmpty);

// The message as sent: its texts without trailing blanks.
MailMessage clippedMessage(MailMessage message);

} // namespace velkora::mail
