#pragma once
// What the address form fills in for a postal code: the place, and the
// street when the postal code belongs to one street only (a large customer's
// own code).

#include <string>

namespace velkora::addresses {

struct PostalPlace {
    std::string place;  // 40 characters at most
    std::string street; // 40 characters at most
};

// Looks up country code `ld` and postal code `plz` in the places and streets
// (QXADRORT and QXADRSTR, opened by the caller); both empty when unknown.
PostalPlace lookUpPostalCode(const std::string& ld, const std::string& plz);

} // namespace velkora::addresses
