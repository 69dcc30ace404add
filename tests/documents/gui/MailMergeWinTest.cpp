// The mail-merge selection window on the demo workspace, driven by its controls.

#include "documents/gui/MailMergeWin.h"

#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "app/DemoWorkspace.h"
#include "app/Startup.h"
#include "data/files/DbfTable.h"
#include "documents/MailingFile.h"
#include "documents/gui/DocumentWindows.h"
#include "shared/AppState.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace velkora;
using namespace velkora::documents;

namespace {

template <class W> W* control(QWidget* window, const char* name) {
    auto* w = window->findChild<W*>(name);
    if (!w)
        qWarning("no control %s", name);
    return w;
}

// The rows of a mailing list in MailPath.
std::vector<MailingRecord> listRows(const std::string& name) {
    MailingFile file;
    file.setName(mailingFilePath(name));
    std::vector<MailingRecord> rows;
    if (file.open(files::DbfTable::Access::Read))
        return rows;
    while (!file.next())
        rows.push_back(file.rec);
    return rows;
}

} // namespace

class MailMergeWinTest : public QObject {
    Q_OBJECT

    test::TempDir dir_;
    test::ScriptedPrompter prompter_;

    // Opens the window, lets `steps` act on it and returns the response.
    int runWindow(std::function<void(QWidget*)> steps) {
        test::whenModal(std::move(steps));
        return openMailMergeSelection(nullptr);
    }

private slots:
    void initTestCase() {
        std::string error;
        const std::string folder = dir_.file("demo");
        QVERIFY2(app::ensureDemoWorkspace(folder, error), error.c_str());
        QVERIFY(!app::runStartup(folder).ended);
    }
    void init() { prompter_.clear(); }

    void showsEveryControlWithItsLists() {
        runWindow([](QWidget* w) {
            QCOMPARE(w->objectName(), QString("AdrMMerge"));
            auto* tabs = control<QTabWidget>(w, "SHEET1");
            QCOMPARE(tabs->count(), 2);
            QCOMPARE(tabs->tabText(0), QString("Allgemein"));
            QCOMPARE(tabs->tabText(1), QString("Erweitert"));
            for (const char* name :
                 {"LS:MAILFILENAME", "LN:ADRNRVON", "LN:ADRNRBIS", "LS:NAMEVON", "LS:NAMEBIS", "LS:LD",
                  "LS:PLZVON", "LS:PLZBIS", "LD:EKONT", "LD:LKONT", "LN:ADRMERKN", "LS:TKPABTPOS"})
                QVERIFY2(control<QLineEdit>(w, name), name);
            QCOMPARE(control<QLineEdit>(w, "LS:MAILFILENAME")->maxLength(), 39);
            QCOMPARE(control<QLineEdit>(w, "LS:NAMEVON")->maxLength(), 20);
            QCOMPARE(control<QLineEdit>(w, "LS:TKPABTPOS")->maxLength(), 47);
            auto* from = control<QComboBox>(w, "LN:ADRSTATVON");
            auto* to = control<QComboBox>(w, "LN:ADRSTATBIS");
            QCOMPARE(from->count(), 5); // the demo's five statuses
            QCOMPARE(from->itemText(0), QString("Max."));
            QVERIFY(!from->itemIcon(0).isNull());
            QCOMPARE(from->currentIndex(), 0);
            QCOMPARE(to->currentIndex(), 4);
            for (const char* all : {"LN:ADRART", "LS:BRANCHE", "LN:TKPART"}) {
                QCOMPARE(control<QComboBox>(w, all)->itemText(0), QString("<...>"));
                QVERIFY2(control<QComboBox>(w, all)->count() > 1, all);
            }
            for (int k = 1; k <= 8; ++k)
                QVERIFY(control<QCheckBox>(w, qPrintable(QString("LA:ADRMERK_%1").arg(k))));
            QVERIFY(control<QGroupBox>(w, "LN:TKPFLAG")->isCheckable());
            QVERIFY(control<QCheckBox>(w, "LN:TKPEMAIL"));
            QVERIFY(control<QCheckBox>(w, "LN:TKPFAX"));
            control<QPushButton>(w, "CANCEL")->click();
        });
    }

