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
    view().setRange({data::Value(std::int64_t{*address_})});
    if (order_ == kAllContactsKey)
        return ViewSource::open(kAddressContactsKey);
    const std::string order = trim(order_);
    const bool descending = startsWith(order, "-");
    std::string first = trim(order.substr(0, order.find(',')));
    if (descending)
        first = trim(first.substr(1));
    if (first == "TKP:ADRNR") // sorted by the address number already
        return ViewSource::open(order);
    // The address number leads in the direction of the order, so a
    // descending order reads the same index backwards.
    return ViewSource::open(std::string(descending ? "-" : "") + "TKP:ADRNR, " + order);
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
