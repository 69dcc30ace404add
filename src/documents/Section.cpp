#include "documents/Section.h"

namespace velkora::documents {
namespace {
constexpr std::string_view kCrLf = "\r\n";
}

std::string joinLines(std::string_view section) {
    if (section.ends_with(kCrLf))
        section.remove_suffix(kCrLf.size());
    const std::size_t lastBreak = section.rfind(kCrLf);
    std::string joined;
    joined.reserve(section.size() + 1);
    if (lastBreak != std::string_view::npos) {
        const std::string_view head = section.substr(0, lastBreak);
        for (std::size_t pos = 0; pos <= head.size();) {
            const std::size_t next = head.find(kCrLf, pos);
            const std::size_t end = next == std::string_view::npos ? head.size() : next;
            joined.append(head.substr(pos, end - pos));
            pos = end + kCrLf.size();
        }
        section.remove_prefix(lastBreak + kCrLf.size());
    }
    joined += ' ';
    joined.append(section);
    return joined;
}

PreparedSection prepareSection(std::string_view section) {
    const std::string source = joinLines(section);
    const std::string_view text = source;
    PreparedSection prepared;
    for (std::size_t pos = 0;;) {
        const std::size_t start = text.find(kPlaceholderStart, pos);
        if (start == std::string_view::npos) {
            prepared.pieces.push_back({std::string(text.substr(pos)), {}, false});
            break;
        }
        SectionPiece piece{std::string(text.substr(pos, start - pos)), {}, false};
        const std::size_t exprStart = start + kPlaceholderStart.size();
        const std::size_t end = text.find(kPlaceholderEnd, exprStart);
        if (end != std::string_view::npos) {
            piece.expression =
                std::string(text.substr(exprStart, std::min(end - exprStart, kExpressionSize)));
            piece.hasExpression = true;
        }
        prepared.pieces.push_back(std::move(piece));
        if (end == std::string_view::npos)
            break;
        pos = end + kPlaceholderEnd.size();
    }
    return prepared;
}

} // namespace velkora::documents
