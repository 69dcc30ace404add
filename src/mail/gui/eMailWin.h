#pragma once
// The e-mail window (WriteMail): a plain-text e-mail to the contact person
// selected in the contact list, which it follows while open. "Send" hands
// the message to the user's mail client, or, when the work file names a
// mail server and the client's own dialog is not asked for, sends it
// through that server. A message that went out can be recorded as an
// activity of the address; one that failed never is.

#include "data/FileServices.h"
#include "mail/MailMessage.h"
#include "mail/MailRecording.h"
#include "mail/SmtpSender.h"
#include "shared/ExternalProgram.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <future>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;

namespace velkora::mail {

// Where a text file is read from or written to; tests answer in place of the dialog.
enum class FileUse { Open, Save };
using FileChooser = std::function<std::optional<QString>(QWidget* over, FileUse use, const QString& start,
                                                         const QString& filter)>;
FileChooser& mailFileChooser();
// How the mail server's password is asked for (once a program run).
PasswordQuestion& smtpPasswordQuestion();

class eMailWin : public QWidget {
    Q_OBJECT
public:
    explicit eMailWin(QWidget* parent = nullptr);
    ~eMailWin() override;

    bool filesOpen() const { return filesOpen_; }
    const MailContact& contact() const { return contact_; }

protected:
    bool event(QEvent* event) override;

private:
    // The contact person the contact list published (GN:ADRNR, GN:TKPNR).
    void takeOverContact();
    void send();
    // The checks before anything is sent; false when the user is back in a field.
    bool checked(const MailMessage& message);
    void sendBySmtp(const SmtpSettings& settings, const MailMessage& message);
    void sendThroughClient(const MailMessage& message);
    // While the mail client or the server has the message, Send waits.
    void waitForSending();
    void sendingEnded();
    void sent(const MailMessage& message, bool askWhetherSent);
    void failed(int code, bool throughServer, const std::string& detail);
    void showResult(const QString& text, const char* colour);

    void loadText(QPlainTextEdit* text, QLineEdit* fileName);
    void saveText(QPlainTextEdit* text, QLineEdit* fileName);
    void chooseAttachment();
    void pin(bool onTop);
    MailMessage message() const;

    data::OpenedFiles files_;
    bool filesOpen_ = false;
    MailContact contact_;
    std::string contactName_;
    QString designTitle_;

    QLineEdit* subject_;
    QPlainTextEdit* body_;
    QLineEdit* attachment_;
    QLineEdit* to_;
    QCheckBox* saveAkt_;
    QCheckBox* holdText_;
    QCheckBox* clientDialog_;
    QLineEdit* templateFile_;
    QPlainTextEdit* template_;
    QToolButton* pin_;
    QLabel* result_;
    QPushButton* send_;
    QTimer* resultTimer_;
    QTimer* sendPoll_;

    // The mail client or the server's send while they take the message, and what they were given.
    ExternalProgram client_;
    std::future<SmtpResult> serverRun_;
    MailMessage handedOver_;
};

void registerMailWindow();

} // namespace velkora::mail
