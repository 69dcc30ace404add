#pragma once
// Where a place list opened for the address form starts: the place (and
// street) that the address's country code, postal code or place name point
// at. Reads through the process-wide QXADRORT and QXADRSTR buffers, which
// the caller has opened; the list reads its selected row again afterwards.

#include "data/RecordFile.h"

#include <string>

namespace velkora::reference {

struct PlaceStart {
    data::RecordPosition place = 0;  // 0: nothing found
    data::RecordPosition street = 0; // the street the postal code belongs to, or 0
};

// The place list with streets: a street with country code `ld` and postal
// code `plz` leads to its place by the place key; without such a street (or
// without its place) the first place at or after ld/plz.
PlaceStart placeWithStreetsAt(const std::string& ld, const std::string& plz);

// The first place at or after country code `ld` and postal code `plz`.
data::RecordPosition placeAtPostalCode(const std::string& ld, const std::string& plz);

// The first place whose name is at or after `name` (case-insensitive).
data::RecordPosition placeAtName(const std::string& name);

} // namespace velkora::reference
