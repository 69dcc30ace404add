#include "activities/ActivityLists.h"

#include "shared/ProfileFile.h"
#include "shared/Text.h"

namespace velkora::activities {
namespace {

constexpr const char* kKindSection = "AKTART";

ValueList readList(const std::string& ini, const char* section, const std::string& prefix, int count,
                   const std::vector<std::string>& defaults) {
    ValueList list;
    for (int n = 1; n <= count; ++n) {
        const std::string fallback = n <= static_cast<int>(defaults.size()) ? defaults[n - 1] : std::string();
        std::string name = clip(profile::read(ini, section, prefix + std::to_string(n), fallback));
        if (name.empty())
            break;
        list.push_back({n, std::move(name)});
    }
    return list;
}

} // namespace

ValueList readKinds(const std::string& workIni) {
    return readList(workIni, kKindSection, "AktArt", 8, {"MS-Word Doc."});
}

ValueList readStatuses(const std::string& workIni) {
    return readList(workIni, "AKTSTAT", "AktStat", 8, {"*MS-Word Doc.*"});
}

ValueList readPriorities(const std::string& workIni) {
    return readList(workIni, "AKTPRI", "AktPri", 3, {"High", "Normal", "Low"});
}

std::string entryName(const ValueList& list, int number) {
    for (const auto& entry : list)
        if (entry.number == number)
            return entry.name;
    return {};
}

int entryStartingWith(const ValueList& list, const std::string& text) {
    const std::string wanted = upperText(text);
    for (const auto& entry : list)
        if (startsWith(upperText(entry.name), wanted))
            return entry.number;
    return 0;
}

int rememberedKind(const std::string& workIni) {
    return static_cast<int>(profile::readInt(workIni, kKindSection, "AktArt0", 3));
}

void rememberKind(const std::string& workIni, int kind) {
    profile::write(workIni, kKindSection, "AktArt0", std::to_string(kind));
}

} // namespace velkora::activities
