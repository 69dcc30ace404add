// The e-mail window on the demo workspace, driven as a user drives it: the
// frame's contacts button, the contact list's e-mail button, the window
// following the list, text files, and sending through a stand-in xdg-email
// first on PATH (it notes its arguments and ends with the status it is told)
// or through a mail server the test runs on 127.0.0.1.

#include "mail/gui/eMailWin.h"

#include "DemoStart.h"
#include "FrameDriver.h"
#include "ScriptedPrompter.h"
#include "SmtpTestServer.h"
#include "StandIns.h"
#include "TempDir.h"
#include "app/gui/MainFrame.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "data/FileServices.h"
#include "i18n/Messages.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <filesystem>

using namespace velkora;
namespace procedures = app::procedures;

namespace {

// The contact stored under the numbers the contact list published.
data::ContactPerson currentContact() {
    data::File<data::ContactPerson> tkp;
    tkp.open();
    tkp.rec.ADRNR = appState().ADRNR;
    tkp.rec.TKPNR = appState().TKPNR;
    tkp.get(*data::ContactPerson::table().key("QXADRTK1"));
    return tkp.rec;
}

// The activity added last, and how many there are.
data::Activity lastActivity() {
    data::File<data::Activity> akt;
    akt.open();
    akt.set(*data::Activity::table().key("QXADRAK6"));
    akt.previous();
    return akt.rec;
}

std::int64_t activities() {
    data::File<data::Activity> akt;
    akt.open();
    return akt.records();
}

} // namespace

class eMailWinTest : public QObject {
    Q_OBJECT

    test::TempDir dir_;
    test::ScriptedPrompter prompter_;
    app::StartSwitches switches_;
    test::StandInPrograms programs_;
    std::unique_ptr<app::MainFrame> frame_;
    QWidget* contacts_ = nullptr;
    mail::eMailWin* window_ = nullptr;

