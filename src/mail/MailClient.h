#pragma once
// The user's mail client: the message is handed to xdg-email, each part as
// an argument of its own and never through a shell, and the client opens its
// compose window. The exit status of xdg-email is the result code (0 handed
// over; 1 wrong arguments, 2 attachment not found, 3 no mail client, 4 failed,
// 5 no access); a client that cannot be started gives kNotStarted. Whether
// the mail then goes out only the user knows.

#include "mail/MailMessage.h"
#include "shared/ExternalProgram.h"

#include <string>
#include <vector>

namespace velkora::mail {

inline constexpr const char* kMailClientProgram = "xdg-email";
inline constexpr int kNotStarted = 127;

std::vector<std::string> mailClientArguments(const MailMessage& message);

// Starts the mail client for `message`; false when it could not be started.
bool startMailClient(ExternalProgram& run, const MailMessage& message);

// Hands the message over and waits for the client to take it: the result code.
int sendThroughMailClient(const MailMessage& message);

} // namespace velkora::mail
