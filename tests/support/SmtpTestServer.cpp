#include "SmtpTestServer.h"

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace velkora::test {
namespace {

constexpr int kWaitForClientMs = 30000;

void sendLine(int client, const std::string& line) {
    const std::string out = line + "\r\n";
    (void)::send(client, out.data(), out.size(), MSG_NOSIGNAL);
}

// Reads the next line without its CR LF; false when the client went or stayed silent.
bool readLine(int client, std::string& pending, std::string& line) {
    for (;;) {
        if (const auto end = pending.find("\r\n"); end != std::string::npos) {
            line = pending.substr(0, end);
            pending.erase(0, end + 2);
            return true;
        }
        pollfd p{client, POLLIN, 0};
        if (::poll(&p, 1, kWaitForClientMs) <= 0)
            return false;
        char buffer[4096];
        const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0)
            return false;
        pending.append(buffer, static_cast<std::size_t>(got));
    }
}

bool startsWithWord(const std::string& line, const char* word) {
    return ::strncasecmp(line.c_str(), word, std::strlen(word)) == 0;
}

// The address between "<" and ">".
std::string pathOf(const std::string& line) {
    const auto open = line.find('<');
    const auto close = line.find('>', open);
    return open == std::string::npos || close == std::string::npos ? std::string()
                                                                   : line.substr(open + 1, close - open - 1);
}

} // namespace

SmtpTestServer::SmtpTestServer(int sessions, std::string refusedRecipient)
    : refused_(std::move(refusedRecipient)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t size = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, sessions) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("the test mail server cannot listen");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this, sessions] { serve(sessions); });
}

SmtpTestServer::~SmtpTestServer() {
    received();
}

const std::vector<ReceivedMail>& SmtpTestServer::received() {
    if (thread_.joinable())
        thread_.join();
    return mails_;
}

void SmtpTestServer::serve(int sessions) {
    for (int served = 0; served < sessions; ++served) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, kWaitForClientMs) <= 0)
            break;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0)
            break;
        session(client);
        ::close(client);
    }
    ::close(listener_);
}

void SmtpTestServer::session(int client) {
    std::string pending;
    std::string line;
    ReceivedMail mail;
    sendLine(client, "220 localhost test server");
    while (readLine(client, pending, line)) {
        if (startsWithWord(line, "EHLO")) {
            sendLine(client, "250-localhost");
            sendLine(client, "250 8BITMIME");
        } else if (startsWithWord(line, "HELO")) {
            sendLine(client, "250 localhost");
        } else if (startsWithWord(line, "MAIL FROM:")) {
            mail = {pathOf(line), {}, {}};
            sendLine(client, "250 OK");
        } else if (startsWithWord(line, "RCPT TO:")) {
            const std::string to = pathOf(line);
            if (to == refused_) {
                sendLine(client, "550 No such user here");
                continue;
            }
            mail.to.push_back(to);
            sendLine(client, "250 OK");
        } else if (startsWithWord(line, "DATA")) {
            sendLine(client, "354 End data with <CR><LF>.<CR><LF>");
            while (readLine(client, pending, line) && line != ".")
                mail.data += (line.starts_with("..") ? line.substr(1) : line) + "\r\n";
            mails_.push_back(mail);
            sendLine(client, "250 OK queued");
        } else if (startsWithWord(line, "QUIT")) {
            sendLine(client, "221 Bye");
            return;
        } else {
            sendLine(client, startsWithWord(line, "RSET") || startsWithWord(line, "NOOP")
                                 ? "250 OK"
                                 : "502 Not implemented");
        }
    }
}

std::string headerValue(const std::string& mail, const std::string& name) {
    const std::string headers = mail.substr(0, mail.find("\r\n\r\n"));
    const std::string start = name + ":";
    std::size_t pos = 0;
    while (pos < headers.size()) {
        std::size_t end = headers.find("\r\n", pos);
        if (end == std::string::npos)
            end = headers.size();
        if (::strncasecmp(headers.c_str() + pos, start.c_str(), start.size()) == 0) {
            std::string value = headers.substr(pos + start.size(), end - pos - start.size());
            // Folded lines go on with a blank or tab.
            while (end + 2 < headers.size() && (headers[end + 2] == ' ' || headers[end + 2] == '\t')) {
                const std::size_t next = std::min(headers.find("\r\n", end + 2), headers.size());
                value += headers.substr(end + 2, next - end - 2);
                end = next;
            }
            return value.substr(value.find_first_not_of(' ') == std::string::npos
                                    ? value.size()
                                    : value.find_first_not_of(' '));
        }
        pos = end + 2;
    }
    return {};
}

std::string fromBase64(const std::string& text) {
    std::string out;
    unsigned group = 0;
    int bits = 0;
    for (const char c : text) {
        const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        const char* at = c != '\0' ? std::strchr(digits, c) : nullptr;
        if (!at)
            continue; // line ends and padding
        group = (group << 6) | static_cast<unsigned>(at - digits);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return out;
}

std::string decodeHeaderWords(const std::string& value) {
    std::string out;
    std::size_t pos = 0;
    while (pos < value.size()) {
        const std::size_t start = value.find("=?UTF-8?B?", pos);
        if (start == std::string::npos) {
            out += value.substr(pos);
            break;
        }
        const std::string between = value.substr(pos, start - pos);
        // Blanks between two encoded words belong to neither.
        if (between.find_first_not_of(" \t") != std::string::npos)
            out += between;
        const std::size_t end = value.find("?=", start + 10);
        out += fromBase64(value.substr(start + 10, end - start - 10));
        pos = end + 2;
    }
    return out;
}

} // namespace velkora::test
