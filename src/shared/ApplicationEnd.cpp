#include "shared/ApplicationEnd.h"

#include <cstdlib>

namespace velkora {
namespace {

struct EndState {
    ApplicationEndHandler handler;
    bool ended = false;
    std::string reason;
};

EndState& state() {
    static EndState s;
    return s;
}

} // namespace

void endApplication(std::string_view reason) {
    state().ended = true;
    state().reason = std::string(reason);
    if (state().handler)
        state().handler(reason);
    else
        std::exit(1);
}

void setApplicationEndHandler(ApplicationEndHandler handler) {
    state().handler = std::move(handler);
}

bool applicationEnded() {
    return state().ended;
}

std::string applicationEndReason() {
    return state().reason;
}

void resetApplicationEnded() {
    state().ended = false;
    state().reason.clear();
}

} // namespace velkora
