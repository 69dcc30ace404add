#include "documents/lists/MailingListWindows.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "documents/MailingFile.h"
#include "documents/lists/MailMergeListWin.h"
#include "documents/lists/MailingListWin.h"

namespace velkora::documents {

void registerMailingListWindows() {
    using app::Instances;
    namespace procedures = app::procedures;
    app::registerWindow(procedures::MailMergeList, Instances::Single, [] { return new MailMergeListWin; });
    // On the mailing file in effect: the list "Change" took.
    app::registerWindow(procedures::MailingList, Instances::Multiple,
                        [] { return new MailingListWin(mailingFile().name()); });
}

} // namespace velkora::documents
