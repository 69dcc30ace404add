#pragma once
// The first half of "Create" in the mail-merge selection: the list's name is
// checked, an existing list of that name replaced or appended to, and the
// list opened for writing as the mailing file in effect. Every stop has told
// the user why through a message box.
//
//   switch (openMailingList(typedName, ExistingList::Ask)) {
//   case ListOpening::Ready: SelectionRun(...).runToEnd(); mailingFile().close(); break;
//   case ListOpening::EmptyName: focusName(); break; ...

#include <string_view>

namespace velkora::documents {

// What happens to a list that exists already: the user is asked (replace,
// append or cancel), or it was decided beforehand (the command line).
enum class ExistingList { Ask, Replace, Append };

enum class ListOpening { Ready, EmptyName, InvalidName, Stopped };

// On Ready, mailingFile() is named MailPath/name and open for writing.
ListOpening openMailingList(std::string_view typedName, ExistingList existing);

} // namespace velkora::documents
