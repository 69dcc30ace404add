#include "documents/gui/DocumentWindows.h"

#include "activities/gui/DocumentOpener.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "documents/OfficeRun.h"
#include "documents/gui/MailFieldsWin.h"
#include "documents/gui/MailMergeWin.h"
#include "documents/gui/PrintDocWin.h"
#include "documents/gui/ServiceTmplWin.h"

namespace velkora::documents {

int openMailMergeSelection(QWidget* parent) {
    return MailMergeWin::run(parent);
}

void registerDocumentWindows() {
    app::registerWindow(app::procedures::DocumentPreparation, app::Instances::Single,
                        [] { return new PrintDocWin; });
    app::registerWindow(app::procedures::TemplateService, app::Instances::Single,
                        [] { return new ServiceTmplWin; });
    app::registerWindow(app::procedures::MailFields, app::Instances::Single,
                        [] { return new MailFieldsWin; });
    // Opened from the frame it runs alone; the mailing-list window runs it over itself.
    app::registerWindow(app::procedures::MailMergeSelection, app::Instances::Single,
                        [] { return new MailMergeWin; });
    // In the windows a file goes to the desktop as the activity list hands it over.
    associatedOpener() = [](const std::string& path) {
        activities::desktopOpener()(QString::fromStdString(path));
        return true;
    };
}

} // namespace velkora::documents
