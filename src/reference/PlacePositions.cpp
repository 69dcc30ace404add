#include "reference/PlacePositions.h"

#include "data/Errors.h"
#include "data/FileServices.h"
#include "shared/Text.h"

namespace velkora::reference {
namespace {

const data::KeyDef& placeKey(const char* name) {
    return *data::Place::table().key(name);
}

// The first place at or after the values in the buffer's key components.
data::RecordPosition firstPlaceFrom(const data::KeyDef& key) {
    auto& places = data::files().QXADRORT;
    places.set(key, true);
    return places.next() == data::NoError ? places.position() : 0;
}

} // namespace

data::RecordPosition placeAtPostalCode(const std::string& ld, const std::string& plz) {
    auto& places = data::files().QXADRORT;
    places.clear();
    places.rec.LD = clip(ld);
    places.rec.PLZ = clip(plz);
    return firstPlaceFrom(placeKey("QXADROR1"));
}

data::RecordPosition placeAtName(const std::string& name) {
    auto& places = data::files().QXADRORT;
    places.clear();
    places.rec.ORT = upperText(clip(name));
    return firstPlaceFrom(placeKey("QXADROR2"));
}

PlaceStart placeWithStreetsAt(const std::string& ld, const std::string& plz) {
    auto& streets = data::files().QXADRSTR;
    streets.clear();
    streets.rec.LD = clip(ld);
    streets.rec.PLZ = clip(plz);
    if (streets.get(*data::Street::table().key("QXADRST2")) == data::NoError &&
        !clip(streets.rec.OKEY).empty()) {
        auto& places = data::files().QXADRORT;
        places.clear();
        places.rec.OKEY = streets.rec.OKEY;
        if (places.get(placeKey("QXADROR3")) == data::NoError)
            return {places.position(), streets.position()};
    }
    return {placeAtPostalCode(ld, plz), 0};
}

} // namespace velkora::reference
