#pragma once
// A country code looked up in the country table (QXADRLND, opened by the
// caller), the way every form that takes a code finds its country.

#include "data/RecordFile.h"
#include "data/Tables.h"

#include <optional>
#include <string>

namespace velkora::reference {

// The country with code `code`, typed in any case (the key ignores case);
// its LD is the code as the table spells it. nullopt when the table holds none.
std::optional<data::Country> findCountry(const std::string& code);

// Where the country with code `code` is in the table; 0 when it is not there.
data::RecordPosition countryPosition(const std::string& code);

} // namespace velkora::reference
