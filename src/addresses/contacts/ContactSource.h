#pragma once
// The contact list's view: every contact person, or only those of one address.

#include "ui/browse/LimitedSource.h"

#include <cstdint>
#include <optional>

namespace velkora::addresses {

class ContactSource : public browse::LimitedSource {
public:
    ContactSource();

    // The address whose contacts are shown (the address tab), or nullopt for all contacts.
    void showAddress(std::optional<std::int32_t> adrnr) { limitTo(adrnr); }
};

} // namespace velkora::addresses
