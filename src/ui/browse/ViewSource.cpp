#include "ui/browse/ViewSource.h"

#include "data/Errors.h"

#include <cstdlib>

namespace velkora::browse {
namespace {

constexpr std::size_t kRememberedKeys = 20000;

} // namespace

ViewSource::ViewSource(data::RecordFile& file)
    : file_(file), view_(file), record_(file.table(), file.buffer()) {}

std::string ViewSource::positionText(data::RecordPosition position) {
    return std::to_string(position);
}

bool ViewSource::open(const std::string& order) {
    seek(Anchor::Start);
    return view_.setOrder(order);
}

void ViewSource::setReadAhead(int records) {
    readAhead_ = static_cast<std::size_t>(std::max(1, records));
}

void ViewSource::seek(Anchor anchor) {
    anchor_ = anchor;
    pending_.clear();
    last_.reset();
    exhausted_ = false;
}

void ViewSource::seekStart() {
    seek(Anchor::Start);
}
void ViewSource::seekEnd() {
    seek(Anchor::End);
}

void ViewSource::seekValues(const std::vector<std::string>& values) {
    seek(Anchor::Values);
    values_.clear();
    const auto& table = file_.table();
    const auto& order = view_.order();
    for (std::size_t i = 0; i < values.size() && i < order.size(); ++i) {
        const auto& def = table.fields[static_cast<std::size_t>(order[i].field)];
        if (def.isText())
            values_.emplace_back(values[i]);
        else if (def.type == data::FieldType::Real)
            values_.emplace_back(std::strtod(values[i].c_str(), nullptr));
        else
            values_.emplace_back(static_cast<std::int64_t>(std::strtoll(values[i].c_str(), nullptr, 10)));
    }
}

void ViewSource::seekBefore(const std::string& position) {
    seek(Anchor::Before);
    anchorPosition_ = position;
}

void ViewSource::seekAfter(const std::string& position) {
    seek(Anchor::After);
    anchorPosition_ = position;
}

std::optional<data::ViewRow> ViewSource::rowAt(const std::string& position) {
    const data::RecordPosition at = std::strtoll(position.c_str(), nullptr, 10);
    if (const auto it = keys_.find(at); it != keys_.end()) {
        data::ViewRow row;
        row.position = at;
        row.key = it->second;
        return row;
    }
    auto rows = view_.at(at, 1);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

// The next batch in the reading direction, from the row handed out last or
// from the point the list sought.
std::vector<data::ViewRow> ViewSource::fetch(bool forward) {
    const std::size_t n = readAhead_;
    if (last_)
        return forward ? view_.after(*last_, n) : view_.before(*last_, n);
    switch (anchor_) {
    case Anchor::Start:
        return forward ? view_.first(n) : std::vector<data::ViewRow>{};
    case Anchor::End:
        return forward ? std::vector<data::ViewRow>{} : view_.last(n);
    case Anchor::Values:
        return forward ? view_.from(values_, n) : std::vector<data::ViewRow>{};
    case Anchor::Before:
    case Anchor::After:
        break;
    }
    const data::RecordPosition at = std::strtoll(anchorPosition_.c_str(), nullptr, 10);
    const bool inclusive = (anchor_ == Anchor::Before) == forward;
    if (inclusive) {
        // The anchor record itself comes first, unless it has gone.
        auto rows = forward ? view_.at(at, n) : view_.at(at, 1);
        if (!rows.empty()) {
            if (!forward) {
                auto more = view_.before(rows.front(), n - 1);
                rows.insert(rows.end(), more.begin(), more.end());
            }
            return rows;
        }
    }
    const auto row = rowAt(anchorPosition_);
    if (!row)
        return {};
    return forward ? view_.after(*row, n) : view_.before(*row, n);
}

ReadResult ViewSource::read(bool forward) {
    if (pending_.empty() && !exhausted_) {
        auto rows = fetch(forward);
        if (view_.error() != data::NoError)
            return ReadResult::Error;
        exhausted_ = rows.size() < readAhead_;
        for (auto& row : rows)
            pending_.push_back(std::move(row));
    }
    if (pending_.empty())
        return ReadResult::End;
    last_ = std::move(pending_.front());
    pending_.pop_front();
    take(*last_);
    return ReadResult::Ok;
}

void ViewSource::take(const data::ViewRow& row) {
    record_ = row.record;
    position_ = row.position;
    if (keys_.size() >= kRememberedKeys)
        keys_.clear();
    keys_[row.position] = row.key;
}

ReadResult ViewSource::next() {
    return read(true);
}
ReadResult ViewSource::previous() {
    return read(false);
}

ReadResult ViewSource::reget(const std::string& position) {
    const data::RecordPosition at = std::strtoll(position.c_str(), nullptr, 10);
    const int error = file_.reget(at);
    if (error == data::RecordNotFound)
        return ReadResult::End;
    if (error != data::NoError)
        return ReadResult::Error;
    record_ = data::RecordCopy(file_.table(), file_.buffer());
    position_ = at;
    return ReadResult::Ok;
}

std::string ViewSource::position() const {
    return position_ == 0 ? std::string() : positionText(position_);
}

std::string ViewSource::formPosition() const {
    return file_.position() == 0 ? std::string() : positionText(file_.position());
}

std::string ViewSource::field(std::string_view name) const {
    return record_.text(name);
}

void ViewSource::clearRecord() {
    file_.clear();
    record_ = data::RecordCopy(file_.table(), file_.buffer());
    position_ = 0;
}

std::string ViewSource::fileName() const {
    return std::string(file_.table().name);
}

} // namespace velkora::browse
