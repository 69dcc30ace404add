#include "mail/gui/eMailWin.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "data/files/FileError.h"
#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"
#include "mail/MailClient.h"
#include "mail/MailPrompts.h"
#include "mail/MailTextFile.h"
#include "mail/gui/PasswordDialog.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/form/FormHelp.h"
#include "ui/form/FormLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace velkora::mail {
namespace {

constexpr int kFieldChars = 254;
constexpr int kRecipientChars = 79;
constexpr int kResultShownMs = 5000;
constexpr int kSendPollMs = 100;
const char* const kTextFilter = "Text (*.txt *.TXT)";

QString fromText(const std::string& text) {
    return QString::fromStdString(replaceAll(text, kLineBreak, "\n"));
}

std::string toText(const QString& text) {
    return replaceAll(text.toStdString(), "\n", kLineBreak);
}

QLineEdit* entry(const char* name, int maxLength) {
    auto* edit = form::named(new QLineEdit, name);
    edit->setMaxLength(maxLength);
    return edit;
}

QPlainTextEdit* textArea(const char* name) {
    auto* text = form::named(new QPlainTextEdit, name);
    text->setTabChangesFocus(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return text;
}

QCheckBox* checkBox(const char* name, const char* text, const char* tip) {
    auto* box = form::named(new QCheckBox(text), name, tip);
    return box;
}

std::string contactName(const data::ContactPerson& c) {
    return trim(clip(c.NAME1) + " " + clip(c.NAME2));
}

void showFileError(const files::FileError& error, const QString& file) {
    ask(std::to_string(error.code) + " " + error.text, file.toStdString(), Icon::Information);
}

} // namespace

FileChooser& mailFileChooser() {
    static FileChooser chooser = [](QWidget* over, FileUse use, const QString& start, const QString& filter) {
        const QString path = use == FileUse::Open
                                 ? QFileDialog::getOpenFileName(over, QString(), start, filter)
                                 : QFileDialog::getSaveFileName(over, QString(), start, filter);
        return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    };
    return chooser;
}

PasswordQuestion& smtpPasswordQuestion() {
    static PasswordQuestion question = [](const SmtpSettings& settings) {
        return PasswordDialog::ask(settings, QApplication::activeWindow());
    };
    return question;
}

eMailWin::eMailWin(QWidget* parent)
    : QWidget(parent), subject_(entry("LS:EMAILSUBJECT", kFieldChars)), body_(textArea("LS:EMAILBODY")),
      attachment_(entry("LS:EMAILATTFILE", kFieldChars)), to_(entry("LS:EMAILTO", kRecipientChars)),
      saveAkt_(checkBox("LN:SAVEAKT", "SaveAkt", "Die E-Mail als Aktivität der Adresse speichern")),
      holdText_(checkBox("LN:HOLDTEXT", "Hold Text", "Den Text behalten, wenn die Kontaktperson wechselt")),
      clientDialog_(
          checkBox("MAPIDIALOG", "eMailDialog", "Die E-Mail im Fenster des E-Mail-Programms senden")),
      templateFile_(entry("LS:TXTFILE", kFieldChars)), template_(textArea("LS:TMPLTXT")),
      pin_(form::named(new QToolButton, "LN:TOOLBOXFLAG", "Das Fenster immer im Vordergrund halten")),
      result_(new QLabel), send_(form::named(new QPushButton("Send"), "OKBUTTON", "Die E-Mail senden")),
      resultTimer_(new QTimer(this)), sendPoll_(new QTimer(this)) {
    setObjectName("eMailWin");
    setWindowTitle("eMail");

    auto* sheet = form::named(new QTabWidget, "CURRENTTAB");
    auto* message = new QWidget;
    message->setObjectName("TAB:MAIL");
    auto* grid = new QGridLayout(message);
    form::addField(grid, 0, 0, "Betreff", subject_, 3);
    form::addField(grid, 1, 0, "Text", body_, 3);
    QPushButton* openTextButton =
        form::plainButton("BUTTONOPENTXT", "Text laden...", "Den Text aus einer Textdatei laden");
    QPushButton* saveTextButton =
        form::plainButton("BUTTONSAVETXT", "Text speichern...", "Den Text in einer Textdatei speichern");
    auto* textButtons = new QHBoxLayout;
    textButtons->addWidget(openTextButton);
    textButtons->addWidget(saveTextButton);
    textButtons->addStretch();
    grid->addLayout(textButtons, 2, 1, 1, 3);
    QPushButton* attach = form::lookupButton("BUTTONATTACH");
    form::addLookupField(grid, 3, 0, "Anhang", attachment_, attach, nullptr, 3);
    form::addField(grid, 4, 0, "An", to_, 3);
    auto* options = new QHBoxLayout;
    for (QCheckBox* box : {saveAkt_, holdText_, clientDialog_})
        options->addWidget(box);
    options->addStretch();
    grid->addLayout(options, 5, 1, 1, 3);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    sheet->addTab(message, "Nachricht");

    auto* templatePage = new QWidget;
    templatePage->setObjectName("TAB:TEMPLATE");
    auto* templateGrid = new QGridLayout(templatePage);
    form::addField(templateGrid, 0, 0, "Datei", templateFile_, 1);
    form::addField(templateGrid, 1, 0, "Vorlage", template_, 1);
    QPushButton* saveTemplate = form::plainButton("BUTTONSAVETMPLTXT", "Vorlage speichern...",
                                                  "Die Vorlage in einer Textdatei speichern");
    QPushButton* openTemplate =
        form::plainButton("BUTTONOPENTMPLTXT", "Vorlage laden...", "Die Vorlage aus einer Textdatei laden");
    auto* templateButtons = new QHBoxLayout;
    templateButtons->addWidget(saveTemplate);
    templateButtons->addWidget(openTemplate);
    templateButtons->addStretch();
    templateGrid->addLayout(templateButtons, 2, 1);
    templateGrid->setRowStretch(1, 1);
    templateGrid->setColumnStretch(1, 1);
    sheet->addTab(templatePage, "Vorlage");

    pin_->setText("Pin");
    pin_->setCheckable(true);
    result_->setObjectName("MESSAGESTR");
    result_->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    QPushButton* close = form::plainButton("CANCELBUTTON", "Close");
    QPushButton* help = form::plainButton("HELP", "Help");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(pin_);
    bottom->addWidget(result_, 1);
    bottom->addWidget(send_);
    bottom->addWidget(close);
    bottom->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet, 1);
    layout->addLayout(bottom);

