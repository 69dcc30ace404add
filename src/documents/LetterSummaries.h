#pragma once
// The one-line summaries of the address and the contact person a letter is
// written to, as the document window shows them.

#include "data/Tables.h"

#include <string>

namespace velkora::documents {

// "NAME1 NAME2, NAME0, LD PLZ ORT, STRASSE" (", NAME0" only when there is one).
std::string addressSummary(const data::Address& adr);

// "NAME0, NAME1 NAME2" (without "NAME0, " when there is none).
std::string contactSummary(const data::ContactPerson& tkp);

} // namespace velkora::documents
