#pragma once
// The forms of the reference tables, each a declaration on RecordForm:
// qxUpdateLand (LdUpdateWin), qxUpdateBranche (BrancheUpdateWin),
// qxUpdatePLZ (OrtUpdateWin, with the country lookup) and qxUpdateSTR
// (StrUpdateWin). Each runs the request in the list's exchange values.

namespace velkora::reference {

int qxUpdateLand(int request);
int qxUpdateBranche(int request);
int qxUpdatePLZ(int request);
int qxUpdateSTR(int request);

} // namespace velkora::reference
