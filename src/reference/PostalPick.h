#pragma once
// What a place list hands to the address form when the user selects a row:
// country code, postal code, place and, from a street with a postal code of
// its own, the street.

#include "data/Tables.h"

#include <string>

namespace velkora::reference {

struct PostalPick {
    std::string LD;
    std::string PLZ;
    std::string ORT;
    std::string STRASSE; // empty: a place, not a street, was chosen
};

// The place list without streets: the place's codes and name.
PostalPick pickPlace(const data::Place& place);

// The place list with streets: a street whose postal code has more than two
// characters is a street of its own postal code (a city's district or a
// large customer) and hands that code and its name; a street with a one- or
// two-character code (imported section data), or none, hands the place's code.
PostalPick pickPlaceWithStreet(const data::Place& place, const data::Street* street);

} // namespace velkora::reference
