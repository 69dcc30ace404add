#include "app/gui/GuiApplicationEnd.h"

#include "shared/ApplicationEnd.h"
#include "shared/Prompter.h"

#include <QCoreApplication>

namespace velkora::app {

void installGuiApplicationEnd() {
    setApplicationEndHandler([](std::string_view reason) {
        if (!reason.empty())
            ask(reason, "Velkora", Icon::Stop);
        // Leaves every running event loop; before the first one main sees applicationEnded().
        QCoreApplication::exit(1);
    });
}

} // namespace velkora::app
