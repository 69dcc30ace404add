// The list window's order: the sort column and direction, the view opened
// in that order, and re-reading the page around the selected record.

#include "data/StandardWarnings.h"
#include "ui/browse/BrowseWindow.h"

#include <QLineEdit>

namespace velkora::browse {

void BrowseWindow::sortBy(int field) {
    if (field < 1 || field > static_cast<int>(declaration_.columns.size()) || declaration_.fixedOrder)
        return;
    catchUp();
    if (field == sortField_ && !keyOrder_) {
        descending_ = !descending_;
    } else {
        sortField_ = field;
        descending_ = false;
    }
    keyOrder_ = false;
    locator_.clear();
    controls_.searchEntry->clear();
    showSortMarker();
    showLocatorPrompt();
    if (opened_)
        reopenAtSelection();
}

void BrowseWindow::showInKeyOrder(SortOrder order) {
    catchUp();
    declaration_.keyOrder = std::move(order);
    takeKeyOrder();
    descending_ = false;
    locator_.clear();
    controls_.searchEntry->clear();
    showSortMarker();
    showLocatorPrompt();
    if (!opened_)
        return;
    reopenView();
    page_->top();
    pageMoved();
}

void BrowseWindow::takeKeyOrder() {
    // The locator prompt names the column of the field the key locates on.
    keyOrder_ = true;
    for (std::size_t i = 0; i < declaration_.columns.size(); ++i)
        if (declaration_.columns[i].field == declaration_.keyOrder->locatorField)
            sortField_ = static_cast<int>(i) + 1;
}

void BrowseWindow::reopenView() {
    if (!source_->open(currentOrder().expression))
        data::ShowStandardWarning(data::Warn::ViewOpenError);
}

SortOrder BrowseWindow::currentOrder() const {
    if (keyOrder_)
        return *declaration_.keyOrder;
    return sortOrder(declaration_.columns[static_cast<std::size_t>(sortField_ - 1)], descending_,
                     declaration_.sortMappings);
}

void BrowseWindow::showSortMarker() {
    list_->setSortMarker(keyOrder_ ? 0 : sortField_, descending_);
}

void BrowseWindow::refresh() {
    if (!opened_ || closing_)
        return;
    catchUp();
    reopenAtSelection();
}

void BrowseWindow::reopenAtSelection() {
    const BrowseRow* row = page_->currentRow();
    const std::string position = row != nullptr ? row->position : std::string();
    reopenView();
    if (position.empty())
        page_->top();
    else
        page_->resetTo(position);
    pageMoved();
}

void BrowseWindow::showRecord(const std::string& position) {
    if (!opened_ || closing_)
        return;
    catchUp();
    reopenView();
    page_->resetTo(position);
    pageMoved();
}

} // namespace velkora::browse
