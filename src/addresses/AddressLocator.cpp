#include "addresses/AddressLocator.h"

#include "addresses/AddressQueues.h"
#include "shared/Text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>

namespace velkora::addresses {
namespace {

bool isPlainNumber(const std::string& text) {
    if (text.empty() || text.size() > 9 || text[0] == '0')
        return text == "0";
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

constexpr std::array<const char*, 7> kTextFields = {"ADR:NAME1", "ADR:NAME2",   "ADR:NAME0",  "ADR:BRANR",
                                                    "ADR:ORT",   "ADR:STRASSE", "ADR:BRANCHE"};

} // namespace

CountryPostalCode splitPostalLocator(const std::string& text, const std::string& adrLd) {
    if (isPlainNumber(text))
        return {clip(adrLd), text};
    // p: the first blank's position (1-based), or 1 when there is none or it leads.
    const std::size_t blank = text.find(' ');
    const std::size_t p = blank == std::string::npos || blank == 0 ? 1 : blank + 1;
    return {clip(cutChars(subChars(text, 1, p), 3)), trim(subChars(text, p + 1, 7))};
}

std::optional<std::vector<std::string>>
addressLocatorValues(const std::string& field, const std::string& text, const std::string& adrLd) {
    if (field == "ADR:ADRNR")
        return std::vector<std::string>{std::to_string(std::atol(text.c_str()))};
    if (field == "ADR:ADRART")
        return std::vector<std::string>{std::to_string(addressTypeStartingWith(text))};
    if (field == "ADR:LD") {
        const auto split = splitPostalLocator(text, adrLd);
        return std::vector<std::string>{split.ld, split.plz};
    }
    if (std::find(kTextFields.begin(), kTextFields.end(), field) != kTextFields.end())
        return std::vector<std::string>{text};
    return std::nullopt;
}

} // namespace velkora::addresses
