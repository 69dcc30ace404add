#include "documents/TemplateParser.h"

#include "shared/Text.h"

namespace velkora::documents {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kPar = "\\par ";

std::string_view between(std::string_view text, std::size_t from, std::size_t to) {
    return from < to ? text.substr(from, to - from) : std::string_view();
}

} // namespace

std::string groupText(std::string_view section) {
    for (int pair = 0; pair < 2 && section.starts_with(kCrLf); ++pair)
        section.remove_prefix(kCrLf.size());
    if (section.starts_with(kPar))
        section.remove_prefix(kPar.size());
    return clip(section);
}

ParsedTemplate parseTemplate(std::string_view text) {
    ParsedTemplate parsed;
    std::size_t loop = text.find(kLoopStart);
    if (loop == std::string_view::npos)
        return parsed;
    parsed.groups.push_back({std::string(kHeaderGroup), groupText(text.substr(0, loop)), {}});

    std::size_t headerStart = 0;
    for (;;) {
        const std::size_t nameStart = loop + kLoopStart.size();
        const std::size_t nameEnd = text.find(kLoopNameEnd, nameStart);
        if (nameEnd == std::string_view::npos) {
            parsed.error = kTemplateError;
            return parsed;
        }
        TemplateGroup group{cutChars(between(text, nameStart, nameEnd), kNameSize), {}, {}};
        headerStart = nameEnd + kLoopNameEnd.size();
        loop = text.find(kLoopStart, headerStart);
        if (loop != std::string_view::npos) {
            group.header = groupText(between(text, headerStart, loop));
            parsed.groups.push_back(std::move(group));
            continue;
        }
        const std::size_t end = text.find(kLoopEnd, headerStart);
        group.header =
            groupText(between(text, headerStart, end == std::string_view::npos ? text.size() : end));
        parsed.groups.push_back(std::move(group));
        if (end == std::string_view::npos) {
            parsed.error = kTemplateError;
            return parsed;
        }
        headerStart = end + kLoopEnd.size();
        break;
    }

    // Footers from the innermost group outwards; surplus end markers belong to no group.
    std::size_t footerStart = headerStart;
    for (std::size_t k = parsed.groups.size(); k > 0; --k) {
        const std::size_t end = text.find(kLoopEnd, footerStart);
        const bool last = end == std::string_view::npos;
        parsed.groups[k - 1].footer = groupText(between(text, footerStart, last ? text.size() : end));
        if (last)
            break;
        footerStart = end + kLoopEnd.size();
    }
    return parsed;
}

} // namespace velkora::documents
