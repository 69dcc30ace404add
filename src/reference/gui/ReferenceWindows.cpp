#include "reference/gui/ReferenceWindows.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "reference/gui/MaterialForms.h"
#include "reference/gui/MaterialList.h"
#include "reference/gui/MaterialSentList.h"
#include "reference/gui/PlaceLists.h"
#include "reference/gui/ReferenceForms.h"
#include "ui/browse/FormRequest.h"

namespace velkora::reference {
namespace procedures = app::procedures;

void registerReferenceWindows() {
    using app::Instances;
    app::registerWindow(procedures::CountryList, Instances::Multiple, [] { return new LdListWin; });
    app::registerWindow(procedures::IndustryList, Instances::Multiple, [] { return newIndustryList(); });
    app::registerWindow(procedures::PlaceListWithStreets, Instances::Multiple,
                        [] { return new OrtListWin(true); });
    app::registerWindow(procedures::PlaceList, Instances::Multiple, [] { return new OrtListWin(false); });
    app::registerWindow(procedures::MaterialList, Instances::Multiple, [] { return new AttMatListWin; });
    registerMaterialSentList();

    browse::registerForm("qxUpdateLand", qxUpdateLand);
    browse::registerForm("qxUpdateBranche", qxUpdateBranche);
    browse::registerForm("qxUpdatePLZ", qxUpdatePLZ);
    browse::registerForm("qxUpdateSTR", qxUpdateSTR);
    browse::registerForm("UpdateAttMat", updateMaterial);
    browse::registerForm("AktAttMatUpdate", updateMaterialSent);
}

} // namespace velkora::reference
