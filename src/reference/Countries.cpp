#include "reference/Countries.h"

#include "data/Errors.h"
#include "data/FileServices.h"
#include "shared/Text.h"

namespace velkora::reference {
namespace {

bool readCountry(const std::string& code) {
    auto& countries = data::files().QXADRLND;
    countries.rec.LD = clip(code);
    return countries.get(*data::Country::table().key("QXADRLN1")) == data::NoError;
}

} // namespace

std::optional<data::Country> findCountry(const std::string& code) {
    if (clip(code).empty() || !readCountry(code))
        return std::nullopt;
    return data::files().QXADRLND.rec;
}

data::RecordPosition countryPosition(const std::string& code) {
    return findCountry(code) ? data::files().QXADRLND.position() : 0;
}

} // namespace velkora::reference
