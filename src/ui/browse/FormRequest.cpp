#include "ui/browse/FormRequest.h"

#include "app/gui/ProcedureToDo.h"

#include <map>

namespace velkora::browse {
namespace {

std::map<std::string, FormProcedure>& forms() {
    static std::map<std::string, FormProcedure> registry;
    return registry;
}

} // namespace

FormExchange& formExchange() {
    static FormExchange exchange;
    return exchange;
}

void registerForm(const std::string& procedure, FormProcedure form) {
    forms()[procedure] = std::move(form);
}

void unregisterForm(const std::string& procedure) {
    forms().erase(procedure);
}

int callForm(const std::string& procedure, int request) {
    FormExchange& exchange = formExchange();
    exchange.request = request;
    exchange.navigation = 0;
    const auto it = forms().find(procedure);
    if (it == forms().end()) {
        app::showProcedureToDo(procedure);
        exchange.response = RequestCancelled;
    } else {
        exchange.response = it->second(request);
    }
    return exchange.response;
}

} // namespace velkora::browse
