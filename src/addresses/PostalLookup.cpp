#include "addresses/PostalLookup.h"

#include "data/Errors.h"
#include "data/FileServices.h"

namespace velkora::addresses {

PostalPlace lookUpPostalCode(const std::string& ld, const std::string& plz) {
    data::Files& f = data::files();
    auto& places = f.QXADRORT;
    places.rec.LD = ld;
    places.rec.PLZ = plz;
    if (places.get(*data::Place::table().key("QXADROR1")) == data::NoError)
        return {places.rec.ORT, {}};

    auto& streets = f.QXADRSTR;
    streets.rec.LD = ld;
    streets.rec.PLZ = plz;
    if (streets.get(*data::Street::table().key("QXADRST2")) != data::NoError)
        return {};
    places.rec.OKEY = streets.rec.OKEY;
    if (places.get(*data::Place::table().key("QXADROR3")) != data::NoError)
        return {};
    return {places.rec.ORT, streets.rec.STRASSE};
}

} // namespace velkora::addresses
