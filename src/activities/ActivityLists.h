#pragma once
// The value lists of the activity windows, read from the work file: kinds
// (section AKTART), statuses (AKTSTAT) and priorities (AKTPRI). Each list
// ends at its first empty name.

#include <cstdint>
#include <string>
#include <vector>

namespace velkora::activities {

struct ListEntry {
    int number = 0; // 1-based, as stored in the record
    std::string name;
};
using ValueList = std::vector<ListEntry>;

ValueList readKinds(const std::string& workIni);
ValueList readStatuses(const std::string& workIni);
ValueList readPriorities(const std::string& workIni);

// The name of entry `number`; empty when the list has no such entry.
std::string entryName(const ValueList& list, int number);
// The first entry whose name begins with `text` (case-insensitive); 0 when none does.
int entryStartingWith(const ValueList& list, const std::string& text);

// The kind a new activity starts on: the one chosen last ("AktArt0"), else 3.
int rememberedKind(const std::string& workIni);
void rememberKind(const std::string& workIni, int kind);

} // namespace velkora::activities
