#pragma once
// The eight address-status icons of the address list (status 1 to 8).

#include <QIcon>
#include <vector>

namespace velkora::addresses {

std::vector<QIcon> addressStatusIcons();

} // namespace velkora::addresses
