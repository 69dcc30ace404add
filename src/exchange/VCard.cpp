#include "exchange/VCard.h"

#include "data/files/CodePage.h"
#include "exchange/ImportText.h"
#include "shared/Text.h"

#include <optional>

namespace velkora::exchange {
namespace {

struct Property {
    std::string name;                // upper-case, without group
    std::vector<std::string> params; // upper-case, "TYPE=WORK,VOICE" or bare "WORK"
    std::string value;               // raw
};

bool hasParam(const Property& p, std::string_view word) {
    for (const std::string& param : p.params) {
        // "TYPE=WORK,VOICE", "TYPE=\"WORK,VOICE\"" and 2.1's bare "WORK" all name WORK.
        std::string_view rest = param;
        if (const auto eq = rest.find('='); eq != std::string_view::npos)
            rest.remove_prefix(eq + 1);
        std::size_t at = 0;
        while (at <= rest.size()) {
            const std::size_t end = std::min(rest.find(',', at), rest.size());
            std::string_view item = rest.substr(at, end - at);
            while (!item.empty() && item.front() == '"')
                item.remove_prefix(1);
            while (!item.empty() && item.back() == '"')
                item.remove_suffix(1);
            if (item == word)
                return true;
            at = end + 1;
        }
    }
    return false;
}

std::optional<std::string> paramValue(const Property& p, std::string_view key) {
    for (const std::string& param : p.params)
        if (param.size() > key.size() && param.starts_with(key) && param[key.size()] == '=')
            return param.substr(key.size() + 1);
    return std::nullopt;
}

bool quotedPrintable(const Property& p) {
    return paramValue(p, "ENCODING") == "QUOTED-PRINTABLE" || hasParam(p, "QUOTED-PRINTABLE");
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string decodeQuotedPrintable(const Property& p) {
    std::string bytes;
    const std::string& v = p.value;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] == '=' && i + 2 < v.size() + 0 && hexDigit(v[i + 1]) >= 0 && hexDigit(v[i + 2]) >= 0) {
            bytes += static_cast<char>(hexDigit(v[i + 1]) * 16 + hexDigit(v[i + 2]));
            i += 2;
        } else {
            bytes += v[i];
        }
    }
    // The file was decoded as UTF-8 already; the encoded bytes are in the value's own charset.
    const std::string charset = upperText(paramValue(p, "CHARSET").value_or(""));
    const bool utf8 = charset.empty() ? isValidUtf8(bytes) : charset == "UTF-8";
    return utf8 ? bytes : files::ansiToUtf8(bytes);
}

// A structured value's components at unescaped semicolons (none when
// `split` is false), each unescaped.
std::vector<std::string> components(std::string_view value, bool split = true) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            const char e = value[++i];
            parts.back() += (e == 'n' || e == 'N') ? '\n' : e;
        } else if (c == ';' && split) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    for (std::string& part : parts)
        part = trim(part);
    return parts;
}

std::string unescaped(std::string_view value) {
    return components(value, false).front();
}

std::string component(const std::vector<std::string>& parts, std::size_t i) {
    return i < parts.size() ? parts[i] : std::string();
}

Property parseProperty(std::string_view line) {
    Property p;
    // The value starts at the first colon outside quoted parameter values.
    std::size_t colon = 0;
    for (bool quoted = false; colon < line.size(); ++colon) {
        if (line[colon] == '"')
            quoted = !quoted;
        else if (line[colon] == ':' && !quoted)
            break;
    }
    const std::string head = upperText(line.substr(0, colon));
    p.value = colon < line.size() ? std::string(line.substr(colon + 1)) : std::string();
    std::size_t at = 0;
    for (bool first = true; at <= head.size(); first = false) {
        const std::size_t end = std::min(head.find(';', at), head.size());
        const std::string part = head.substr(at, end - at);
        if (first)
            p.name = part.substr(part.find('.') == std::string::npos ? 0 : part.find('.') + 1);
        else if (!part.empty())
            p.params.push_back(part);
        at = end + 1;
    }
    if (quotedPrintable(p))
        p.value = decodeQuotedPrintable(p);
    return p;
}

// The logical lines of the text: folded lines joined, and the soft line
// breaks ("=" at the end) of quoted-printable values.
std::vector<std::string> logicalLines(std::string_view text) {
    std::vector<std::string> lines;
    bool softBreak = false;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (softBreak && !lines.empty()) {
            lines.back().pop_back(); // the "="
            lines.back() += line;
        } else if (!lines.empty() && !line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            lines.back() += line.substr(1);
        } else if (!line.empty()) {
            lines.emplace_back(line);
        }
        const std::string& last = lines.empty() ? std::string() : lines.back();
        softBreak = !last.empty() && last.back() == '=' &&
                    upperText(last.substr(0, last.find(':'))).find("QUOTED-PRINTABLE") != std::string::npos;
    }
    return lines;
}

