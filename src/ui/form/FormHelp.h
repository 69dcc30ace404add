#pragma once
// Help for a form: the program's help window on the language's help file.
// The topic is the form's procedure name, for a handler that can open a
// page of its own (tests replace the handler to see which form asked).

#include <functional>
#include <string>

namespace velkora::form {

using HelpHandler = std::function<void(const std::string& topic)>;

void showHelp(const std::string& topic);
// An empty handler restores the help window.
void setHelpHandler(HelpHandler handler);

} // namespace velkora::form
