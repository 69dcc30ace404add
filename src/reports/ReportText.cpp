#include "reports/ReportText.h"

#include "shared/Text.h"

namespace velkora::reports {

std::string joinParts(std::initializer_list<std::string_view> parts) {
    std::string line;
    for (std::string_view part : parts) {
        const std::string text = trim(part);
        if (text.empty())
            continue;
        if (!line.empty())
            line += ' ';
        line += text;
    }
    return line;
}

std::string labelled(std::string_view label, std::string_view value) {
    const std::string text = trim(value);
    return text.empty() ? std::string() : std::string(label) + " " + text;
}

std::vector<std::string> memoLines(std::string_view memo, std::size_t width) {
    std::vector<std::string> lines;
    const std::string text = replaceAll(replaceAll(memo, "\r\n", "\n"), "\r", "\n");
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string_view rest =
            std::string_view(text).substr(start, end == std::string::npos ? end : end - start);
        rest = clipped(rest);
        do {
            std::string_view piece = leadingChars(rest, width);
            bool atBlank = false;
            if (piece.size() < rest.size()) {
                // Split at the last blank that leaves something on this line.
                const std::size_t blank = rest[piece.size()] == ' ' ? piece.size() : piece.find_last_of(' ');
                if (blank != std::string_view::npos && blank > 0) {
                    piece = piece.substr(0, blank);
                    atBlank = true;
                }
            }
            lines.emplace_back(clipped(piece));
            rest.remove_prefix(piece.size());
            while (atBlank && !rest.empty() && rest.front() == ' ')
                rest.remove_prefix(1);
        } while (!rest.empty());
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

} // namespace velkora::reports
