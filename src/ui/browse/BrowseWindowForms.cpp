// The list window's form calls: New, Change and Delete with the navigation
// codes a form returns, and a list run for selection (request 4).

#include "app/gui/ModalRun.h"
#include "app/gui/WindowPosition.h"
#include "data/StandardWarnings.h"
#include "ui/browse/BrowseWindow.h"
#include "ui/browse/FormRequest.h"
#include "ui/form/FormLayout.h"

#include <QPointer>
#include <QPushButton>

namespace velkora::browse {

void BrowseWindow::ask(int request) {
    if (request == DeleteRecord && declaration_.form.empty() && declaration_.deleteRow && opened_ &&
        !inForm_) {
        deleteWithoutForm();
        return;
    }
    if (declaration_.form.empty() || inForm_ || !opened_)
        return;
    catchUp();
    inForm_ = true;
    for (;;) {
        if (request == InsertRecord) {
            source_->clearRecord();
        } else {
            if (page_->empty())
                break;
            const ReadResult read = page_->regetCurrent();
            if (read == ReadResult::Error) {
                inForm_ = false;
                readFailed();
                return;
            }
            if (read == ReadResult::End) { // gone meanwhile: show what is there now
                refresh();
                break;
            }
        }
        const int response = runForm(request);
        if (response == RequestCompleted) {
            if (request == DeleteRecord) {
                page_->removeCurrent();
            } else if (const std::string position = source_->formPosition(); !position.empty()) {
                reopenView();
                // Moving on from the form starts from the page the user saw:
                // the saved record keeps its row, so "next" on the last row
                // shifts the page by one record.
                page_->resetTo(position, formExchange().navigation != 0 ? page_->current() : 0);
            }
            pageMoved();
            if (closing_)
                break;
            formCompleted(request);
        }
        if (!followNavigation(request))
            break;
    }
    inForm_ = false;
    updateButtons();
}

// After a form returns with a navigation code: moves as the toolbar button
// would and tells whether the form opens again (with the request to use).
bool BrowseWindow::followNavigation(int& request) {
    switch (formExchange().navigation) {
    case app::NavInsert:
        request = InsertRecord;
        return true;
    case app::NavDown:
        if (request == InsertRecord)
            return true;
        page_->scroll(Scroll::OneDown);
        break;
    case app::NavBottom:
        page_->bottom();
        break;
    case app::NavTop:
        page_->top();
        break;
    case app::NavPageDown:
        page_->scroll(Scroll::PageDown);
        break;
    case app::NavPageUp:
        page_->scroll(Scroll::PageUp);
        break;
    case app::NavUp:
        page_->scroll(Scroll::OneUp);
        break;
    default:
        return false;
    }
    request = ChangeRecord;
    pageMoved();
    return !page_->empty() && !closing_;
}

int BrowseWindow::runForm(int request) {
    return callForm(declaration_.form, request);
}

int BrowseWindow::runSelection(QWidget* over) {
    selecting_ = true;
    response_ = RequestCancelled;
    updateButtons();
    if (closing_ || !filesOpen_)
        return response_;
    // Over the form that asked, which waits for the answer; the toolbar
    // serves the list meanwhile.
    setWindowFlag(Qt::Dialog);
    form::centreOver(this, over);
    // Not one of the frame's windows: the list keeps its place as a form does.
    app::RestoreWindowPosition(this, declaration_.procedure);
    // A list that deletes itself on close may be gone once the run ends:
    // the answer is taken while it closes.
    int response = response_;
    app::ModalRun run(this);
    const auto quit = connect(this, &BrowseWindow::closed, this, [this, &run, &response] {
        app::SaveWindowPosition(this, declaration_.procedure);
        response = response_;
        run.quit();
    });
    app::NavigationOverride toolbarToThisList(this);
    show();
    updateToolbar();
    const QPointer<BrowseWindow> alive(this);
    run.exec();
    if (alive)
        disconnect(quit);
    return response;
}

void BrowseWindow::select() {
    if (controls_.select == nullptr || !controls_.select->isEnabled() || closing_)
        return;
    catchUp();
    const ReadResult read = page_->regetCurrent();
    if (read == ReadResult::Error) {
        readFailed();
        return;
    }
    if (read == ReadResult::End) { // gone meanwhile: show what is there now
        refresh();
        return;
    }
    rowSelected();
    response_ = RequestCompleted;
    closeList();
}

void BrowseWindow::deleteWithoutForm() {
    catchUp();
    if (page_->empty() || page_->regetCurrent() != ReadResult::Ok)
        return;
    if (data::ShowStandardWarning(data::Warn::StandardDelete) != ButtonOk)
        return;
    while (!declaration_.deleteRow(*source_))
        if (data::ShowStandardWarning(data::Warn::DeleteError, source_->fileName()) != ButtonYes)
            return;
    page_->removeCurrent();
    pageMoved();
    updateButtons();
}

} // namespace velkora::browse