    template <class W = QWidget> W* control(const char* name) const {
        W* found = window_->findChild<W*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString args() const { return QString::fromStdString(programs_.arguments("xdg-email")); }
    void click(const char* name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    // Sends and waits until the mail client or the server is done and the window has answered.
    void sendAndWait() {
        click("OKBUTTON");
        QTRY_VERIFY(control("OKBUTTON")->isEnabled());
    }
    void moveInContactList(Qt::Key key) {
        frame_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(app::outerWindow(contacts_)));
        QTest::keyClick(contacts_->findChild<QTableView*>(), key);
    }
    std::string messageText(const char* id) const { return i18n::messagePrompt(id, Icon::None).text; }

private slots:
    void initTestCase() {
        std::string error;
        const auto switches = test::startOnDemoWorkspace(dir_.file("demo"), error);
        QVERIFY2(switches, error.c_str());
        switches_ = *switches;
    }

    // The frame's contacts button, then the list's e-mail button, as the user clicks them.
    void init() {
        programs_.record("xdg-email", 0);
        prompter_.clear();
        frame_ = std::make_unique<app::MainFrame>(switches_);
        frame_->open();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        QAction* contactsCommand = frame_->command("TKPBUTTON");
        for (QToolBar* bar : frame_->findChildren<QToolBar*>())
            if (QWidget* button = bar->widgetForAction(contactsCommand))
                test::FrameDriver::clickInWindow(button, button->rect().center());
        contacts_ = app::runningWindow(procedures::ContactList);
        QVERIFY(contacts_);
        // The list opens on all contacts; the user picks the second one.
        auto* list = contacts_->findChild<QTableView*>();
        QTRY_VERIFY(list->model()->rowCount() > 1);
        test::FrameDriver::clickInWindow(list->viewport(),
                                         list->visualRect(list->model()->index(1, 0)).center());
        QTRY_VERIFY(appState().ADRNR != 0 && appState().TKPNR != 0);
        test::FrameDriver::clickInWindow(contacts_->findChild<QPushButton*>("EMAILBUTTON"), {5, 5});
        window_ = qobject_cast<mail::eMailWin*>(app::runningWindow(procedures::Mail));
        QVERIFY(window_);
    }
    void cleanup() {
        frame_->close();
        frame_.reset();
        QTest::qWait(1);
        mail::mailFileChooser() = {};
    }

    void everyControlInWindowOrder() {
        const QStringList order = {"LS:EMAILSUBJECT",
                                   "LS:EMAILBODY",
                                   "BUTTONOPENTXT",
                                   "BUTTONSAVETXT",
                                   "LS:EMAILATTFILE",
                                   "BUTTONATTACH",
                                   "LS:EMAILTO",
                                   "LN:SAVEAKT",
                                   "LN:HOLDTEXT",
                                   "MAPIDIALOG",
                                   "LS:TXTFILE",
                                   "LS:TMPLTXT",
                                   "BUTTONSAVETMPLTXT",
                                   "BUTTONOPENTMPLTXT",
                                   "LN:TOOLBOXFLAG",
                                   "MESSAGESTR",
                                   "OKBUTTON",
                                   "CANCELBUTTON",
                                   "HELP"};
        QStringList chain;
        QWidget* w = control("LS:EMAILSUBJECT");
        do {
            if (order.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != control("LS:EMAILSUBJECT"));
        QCOMPARE(chain, order);
    }

    void takesOverTheContactAndFollowsTheContactList() {
        const data::ContactPerson first = currentContact();
        QCOMPARE(control<QLineEdit>("LS:EMAILTO")->text().toStdString(), clip(first.EMAIL));
        QCOMPARE(control<QPlainTextEdit>("LS:EMAILBODY")->toPlainText().toStdString(), clip(first.BRANR));
        QVERIFY(window_->windowTitle().endsWith(QString::fromStdString(" " + clip(first.NAME2) + "]")));
        QCOMPARE(window_->contact().tkpnr, first.TKPNR);

        // The user clears SaveAkt and writes a text; the next contact brings its own.
        click("LN:SAVEAKT");
        QTest::keyClicks(control("LS:EMAILBODY"), " und mehr");
        moveInContactList(Qt::Key_Down);
        const data::ContactPerson second = currentContact();
        QVERIFY(second.EMAIL != first.EMAIL);
        QTRY_COMPARE(control<QLineEdit>("LS:EMAILTO")->text().toStdString(), clip(second.EMAIL));
        QCOMPARE(control<QPlainTextEdit>("LS:EMAILBODY")->toPlainText().toStdString(), clip(second.BRANR));
        QVERIFY(control<QCheckBox>("LN:SAVEAKT")->isChecked());

        // With "Hold Text" only the recipient changes.
        click("LN:HOLDTEXT");
        control<QPlainTextEdit>("LS:EMAILBODY")->setPlainText("Mein eigener Text");
        moveInContactList(Qt::Key_Down);
        QTRY_COMPARE(control<QLineEdit>("LS:EMAILTO")->text().toStdString(), clip(currentContact().EMAIL));
        QCOMPARE(control<QPlainTextEdit>("LS:EMAILBODY")->toPlainText(), QString("Mein eigener Text"));
    }

    void loadsAndSavesTheTextAndTheTemplateAsTextFiles() {
        const std::string in = dir_.write("brief.txt", "Hallo Eva,   \r\nanbei das Angebot.  \r\n");
        QString chosen = QString::fromStdString(in);
        mail::mailFileChooser() = [&chosen](QWidget*, mail::FileUse, const QString&, const QString& filter) {
            return filter.contains("*.txt") ? std::optional<QString>(chosen) : std::nullopt;
        };
        auto* body = control<QPlainTextEdit>("LS:EMAILBODY");
        click("BUTTONOPENTXT");
        QCOMPARE(body->toPlainText(), QString("Hallo Eva,\nanbei das Angebot."));

        // A file that cannot be read shows its code and text and leaves the text alone.
        chosen = QString::fromStdString(dir_.file("fehlt.txt"));
        click("BUTTONOPENTXT");
        QCOMPARE(prompter_.last().text.substr(0, 2), std::string("2 "));
        QCOMPARE(body->toPlainText(), QString("Hallo Eva,\nanbei das Angebot."));

        chosen = QString::fromStdString(dir_.file("gespeichert.txt"));
        body->setPlainText("Zeile 1\nZeile 2");
        click("BUTTONSAVETXT");
        QCOMPARE(test::readFile(dir_.file("gespeichert.txt")), std::string("Zeile 1\r\nZeile 2\r\n"));
        chosen = QString::fromStdString(dir_.file("kein/Ordner/da.txt"));
        click("BUTTONSAVETXT");
        QVERIFY(prompter_.last().text.find(' ') != std::string::npos);

        // The template on its own tab has its own pair of buttons and its file name.
        chosen = QString::fromStdString(in);
        click("BUTTONOPENTMPLTXT");
        QCOMPARE(control<QPlainTextEdit>("LS:TMPLTXT")->toPlainText(),
                 QString("Hallo Eva,\nanbei das Angebot."));
        QCOMPARE(control<QLineEdit>("LS:TXTFILE")->text(), chosen);
        QCOMPARE(body->toPlainText(), QString("Zeile 1\nZeile 2"));
        chosen = QString::fromStdString(dir_.file("vorlage.txt"));
        click("BUTTONSAVETMPLTXT");
        QCOMPARE(test::readFile(dir_.file("vorlage.txt")),
                 std::string("Hallo Eva,\r\nanbei das Angebot.\r\n"));
        QCOMPARE(control<QLineEdit>("LS:TXTFILE")->text(), chosen);
    }

    void aMailClientThatFailsGivesItsErrorAndNothingIsRecorded() {
        const std::int64_t before = activities();
        control<QLineEdit>("LS:EMAILSUBJECT")->setText("Angebot");
        programs_.record("xdg-email", 3);
        prompter_.setNextAnswer(ButtonCancel);
        sendAndWait();
        QCOMPARE(prompter_.last().text, messageText("M.MAPI_Error03"));
        QCOMPARE(prompter_.last().buttons, unsigned(ButtonRetry | ButtonCancel));
        QCOMPARE(control<QLabel>("MESSAGESTR")->text(), QString("Fehler 3"));
        QVERIFY(control<QLabel>("MESSAGESTR")->styleSheet().contains("red"));
        QCOMPARE(prompter_.prompts().size(), 1u);
        QCOMPARE(activities(), before);
    }

    void theMailClientGetsEachPartAsOneArgumentAndOnlyYesRecords() {
        const std::int64_t before = activities();
        const QString hostile = "Angebot\"; touch /tmp/velkora-mail-pwned; echo `id` $(id)";
        control<QLineEdit>("LS:EMAILSUBJECT")->setText(hostile);
        const std::string to = control<QLineEdit>("LS:EMAILTO")->text().toStdString();
        prompter_.setNextAnswer(ButtonNo);
        sendAndWait();
        QCOMPARE(prompter_.last().text, messageText("M.MAPI_SENT?"));
        QVERIFY(args().contains("[--subject]\n[" + hostile + "]\n"));
        QVERIFY(args().endsWith(QString::fromStdString("[" + to + "]\n")));
        QVERIFY(!std::filesystem::exists("/tmp/velkora-mail-pwned"));
        QCOMPARE(control<QLabel>("MESSAGESTR")->text(), QString("Die Nachricht wurde gesendet"));
        QVERIFY(control<QLabel>("MESSAGESTR")->styleSheet().contains("green"));
        QCOMPARE(activities(), before);

        prompter_.setNextAnswer(ButtonYes);
        sendAndWait();
        QCOMPARE(activities(), before + 1);
        const data::Activity a = lastActivity();
        QCOMPARE(a.AKTART, 2);
        QCOMPARE(a.AKTPRI, 254);
        QCOMPARE(a.ADRNR, appState().ADRNR);
        QCOMPARE(a.TKPNR, appState().TKPNR);
        QCOMPARE(a.AKTDEV, to);
        QCOMPARE(QString::fromStdString(a.TITLE), hostile);
        QCOMPARE(a.MEMO, clip(currentContact().BRANR));
    }

    void theChecksBeforeSending() {
        auto* to = control<QLineEdit>("LS:EMAILTO");
        auto* subject = control<QLineEdit>("LS:EMAILSUBJECT");
        for (const char* recipient : {"", "eva.wolf", "eva@mail.example?body=x"}) {
            prompter_.clear();
            to->setText(recipient);
            click("OKBUTTON");
            QCOMPARE(prompter_.texts(), std::vector<std::string>{messageText("M.MAPI_NOADRESS")});
            QVERIFY(to->hasFocus());
        }
        to->setText("eva.wolf@mail.example");
        prompter_.clear();
        prompter_.setNextAnswer(ButtonCancel);
        click("OKBUTTON");
        QCOMPARE(prompter_.texts(), std::vector<std::string>{messageText("M.MAPI_NOSUBJECT")});
        QCOMPARE(prompter_.last().buttons, unsigned(ButtonYes | ButtonCancel));
        QVERIFY(subject->hasFocus());
        QVERIFY(args().isEmpty());

        // With the client's own dialog neither check is made: the client asks.
        click("MAPIDIALOG");
        to->clear();
        prompter_.clear();
        prompter_.setNextAnswer(ButtonNo);
        sendAndWait();
        QCOMPARE(prompter_.texts(), std::vector<std::string>{messageText("M.MAPI_SENT?")});
        QVERIFY(!args().contains("@"));
    }

    void thePinKeepsTheWindowOnTop() {
        QVERIFY(!app::outerWindow(window_)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        click("LN:TOOLBOXFLAG");
        QVERIFY(app::outerWindow(window_)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(app::outerWindow(window_)->isVisible());
        click("LN:TOOLBOXFLAG");
        QVERIFY(!app::outerWindow(window_)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void aMailServerReceivesTheMessageOrRefusesItAndOnlyWhatWentOutIsRecorded() {
        const std::string attachment = dir_.write("Preisliste.txt", "Preise 2027\n");
        mail::mailFileChooser() = [&attachment](QWidget*, mail::FileUse, const QString&, const QString&) {
            return std::optional<QString>(QString::fromStdString(attachment));
        };
        const std::string& ini = appState().WORKINI;
        const auto noServer = qScopeGuard([&ini] { profile::write(ini, "SMTP", "Host", ""); });
        const std::int64_t before = activities();
        const std::string to = control<QLineEdit>("LS:EMAILTO")->text().toStdString();
        control<QLineEdit>("LS:EMAILSUBJECT")->setText("Grüße aus Köln");
        click("BUTTONATTACH");
        {
            test::SmtpTestServer server(1);
            profile::write(ini, "SMTP", "Host", "127.0.0.1");
            profile::write(ini, "SMTP", "Port", std::to_string(server.port()));
            profile::write(ini, "SMTP", "Security", "none");
            profile::write(ini, "SMTP", "From", "vertrieb@velkora.test");
            sendAndWait();
            QCOMPARE(prompter_.texts(), std::vector<std::string>{}); // the result is known: no question
            QCOMPARE(control<QLabel>("MESSAGESTR")->text(), QString("Die Nachricht wurde gesendet"));
            const auto& mails = server.received();
            QCOMPARE(mails.size(), 1u);
            QCOMPARE(test::decodeHeaderWords(test::headerValue(mails[0].data, "Subject")),
                     std::string("Grüße aus Köln"));
            QVERIFY(mails[0].data.find("filename=\"Preisliste.txt\"") != std::string::npos);
            QCOMPARE(mails[0].to, std::vector<std::string>{to});
        }
        QCOMPARE(activities(), before + 1);
        QCOMPARE(lastActivity().DOCNAME, attachment);

        test::SmtpTestServer refusing(1, to);
        profile::write(ini, "SMTP", "Port", std::to_string(refusing.port()));
        prompter_.setNextAnswer(ButtonCancel);
        sendAndWait();
        QCOMPARE(prompter_.prompts().size(), 1u);
        QVERIFY(prompter_.last().text.starts_with(messageText("M.SMTP_ERROR")));
        QVERIFY2(prompter_.last().text.find("550") != std::string::npos, prompter_.last().text.c_str());
        QVERIFY(control<QLabel>("MESSAGESTR")->text().startsWith("Fehler "));
        QCOMPARE(activities(), before + 1);
    }
};

QTEST_MAIN(eMailWinTest)
#include "eMailWinTest.moc"
