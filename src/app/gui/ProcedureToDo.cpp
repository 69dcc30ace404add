#include "app/gui/ProcedureToDo.h"

#include "data/StandardWarnings.h"

namespace velkora::app {

void showProcedureToDo(const std::string& procedure) {
    data::ShowStandardWarning(data::Warn::ProcedureToDo, procedure);
}

} // namespace velkora::app
