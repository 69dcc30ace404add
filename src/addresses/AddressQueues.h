#pragma once
// The value lists the address list and the address form share, loaded from
// the work file each time the address list opens:
//   Q:ADRSTATUS  [ADRSTAT] AdrStatus1..8, status names with their number
//   Q:ADRART     [ADRART]  AdrArt1..8, address-type names (position = number)
// Loading stops at the first empty name.

#include <string>
#include <vector>

namespace velkora::addresses {

struct AddressStatus {
    std::string name; // Q:ADRSTATUS, CSTRING(24)
    int number = 0;   // Q:ADRSTNR, 1..8
};

std::vector<AddressStatus>& adrStatusQueue();
std::vector<std::string>& adrArtQueue();

// [ADRART] AdrArt1..8 up to the first empty name; position = type number.
std::vector<std::string> loadAddressTypes(const std::string& workIni);

// Reads both lists from `workIni` (address types first, as the list does).
void loadAddressQueues(const std::string& workIni);

// The name of address type `number`; a single blank when it is 0 or unknown.
std::string addressTypeName(int number);
// The first type whose name begins with `text`, ignoring case; 0 when none.
int addressTypeStartingWith(const std::string& text);

} // namespace velkora::addresses
