#pragma once
// The name of a mailing list as the user types it, checked before a file of
// that name is made in MailPath: at most 40 characters, not beginning with
// "_" (reserved for the program's own files), a four-character extension
// (".dbf") dropped, and none of the characters that file systems or the
// word processor's data sources trip over.

#include <string>
#include <string_view>

namespace velkora::documents {

struct MailingListName {
    enum class Problem { None, Empty, Invalid };
    Problem problem = Problem::None;
    std::string name; // without extension, when there is no problem
};

MailingListName checkMailingListName(std::string_view typed);

} // namespace velkora::documents
