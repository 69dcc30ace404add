#include "addresses/ValueLists.h"

#include "shared/ProfileFile.h"
#include "shared/Text.h"

namespace velkora::addresses {
namespace {

constexpr int kListKeys = 9;
constexpr int kFeatureFlags = 8;

std::string key(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

// Values of prefix1..prefixN; stops at the first empty one or skips it.
std::vector<std::string> readList(const std::string& ini, const char* section, const char* prefix,
                                  bool stopAtEmpty, const char* firstDefault = "") {
    std::vector<std::string> out;
    for (int n = 1; n <= kListKeys; ++n) {
        const std::string value =
            clip(profile::read(ini, section, key(prefix, n), n == 1 ? firstDefault : ""));
        if (value.empty()) {
            if (stopAtEmpty)
                break;
            continue;
        }
        out.push_back(value);
    }
    return out;
}

} // namespace

std::vector<std::string> loadContactKinds(const std::string& workIni) {
    return readList(workIni, "ADRTKP", "AdrKArt", true, "Personal");
}

std::vector<std::string> loadSalutationTemplates(const std::string& workIni) {
    return readList(workIni, "ADRBRANR", "BrAnr", false);
}

std::vector<std::string> loadRecentPositions(const std::string& workIni) {
    return readList(workIni, "TKPABTPOS", "AbtPos", false);
}

void rememberPosition(const std::string& workIni, const std::string& position) {
    const std::string typed = trim(position);
    if (typed.empty())
        return;
    for (const std::string& known : loadRecentPositions(workIni))
        if (upperText(known) == upperText(typed))
            return;
    for (int n = kListKeys; n >= 2; --n) {
        const std::string above = clip(profile::read(workIni, "TKPABTPOS", key("AbtPos", n - 1)));
        if (!above.empty())
            profile::write(workIni, "TKPABTPOS", key("AbtPos", n), above);
    }
    profile::write(workIni, "TKPABTPOS", "AbtPos1", typed);
}

FeatureLabels loadFeatureLabels(const std::string& workIni) {
    FeatureLabels labels;
    for (int n = 1; n <= kFeatureFlags; ++n)
        labels.flags.push_back(clip(profile::read(workIni, "ADRMKM", key("AdrMkm", n))));
    labels.number = clip(profile::read(workIni, "ADRMKM", "AdrMkmN"));
    return labels;
}

std::string entryName(const std::vector<std::string>& list, int number) {
    if (number < 1 || number > static_cast<int>(list.size()))
        return {};
    return list[static_cast<std::size_t>(number - 1)];
}

} // namespace velkora::addresses
