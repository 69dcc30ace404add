#pragma once
// A mail server inside a test: it listens on 127.0.0.1 only, on a port the
// system picks, answers a bounded number of SMTP sessions on a thread of its
// own and then stops by itself; it also stops when nobody has come for half
// a minute, so a failing test never hangs on it.
//
//   test::SmtpTestServer server(1, "refused@example.com"); // RCPT TO answered 550
//   ... send to 127.0.0.1:server.port() ...
//   const auto mails = server.received();                  // waits for the end

#include <string>
#include <thread>
#include <vector>

namespace velkora::test {

struct ReceivedMail {
    std::string from;
    std::vector<std::string> to;
    std::string data; // what came after DATA, dots unstuffed, without the final "."
};

class SmtpTestServer {
public:
    explicit SmtpTestServer(int sessions = 1, std::string refusedRecipient = {});
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer&) = delete;
    SmtpTestServer& operator=(const SmtpTestServer&) = delete;

    int port() const { return port_; }
    // The mails taken, once the server has ended.
    const std::vector<ReceivedMail>& received();

private:
    void serve(int sessions);
    void session(int client);

    int listener_ = -1;
    int port_ = 0;
    std::string refused_;
    std::vector<ReceivedMail> mails_;
    std::thread thread_;
};

// Reading a received mail: a header's value with its folded lines joined,
// encoded words ("=?UTF-8?B?...?=") decoded, and base64 text decoded.
std::string headerValue(const std::string& mail, const std::string& name);
std::string decodeHeaderWords(const std::string& value);
std::string fromBase64(const std::string& text);

} // namespace velkora::test
