// The translation list and form on a real translation file: the title with
// the file's name, the kind of text a key translates, a duplicate key, and
// a changed text reaching the windows opened afterwards.

#include "i18n/gui/TranslationEditors.h"

#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "data/FileServices.h"
#include "i18n/Translation.h"
#include "shared/AppState.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <optional>

using namespace velkora;

namespace {

void addKey(const char* key, const char* text) {
    auto& trl = data::files().qxTRL;
    QVERIFY(data::OpenRecordFile(trl));
    trl.clear();
    trl.rec.TRLID = key;
    trl.rec.TRLTXT = text;
    trl.rec.ORGTXT = text;
    QCOMPARE(trl.add(), 0);
    data::CloseRecordFile(trl);
}

QTableView* table(QWidget* list) {
    return list->findChild<QWidget*>("BROWSE:1")->findChild<QTableView*>();
}

void type(QWidget* form, const char* entry, const QString& text) {
    auto* edit = form->findChild<QLineEdit*>(entry);
    QVERIFY2(edit, entry);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

QString kind(QWidget* form) {
    return form->findChild<QLabel*>("LS:TYPE")->text();
}

} // namespace

class TranslationEditorsTest : public QObject {
    Q_OBJECT

    std::optional<test::TempDir> folder; // a new one for every test
    test::ScriptedPrompter prompter;

private slots:
    void init() {
        folder.emplace();
        test::TempDir& dir = *folder;
        resetAppState();
        appState().INITPATH = dir.str();
        appState().WORKPATH = dir.str();
        appState().DATAPATH = dir.str();
        appState().TRLFILE = dir.file("ORBEN");
        i18n::registerTranslationEditors();
        addKey("L.DATUHR", "Date and time");
        addKey("P.10_DATUM", "Date");
        addKey("P.99_SELTSAM", "Odd");
    }

    void theFormNamesTheKindOfEachKey() {
        i18n::TransList list;
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.windowTitle(),
                 "Übersetzung [" + QString::fromStdString(folder->file("ORBEN.TPS")) + "]");
        QCOMPARE(table(&list)->model()->columnCount(), 3);
        QStringList kinds;
        for (int row = 0; row < 3; ++row) {
            table(&list)->setCurrentIndex(table(&list)->model()->index(row, 0));
            test::whenModal([&](QWidget* form) {
                QCOMPARE(form->windowTitle(), QString("Changing a qxMSG Record"));
                kinds << kind(form);
                form->findChild<QPushButton*>("CANCEL")->click();
            });
            list.findChild<QPushButton*>("CHANGE")->click();
        }
        QCOMPARE(kinds, (QStringList{"ListHeader", "Prompt", "..."}));
    }

    void aKeyIsAddedOnceAndAChangedTextShowsInWindowsOpenedLater() {
        i18n::TransList list;
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        test::whenModal([&](QWidget* form) {
            QCOMPARE(form->windowTitle(), QString("* Adding a qxMSG Record"));
            type(form, "QX1:TRLID", "P.10_DATUM");
            type(form, "QX1:TRLTXT", "Day");
            form->findChild<QPushButton*>("OK")->click();
            QCOMPARE(QString::fromStdString(prompter.last().caption), QString("Duplicate Key Error"));
            QVERIFY(QString::fromStdString(prompter.last().text).startsWith("TRLID|"));
            QCOMPARE(form->focusWidget()->objectName(), QString("QX1:TRLID"));
            form->findChild<QPushButton*>("CANCEL")->click();
        });
        list.findChild<QPushButton*>("INSERT")->click();

        table(&list)->setCurrentIndex(table(&list)->model()->index(1, 0));
        test::whenModal([&](QWidget* form) {
            QCOMPARE(form->findChild<QLineEdit*>("QX1:TRLID")->text(), QString("P.10_DATUM"));
            type(form, "QX1:TRLTXT", "Day");
            form->findChild<QPushButton*>("OK")->click();
        });
        list.findChild<QPushButton*>("CHANGE")->click();
        QCOMPARE(table(&list)->model()->index(1, 1).data().toString(), QString("Day"));
        QCOMPARE(i18n::TranslateText("P.10_Datum"), std::string("Day"));
    }
};

QTEST_MAIN(TranslationEditorsTest)
#include "TranslationEditorsTest.moc"
