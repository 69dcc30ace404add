#include "documents/gui/DocumentWindows.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "documents/gui/MailMergeWin.h"

namespace velkora::documents {

int openMailMergeSelection(QWidget* parent) {
    return MailMergeWin::run(parent);
}

void registerDocumentWindows() {
    // Opened from the frame it runs alone; the mailing-list window runs it over itself.
    app::registerWindow(app::procedures::MailMergeSelection, app::Instances::Single,
                        [] { return new MailMergeWin; });
}

} // namespace velkora::documents
