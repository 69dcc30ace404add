#include "app/gui/GuiApplicationEnd.h"

#include "shared/ApplicationEnd.h"
#include "shared/Prompter.h"

#include <QApplication>
#include <QMainWindow>

namespace velkora::app {

void installGuiApplicationEnd() {
    setApplicationEndHandler([](std::string_view reason) {
        if (reason.empty()) {
            // An end the user chose (new settings need a restart): the frame
            // closes as on Exit, keeping its place, and the run ends normally.
            for (QWidget* top : QApplication::topLevelWidgets())
                if (qobject_cast<QMainWindow*>(top) != nullptr && top->isVisible())
                    top->close();
            // The last window closed ends the run; one of its own (the help) goes as well.
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && !top->close())
                    QCoreApplication::exit(0);
            return;
        }
        ask(reason, "Velkora", Icon::Stop);
        // Leaves every running event loop; before the first one main sees applicationEnded().
        QCoreApplication::exit(1);
    });
}

} // namespace velkora::app
