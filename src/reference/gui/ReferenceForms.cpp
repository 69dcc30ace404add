#include "reference/gui/ReferenceForms.h"

#include "data/FileServices.h"
#include "reference/gui/ReferenceChoices.h"
#include "reference/gui/ReferenceSettings.h"
#include "ui/form/RecordForm.h"

namespace velkora::reference {
namespace {

using form::RecordForm;
using form::RecordFormDeclaration;

RecordFormDeclaration countryForm() {
    RecordFormDeclaration d{"qxUpdateLand", "LdUpdateWin", &data::files().QXADRLND};
    d.insertTitle = "Adding a QXADRLND Record";
    d.changeTitle = "Changing a QXADRLND Record";
    d.fields = {{"LND:LD", "Landeskürzel"}, {"LND:LAND", "Name"}, {"LND:VORWAHL", "Vorwahl"}};
    d.required = {"LND:LD", "LND:LAND"};
    d.requiredMessage = "M.LND_NODATA";
    d.duplicateText = "Ld";
    return d;
}

RecordFormDeclaration industryForm() {
    RecordFormDeclaration d{"qxUpdateBranche", "BrancheUpdateWin", &data::files().QXADRBRA};
    d.insertTitle = "Branche NEU";
    d.changeTitle = "Branche bearbeiten";
    d.fields = {{"BRA:BRANCHE", "Branche"}, {"BRA:BEZEICHNG", "Bezeichnung"}};
    d.duplicateText = "BRA:QXADRBR1";
    return d;
}

RecordFormDeclaration placeForm() {
    RecordFormDeclaration d{
        "qxUpdatePLZ", "OrtUpdateWin", &data::files().QXADRORT, {&data::files().QXADRLND}};
    d.insertTitle = "Adding a QXADRORT Record";
    d.changeTitle = "Changing a QXADRORT Record";
    d.fields = {{.name = "ORT:LD", .prompt = "Land", .lookup = countryLookup("LDBUTTON", "LS:LANDNAME")},
                {"ORT:PLZ", "PLZ"},
                {"ORT:VORWAHL", "Vorwahl"},
                {"ORT:ORT", "Ort"}};
    d.required = {"ORT:ORT"};
    d.requiredMessage = "M.PLZ_NODATA";
    d.prime = [](data::RecordFile& places) { places.setText("ORT:LD", defaultCountry()); };
    return d;
}

RecordFormDeclaration streetForm() {
    RecordFormDeclaration d{"qxUpdateSTR", "StrUpdateWin", &data::files().QXADRSTR};
    d.insertTitle = "Adding a QXADRSTR Record";
    d.changeTitle = "Changing a QXADRSTR Record";
    // STR:OKEY is not shown: a street belongs to the place it was entered under.
    d.fields = {{"STR:LD", "Land"}, {"STR:PLZ", "PLZ"}, {"STR:STRASSE", "Strasse"}};
    d.required = {"STR:PLZ", "STR:STRASSE"};
    d.requiredMessage = "M.PLZ_NODATA";
    // A new street belongs to the place selected in the list.
    d.prime = [](data::RecordFile&) {
        const data::Place& place = data::files().QXADRORT.rec;
        data::Street& street = data::files().QXADRSTR.rec;
        street.OKEY = place.OKEY;
        street.LD = place.LD;
        street.PLZ = place.PLZ;
    };
    return d;
}

} // namespace

int qxUpdateLand(int) {
    return RecordForm(countryForm()).run();
}

int qxUpdateBranche(int) {
    return RecordForm(industryForm()).run();
}

int qxUpdatePLZ(int) {
    return RecordForm(placeForm()).run();
}

int qxUpdateSTR(int) {
    return RecordForm(streetForm()).run();
}

} // namespace velkora::reference
