#pragma once
// The priority lamps of the activity windows: red, orange, yellow and the
// switched-off lamp.

#include "activities/ActivityTexts.h"

#include <QIcon>
#include <vector>

namespace velkora::activities {

QIcon lampIcon(Lamp lamp);
// The lamps in the order of `lamps`, as icon numbers 1..n of a list.
std::vector<QIcon> lampIcons(const std::vector<Lamp>& lamps);

} // namespace velkora::activities
