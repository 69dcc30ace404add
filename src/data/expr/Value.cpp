#include "data/expr/Value.h"

#include "shared/Text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace velkora::expr {

void appendNumber(std::string& out, double value) {
    char buffer[64];
    std::to_chars_result done;
    // Integers up to 10^15 print exactly; beyond that doubles lose digits anyway.
    if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < 1e15)
        done = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value));
    else
        done = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, done.ptr);
}

std::string formatNumber(double value) {
    std::string out;
    appendNumber(out, value);
    return out;
}

double parseNumber(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && text[begin] == ' ')
        ++begin;
    text = clipView(text.substr(begin));
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only plain decimals: from_chars would also take "inf", "nan" and exponents.
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return negative ? -value : value;
}

double toNumber(const Value& value) {
    return value.isNumber ? value.number : parseNumber(value.text());
}

void appendText(std::string& out, const Value& value) {
    if (value.isNumber)
        appendNumber(out, value.number);
    else
        out.append(value.text());
}

bool isTrue(const Value& value) {
    if (value.isNumber)
        return value.number != 0;
    return !clipView(value.text()).empty();
}

std::string_view clipView(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return text.substr(0, end);
}

int compareValues(const Value& a, const Value& b) {
    if (!a.isNumber && !b.isNumber) {
        if (a.caseless || b.caseless)
            return compareFolded(a.text(), b.text());
        const int order = clipView(a.text()).compare(clipView(b.text()));
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    const double x = toNumber(a), y = toNumber(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace velkora::expr
