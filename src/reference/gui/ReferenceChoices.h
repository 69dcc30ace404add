#pragma once
// The reference lists as lookups: each opens modal, centred over the window
// that asks, and returns what the user selected (nullopt when the list
// was closed without a selection), so the call shows what travels back.

#include "data/Tables.h"
#include "reference/PostalPick.h"
#include "ui/form/RecordForm.h"

#include <optional>
#include <string>

class QWidget;

namespace velkora::reference {

// qxLandList, starting on the country with code `start` when there is one.
std::optional<data::Country> chooseCountry(QWidget* over, const std::string& start);

// qxPLZListDEX (with streets) or qxPLZListSTD, starting on what the address
// in the QXADRESS buffer points at.
std::optional<PostalPick> choosePlace(QWidget* over, bool withStreets);

// A form's country-code entry: the country list behind `button`, the
// country's name in the label `display`.
form::FieldLookup countryLookup(const char* button, const char* display);

} // namespace velkora::reference
