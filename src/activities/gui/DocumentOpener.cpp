#include "activities/gui/DocumentOpener.h"

#include "activities/DocumentPath.h"
#include "shared/AppState.h"

#include <QDesktopServices>
#include <QUrl>

namespace velkora::activities {

std::function<void(const QString&)>& desktopOpener() {
    static std::function<void(const QString&)> opener = [](const QString& path) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    return opener;
}

void openActivityDocument(const std::string& docname) {
    if (const auto path = openableDocument(docname, appState().DOCSPATH))
        desktopOpener()(QString::fromStdString(*path));
}

} // namespace velkora::activities
