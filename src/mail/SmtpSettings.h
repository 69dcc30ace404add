#pragma once
// The mail server Velkora sends through by itself, from section [SMTP] of
// the work file:
//
//   [SMTP]
//   Host=mail.example.com      no host: e-mail goes through the mail client
//   Port=587                   default 25, 587 or 465 by Security
//   Security=STARTTLS          none, STARTTLS (default) or TLS
//   User=anna@example.com      empty: the server takes mail without login
//   From=anna@example.com      the sender's address
//   Name=Anna Berger           the sender's name (optional)
//
// The password is never written to the file: it is asked once a program run.

#include <optional>
#include <string>

namespace velkora::mail {

enum class SmtpSecurity { None, StartTls, Tls };

struct SmtpSettings {
    std::string host;
    int port = 587;
    SmtpSecurity security = SmtpSecurity::StartTls;
    std::string user;
    std::string from;
    std::string fromName;
};

// nullopt when the work file names no server.
std::optional<SmtpSettings> readSmtpSettings(const std::string& workIni);

// How the connection is made: the URL, whether TLS is required on a plain
// connection (STARTTLS), and that the server's certificate and name are checked.
struct SmtpConnection {
    std::string url;
    bool requireTls = false;
    bool verifyPeer = true;
    bool verifyHost = true;
};
SmtpConnection smtpConnection(const SmtpSettings& settings);

} // namespace velkora::mail
