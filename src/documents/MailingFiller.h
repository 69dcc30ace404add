#pragma once
// Fills the mailing file in effect with one row for one address, for
// document preparation: the address, optionally its contact person, and the
// document title. The file is made anew and closed again afterwards.
//
//   mailingFile().setName(mailingFilePath(kDocumentMailingName));
//   if (!FillMailingFileForAddress(files().QXADRESS.rec, appState().TKPNR, title)) return;

#include "data/Tables.h"
#include "documents/MailingRecord.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace velkora::documents {

// False after a message box told why. A contact person that cannot be read
// leaves the contact fields empty; the row is still written.
bool FillMailingFileForAddress(const data::Address& address, std::optional<std::int32_t> contactNumber,
                               std::string_view docTitle);

// The file made anew with just `row`: one document of a mailing list sees
// its own row only. False after a message box told why.
bool FillMailingFileWithRow(const MailingRecord& row);

} // namespace velkora::documents
