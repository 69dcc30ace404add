#pragma once
// How the address list turns a locator text into the values it positions
// its view at, per sort column.

#include <optional>
#include <string>
#include <vector>

namespace velkora::addresses {

struct CountryPostalCode {
    std::string ld;  // ADR:LD
    std::string plz; // ADR:PLZ
};

// The postal-code locator: a plain number without a leading zero is a
// postal code of the default country `adrLd` ("12345" → adrLd/12345);
// otherwise the text up to its first blank is the country code and the
// rest the postal code ("D 10115" → D/10115, "01234" → 0/1234).
CountryPostalCode splitPostalLocator(const std::string& text, const std::string& adrLd);

// The values for the locator field of the sort column; nullopt for columns
// that do not locate. `adrLd` is the default country of the work file.
std::optional<std::vector<std::string>>
addressLocatorValues(const std::string& field, const std::string& text, const std::string& adrLd);

} // namespace velkora::addresses
