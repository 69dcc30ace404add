#include "mail/MailHeaders.h"

#include "mail/MailMessage.h"
#include "mail/SmtpSettings.h"
#include "shared/Text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace velkora::mail {
namespace {

// "=?UTF-8?B?" and "?=" leave 63 characters of a 75-character word: 45 bytes.
constexpr std::size_t kWordBytes = 45;

bool isPlainAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

// Characters that end a name in an address header unless it is quoted.
bool needsQuotes(std::string_view name) {
    return name.find_first_of("()<>[]:;@\\,.\"") != std::string_view::npos;
}

} // namespace

std::string base64(std::string_view bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = (group << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= n ? kDigits[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

std::string encodeHeaderText(std::string_view text) {
    if (isPlainAscii(text) && text.find("=?") == std::string_view::npos)
        return std::string(text);
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Whole characters only: a word is decoded on its own.
        std::size_t end = pos;
        for (std::size_t next = pos; next < text.size();) {
            nextCodePoint(text, next);
            if (next - pos > kWordBytes)
                break;
            end = next;
        }
        if (!out.empty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + base64(text.substr(pos, end - pos)) + "?=";
        pos = end;
    }
    return out;
}

std::string mailbox(std::string_view name, std::string_view address) {
    if (name.empty())
        return std::string(address);
    std::string shown;
    if (!isPlainAscii(name))
        shown = encodeHeaderText(name);
    else if (needsQuotes(name))
        shown = "\"" + replaceAll(replaceAll(name, "\\", "\\\\"), "\"", "\\\"") + "\"";
    else
        shown = name;
    return shown + " <" + std::string(address) + ">";
}

std::string mailDate(const LocalDateTime& moment, int offsetMinutes) {
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::int32_t day = dayNumber(moment.date);
    const int offset = std::abs(offsetMinutes);
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02d%02d", kDays[weekday(day)],
                  moment.date.day, kMonths[moment.date.month - 1], moment.date.year, moment.time.hour,
                  moment.time.minute, moment.time.second, offsetMinutes < 0 ? '-' : '+', offset / 60,
                  offset % 60);
    return text;
}

std::vector<std::string> mailHeaders(const SmtpSettings& settings, const MailMessage& message,
                                     const LocalDateTime& moment, int offsetMinutes) {
    return {
        "From: " + mailbox(settings.fromName, settings.from),
        "To: " + mailbox(message.toName, message.to),
        "Subject: " + encodeHeaderText(message.subject),
        "Date: " + mailDate(moment, offsetMinutes),
    };
}

std::string withMailLineEnds(std::string_view text) {
    const std::string lines = replaceAll(replaceAll(text, "\r\n", "\n"), "\r", "\n");
    return replaceAll(lines, "\n", "\r\n");
}

} // namespace velkora::mail
