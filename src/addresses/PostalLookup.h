#pragma once
// What the address form fills in for a postal code: the place, and the
// street when the postal code belongs to one street only (a large customer's
// own code). Also the hand-over values the postal-code lists leave when a
// row is selected for the form.

#include <string>

namespace velkora::addresses {

struct PostalPlace {
    std::string place;  // 40 characters at most
    std::string street; // 40 characters at most
};

// Looks up country code `ld` and postal code `plz` in the places and streets
// (QXADRORT and QXADRSTR, opened by the caller); both empty when unknown.
PostalPlace lookUpPostalCode(const std::string& ld, const std::string& plz);

// Written by a postal-code list (request 4) for the row selected, read and
// cleared by the form that called it.
struct PostalSelection {
    std::string LD;      // STRING(4)
    std::string PLZ;     // STRING(8)
    std::string ORT;     // CSTRING(40)
    std::string STRASSE; // empty when a place, not a street, was selected
};
PostalSelection& postalSelection();

} // namespace velkora::addresses
