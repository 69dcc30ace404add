#include "mail/SmtpSender.h"

#include "mail/MailHeaders.h"
#include "shared/Clock.h"

#include <ctime>
#include <curl/curl.h>
#include <filesystem>
#include <memory>
#include <mutex>

namespace velkora::mail {
namespace {

constexpr long kConnectSeconds = 30;
constexpr long kSendSeconds = 300; // a large attachment on a slow line

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
template <class T> using CurlPtr = std::unique_ptr<T, CurlDeleter>;

void appendTo(CurlPtr<curl_slist>& list, const std::string& line) {
    curl_slist* longer = curl_slist_append(list.get(), line.c_str());
    if (longer) {
        list.release();
        list.reset(longer);
    }
}

int utcOffsetMinutes() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<int>(local.tm_gmtoff / 60);
}

// The text part and, when given, the attachment part.
CurlPtr<curl_mime> mailBody(CURL* curl, const MailMessage& message) {
    CurlPtr<curl_mime> mime(curl_mime_init(curl));
    curl_mimepart* text = curl_mime_addpart(mime.get());
    const std::string body = withMailLineEnds(message.body);
    curl_mime_data(text, body.c_str(), body.size());
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "quoted-printable");
    if (!message.attachment.empty()) {
        curl_mimepart* file = curl_mime_addpart(mime.get());
        curl_mime_filedata(file, message.attachment.c_str());
        const std::string name = std::filesystem::path(message.attachment).filename().string();
        curl_mime_filename(file, encodeHeaderText(name).c_str());
        curl_mime_type(file, "application/octet-stream");
        curl_mime_encoder(file, "base64");
    }
    return mime;
}

std::optional<std::string>& storedPassword() {
    static std::optional<std::string> password;
    return password;
}

} // namespace

SmtpResult sendBySmtp(const SmtpSettings& settings, const std::string& password, const MailMessage& message) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    if (!message.attachment.empty() && !std::filesystem::is_regular_file(message.attachment))
        return {CURLE_READ_ERROR, "Attachment not found: " + message.attachment};
    CurlPtr<CURL> curl(curl_easy_init());
    if (!curl)
        return {CURLE_FAILED_INIT, curl_easy_strerror(CURLE_FAILED_INIT)};
    CURL* c = curl.get();
    const SmtpConnection connection = smtpConnection(settings);
    curl_easy_setopt(c, CURLOPT_URL, connection.url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_USE_SSL, connection.requireTls ? CURLUSESSL_ALL : CURLUSESSL_NONE);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, connection.verifyPeer ? 1L : 0L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, connection.verifyHost ? 2L : 0L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, kSendSeconds);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    if (!settings.user.empty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, settings.user.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.c_str());
    }
    const std::string from = "<" + settings.from + ">";
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.c_str());
    CurlPtr<curl_slist> recipients;
    appendTo(recipients, "<" + message.to + ">");
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    CurlPtr<curl_slist> headers;
    for (const std::string& line : mailHeaders(settings, message, localNow(), utcOffsetMinutes()))
        appendTo(headers, line);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    CurlPtr<curl_mime> body = mailBody(c, message);
    curl_easy_setopt(c, CURLOPT_MIMEPOST, body.get());
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    char detail[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detail);

    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_OK)
        return {};
    return {code, detail[0] != '\0' ? detail : curl_easy_strerror(code), code == CURLE_LOGIN_DENIED};
}

std::optional<std::string> sessionPassword(const SmtpSettings& settings, const PasswordQuestion& ask) {
    if (settings.user.empty())
        return std::string();
    if (!storedPassword())
        storedPassword() = ask(settings);
    return storedPassword();
}

void forgetSessionPassword() {
    storedPassword().reset();
}

std::optional<SmtpResult> sendBySmtp(const SmtpSettings& settings, const MailMessage& message,
                                     const PasswordQuestion& ask) {
    const std::optional<std::string> password = sessionPassword(settings, ask);
    if (!password)
        return std::nullopt;
    SmtpResult result = sendBySmtp(settings, *password, message);
    if (result.loginRefused)
        forgetSessionPassword();
    return result;
}

} // namespace velkora::mail
