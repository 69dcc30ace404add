#include "reference/gui/ReferenceSettings.h"

#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

namespace velkora::reference {

std::string defaultCountry() {
    return clip(profile::read(appState().WORKINI, "DEFAULT", "AdrLd"));
}

bool placesWithStreets() {
    return profile::readInt(appState().STARTINI, "DEFAULT", "AdrStrExt", 0) > 0;
}

} // namespace velkora::reference
