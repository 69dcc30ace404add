#include "addresses/contacts/ContactSource.h"

#include "data/FileServices.h"
#include "shared/Text.h"

namespace velkora::addresses {

ContactSource::ContactSource() : ViewSource(data::files().QXADRTKP) {}

void ContactSource::showAddress(std::optional<std::int32_t> adrnr) {
    address_ = adrnr;
    if (!order_.empty())
        applyOrder();
}

bool ContactSource::open(const std::string& order) {
    order_ = order;
    return applyOrder();
}

bool ContactSource::applyOrder() {
    view().clearLimits();
    if (!address_)
        return ViewSource::open(order_);
    // The address number leads in the direction of the order, so a
    // descending order reads the same index backwards.
    const bool descending = startsWith(trim(order_), "-");
    view().setRange({data::Value(std::int64_t{*address_})});
    return ViewSource::open(std::string(descending ? "-" : "") + "TKP:ADRNR, " + order_);
}

void ContactSource::seekValues(const std::vector<std::string>& values) {
    if (!address_) {
        ViewSource::seekValues(values);
        return;
    }
    std::vector<std::string> behindAddress{std::to_string(*address_)};
    behindAddress.insert(behindAddress.end(), values.begin(), values.end());
    ViewSource::seekValues(behindAddress);
}

} // namespace velkora::addresses
