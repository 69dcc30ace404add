#include "reference/Materials.h"

#include "data/Errors.h"
#include "data/FileServices.h"
#include "shared/Text.h"

namespace velkora::reference {
namespace {

// Reads the record `fill` puts the key of into the buffer, and puts the
// buffer back as it was.
template <class R, class Fill> std::optional<R> peek(data::File<R>& file, const char* key, Fill fill) {
    const R kept = file.rec;
    fill(file.rec);
    std::optional<R> found;
    if (file.get(*R::table().key(key)) == data::NoError)
        found = file.rec;
    file.rec = kept;
    return found;
}

} // namespace

bool materialOffered(const data::Material& material, std::int32_t today) {
    return material.OBSLT == 0 && (material.VDATE == 0 || material.VDATE >= today);
}

std::optional<data::Material> findMaterial(const std::string& prid) {
    if (clip(prid).empty())
        return std::nullopt;
    return peek(data::files().QXATTMAT, "QXATTMA1", [&](data::Material& m) { m.PRID = prid; });
}

std::string sentToAddress(std::int32_t adrnr) {
    const auto a = peek(data::files().QXADRESS, "QXADRES1", [&](data::Address& r) { r.ADRNR = adrnr; });
    if (!a)
        return {};
    return clip(a->NAME1) + " " + clip(a->NAME2) + ", " + clip(a->LD) + " " + clip(a->PLZ) + " " +
           clip(a->ORT) + ", " + clip(a->STRASSE);
}

} // namespace velkora::reference
