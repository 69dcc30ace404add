#include "mail/SmtpSettings.h"

#include "shared/ProfileFile.h"
#include "shared/Text.h"

namespace velkora::mail {
namespace {

constexpr const char* kSection = "SMTP";

SmtpSecurity securityOf(const std::string& text) {
    const std::string word = upperText(text);
    if (word == "NONE")
        return SmtpSecurity::None;
    if (word == "TLS" || word == "SSL")
        return SmtpSecurity::Tls;
    return SmtpSecurity::StartTls; // a mistyped value never sends in the clear
}

int defaultPort(SmtpSecurity security) {
    switch (security) {
    case SmtpSecurity::None:
        return 25;
    case SmtpSecurity::Tls:
        return 465;
    case SmtpSecurity::StartTls:
        break;
    }
    return 587;
}

} // namespace

std::optional<SmtpSettings> readSmtpSettings(const std::string& workIni) {
    SmtpSettings s;
    s.host = profile::read(workIni, kSection, "Host");
    if (s.host.empty())
        return std::nullopt;
    s.security = securityOf(profile::read(workIni, kSection, "Security"));
    s.port = static_cast<int>(profile::readInt(workIni, kSection, "Port", defaultPort(s.security)));
    s.user = profile::read(workIni, kSection, "User");
    s.from = profile::read(workIni, kSection, "From");
    s.fromName = profile::read(workIni, kSection, "Name");
    return s;
}

SmtpConnection smtpConnection(const SmtpSettings& settings) {
    SmtpConnection c;
    const char* scheme = settings.security == SmtpSecurity::Tls ? "smtps://" : "smtp://";
    // A numeric IPv6 host needs its brackets in the URL.
    const bool ipv6 = settings.host.find(':') != std::string::npos && settings.host.front() != '[';
    const std::string host = ipv6 ? "[" + settings.host + "]" : settings.host;
    c.url = scheme + host + ":" + std::to_string(settings.port);
    c.requireTls = settings.security != SmtpSecurity::None;
    return c;
}

} // namespace velkora::mail
