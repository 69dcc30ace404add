#pragma once
// Addresses as one vCard 4.0 file, for a phone or another address book: a
// card per address, and a card per contact person linked to its company by
// ORG, with the person's telephone, fax and e-mail.
//
//   std::string problem;
//   std::string file = exportVCards(adr, tkp, {12, 17}, problem);   // {}: every address

#include "data/FileServices.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velkora::exchange {

// The cards of the addresses numbered (in that order; an unknown number is
// passed over), or of every address by number. The files are open.
std::string exportVCards(data::File<data::Address>& adr, data::File<data::ContactPerson>& tkp,
                         const std::vector<std::int32_t>& numbers);

} // namespace velkora::exchange
