#pragma once
// What the contact-person list (qxTKPList) declares on the list machinery:
// its columns, the orders behind the computed and the telephone columns,
// how a locator text positions it, and its rows.

#include "ui/browse/BrowseDeclaration.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velkora::addresses {

// The procedure the list calls its form through: it primes TkpExchange,
// runs qxUpdateTKP and writes what the form returns (TKPListWin registers it).
inline constexpr const char* kContactListForm = "qxTKPList:qxUpdateTKP";

// BRW:NAME: "NAME1 NAME2", followed by ", NAME0" when there is a salutation.
std::string contactDisplayName(const std::string& name1, const std::string& name2, const std::string& name0);

// The values the list is positioned at for the locator text on the sort
// column's locator field; nullopt where the column does not locate. A kind
// is found by the start of its name (Q:TKPART, `kinds`), a telephone
// number by its phone index, however it was typed.
std::optional<std::vector<std::string>> contactLocatorValues(const std::string& field,
                                                             const std::string& text,
                                                             const std::vector<std::string>& kinds);

// The declaration; `kinds` names the contact kinds (position = number) and
// `shownAddress` is LN:ADRNR, the address whose contacts the window shows.
browse::BrowseDeclaration contactListDeclaration(std::vector<std::string> kinds,
                                                 const std::int32_t* shownAddress);

} // namespace velkora::addresses