    connect(openTextButton, &QPushButton::clicked, this, [this] { loadText(body_, nullptr); });
    connect(saveTextButton, &QPushButton::clicked, this, [this] { saveText(body_, nullptr); });
    connect(openTemplate, &QPushButton::clicked, this, [this] { loadText(template_, templateFile_); });
    connect(saveTemplate, &QPushButton::clicked, this, [this] { saveText(template_, templateFile_); });
    connect(attach, &QPushButton::clicked, this, &eMailWin::chooseAttachment);
    connect(pin_, &QToolButton::toggled, this, &eMailWin::pin);
    connect(send_, &QPushButton::clicked, this, &eMailWin::send);
    connect(close, &QPushButton::clicked, this, [this] { app::outerWindow(this)->close(); });
    connect(help, &QPushButton::clicked, this, [] { form::showHelp(app::procedures::Mail); });
    resultTimer_->setSingleShot(true);
    resultTimer_->setInterval(kResultShownMs);
    connect(resultTimer_, &QTimer::timeout, result_, &QLabel::clear);
    sendPoll_->setInterval(kSendPollMs);
    connect(sendPoll_, &QTimer::timeout, this, &eMailWin::sendingEnded);

    i18n::TranslateWindow(this, false);
    designTitle_ = windowTitle();
    resize(620, 460);
    filesOpen_ = files_.open({&data::files().QXADRESS, &data::files().QXADRTKP, &data::files().QXADRAKT});
    if (filesOpen_)
        takeOverContact();
}

eMailWin::~eMailWin() = default;

bool eMailWin::event(QEvent* event) {
    if (event->type() == app::RefreshEvent) {
        takeOverContact();
        return true;
    }
    return QWidget::event(event);
}

void eMailWin::takeOverContact() {
    auto& tkp = data::files().QXADRTKP;
    tkp.clear();
    tkp.rec.ADRNR = appState().ADRNR;
    tkp.rec.TKPNR = appState().TKPNR;
    const bool found = tkp.get(*data::ContactPerson::table().key("QXADRTK1")) == data::NoError;
    contact_ = {appState().ADRNR, appState().TKPNR};
    contactName_ = found ? contactName(tkp.rec) : std::string();
    to_->setText(found ? QString::fromStdString(clip(tkp.rec.EMAIL)) : QString());
    if (!holdText_->isChecked())
        body_->setPlainText(found ? QString::fromStdString(clip(tkp.rec.BRANR)) : QString());
    saveAkt_->setChecked(true);
    setWindowTitle(contactName_.empty() ? designTitle_
                                        : designTitle_ + " [" + QString::fromStdString(contactName_) + "]");
}

MailMessage eMailWin::message() const {
    return clippedMessage({.to = to_->text().toStdString(),
                           .toName = contactName_,
                           .subject = subject_->text().toStdString(),
                           .body = toText(body_->toPlainText()),
                           .attachment = attachment_->text().toStdString()});
}

