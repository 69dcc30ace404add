#include "shared/Pictures.h"

#include "shared/Dates.h"
#include "shared/Text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velkora {
namespace {

std::string& dateFormat() {
    static std::string format = "dd.MM.yyyy";
    return format;
}

struct Separators {
    char decimal = ',';
    char thousands = '.';
};
Separators& separators() {
    static Separators current;
    return current;
}

int readInt(std::string_view s, std::size_t& pos) {
    int n = 0;
    while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])))
        n = n * 10 + (s[pos++] - '0');
    return n;
}

std::string pad2(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n % 100);
    return buf;
}

std::string groupDigits(const std::string& digits) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separators().thousands;
        out += digits[i];
    }
    return out;
}

} // namespace

Picture parsePicture(std::string_view text) {
    Picture p;
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '@')
        ++pos;
    if (pos >= text.size())
        return p;
    const char kind = text[pos++];
    switch (kind) {
    case 's':
    case 'S':
        p.kind = PictureKind::Text;
        p.upperS = kind == 'S';
        p.size = readInt(text, pos);
        break;
    case 'n':
    case 'N':
        p.kind = PictureKind::Number;
        if (pos < text.size() && text[pos] == '-') {
            p.leadingSign = true;
            ++pos;
        }
        if (pos < text.size() && (text[pos] == '_' || text[pos] == '*' ||
                                  (text[pos] == '0' && pos + 1 < text.size() &&
                                   std::isdigit(static_cast<unsigned char>(text[pos + 1]))))) {
            p.fill = text[pos] == '*' ? '_' : text[pos];
            ++pos;
        }
        p.size = readInt(text, pos);
        if (pos + 1 < text.size() && text[pos] == '.' &&
            std::isdigit(static_cast<unsigned char>(text[pos + 1]))) {
            ++pos;
            p.places = readInt(text, pos);
        }
        break;
    case 'd':
    case 'D':
        p.kind = PictureKind::Date;
        p.dateStyle = readInt(text, pos);
        break;
    case 't':
    case 'T':
        p.kind = PictureKind::Time;
        p.dateStyle = readInt(text, pos);
        break;
    default:
        return p;
    }
    if (pos < text.size() && (text[pos] == 'B' || text[pos] == 'b'))
        p.blankZero = true;
    return p;
}

void setShortDateFormat(std::string format) {
    dateFormat() = format.empty() ? "dd.MM.yyyy" : std::move(format);
}

const std::string& shortDateFormat() {
    return dateFormat();
}

void setNumberSeparators(char decimal, char thousands) {
    separators() = {decimal ? decimal : ',', thousands ? thousands : '.'};
}

std::string formatNumber(std::string_view picture, double value) {
    const Picture p = parsePicture(picture);
    if (p.blankZero && value == 0)
        return std::string(static_cast<std::size_t>(p.size), ' ');
    const bool negative = value < 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", p.places, std::fabs(value));
    std::string number(buf);
    std::string whole = number.substr(0, number.find('.'));
    const std::string fraction =
        p.places > 0 ? separators().decimal + number.substr(number.find('.') + 1) : std::string();
    if (p.fill == 0)
        whole = groupDigits(whole);
    std::string body = whole + fraction;
    const std::string sign = negative ? "-" : "";
    const int width = p.size > 0 ? p.size : static_cast<int>(sign.size() + body.size());
    const int padding = width - static_cast<int>(sign.size() + body.size());
    if (padding > 0 && p.fill == '0')
        return sign + std::string(static_cast<std::size_t>(padding), '0') + body;
    if (padding > 0)
        return std::string(static_cast<std::size_t>(padding), ' ') + sign + body;
    return sign + body;
}

