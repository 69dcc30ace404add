#pragma once
// Reorganising the address file (menu "DataUtil"): reads every record,
// reports unreadable ones through the prompter, and rebuilds all keys.

namespace velkora::data {

// Runs after the user confirmed. False when the file could not be opened
// ("ERROR: OPEN QXADRESS" was shown).
bool reorganiseAddressFile();

} // namespace velkora::data
