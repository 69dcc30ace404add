#pragma once
// The notice for a command whose window does not exist yet (standard warning
// ProcedureToDo, with the procedure's name as its target).

#include <string>

namespace velkora::app {

void showProcedureToDo(const std::string& procedure);

} // namespace velkora::app
