#include "ui/browse/BrowsePage.h"

#include <algorithm>
#include <utility>

namespace velkora::browse {

BrowsePage::BrowsePage(BrowseSource& source, RowBuilder builder)
    : source_(source), builder_(std::move(builder)) {}

void BrowsePage::setPageSize(int rows) {
    pageSize_ = std::max(1, rows);
    source_.setReadAhead(pageSize_);
}

void BrowsePage::select(int row) {
    if (!rows_.empty())
        current_ = std::clamp(row, 0, static_cast<int>(rows_.size()) - 1);
}

const BrowseRow* BrowsePage::currentRow() const {
    return rows_.empty() ? nullptr : &rows_[current_];
}

void BrowsePage::shade(BrowseRow& row, const BrowseRow* neighbour) const {
    // Stripes travel with their records, so scrolling never makes two
    // neighbouring rows look alike; the first row of a fresh page is plain.
    row.shaded = neighbour != nullptr && !neighbour->shaded;
    for (auto& cell : row.cells)
        cell.normalBg = row.shaded ? kShadeColour : kNoColour;
}

// Reads one record past the given end of the page and adds its row there;
// a full page gives up the row at the other end.
bool BrowsePage::readInto(End end) {
    const ReadResult result = end == End::Bottom ? source_.next() : source_.previous();
    if (result != ReadResult::Ok) {
        if (result == ReadResult::Error) {
            failed_ = true;
            cursor_ = Cursor::Unknown;
        }
        return false;
    }
    // The record read is now the page's edge on that side, the cursor right beyond it.
    cursor_ = end == End::Bottom ? Cursor::BelowPage : Cursor::AbovePage;
    BrowseRow row = builder_(source_);
    row.position = source_.position();
    if (end == End::Bottom) {
        shade(row, rows_.empty() ? nullptr : &rows_.back());
        rows_.push_back(std::move(row));
        if (static_cast<int>(rows_.size()) > pageSize_)
            rows_.erase(rows_.begin());
    } else {
        shade(row, rows_.empty() ? nullptr : &rows_.front());
        rows_.insert(rows_.begin(), std::move(row));
        if (static_cast<int>(rows_.size()) > pageSize_)
            rows_.pop_back();
    }
    return true;
}

int BrowsePage::fillForward(int count) {
    if (!rows_.empty() && cursor_ != Cursor::BelowPage) {
        source_.seekAfter(rows_.back().position);
        cursor_ = Cursor::BelowPage;
    }
    int read = 0;
    while (read < count && readInto(End::Bottom))
        ++read;
    return read;
}

int BrowsePage::fillBackward(int count) {
    if (rows_.empty()) {
        source_.seekEnd();
    } else if (cursor_ != Cursor::AbovePage) {
        source_.seekBefore(rows_.front().position);
        cursor_ = Cursor::AbovePage;
    }
    int read = 0;
    while (read < count && readInto(End::Top))
        ++read;
    return read;
}

// The page read forward from where the source was sought; near the end of
// the view the page is completed from the records before it, so a located
// record at the end still shows a full page above it.
void BrowsePage::fillFromSeek() {
    int read = 0;
    while (read < pageSize_ && readInto(End::Bottom))
        ++read;
    if (read == 0 || failed_) {
        if (!failed_)
            bottom();
        return;
    }
    current_ = fillBackward(pageSize_ - read);
}

void BrowsePage::top() {
    rows_.clear();
    source_.seekStart();
    cursor_ = Cursor::Unknown;
    fillForward(pageSize_);
    current_ = 0;
}

void BrowsePage::bottom() {
    rows_.clear();
    fillBackward(pageSize_);
    current_ = std::max(0, static_cast<int>(rows_.size()) - 1);
}

void BrowsePage::locate(const std::vector<std::string>& values) {
    rows_.clear();
    source_.seekValues(values);
    cursor_ = Cursor::Unknown;
    fillFromSeek();
}

void BrowsePage::resetTo(const std::string& position, int row) {
    rows_.clear();
    source_.seekBefore(position);
    cursor_ = Cursor::Unknown;
    if (!readInto(End::Bottom)) { // nothing at or after it
        if (!failed_)
            bottom();
        return;
    }
    current_ = fillBackward(std::clamp(row, 0, pageSize_ - 1));
    const int below = pageSize_ - static_cast<int>(rows_.size());
    const int read = fillForward(below);
    current_ += fillBackward(below - read);
    // A fresh page: plain first row, stripes from the top.
    for (std::size_t i = 0; i < rows_.size(); ++i)
        shade(rows_[i], i == 0 ? nullptr : &rows_[i - 1]);
}

void BrowsePage::scroll(const std::vector<Scroll>& steps) {
    // Records may have come and gone since the last read: each burst seeks afresh.
    cursor_ = Cursor::Unknown;
    for (const Scroll step : steps) {
        if (failed_)
            return;
        switch (step) {
        case Scroll::OneUp:
            oneUp();
            break;
        case Scroll::OneDown:
            oneDown();
            break;
        case Scroll::PageUp:
            pageUp();
            break;
        case Scroll::PageDown:
            pageDown();
            break;
        case Scroll::Top:
            top();
            break;
        case Scroll::Bottom:
            bottom();
            break;
        }
    }
}

void BrowsePage::oneDown() {
    if (rows_.empty())
        return;
    if (current_ < static_cast<int>(rows_.size()) - 1)
        ++current_;
    else
        fillForward(1);
}

void BrowsePage::oneUp() {
    if (rows_.empty())
        return;
    if (current_ > 0)
        --current_;
    else
        fillBackward(1);
}

// The selection keeps its row while whole pages are read; what could not
// be read at the end of the view moves it towards the last row instead.
void BrowsePage::pageDown() {
    if (rows_.empty())
        return;
    const int read = fillForward(pageSize_);
    select(current_ + (pageSize_ - read));
}

void BrowsePage::pageUp() {
    if (rows_.empty())
        return;
    const int read = fillBackward(pageSize_);
    select(current_ - (pageSize_ - read));
}

void BrowsePage::thumb(int percent) {
    if (percent <= 1)
        top();
    else if (percent >= 100)
        bottom();
}

void BrowsePage::removeCurrent() {
    if (rows_.empty())
        return;
    const std::string gone = rows_[current_].position;
    rows_.erase(rows_.begin() + current_);
    source_.seekAfter(rows_.empty() ? gone : rows_.back().position);
    cursor_ = Cursor::Unknown;
    if (!readInto(End::Bottom) && !failed_) {
        source_.seekBefore(rows_.empty() ? gone : rows_.front().position);
        if (readInto(End::Top))
            ++current_;
    }
    // Rows keep their stripes; the new neighbours are re-striped for the eye.
    for (std::size_t i = 1; i < rows_.size(); ++i)
        shade(rows_[i], &rows_[i - 1]);
    select(current_);
}

ReadResult BrowsePage::regetCurrent() {
    const BrowseRow* row = currentRow();
    if (row == nullptr)
        return ReadResult::End;
    const ReadResult result = source_.reget(row->position);
    failed_ = failed_ || result == ReadResult::Error;
    return result;
}

} // namespace velkora::browse
