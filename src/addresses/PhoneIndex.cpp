#include "addresses/PhoneIndex.h"

#include "shared/Text.h"

namespace velkora {

std::string TFX4TelFax(std::string_view number, std::uint8_t, std::uint8_t) {
    std::string index;
    for (const char c : cutChars(number, kPhoneIndexChars))
        if (c >= '0' && c <= '9')
            index += c;
    return index;
}

} // namespace velkora
