#pragma once
// Application messages shown by identifier ("M." + name). Text and caption
// come from section "APPWARN" of the language's environment file (keys
// "Warn:" + name and "Capt:" + name); the default text compiled into the
// caller is shown only beneath a not-found notice, so a missing translation
// is visible as such.

#include "shared/Prompter.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace velkora::i18n {

// The box ShowMessage shows for `id` (read from the environment file now).
// `buttons` 0 means a single OK button; `defaultButton` 0 the first button.
Prompt messagePrompt(std::string_view id, Icon icon, std::string_view defaultText = {}, unsigned buttons = 0,
                     unsigned defaultButton = 0);

// Shows the message through the prompter and returns the button pressed.
unsigned ShowMessage(std::string_view id, Icon icon, std::string_view defaultText = {}, unsigned buttons = 0,
                     unsigned defaultButton = 0);

// ShowMessage with %1, %2 ... of the text filled from `values` (a file name, a count).
unsigned ShowMessageWith(std::string_view id, Icon icon, std::string_view defaultText,
                         std::initializer_list<std::string_view> values);

// "M.MAPI_Error" + the mail client's result code as two digits ("M.MAPI_Error02").
std::string mapiErrorId(int resultCode);

} // namespace velkora::i18n