void take(const Property& p, VCardContact& card, bool& workAdr, bool& workTel) {
    const auto parts = components(p.value);
    if (p.name == "ORG" && card.org.empty()) {
        card.org = component(parts, 0);
        for (std::size_t i = 1; i < parts.size(); ++i)
            if (!parts[i].empty())
                card.orgUnit += (card.orgUnit.empty() ? "" : " ") + parts[i];
    } else if (p.name == "FN" && card.fullName.empty()) {
        card.fullName = component(parts, 0);
    } else if (p.name == "N" && card.family.empty() && card.given.empty()) {
        card.family = component(parts, 0);
        card.given = component(parts, 1);
        card.prefix = component(parts, 3);
    } else if (p.name == "TITLE" && card.title.empty()) {
        card.title = component(parts, 0);
    } else if (p.name == "ADR" &&
               ((card.street.empty() && card.locality.empty()) || (!workAdr && hasParam(p, "WORK")))) {
        workAdr = hasParam(p, "WORK");
        card.street = component(parts, 2);
        card.locality = component(parts, 3);
        card.postalCode = component(parts, 5);
        card.country = component(parts, 6);
    } else if (p.name == "TEL") {
        std::string number = component(parts, 0);
        if (number.starts_with("tel:") || number.starts_with("TEL:"))
            number.erase(0, 4);
        if (hasParam(p, "FAX")) {
            if (card.fax.empty())
                card.fax = number;
        } else if (card.tel.empty() || (!workTel && hasParam(p, "WORK"))) {
            workTel = hasParam(p, "WORK");
            card.tel = number;
        }
    } else if (p.name == "EMAIL" && card.email.empty()) {
        card.email = component(parts, 0);
    } else if (p.name == "URL" && card.url.empty()) {
        card.url = trim(unescaped(p.value));
    } else if (p.name == "NOTE" && card.note.empty()) {
        card.note = component(parts, 0);
    }
}

// Escapes a text value (or one component of a structured value).
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == ',' || c == ';')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

// Folds a content line at 75 bytes, never inside a character.
std::string folded(std::string_view line) {
    std::string out;
    std::size_t width = 75;
    while (line.size() > width) {
        std::size_t cut = width;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        width = 74; // the leading blank counts
    }
    out.append(line);
    out += "\r\n";
    return out;
}

} // namespace

std::vector<VCardContact> parseVCards(std::string_view text) {
    std::vector<VCardContact> cards;
    std::optional<VCardContact> card;
    bool workAdr = false;
    bool workTel = false;
    for (const std::string& line : logicalLines(text)) {
        const Property p = parseProperty(line);
        if (p.name == "BEGIN" && upperText(trim(p.value)) == "VCARD") {
            card.emplace();
            workAdr = workTel = false;
        } else if (p.name == "END" && upperText(trim(p.value)) == "VCARD") {
            if (card)
                cards.push_back(std::move(*card));
            card.reset();
        } else if (card) {
            take(p, *card, workAdr, workTel);
        }
    }
    return cards;
}

std::string vcard4(const VCardContact& c) {
    std::string out = "BEGIN:VCARD\r\nVERSION:4.0\r\n";
    auto line = [&](std::string_view head, const std::string& value) {
        if (!value.empty())
            out += folded(std::string(head) + ":" + value);
    };
    const bool person = !c.family.empty() || !c.given.empty();
    std::string fn = c.fullName;
    if (fn.empty())
        fn = person ? trim(c.given + " " + c.family) : c.org;
    out += folded("FN:" + escaped(fn));
    if (person)
        out += folded("N:" + escaped(c.family) + ";" + escaped(c.given) + ";;" + escaped(c.prefix) + ";");
    else
        out += "KIND:org\r\n";
    if (!c.org.empty())
        out += folded("ORG:" + escaped(c.org) + (c.orgUnit.empty() ? "" : ";" + escaped(c.orgUnit)));
    line("TITLE", escaped(c.title));
    if (!c.street.empty() || !c.locality.empty() || !c.postalCode.empty() || !c.country.empty())
        out += folded("ADR;TYPE=work:;;" + escaped(c.street) + ";" + escaped(c.locality) + ";;" +
                      escaped(c.postalCode) + ";" + escaped(c.country));
    line("TEL;VALUE=text;TYPE=work,voice", escaped(c.tel));
    line("TEL;VALUE=text;TYPE=work,fax", escaped(c.fax));
    line("EMAIL;TYPE=work", escaped(c.email));
    line("URL", c.url);
    line("NOTE", escaped(c.note));
    out += "END:VCARD\r\n";
    return out;
}

} // namespace velkora::exchange
