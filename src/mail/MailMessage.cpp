#include "mail/MailMessage.h"

#include "shared/Text.h"

#include <algorithm>
#include <cstring>

namespace velkora::mail {
namespace {

bool isAlphaNumeric(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Letters of other alphabets come as UTF-8 bytes above 127 and are allowed.
bool isNameChar(unsigned char c) {
    return isAlphaNumeric(c) || c >= 0x80 || std::strchr(".!#$'*+-/=^_`{|}~", c) != nullptr;
}

bool isHostChar(unsigned char c) {
    return isAlphaNumeric(c) || c >= 0x80 || c == '-' || c == '.';
}

bool dotsInPlace(std::string_view part) {
    return part.front() != '.' && part.back() != '.' && part.find("..") == std::string_view::npos;
}

} // namespace

bool isMailAddress(std::string_view text) {
    const std::size_t at = text.find('@');
    if (at == std::string_view::npos || at == 0 || at + 1 == text.size())
        return false;
    const std::string_view name = text.substr(0, at);
    const std::string_view host = text.substr(at + 1);
    // A leading "-" would make the address an option of the mail program.
    return name.front() != '-' && std::all_of(name.begin(), name.end(), isNameChar) &&
           std::all_of(host.begin(), host.end(), isHostChar) && dotsInPlace(name) && dotsInPlace(host);
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

MessageProblem checkMessage(const MailMessage& message, bool recipientMayBeEmpty) {
    const std::string to = clip(message.to);
    if (!(to.empty() && recipientMayBeEmpty) && !isMailAddress(to))
        return MessageProblem::NoAddress;
    if (hasLineBreak(message.subject) || hasLineBreak(message.toName))
        return MessageProblem::HeaderBreak;
    return MessageProblem::None;
}

MailMessage clippedMessage(MailMessage message) {
    message.to = clip(message.to);
    message.subject = clip(message.subject);
    message.attachment = clip(message.attachment);
    message.body = clip(message.body);
    return message;
}

} // namespace velkora::mail
