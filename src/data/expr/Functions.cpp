#include "data/expr/Functions.h"

#include "shared/Text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace velkora::expr {
namespace {

// Counts and positions as integers, bounded so that arithmetic on them
// cannot overflow; anything beyond the longest text behaves the same.
std::int64_t toCount(const Value& value) {
    constexpr double bound = double(std::int64_t{1} << 40);
    const double number = toNumber(value);
    if (std::isnan(number))
        return 0;
    return static_cast<std::int64_t>(std::clamp(std::trunc(number), -bound, bound));
}

// Numbers used as texts read as they would print.
void makeText(Value& value) {
    if (value.isNumber) {
        const double number = value.number;
        appendNumber(value.setOwned(false), number);
    }
}

void setText(Value& value, std::string&& text, bool caseless) {
    value.setOwned(caseless) = std::move(text);
}

bool isCharStart(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// The 1-based character position of every byte of `text`.
std::vector<std::uint32_t> charPositions(std::string_view text) {
    std::vector<std::uint32_t> positions(text.size());
    std::uint32_t position = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isCharStart(text[i]))
            ++position;
        positions[i] = position;
    }
    return positions;
}

// Every occurrence of `needle` in `haystack`, in linear time (Knuth-Morris-
// Pratt), so that long texts cannot make the search run for hours. Calls
// `found` with each start byte offset until it returns true.
template <typename Found> void forEachMatch(std::string_view haystack, std::string_view needle, Found found) {
    std::vector<std::size_t> border(needle.size(), 0);
    for (std::size_t i = 1, k = 0; i < needle.size(); ++i) {
        while (k > 0 && needle[i] != needle[k])
            k = border[k - 1];
        if (needle[i] == needle[k])
            ++k;
        border[i] = k;
    }
    for (std::size_t i = 0, k = 0; i < haystack.size(); ++i) {
        while (k > 0 && haystack[i] != needle[k])
            k = border[k - 1];
        if (haystack[i] == needle[k])
            ++k;
        if (k == needle.size()) {
            if (found(i + 1 - needle.size()))
                return;
            k = border[k - 1];
        }
    }
}

ErrorCode instring(std::span<Value> args) {
    for (std::size_t i = 0; i < 2; ++i)
        makeText(args[i]);
    const std::string_view needle = args[0].text(), haystack = args[1].text();
    const std::int64_t step = args.size() > 2 ? toCount(args[2]) : 1;
    std::int64_t found = 0;
    if (!needle.empty() && step != 0 && needle.size() <= haystack.size()) {
        const std::vector<std::uint32_t> positions = charPositions(haystack);
        const std::int64_t length = positions.empty() ? 0 : positions.back();
        const std::int64_t start = args.size() > 3 ? toCount(args[3]) : (step > 0 ? 1 : length);
        const std::int64_t stride = step > 0 ? step : -step;
        // Forward: the first match at start, start+step, ...; backward: the
        // last match at start, start-step, ...
        forEachMatch(haystack, needle, [&](std::size_t offset) {
            if (!isCharStart(haystack[offset]))
                return false;
            const std::int64_t position = positions[offset];
            const std::int64_t distance = step > 0 ? position - start : start - position;
            if (distance < 0)
                return step < 0;
            if (distance % stride == 0)
                found = position;
            return step > 0 && found != 0;
        });
        if (found != 0)
            found = (found - 1) / stride + 1;
    }
    args[0].setNumber(static_cast<double>(found));
    return ErrorCode::None;
}

ErrorCode len(std::span<Value> args) {
    makeText(args[0]);
    args[0].setNumber(static_cast<double>(charCount(args[0].text())));
    return ErrorCode::None;
}

ErrorCode clipFunction(std::span<Value> args) {
    Value& value = args[0];
    makeText(value);
    if (value.isOwned)
        value.owned.resize(clipView(value.owned).size());
    else
        value.borrowed = clipView(value.borrowed);
    return ErrorCode::None;
}

ErrorCode upper(std::span<Value> args) {
    makeText(args[0]);
    setText(args[0], upperText(args[0].text()), true);
    return ErrorCode::None;
}

ErrorCode lower(std::span<Value> args) {
    makeText(args[0]);
    setText(args[0], lowerText(args[0].text()), true);
    return ErrorCode::None;
}

ErrorCode sub(std::span<Value> args) {
    makeText(args[0]);
    const std::string_view text = args[0].text();
    const auto length = static_cast<std::int64_t>(charCount(text));
    std::int64_t start = toCount(args[1]);
    if (start < 0)
        start += length + 1;
    const std::int64_t first = std::max<std::int64_t>(start, 1);
    const std::int64_t last = std::min(start + toCount(args[2]) - 1, length);
    std::string part;
    if (last >= first)
        part = subChars(text, static_cast<std::size_t>(first), static_cast<std::size_t>(last - first + 1));
    setText(args[0], std::move(part), args[0].caseless);
    return ErrorCode::None;
}

// The requested width of LEFT/RIGHT: the text's own length when omitted.
bool width(std::span<Value> args, std::size_t& chars) {
    if (args.size() < 2) {
        chars = charCount(args[0].text());
        return true;
    }
    const std::int64_t requested = toCount(args[1]);
    if (requested > static_cast<std::int64_t>(kMaxTextBytes))
        return false;
    chars = static_cast<std::size_t>(std::max<std::int64_t>(requested, 0));
    return true;
}

ErrorCode left(std::span<Value> args) {
    makeText(args[0]);
    std::size_t chars = 0;
    if (!width(args, chars))
        return ErrorCode::TooLong;
    std::string_view text = args[0].text();
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    std::string justified = cutChars(text, chars);
    justified.append(chars - charCount(justified), ' ');
    setText(args[0], std::move(justified), args[0].caseless);
    return ErrorCode::None;
}

ErrorCode right(std::span<Value> args) {
    makeText(args[0]);
    std::size_t chars = 0;
    if (!width(args, chars))
        return ErrorCode::TooLong;
    const std::string_view text = clipView(args[0].text());
    const std::size_t used = charCount(text);
    std::string justified;
    if (used >= chars) {
        justified = cutChars(text, chars);
    } else {
        justified.assign(chars - used, ' ');
        justified.append(text);
    }
    setText(args[0], std::move(justified), args[0].caseless);
    return ErrorCode::None;
}

constexpr std::array<Function, 8> kFunctions = {{
    {"CLIP", 1, 1, clipFunction},
    {"INSTRING", 2, 4, instring},
    {"LEFT", 1, 2, left},
    {"LEN", 1, 1, len},
    {"LOWER", 1, 1, lower},
    {"RIGHT", 1, 2, right},
    {"SUB", 3, 3, sub},
    {"UPPER", 1, 1, upper},
}};

} // namespace

std::span<const Function> functions() {
    return kFunctions;
}

int findFunction(std::string_view upperName) {
    for (std::size_t i = 0; i < kFunctions.size(); ++i)
        if (kFunctions[i].name == upperName)
            return static_cast<int>(i);
    return -1;
}

} // namespace velkora::expr
