#include "reference/gui/MaterialForms.h"

#include "data/FileServices.h"
#include "reference/Materials.h"
#include "reference/gui/MaterialList.h"
#include "ui/form/RecordForm.h"

namespace velkora::reference {
namespace {

using form::RecordFormDeclaration;

RecordFormDeclaration materialForm() {
    RecordFormDeclaration d{"UpdateAttMat", "AttMatUpdateWin", &data::files().QXATTMAT};
    d.insertTitle = "Adding a QXINFOPR Record";
    d.changeTitle = "Changing a QXINFOPR Record";
    d.fields = {
        {"ATM:PRID", "AttMatID"},
        {"ATM:PRBEZ", "Bezeichnung"},
        {"ATM:BEMERK", "Bemerkung"},
        {.name = "ATM:OBSLT", .prompt = "Obsolet", .checkBox = true},
        // An obsolete material is not offered at all, whatever its date.
        {.name = "ATM:VDATE", .prompt = "validuntil", .picture = "@d17B", .enabledWhile = "!ATM:OBSLT"}};
    d.duplicateText = "ATM:QXATTMA1";
    return d;
}

form::FieldLookup materialLookup() {
    auto value = [](const data::Material& m) { return form::LookupValue{m.PRID, m.PRBEZ}; };
    form::FieldLookup lookup;
    lookup.button = "BUTTONTAKEATM";
    lookup.find = [value](const std::string& typed) -> std::optional<form::LookupValue> {
        const auto found = findMaterial(typed);
        return found ? std::optional(value(*found)) : std::nullopt;
    };
    lookup.choose = [value](QWidget* over, const std::string&) -> std::optional<form::LookupValue> {
        const auto chosen = chooseMaterial(over);
        return chosen ? std::optional(value(*chosen)) : std::nullopt;
    };
    return lookup;
}

RecordFormDeclaration materialSentForm() {
    RecordFormDeclaration d{
        "AktAttMatUpdate", "AktAttMatUpdateWin", &data::files().QXAKTATM, {&data::files().QXATTMAT}};
    d.insertTitle = "Adding a QXAKTIPR Record";
    d.changeTitle = "Changing a QXAKTIPR Record";
    d.fields = {{.name = "ATA:PRID", .prompt = "AttMatID", .lookup = materialLookup()},
                {.name = "ATA:PDATE", .prompt = "Datum", .picture = "@d17B"}};
    return d;
}

} // namespace

int updateMaterial(int) {
    return form::RecordForm(materialForm()).run();
}

int updateMaterialSent(int) {
    return form::RecordForm(materialSentForm()).run();
}

} // namespace velkora::reference