void eMailWin::send() {
    if (sendPoll_->isActive())
        return; // the last message is still being handed over
    const MailMessage m = message();
    if (!checked(m))
        return;
    showResult({}, "black");
    const std::optional<SmtpSettings> server = readSmtpSettings(appState().WORKINI);
    // The client's own dialog is asked for: the server is not used.
    if (server && !clientDialog_->isChecked())
        sendBySmtp(*server, m);
    else
        sendThroughClient(m);
}

bool eMailWin::checked(const MailMessage& m) {
    switch (checkBeforeSending(m, clientDialog_->isChecked())) {
    case CheckAnswer::FixRecipient:
        to_->setFocus();
        return false;
    case CheckAnswer::FixSubject:
        subject_->setFocus();
        return false;
    case CheckAnswer::Send:
        break;
    }
    return true;
}

void eMailWin::sendBySmtp(const SmtpSettings& settings, const MailMessage& m) {
    const std::optional<std::string> password = sessionPassword(settings, smtpPasswordQuestion());
    if (!password)
        return; // no password given: nothing is sent
    // A slow or unreachable server must not freeze the window.
    serverRun_ = std::async(std::launch::async, [settings, password = *password, m] {
        return mail::sendBySmtp(settings, password, m);
    });
    handedOver_ = m;
    waitForSending();
}

void eMailWin::sendThroughClient(const MailMessage& m) {
    if (!startMailClient(client_, m)) {
        failed(kNotStarted, false, {});
        return;
    }
    handedOver_ = m;
    waitForSending();
}

void eMailWin::waitForSending() {
    send_->setEnabled(false);
    sendPoll_->start();
}

void eMailWin::sendingEnded() {
    const bool throughServer = serverRun_.valid();
    int code = 0;
    std::string detail;
    if (throughServer) {
        if (serverRun_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return;
        const SmtpResult result = serverRun_.get();
        if (result.loginRefused)
            forgetSessionPassword();
        code = result.code;
        detail = result.error;
    } else {
        const std::optional<int> status = client_.poll();
        if (!status)
            return;
        code = *status;
    }
    sendPoll_->stop();
    send_->setEnabled(true);
    if (code == 0)
        sent(handedOver_, !throughServer);
    else
        failed(code, throughServer, detail);
}

// Only the user knows whether the mail client sent the message.
void eMailWin::sent(const MailMessage& m, bool askWhetherSent) {
    showResult(QString::fromStdString(i18n::translated(i18n::StringControl, "Message has been sent")),
               "green");
    if (saveAkt_->isChecked() && recordWhenSent(contact_, m, askWhetherSent))
        app::postToWindow(app::procedures::ActivityList, app::RefreshEvent);
}

// A failed message is never recorded, whatever the user answers.
void eMailWin::failed(int code, bool throughServer, const std::string& detail) {
    showResult(QString::fromStdString(i18n::translated(i18n::StringControl, "Error")) + " " +
                   QString::number(code),
               "red");
    if (showSendFailure(code, throughServer, detail))
        to_->setFocus();
}

void eMailWin::showResult(const QString& text, const char* colour) {
    result_->setStyleSheet(QString("color: %1").arg(colour));
    result_->setText(text);
    if (text.isEmpty())
        resultTimer_->stop();
    else
        resultTimer_->start();
}

void eMailWin::loadText(QPlainTextEdit* text, QLineEdit* fileName) {
    const QString start = fileName ? fileName->text() : QString();
    const std::optional<QString> file = mailFileChooser()(this, FileUse::Open, start, kTextFilter);
    if (!file)
        return;
    std::string loaded;
    if (const files::FileError error = loadTextFile(file->toStdString(), loaded)) {
        showFileError(error, *file);
        return;
    }
    text->setPlainText(fromText(loaded));
    if (fileName)
        fileName->setText(*file);
}

void eMailWin::saveText(QPlainTextEdit* text, QLineEdit* fileName) {
    const QString start = fileName ? fileName->text() : QString();
    const std::optional<QString> file = mailFileChooser()(this, FileUse::Save, start, kTextFilter);
    if (!file)
        return;
    if (const files::FileError error = saveTextFile(file->toStdString(), text->toPlainText().toStdString())) {
        showFileError(error, *file);
        return;
    }
    if (fileName)
        fileName->setText(*file);
}

void eMailWin::chooseAttachment() {
    const std::optional<QString> file = mailFileChooser()(this, FileUse::Open, attachment_->text(), {});
    if (file)
        attachment_->setText(QString::fromStdString(cutChars(file->toStdString(), kFieldChars)));
}

void eMailWin::pin(bool onTop) {
    QWidget* outer = app::outerWindow(this);
    const bool shown = outer->isVisible();
    outer->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown)
        outer->show(); // changing the flags hides a window
}

void registerMailWindow() {
    app::registerWindow(app::procedures::Mail, app::Instances::Single, []() -> QWidget* {
        auto* window = new eMailWin;
        if (window->filesOpen())
            return window;
        delete window;
        return nullptr;
    });
}

} // namespace velkora::mail
