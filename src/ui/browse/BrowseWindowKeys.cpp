// The list window's paging: keys, wheel, thumb and page size, and the
// steps that queued keys leave waiting.

#include "ui/browse/BrowseWindow.h"
#include "ui/browse/FormRequest.h"

#include <QPushButton>
#include <QTimer>
#include <utility>

namespace velkora::browse {
namespace {

std::optional<Scroll> scrollStep(ListAction action) {
    static constexpr std::pair<ListAction, Scroll> kSteps[] = {
        {ListAction::OneUp, Scroll::OneUp},   {ListAction::OneDown, Scroll::OneDown},
        {ListAction::PageUp, Scroll::PageUp}, {ListAction::PageDown, Scroll::PageDown},
        {ListAction::Top, Scroll::Top},       {ListAction::Bottom, Scroll::Bottom},
    };
    for (const auto& [listAction, step] : kSteps)
        if (listAction == action)
            return step;
    return std::nullopt;
}

} // namespace

void BrowseWindow::connectList() {
    keysTimer_->setSingleShot(true);
    keysTimer_->setInterval(0);
    connect(keysTimer_, &QTimer::timeout, this, &BrowseWindow::catchUp);
    connect(list_, &BrowseList::action, this, &BrowseWindow::act);
    connect(list_, &BrowseList::movesDone, this, &BrowseWindow::showPendingMoves);
    connect(list_, &BrowseList::rowChosen, this, [this](int row) {
        catchUp();
        page_->select(row);
        pageMoved();
    });
    connect(list_, &BrowseList::headerClicked, this, &BrowseWindow::sortBy);
    connect(list_, &BrowseList::thumbMoved, this, [this](int percent) {
        catchUp();
        page_->thumb(percent);
        pageMoved();
    });
    connect(list_, &BrowseList::pageSizeChanged, this, &BrowseWindow::pageSizeChanged);
}

void BrowseWindow::act(ListAction action) {
    if (!opened_ || closing_)
        return;
    if (const auto step = scrollStep(action)) {
        if (locatePending_) // typed before this key
            locate();
        if (*step == Scroll::Top || *step == Scroll::Bottom)
            pendingMoves_.clear(); // the page starts afresh: earlier steps no longer matter
        pendingMoves_.push_back(*step);
        if (list_->movesFollow())
            keysTimer_->start();
        else
            showPendingMoves();
        return;
    }
    catchUp();
    switch (action) {
    case ListAction::Insert:
        if (controls_.insert->isEnabled())
            ask(InsertRecord);
        return;
    case ListAction::Delete:
        if (controls_.remove->isEnabled())
            ask(DeleteRecord);
        return;
    case ListAction::Change:
        if (controls_.change->isEnabled())
            ask(ChangeRecord);
        return;
    case ListAction::Open: // the row in hand: a selection hands it over, a list changes it
        if (selecting_)
            select();
        else if (controls_.change->isEnabled())
            ask(ChangeRecord);
        return;
    case ListAction::Format:
        openColumnDialog();
        return;
    case ListAction::Help:
        helpRequested();
        return;
    default:
        return;
    }
}

void BrowseWindow::catchUp() {
    keysTimer_->stop();
    if (locatePending_)
        locate();
    showPendingMoves();
}

void BrowseWindow::showPendingMoves() {
    if (pendingMoves_.empty())
        return;
    page_->scroll(std::exchange(pendingMoves_, {}));
    pageMoved();
}

void BrowseWindow::pageSizeChanged(int rows) {
    catchUp(); // steps taken so far count in the page size they were meant for
    page_->setPageSize(rows);
    if (!opened_ || page_->empty())
        return;
    const std::string first = page_->rows().front().position;
    const std::string current = page_->currentRow()->position;
    page_->resetTo(first);
    const auto& shown = page_->rows();
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i].position == current)
            page_->select(static_cast<int>(i));
    pageMoved();
}

} // namespace velkora::browse
