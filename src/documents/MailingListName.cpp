#include "documents/MailingListName.h"

#include "shared/Text.h"


namespace velkora::documents {
namespace {

constexpr std::size_t kMaxNameChars = 40;
constexpr std::size_t kExtensionSize = 4; // ".dbf"

// Nineteen single bytes and the section sign (U+00A7).
constexpr std::string_view kForbiddenBytes = "\\,.;:-+*=@<>/%&?!\"'";
constexpr std::string_view kSectionSign = "\xC2\xA7";

} // namespace

MailingListName checkMailingListName(std::string_view typed) {
    using Problem = MailingListName::Problem;
    std::string name = clip(typed);
    if (name.empty())
        return {Problem::Empty, {}};
    if (charCount(name) > kMaxNameChars || name.front() == '_')
        return {Problem::Invalid, {}};
    if (name.size() >= kExtensionSize && name[name.size() - kExtensionSize] == '.')
        name.resize(name.size() - kExtensionSize);
    if (name.empty() || name.find_first_of(kForbiddenBytes) != std::string::npos ||
        name.find(kSectionSign) != std::string::npos)
        return {Problem::Invalid, {}};
    return {Problem::None, std::move(name)};
}

} // namespace velkora::documents
