#include "app/gui/ProcedureToDo.h"

#include "i18n/Environment.h"
#include "shared/Prompter.h"

namespace velkora::app {

void showProcedureToDo(const std::string& procedure) {
    const std::string text = i18n::environmentValue("STDWARN", "Warn:ProcedureToDo")
                                 .value_or("The Procedure has not been defined.");
    const std::string caption =
        i18n::environmentValue("STDWARN", "Capt:ProcedureToDo").value_or("Procedure not defined");
    ask(procedure + "|" + text, caption, Icon::Information, ButtonOk);
}

} // namespace velkora::app
