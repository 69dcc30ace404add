#pragma once
// The commands of velkora-cli, each described in a file of its own.

#include "cli/Command.h"

#include <string_view>
#include <vector>

namespace velkora::cli {

CommandSpec initCommand();
CommandSpec checkCommand();
CommandSpec rebuildKeysCommand();
CommandSpec reorganiseCommand();
CommandSpec copyDataCommand();
CommandSpec moveDataCommand();
CommandSpec listCommand();
CommandSpec evalCommand();
CommandSpec formatNameCommand();
CommandSpec phoneIndexCommand();
CommandSpec mergeCommand();
CommandSpec dbfCommand();
CommandSpec remindersCommand();
CommandSpec calendarCommand();
CommandSpec selectCommand();
CommandSpec exportAsciiCommand();
CommandSpec letterCommand();
CommandSpec documentsCommand();
CommandSpec mailCommand();
CommandSpec reportCommand();
CommandSpec importCommand();
CommandSpec exportVCardCommand();

// Every command, in the order the overview lists them.
const std::vector<CommandSpec>& allCommands();
const CommandSpec* findCommand(std::string_view name);

} // namespace velkora::cli
