#pragma once
// The mailing lists of a folder: its dBase tables ("*.DBF" in any case),
// without the program's own files, whose names begin with "_".

#include <string>
#include <vector>

namespace velkora::documents {

struct MailingListEntry {
    std::string name; // the file name without its extension ("Kunden")
    std::string path; // the full name of the table file
};

// Sorted by name regardless of case; empty when the folder cannot be read.
std::vector<MailingListEntry> mailingLists(const std::string& folder);

} // namespace velkora::documents
