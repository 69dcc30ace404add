#pragma once
// Help for a form: the language's help file (HTML, GS:HELPFILE in the
// program folder) opened at the form's topic, the form's procedure name.
// Tests and other front ends replace the handler.

#include <functional>
#include <string>

namespace velkora::form {

using HelpHandler = std::function<void(const std::string& topic)>;

void showHelp(const std::string& topic);
// An empty handler restores opening the help file.
void setHelpHandler(HelpHandler handler);

} // namespace velkora::form
