#pragma once
// The value lists the address and contact forms read from the work file
// (ORB.INI in WorkPath): contact kinds, letter salutations, recently used
// positions, address feature labels.

#include <string>
#include <vector>

namespace velkora::addresses {

// Q:TKPART: [ADRTKP] AdrKArt1..9, "Personal" for 1 when missing; stops at
// the first empty name. The position of a name is its kind number.
std::vector<std::string> loadContactKinds(const std::string& workIni);

// [ADRBRANR] BrAnr1..9; empty values are skipped.
std::vector<std::string> loadSalutationTemplates(const std::string& workIni);

// [TKPABTPOS] AbtPos1..9, the most recent first; empty values are skipped.
std::vector<std::string> loadRecentPositions(const std::string& workIni);

// Puts a position typed in a form at the head of the recent positions:
// unless it is empty or already listed (compared upper-cased), every stored
// position moves one key down (the ninth is overwritten) and it becomes AbtPos1.
void rememberPosition(const std::string& workIni, const std::string& position);

// The feature labels of an address: [ADRMKM] AdrMkm1..8 (empty = no feature)
// and AdrMkmN, the label of the numeric feature (empty = none).
struct FeatureLabels {
    std::vector<std::string> flags; // 8 entries
    std::string number;
};
FeatureLabels loadFeatureLabels(const std::string& workIni);

// The name of entry `number` (1-based) of a list; "" for 0 or a missing entry.
std::string entryName(const std::vector<std::string>& list, int number);

} // namespace velkora::addresses
