// FormatName over any template and names: the result fits the stored width,
// and a template without markers always comes back as written.
// Input: the template and the four names, separated by line feeds.

#include "addresses/Salutation.h"
#include "shared/Text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view parts[5];
    for (std::string_view& part : parts) {
        const std::size_t end = input.find('\n');
        part = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    const std::string result = velkora::FormatName(parts[0], parts[1], parts[2], parts[3], parts[4]);
    require(velkora::charCount(result) <= velkora::kSalutationChars);
    const std::string held = velkora::cutChars(parts[0], velkora::kSalutationTemplateChars);
    if (held.find("<#") == std::string::npos)
        require(result == velkora::cutChars(velkora::clip(held), velkora::kSalutationChars));
    return 0;
}
