#pragma once
// An address and a contact person as a mailing row, the part the filler of
// one address and the mail-merge selection share. The type texts are the
// configured names of the address and contact types (empty for type 0).

#include "data/Tables.h"
#include "documents/MailingRecord.h"

#include <string_view>

namespace velkora::documents {

// The same-named address fields (numbers as digits, first and last contact as
// "D17B" dates), the memo and the document title.
void fillAddressFields(const data::Address& address, std::string_view addressTypeText, std::string_view docTitle,
                       MailingRecord& row);

// The contact's type text, names, department, telephone, fax, e-mail and addition.
void fillContactFields(const data::ContactPerson& contact, std::string_view contactTypeText,
                       MailingRecord& row);

} // namespace velkora::documents
