#include "addresses/AddressQueues.h"

#include "shared/FieldTypes.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <array>

namespace velkora::addresses {
namespace {

constexpr std::array<const char*, 8> kStatusDefaults = {"Max.",  "OK", "Standard", "Min.",
                                                        "Alarm", "",   "",         ""};
constexpr std::array<const char*, 8> kTypeDefaults = {"Adr.", "", "", "", "", "", "", ""};

// Values 1..8 of a numbered key, up to the first empty one.
std::vector<std::string> readList(const std::string& file, const char* section, const char* key,
                                  const std::array<const char*, 8>& defaults) {
    std::vector<std::string> out;
    for (std::size_t n = 1; n <= defaults.size(); ++n) {
        const std::string value =
            clip(profile::read(file, section, key + std::to_string(n), defaults[n - 1]));
        if (value.empty())
            break;
        out.push_back(toCStringField(value, 24));
    }
    return out;
}

} // namespace

std::vector<AddressStatus>& adrStatusQueue() {
    static std::vector<AddressStatus> queue;
    return queue;
}

std::vector<std::string>& adrArtQueue() {
    static std::vector<std::string> queue;
    return queue;
}

std::vector<std::string> loadAddressTypes(const std::string& workIni) {
    return readList(workIni, "ADRART", "AdrArt", kTypeDefaults);
}

void loadAddressQueues(const std::string& workIni) {
    adrArtQueue() = loadAddressTypes(workIni);
    auto& status = adrStatusQueue();
    status.clear();
    int number = 0;
    for (auto& name : readList(workIni, "ADRSTAT", "AdrStatus", kStatusDefaults))
        status.push_back({std::move(name), ++number});
}

std::string addressTypeName(int number) {
    const auto& types = adrArtQueue();
    if (number < 1 || number > static_cast<int>(types.size()))
        return " ";
    return types[static_cast<std::size_t>(number - 1)];
}

int addressTypeStartingWith(const std::string& text) {
    const std::string wanted = upperText(clip(text));
    const auto& types = adrArtQueue();
    for (std::size_t i = 0; i < types.size(); ++i)
        if (startsWith(upperText(clip(types[i])), wanted))
            return static_cast<int>(i) + 1;
    return 0;
}

} // namespace velkora::addresses
