// The data reorganisation window, opened from the frame's menu as a user
// does, and the message it ends with.

#include "FrameFixture.h"
#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "app/gui/MainFrame.h"
#include "data/FileServices.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <filesystem>

using namespace velkora;

class ReorganiseDialogTest : public QObject {
    Q_OBJECT

    test::TempDir dir_;

    // Runs the menu command and answers the window with the button `button`.
    static void reorganiseAnswering(const char* button) {
        app::MainFrame frame({});
        test::whenModal([button](QWidget* window) {
            QCOMPARE(window->objectName(), QString("DataUtil"));
            auto* pressed = window->findChild<QPushButton*>(button);
            QVERIFY(pressed);
            QTest::mouseClick(pressed, Qt::LeftButton);
        });
        frame.command("SERVICEDATAUTIL")->trigger();
    }

private slots:
    void init() {
        test::useStartFolder(dir_);
        appState().DATAPATH = dir_.str();
        appState().TRLFILE = dir_.file("ORB");
        auto& adr = data::files().QXADRESS;
        QVERIFY(data::OpenRecordFile(adr));
        for (std::int32_t number : {1, 2, 3}) {
            adr.clear();
            adr.rec.ADRNR = number;
            adr.rec.NAME1 = "Adresse " + std::to_string(number);
            QCOMPARE(adr.add(), int(data::NoError));
        }
        data::CloseRecordFile(adr);
    }

    void cleanup() { std::filesystem::remove(dir_.file("QXADRESS.TPS")); }

    void okTellsThatItIsDoneAndWhatItFound_data() {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::newRow("German")
            << "ORB.ENV"
            << "Datenpflege"
            << "Die Datenpflege ist abgeschlossen.|Gelesene Adressen: 3, davon nicht lesbar: "
               "0.|Alle Schlüssel der Adressdatei sind neu aufgebaut.";
        QTest::newRow("English")
            << "ORBEN.ENV"
            << "Data maintenance"
            << "Data maintenance has finished.|Addresses read: 3, of them unreadable: 0.|All "
               "keys of the address file have been rebuilt.";
    }

    void okTellsThatItIsDoneAndWhatItFound() {
        QFETCH(QString, environment);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        appState().ENVFILE = environment.toStdString();
        std::filesystem::copy_file(test::sourceDir() + "/resources/demo/" + appState().ENVFILE,
                                   dir_.file(appState().ENVFILE),
                                   std::filesystem::copy_options::overwrite_existing);
        test::ScriptedPrompter prompts;
        reorganiseAnswering("OK");
        QCOMPARE(prompts.prompts().size(), size_t(1));
        QCOMPARE(QString::fromStdString(prompts.last().caption), caption);
        QCOMPARE(QString::fromStdString(prompts.last().text), text);
        QCOMPARE(prompts.last().icon, Icon::Information);
    }

    void cancelDoesNothingAndSaysNothing() {
        test::ScriptedPrompter prompts;
        reorganiseAnswering("CANCEL");
        QVERIFY(prompts.prompts().empty());
    }
};

QTEST_MAIN(ReorganiseDialogTest)
#include "ReorganiseDialogTest.moc"
