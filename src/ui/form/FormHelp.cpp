#include "ui/form/FormHelp.h"

#include "app/gui/HelpWindow.h"

namespace velkora::form {
namespace {

HelpHandler& handler() {
    static HelpHandler current;
    return current;
}

} // namespace

void showHelp(const std::string& topic) {
    if (handler())
        handler()(topic);
    else
        app::openHelp("contents");
}

void setHelpHandler(HelpHandler h) {
    handler() = std::move(h);
}

} // namespace velkora::form
