#pragma once
// The contact list's view: every contact person, or only those of one address.

#include "ui/browse/LimitedSource.h"

#include <cstdint>
#include <optional>

namespace velkora::addresses {

// The keys the tabs show until the user sorts by a column: all contacts by
// kind and name; one address's contacts by kind and number. The view is
// opened with the first; limited to an address it reads the second.
inline constexpr const char* kAllContactsKey = "TKP:QXADRTK3";
inline constexpr const char* kAddressContactsKey = "TKP:QXADRTK2";

class ContactSource : public browse::LimitedSource {
public:
    ContactSource();

    // The address whose contacts are shown (the address tab), or nullopt for all contacts.
    void showAddress(std::optional<std::int32_t> adrnr) { limitTo(adrnr); }
};

} // namespace velkora::addresses
