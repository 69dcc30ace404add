#include "ui/browse/LimitedSource.h"

#include "shared/Text.h"

namespace velkora::browse {

LimitedSource::LimitedSource(data::RecordFile& file, std::string field, std::optional<LimitedKey> key)
    : ViewSource(file), field_(std::move(field)), key_(std::move(key)) {}

void LimitedSource::limitTo(std::optional<std::int32_t> value) {
    value_ = value;
    if (!order_.empty())
        applyOrder();
}

bool LimitedSource::open(const std::string& order) {
    order_ = order;
    return applyOrder();
}

bool LimitedSource::applyOrder() {
    view().clearLimits();
    if (!value_)
        return ViewSource::open(order_);
    view().setRange({data::Value(std::int64_t{*value_})});
    if (key_ && order_ == key_->whole)
        return ViewSource::open(key_->limited);
    const std::string order = trim(order_);
    const bool descending = startsWith(order, "-");
    std::string first = trim(order.substr(0, order.find(',')));
    if (descending)
        first = trim(first.substr(1));
    if (first == field_) // sorted by the linking field already
        return ViewSource::open(order);
    // The linking field leads in the direction of the order, so a
    // descending order reads the same index backwards.
    return ViewSource::open(std::string(descending ? "-" : "") + field_ + ", " + order);
}

void LimitedSource::seekValues(const std::vector<std::string>& values) {
    if (!value_) {
        ViewSource::seekValues(values);
        return;
    }
    std::vector<std::string> behindValue{std::to_string(*value_)};
    behindValue.insert(behindValue.end(), values.begin(), values.end());
    ViewSource::seekValues(behindValue);
}

} // namespace velkora::browse
