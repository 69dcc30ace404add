#pragma once
// Asks for the mail server's password: the server and user are shown, the
// password is not. Nothing of it is stored by the dialog.

#include "mail/SmtpSettings.h"

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;

namespace velkora::mail {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(const SmtpSettings& settings, QWidget* parent = nullptr);

    // The password entered, or nullopt when the user cancelled.
    static std::optional<std::string> ask(const SmtpSettings& settings, QWidget* parent = nullptr);

private:
    QLineEdit* password_;
};

} // namespace velkora::mail
