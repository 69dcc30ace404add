#include "reference/PostalPick.h"

#include "shared/Text.h"

namespace velkora::reference {

PostalPick pickPlace(const data::Place& place) {
    return {clip(place.LD), clip(place.PLZ), clip(place.ORT), {}};
}

PostalPick pickPlaceWithStreet(const data::Place& place, const data::Street* street) {
    PostalPick pick = pickPlace(place);
    if (street != nullptr && charCount(clip(street->PLZ)) > 2) {
        pick.PLZ = clip(street->PLZ);
        pick.STRASSE = clip(street->STRASSE);
    }
    return pick;
}

} // namespace velkora::reference
