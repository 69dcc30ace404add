#include "mail/MailClient.h"

#include <chrono>

namespace velkora::mail {

std::vector<std::string> mailClientArguments(const MailMessage& message) {
    std::vector<std::string> args{"--utf8"};
    if (!message.subject.empty())
        args.insert(args.end(), {"--subject", message.subject});
    if (!message.body.empty())
        args.insert(args.end(), {"--body", message.body});
    if (!message.attachment.empty())
        args.insert(args.end(), {"--attach", message.attachment});
    // Without a recipient the user enters one in the client's window.
    if (!message.to.empty())
        args.push_back(message.to);
    return args;
}

bool startMailClient(ExternalProgram& run, const MailMessage& message) {
    return run.start(kMailClientProgram, mailClientArguments(message));
}

int sendThroughMailClient(const MailMessage& message) {
    ExternalProgram run;
    if (!startMailClient(run, message))
        return kNotStarted;
    // A client that was not running stays in the foreground until the user
    // closes it; the caller waits for the hand-over as long as that takes.
    std::optional<int> status;
    do
        status = run.wait(std::chrono::minutes(1));
    while (!status);
    return *status;
}

} // namespace velkora::mail
