#include "dialler/TelUri.h"

#include "shared/Text.h"

namespace velkora::dial {

std::string numberFromArgument(std::string_view argument) {
    std::string text = trim(argument);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

std::optional<std::string> telUri(std::string_view number) {
    const std::string text = trim(number);
    std::string uri = "tel:";
    bool digits = false;
    if (!text.empty() && text.front() == '+')
        uri += '+';
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            uri += c;
            digits = true;
        } else if (c == '*') {
            uri += c;
        } else if (c == '#') {
            uri += "%23";
        }
    }
    if (!digits)
        return std::nullopt;
    return uri;
}

} // namespace velkora::dial
