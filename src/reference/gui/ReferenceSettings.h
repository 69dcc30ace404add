#pragma once
// The settings the reference lists and forms read: the default country
// ([DEFAULT] AdrLd of the work file) and whether places come with their
// streets ([DEFAULT] AdrStrExt of the start file greater than 0).

#include <string>

namespace velkora::reference {

std::string defaultCountry();
bool placesWithStreets();

} // namespace velkora::reference
