#include "documents/gui/ProcessingWin.h"

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "documents/MailingFile.h"
#include "shared/AppState.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace velkora;
using namespace velkora::documents;

// Counts the processing windows that were shown.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->objectName() == "ProcessingWin")
            ++shows;
        return false;
    }
};

class ProcessingWinTest : public QObject {
    Q_OBJECT

private:
    test::TempDir dir;
    std::string tpl;

private slots:
    void init() {
        resetAppState();
        appState().MAILPATH = dir.str();
        mailingFile().close();
        mailingFile().resetName();
        QVERIFY(!MailingFile::create(mailingFile().name()));
        QVERIFY(!mailingFile().open(files::DbfTable::Access::Write));
        for (const char* name : {"Erster", "Zweiter", "Dritter"}) {
            mailingFile().clear();
            mailingFile().rec.NAME1 = name;
            QVERIFY(!mailingFile().add());
        }
        mailingFile().close();
        tpl = dir.write("t.rtf", "A<%LOOP(QXAIL)%><#M:NAME1#>;<%ENDLOOP%>Z");
    }

    void showsTheDocumentNameAndFillsTheProgressBar() {
        const std::string out = dir.file("Brief.rtf");
        ProcessingWin window(out, tpl, 0);
        QCOMPARE(window.exec(), int(QDialog::Accepted)); // starts by itself and closes itself
        QVERIFY(!window.findChild<QPushButton*>("OKBUTTON")->isEnabled()); // pressed for the user
        QCOMPARE(window.result(), TemplateResult::Written);
        QCOMPARE(window.findChild<QLineEdit*>("QXRTFNEWFILE")->text(), QString::fromStdString(out));
        QVERIFY(window.findChild<QLineEdit*>("QXRTFNEWFILE")->isReadOnly());
        auto* bar = window.findChild<QProgressBar*>("PROGRESSNEWFILE");
        QCOMPARE(bar->maximum(), 4); // two groups, header and footer pass
        QCOMPARE(bar->value(), 4);
        QCOMPARE(window.findChild<QPushButton*>("OKBUTTON")->text(), QString("OK"));
        QCOMPARE(QString::fromStdString(test::readFile(out)), QString(" A Erster; Zweiter; Dritter; Z "));
    }

    void hiddenRunShowsNothing() {
        const std::string out = dir.file("Serie.rtf");
        ShowCounter counter;
        qApp->installEventFilter(&counter);
        QCOMPARE(ProcessingWin::run(out, tpl, 1), TemplateResult::Written);
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.shows, 0);
        QCOMPARE(QString::fromStdString(test::readFile(out)), QString(" A Erster; Zweiter; Dritter; Z "));
    }

    void templateErrorIsShownAndTheWindowCloses() {
        test::ScriptedPrompter prompter;
        const std::string bad = dir.write("bad.rtf", "<%LOOP(QXAIL");
        QCOMPARE(ProcessingWin::run(dir.file("x.rtf"), bad, 0), TemplateResult::Abandoned);
        QCOMPARE(prompter.prompts().size(), size_t(1));
        QCOMPARE(QString::fromStdString(prompter.last().text), QString("RTFTPL_ERROR"));
        QCOMPARE(QString::fromStdString(prompter.last().caption), QString("ProcessTplFile"));
        QVERIFY(!fileExists(dir.file("x.rtf")));
    }

    void cleanup() {
        mailingFile().close();
        resetAppState();
    }
};

QTEST_MAIN(ProcessingWinTest)
#include "ProcessingWinTest.moc"
