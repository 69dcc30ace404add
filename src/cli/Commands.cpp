#include "cli/Commands.h"

namespace velkora::cli {

const std::vector<CommandSpec>& allCommands() {
    static const std::vector<CommandSpec> commands = {
        initCommand(),        checkCommand(),      rebuildKeysCommand(), reorganiseCommand(),
        copyDataCommand(),    moveDataCommand(),   listCommand(),        evalCommand(),
        formatNameCommand(),  phoneIndexCommand(), mergeCommand(),       dbfCommand(),
        remindersCommand(),   calendarCommand(),   selectCommand(),      exportAsciiCommand(),
        letterCommand(),      mailCommand(),       reportCommand(),      importCommand(),
        exportVCardCommand(), documentsCommand(),
    };
    return commands;
}

const CommandSpec* findCommand(std::string_view name) {
    for (const CommandSpec& command : allCommands())
        if (command.name == name)
            return &command;
    return nullptr;
}

} // namespace velkora::cli
