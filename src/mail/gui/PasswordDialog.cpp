#include "mail/gui/PasswordDialog.h"

#include "i18n/gui/WindowTranslator.h"
#include "ui/form/FormLayout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velkora::mail {

PasswordDialog::PasswordDialog(const SmtpSettings& settings, QWidget* parent)
    : QDialog(parent), password_(form::named(new QLineEdit, "LS:PASSWORD")) {
    setObjectName("SmtpPasswordWin");
    setWindowTitle("Mailserver");
    password_->setEchoMode(QLineEdit::Password);
    auto* server =
        form::named(new QLabel(QString::fromStdString(settings.user + " @ " + settings.host)), "LS:SERVER");
    auto* grid = new QGridLayout(this);
    grid->addWidget(server, 0, 1);
    form::addField(grid, 1, 0, "Passwort", password_);
    QPushButton* ok = form::plainButton("OKBUTTON", "OK");
    QPushButton* cancel = form::plainButton("CANCELBUTTON", "Cancel");
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    i18n::TranslateWindow(this, false);
}

std::optional<std::string> PasswordDialog::ask(const SmtpSettings& settings, QWidget* parent) {
    PasswordDialog dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password_->text().toStdString();
}

} // namespace velkora::mail
