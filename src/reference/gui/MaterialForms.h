#pragma once
// The forms of information material, each a declaration on RecordForm:
// AttMatUpdateWin (a material of the catalogue) and AktAttMatUpdateWin (a
// material sent, whose material is picked from the catalogue).

namespace velkora::reference {

int updateMaterial(int request);
int updateMaterialSent(int request);

} // namespace velkora::reference
