#include "documents/lists/MailMergeListWin.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "documents/MailingFile.h"
#include "documents/MailingLists.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"
#include "ui/browse/MemorySource.h"

#include <QPushButton>

namespace velkora::documents {

browse::BrowseDeclaration mailMergeListDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::MailMergeList;
    d.designFormat = "100L(2)|M~Name~@s40@200L(2)|M~Pfad~@s255@";
    d.columns = {{{"Q:NAME", "Name", "@s40"}, ""}, {{"Q:PATH", "Pfad", "@s255"}, ""}};
    d.keyOrder = browse::SortOrder{"UPPER(Q:NAME)", "Q:NAME", 1};
    d.tabs = {{"TAB:1", "Serienbrieflisten"}};
    // The selection window takes the place of a form: it writes a new list.
    d.form = app::procedures::MailMergeSelection;
    return d;
}

MailMergeListWin::MailMergeListWin(QWidget* parent)
    : BrowseWindow(mailMergeListDeclaration(), std::make_unique<browse::MemorySource>(), parent) {
    setWindowTitle("Serienbriefe");
    deleteButton()->hide();
    rebuild();
    resize(sizeHint());
    openBrowse();
    windowsChanged_ = connect(&app::windowEvents(), &app::WindowEvents::windowsChanged, this, [this] {
        rebuild();
        refresh();
    });
}

QSize MailMergeListWin::sizeHint() const {
    return QSize{640, 360}.expandedTo(minimumSizeHint());
}

MailMergeListWin::~MailMergeListWin() {
    // Its own sub-window closing tells of a change while this list is half gone.
    disconnect(windowsChanged_);
}

void MailMergeListWin::rebuild() {
    auto& lists = static_cast<browse::MemorySource&>(source());
    lists.clear();
    for (const MailingListEntry& entry : mailingLists(appState().MAILPATH))
        lists.add({{"Q:NAME", entry.name}, {"Q:PATH", entry.path}});
}

int MailMergeListWin::runForm(int request) {
    if (request == browse::InsertRecord)
        app::openWindow(app::procedures::MailMergeSelection);
    else if (request == browse::ChangeRecord)
        showSelectedList();
    return browse::RequestCancelled;
}

void MailMergeListWin::showSelectedList() {
    const std::string name = source().field("Q:NAME");
    MailingFile check;
    check.setName(source().field("Q:PATH"));
    if (const files::FileError error = check.open(files::DbfTable::Access::Read)) {
        velkora::ask(upperText(name) + ".DBF|[" + std::to_string(error.code) + "] " + error.text, "Error",
                     Icon::Exclamation);
        return;
    }
    check.close();
    mailingFile().setName(check.name());
    app::openWindow(app::procedures::MailingList);
}

} // namespace velkora::documents