    void theControlsGiveTheConditions() {
        runWindow([](QWidget* w) {
            auto* window = qobject_cast<MailMergeWin*>(w);
            control<QComboBox>(w, "LN:ADRSTATBIS")->setCurrentIndex(2);
            control<QGroupBox>(w, "LN:ADRMERKM")->setChecked(true);
            control<QCheckBox>(w, "LA:ADRMERK_5")->setChecked(true);
            control<QCheckBox>(w, "LA:ADRMERK_2")->setChecked(true);
            control<QRadioButton>(w, "RADIO:AND")->setChecked(true);
            QCOMPARE(QString::fromStdString(addressCondition(window->selection())),
                     QString("ADR:STATUS >= '1' AND ADR:STATUS <= '3'"
                             " AND (ADR:MERKM[2] = '1' AND ADR:MERKM[5] = '1')"));
            QCOMPARE(QString::fromStdString(contactCondition(window->selection())), QString());
            control<QGroupBox>(w, "LN:TKPFLAG")->setChecked(true);
            control<QCheckBox>(w, "LN:TKPEMAIL")->setChecked(true);
            QCOMPARE(QString::fromStdString(contactCondition(window->selection())),
                     QString("0 = 0 AND LEN(CLIP(TKP:EMAIL)) > 0"));
            control<QComboBox>(w, "LN:ADRART")->setCurrentIndex(2);
            control<QLineEdit>(w, "LS:NAMEVON")->setText("O'B");
            control<QLineEdit>(w, "LS:NAMEBIS")->setText("O'Bz");
            QVERIFY(QString::fromStdString(addressCondition(window->selection()))
                        .contains(" AND UPPER(ADR:NAME1) >= UPPER('O''B') AND UPPER(ADR:NAME1) <= "
                                  "UPPER('O''Bz') AND ADR:ADRART = 2"));
            control<QPushButton>(w, "CANCEL")->click();
        });
    }

    void anEmptyNameKeepsTheWindowOpen() {
        const int response = runWindow([this](QWidget* w) {
            control<QPushButton>(w, "CREATE")->click();
            QCOMPARE(prompter_.prompts().size(), std::size_t(1));
            QCOMPARE(QString::fromStdString(prompter_.last().caption), QString("Kein Name"));
            QVERIFY(w->isVisible());
            QCOMPARE(QApplication::focusWidget(), control<QWidget>(w, "LS:MAILFILENAME"));
            control<QPushButton>(w, "CANCEL")->click();
        });
        QCOMPARE(response, int(browse::RequestCancelled));
    }

    // "Kontakte" with "OnlyeMail": a row for each contact with an e-mail address.
    void createWritesTheListAndCloses() {
        const int response = runWindow([](QWidget* w) {
            control<QLineEdit>(w, "LS:MAILFILENAME")->setText("Kunden.dbf");
            control<QTabWidget>(w, "SHEET1")->setCurrentIndex(1);
            control<QGroupBox>(w, "LN:TKPFLAG")->setChecked(true);
            control<QCheckBox>(w, "LN:TKPEMAIL")->setChecked(true);
            control<QPushButton>(w, "CREATE")->click();
        });
        QCOMPARE(response, int(browse::RequestCompleted));
        QVERIFY(prompter_.prompts().empty());
        const auto rows = listRows("Kunden");
        QVERIFY(rows.size() > 5);
        for (const MailingRecord& row : rows) {
            QVERIFY(!clip(row.EMAIL).empty());
            QVERIFY(!clip(row.KNAME1).empty());
        }
    }

    // Cancel at "M.FIL_OVERWRITEYNC" leaves the list and the window as they were.
    void anExistingListIsLeftOnCancel() {
        const std::size_t before = listRows("Kunden").size();
        QVERIFY(before > 0);
        prompter_.setNextAnswer(ButtonCancel);
        const int response = runWindow([this](QWidget* w) {
            control<QLineEdit>(w, "LS:MAILFILENAME")->setText("Kunden");
            control<QPushButton>(w, "CREATE")->click();
            QCOMPARE(QString::fromStdString(prompter_.last().caption), QString("Serienbriefliste vorhanden"));
            QVERIFY(w->isVisible());
            control<QPushButton>(w, "CANCEL")->click();
        });
        QCOMPARE(response, int(browse::RequestCancelled));
        QCOMPARE(listRows("Kunden").size(), before);
    }

    // A selection that finds nothing writes no row, and the window stays.
    void nothingSelectedKeepsTheWindowOpen() {
        const int response = runWindow([](QWidget* w) {
            control<QLineEdit>(w, "LS:MAILFILENAME")->setText("Leer");
            control<QLineEdit>(w, "LN:ADRNRVON")->setText("90000");
            control<QLineEdit>(w, "LN:ADRNRBIS")->setText("90001");
            control<QPushButton>(w, "CREATE")->click();
            QVERIFY(w->isVisible());
            control<QPushButton>(w, "CANCEL")->click();
        });
        QCOMPARE(response, int(browse::RequestCancelled));
        QVERIFY(listRows("Leer").empty());
    }
};

QTEST_MAIN(MailMergeWinTest)
#include "MailMergeWinTest.moc"
