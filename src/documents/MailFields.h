#pragma once
// The rows of the mail-field picker: every field of the mailing file but the
// memo's block number, as the placeholder a template takes and a
// description of the field's translated label and its name.

#include <string>
#include <vector>

namespace velkora::documents {

struct MailFieldRow {
    std::string placeholder; // "<#M:NAME1#>"
    std::string description; // "Name 1 (M:NAME1)", up to 39 characters
};

std::vector<MailFieldRow> mailFieldRows();

} // namespace velkora::documents
