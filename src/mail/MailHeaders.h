#pragma once
// The header lines of a mail Velkora sends itself. Header lines are ASCII:
// a text with umlauts or other letters goes as RFC 2047 encoded words
// ("=?UTF-8?B?...?="), folded so that no word is longer than 75 characters.

#include "shared/Clock.h"

#include <string>
#include <string_view>
#include <vector>

namespace velkora::mail {

struct MailMessage;
struct SmtpSettings;

std::string base64(std::string_view bytes);

// The text as it may stand in a header (unchanged when it is plain ASCII).
std::string encodeHeaderText(std::string_view text);
// "Name <address>", the name encoded or quoted as it needs; the bare address without a name.
std::string mailbox(std::string_view name, std::string_view address);
// "Sun, 06 Dec 2026 15:04:05 +0100": `moment` in local time, `offsetMinutes` east of UTC.
std::string mailDate(const LocalDateTime& moment, int offsetMinutes);

// From, To, Subject and Date of the message, each a line without its CR LF.
std::vector<std::string> mailHeaders(const SmtpSettings& settings, const MailMessage& message,
                                     const LocalDateTime& moment, int offsetMinutes);

// The text with every line ending CR LF, as mail lines end.
std::string withMailLineEnds(std::string_view text);

} // namespace velkora::mail
