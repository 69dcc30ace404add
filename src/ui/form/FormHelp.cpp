#include "ui/form/FormHelp.h"

#include "shared/AppState.h"

#include <QDesktopServices>
#include <QUrl>

namespace velkora::form {
namespace {

HelpHandler& handler() {
    static HelpHandler current;
    return current;
}

void openHelpFile(const std::string& topic) {
    const AppState& state = appState();
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(joinPath(state.INITPATH, state.HELPFILE)));
    url.setFragment(QString::fromStdString(topic));
    QDesktopServices::openUrl(url);
}

} // namespace

void showHelp(const std::string& topic) {
    if (handler())
        handler()(topic);
    else
        openHelpFile(topic);
}

void setHelpHandler(HelpHandler h) {
    handler() = std::move(h);
}

} // namespace velkora::form
