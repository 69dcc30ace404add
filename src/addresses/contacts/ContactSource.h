#pragma once
// The contact list's view: every contact person, or only those of one
// address. Limited to an address, the view reads in the list's order behind
// the address number, so a page of one address's contacts is read from an
// index and never by passing over the others.

#include "ui/browse/ViewSource.h"

#include <cstdint>
#include <optional>

namespace velkora::addresses {

// The keys the tabs show until the user sorts by a column: all contacts by
// kind and name; one address's contacts by kind and number. The view is
// opened with the first; limited to an address it reads the second.
inline constexpr const char* kAllContactsKey = "TKP:QXADRTK3";
inline constexpr const char* kAddressContactsKey = "TKP:QXADRTK2";

class ContactSource : public browse::ViewSource {
public:
    ContactSource();

    // The address whose contacts are shown (the address tab), or nullopt for
    // all contacts. The view takes it at once; the caller reads a new page.
    void showAddress(std::optional<std::int32_t> adrnr);

    bool open(const std::string& order) override;
    void seekValues(const std::vector<std::string>& values) override;

private:
    bool applyOrder();

    std::optional<std::int32_t> address_;
    std::string order_;
};

} // namespace velkora::addresses
