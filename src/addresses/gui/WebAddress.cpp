#include "addresses/gui/WebAddress.h"

#include "shared/Text.h"

namespace velkora::addresses {

std::optional<QUrl> webAddress(const std::string& text) {
    std::string candidate = trim(text);
    if (candidate.empty())
        return std::nullopt;
    if (startsWith(lowerText(candidate), "www."))
        candidate = "http://" + candidate;
    const QUrl url(QString::fromStdString(candidate), QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme == "mailto")
        return url.path().contains('@') ? std::optional<QUrl>(url) : std::nullopt;
    if ((scheme == "http" || scheme == "https" || scheme == "ftp") && !url.host().isEmpty())
        return url;
    return std::nullopt;
}

} // namespace velkora::addresses
