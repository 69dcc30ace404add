#include "documents/Section.h"

namespace velkora::documents {
namespace {

constexpr std::string_view kCrLf = "\r\n";

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool endsInControlWord(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && isDigit(text[end - 1]))
        --end;
    if (end < text.size() && end > 0 && text[end - 1] == '-')
        --end;
    const std::size_t lettersEnd = end;
    while (end > 0 && isLetter(text[end - 1]))
        --end;
    if (end == lettersEnd)
        return false;
    // The backslash must itself be unescaped: \\par is an escaped backslash and the text par.
    std::size_t backslashes = 0;
    while (end > 0 && text[end - 1] == '\\') {
        --end;
        ++backslashes;
    }
    return backslashes % 2 == 1;
}

bool continuesControlWord(std::string_view next) {
    return !next.empty() && (isLetter(next[0]) || isDigit(next[0]) || next[0] == '-' || next[0] == ' ');
}

void appendApartFromControlWord(std::string& text, std::string_view next) {
    if (continuesControlWord(next) && endsInControlWord(text))
        text += ' ';
    text.append(next);
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
            const std::string_view line = head.substr(pos, end - pos);
            appendApartFromControlWord(joined, line);
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