std::string formatDate(std::string_view picture, std::int32_t day) {
    const auto date = civilDate(day);
    if (!date)
        return parsePicture(picture).blankZero || day == 0 ? std::string() : std::to_string(day);
    std::string out;
    const std::string& f = dateFormat();
    for (std::size_t i = 0; i < f.size();) {
        if (f.compare(i, 4, "yyyy") == 0) {
            out += std::to_string(date->year);
            i += 4;
        } else if (f.compare(i, 2, "yy") == 0) {
            out += pad2(date->year);
            i += 2;
        } else if (f.compare(i, 2, "MM") == 0) {
            out += pad2(date->month);
            i += 2;
        } else if (f.compare(i, 2, "dd") == 0) {
            out += pad2(date->day);
            i += 2;
        } else {
            out += f[i++];
        }
    }
    return out;
}

std::string formatTime(std::string_view picture, std::int32_t clock) {
    const auto time = clockTime(clock);
    if (!time)
        return parsePicture(picture).blankZero ? std::string() : std::string("00:00");
    return pad2(time->hour) + ":" + pad2(time->minute);
}

std::string formatValue(std::string_view picture, std::string_view value) {
    const Picture p = parsePicture(picture);
    switch (p.kind) {
    case PictureKind::Text:
        return p.size > 0 ? cutChars(value, static_cast<std::size_t>(p.size)) : std::string(value);
    case PictureKind::Number:
        return formatNumber(picture, std::strtod(std::string(value).c_str(), nullptr));
    case PictureKind::Date:
        return formatDate(picture,
                          static_cast<std::int32_t>(std::strtol(std::string(value).c_str(), nullptr, 10)));
    case PictureKind::Time:
        return formatTime(picture,
                          static_cast<std::int32_t>(std::strtol(std::string(value).c_str(), nullptr, 10)));
    case PictureKind::Unknown:
        break;
    }
    return std::string(value);
}

std::optional<double> parseNumber(std::string_view picture, std::string_view text) {
    std::string digits;
    for (const char c : trim(text))
        if (c == separators().decimal)
            digits += '.';
        else if (c != separators().thousands && c != ' ')
            digits += c;
    if (digits.empty())
        return 0.0;
    char* end = nullptr;
    const double value = std::strtod(digits.c_str(), &end);
    if (end == digits.c_str() || *end != '\0')
        return std::nullopt;
    (void)picture;
    return value;
}

std::optional<std::int32_t> parseDate(std::string_view text) {
    const std::string t = trim(text);
    if (t.empty())
        return 0;
    // Day, month and year in the order of the short date format, any separator.
    int parts[3] = {0, 0, 0};
    int count = 0;
    for (std::size_t pos = 0; pos < t.size() && count < 3;) {
        if (!std::isdigit(static_cast<unsigned char>(t[pos]))) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        parts[count++] = readInt(t, pos);
        if (pos - start > 4)
            return std::nullopt;
    }
    if (count != 3)
        return std::nullopt;
    const std::string& f = dateFormat();
    const auto dayAt = f.find("dd"), monthAt = f.find("MM"), yearAt = f.find("yy");
    int order[3] = {0, 1, 2}; // indices of day, month, year in parts
    if (dayAt != std::string::npos && monthAt != std::string::npos && yearAt != std::string::npos) {
        const std::size_t at[3] = {dayAt, monthAt, yearAt};
        for (int i = 0; i < 3; ++i) {
            int rank = 0;
            for (int j = 0; j < 3; ++j)
                rank += at[j] < at[i];
            order[i] = rank;
        }
    }
    int year = parts[order[2]];
    if (year < 100)
        year += year < 50 ? 2000 : 1900;
    const std::int32_t day = dayNumber({year, parts[order[1]], parts[order[0]]});
    if (day == 0)
        return std::nullopt;
    return day;
}

std::optional<std::int32_t> parseTime(std::string_view text) {
    const std::string t = trim(text);
    if (t.empty())
        return 0;
    std::size_t pos = 0;
    const int hour = readInt(t, pos);
    int minute = 0;
    if (pos < t.size() && (t[pos] == ':' || t[pos] == '.')) {
        ++pos;
        minute = readInt(t, pos);
    }
    if (pos != t.size())
        return std::nullopt;
    const std::int32_t value = clockValue({hour, minute, 0, 0});
    if (value == 0)
        return std::nullopt;
    return value;
}

} // namespace velkora
