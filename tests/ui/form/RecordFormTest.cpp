// A form declared on RecordForm over a file in a data folder: the one layout
// (prompt, entry, lookup button beside it), a lookup filling its entry and
// the description beside it, pages, drop lists, a field a check box enables,
// priming and the write of a new record.

#include "ui/form/RecordForm.h"

#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "data/FileServices.h"
#include "shared/AppState.h"
#include "ui/browse/FormRequest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

using namespace velkora;
using namespace velkora::form;

namespace {

// A place form whose country lookup knows "A" (also typed "a") and chooses "CH".
RecordFormDeclaration placeForm(std::vector<std::string>& chosenFrom) {
    RecordFormDeclaration d{"qxTestPlace", "TestPlaceWin", &data::files().QXADRORT};
    FieldLookup country;
    country.button = "LDBUTTON";
    country.display = "LS:LANDNAME";
    country.find = [](const std::string& typed) -> std::optional<LookupValue> {
        if (typed == "A" || typed == "a")
            return LookupValue{"A", "Österreich"};
        return std::nullopt;
    };
    country.choose = [&chosenFrom](QWidget*, const std::string& typed) -> std::optional<LookupValue> {
        chosenFrom.push_back(typed);
        return LookupValue{"CH", "Schweiz"};
    };
    d.fields = {
        {.name = "ORT:LD", .prompt = "Land", .lookup = country}, {"ORT:PLZ", "PLZ"}, {"ORT:ORT", "Ort"}};
    d.required = {"ORT:ORT"};
    d.requiredMessage = "M.PLZ_NODATA";
    d.prime = [](data::RecordFile& places) { places.setText("ORT:VORWAHL", "0000"); };
    return d;
}

QLineEdit* entry(QWidget* form, const char* name) {
    return form->findChild<QLineEdit*>(name);
}

void retype(QWidget* form, const char* name, const QString& text) {
    QLineEdit* edit = entry(form, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

} // namespace

class RecordFormTest : public QObject {
    Q_OBJECT

    test::TempDir dir_;

private slots:
    void init() {
        resetAppState();
        std::filesystem::create_directories(dir_.file("DATA"));
        appState().DATAPATH = dir_.file("DATA");
        appState().STARTINI = dir_.file("ORB.INI");
        appState().INITPATH = dir_.str();
        data::files().QXADRORT.clear();
        data::files().QXADRESS.clear();
    }

    void promptsEntriesAndLookupButtonsLineUp() {
        std::vector<std::string> chosenFrom;
        RecordForm form(placeForm(chosenFrom));
        auto* grid = form.findChild<QGridLayout*>();
        QVERIFY(grid != nullptr);
        int row = -1, column = -1, span = 0;
        for (const char* name : {"ORT:PLZ", "ORT:ORT"}) {
            grid->getItemPosition(grid->indexOf(entry(&form, name)), &row, &column, &span, &span);
            QCOMPARE(column, 1);
            auto* prompt = qobject_cast<QLabel*>(grid->itemAtPosition(row, 0)->widget());
            QCOMPARE(prompt->buddy(), entry(&form, name));
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect code = entry(&form, "ORT:LD")->geometry();
        const QRect button = form.findChild<QPushButton*>("LDBUTTON")->geometry();
        const QRect name = form.findChild<QLabel*>("LS:LANDNAME")->geometry();
        QVERIFY(button.left() >= code.right() && button.left() - code.right() < 20);
        QVERIFY(name.left() > button.right());
        QCOMPARE(entry(&form, "ORT:LD")->geometry().left(), entry(&form, "ORT:ORT")->geometry().left());
    }

    void aLookupDescribesTheEntryAndTakesWhatIsChosen() {
        test::ScriptedPrompter prompter;
        std::vector<std::string> chosenFrom;
        RecordForm form(placeForm(chosenFrom));
        browse::formExchange() = {browse::InsertRecord, 0, 0};
        test::whenModal([&](QWidget* w) {
            auto* shown = w->findChild<QLabel*>("LS:LANDNAME");
            retype(w, "ORT:LD", "A");
            QCOMPARE(shown->text(), QString("Österreich"));
            retype(w, "ORT:LD", "XY"); // not in the table: kept, with nothing beside it
            QCOMPARE(entry(w, "ORT:LD")->text(), QString("XY"));
            QCOMPARE(shown->text(), QString());
            QTest::mouseClick(w->findChild<QPushButton*>("LDBUTTON"), Qt::LeftButton);
            QCOMPARE(entry(w, "ORT:LD")->text(), QString("CH"));
            QCOMPARE(shown->text(), QString("Schweiz"));
            retype(w, "ORT:PLZ", "8001");
            QTest::mouseClick(w->findChild<QPushButton*>("OK"), Qt::LeftButton);
            QCOMPARE(prompter.texts().size(), std::size_t(1)); // Ort is required
            QCOMPARE(w->focusWidget(), entry(w, "ORT:ORT"));
            retype(w, "ORT:ORT", "Zurich");
            QTest::mouseClick(w->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        QCOMPARE(form.run(), int(browse::RequestCompleted));
        QCOMPARE(chosenFrom, std::vector<std::string>{"XY"});
        const data::Place& stored = data::files().QXADRORT.rec;
        QCOMPARE(stored.LD, std::string("CH"));
        QCOMPARE(stored.ORT, std::string("Zurich"));
        QCOMPARE(stored.VORWAHL, std::string("0000")); // primed
    }

    void pagesDropListsAndFieldsEnabledByACheckBox() {
        test::ScriptedPrompter prompter;
        data::files().QXADRESS.clear();
        RecordFormDeclaration d{"qxTestAddress", "TestAddressWin", &data::files().QXADRESS};
        d.fields = {
            {.name = "ADR:NAME1", .prompt = "Name 1", .tab = "Allgemein"},
            {.name = "ADR:STATUS",
             .prompt = "Status",
             .values =
                 [] {
                     return std::vector<std::string>{"Aktiv", "Passiv", "Gesperrt"};
                 },
             .tab = "Allgemein"},
            {.name = "ADR:ALARM", .prompt = "Alarm", .checkBox = true, .tab = "Zusatz"},
            {.name = "ADR:BEMERK", .prompt = "Bemerkung", .enabledWhile = "ADR:ALARM", .tab = "Zusatz"},
        };
        RecordForm form(std::move(d));
        browse::formExchange() = {browse::InsertRecord, 0, 0};
        bool enabledAtFirst = true;
        test::whenModal([&](QWidget* w) {
            auto* tabs = w->findChild<QTabWidget*>("CURRENTTAB");
            QCOMPARE(tabs->count(), 2);
            QCOMPARE(tabs->tabText(1), QString("Zusatz"));
            retype(w, "ADR:NAME1", "Muster");
            auto* status = w->findChild<QComboBox*>("ADR:STATUS");
            QCOMPARE(status->count(), 3);
            status->setCurrentIndex(2);
            tabs->setCurrentIndex(1);
            enabledAtFirst = entry(w, "ADR:BEMERK")->isEnabled();
            QTest::mouseClick(w->findChild<QCheckBox*>("ADR:ALARM"), Qt::LeftButton, {}, QPoint(4, 4));
            QVERIFY(entry(w, "ADR:BEMERK")->isEnabled());
            retype(w, "ADR:BEMERK", "Rueckruf");
            QTest::mouseClick(w->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        QCOMPARE(form.run(), int(browse::RequestCompleted));
        QVERIFY(!enabledAtFirst);
        const data::Address& stored = data::files().QXADRESS.rec;
        QCOMPARE(stored.NAME1, std::string("Muster"));
        QCOMPARE(int(stored.STATUS), 3);
        QCOMPARE(stored.ALARM, std::string("1"));
        QCOMPARE(stored.BEMERK, std::string("Rueckruf"));
    }

    void aFormsOwnRulesRunAroundTheFields() {
        test::ScriptedPrompter prompter;
        data::files().QXADRESS.clear();
        RecordFormDeclaration d{"qxTestAddress", "TestAddressWin", &data::files().QXADRESS};
        d.fields = {
            {.name = "ADR:NAME1", .prompt = "Name 1"},
            {.name = "ADR:NODOCS", .prompt = "Keine Dokumente", .checkBox = true},
            {.name = "LN:COPY", .prompt = "Kopie", .checkBox = true, .unbound = true},
            {.name = "ADR:MEMO", .prompt = "Memo", .multiline = true},
        };
        d.prime = [](data::RecordFile& addresses) { addresses.setText("ADR:ADRNR", "7"); };
        QStringList steps;
        d.build = [&](RecordForm& f) { steps << "build:" + f.control("LN:COPY")->objectName(); };
        d.entered = [&](RecordForm& f) {
            steps << "entered";
            qobject_cast<QCheckBox*>(f.control("LN:COPY"))->setChecked(true);
        };
        d.check = [&](RecordForm& f) -> std::optional<SaveOutcome> {
            steps << "check";
            if (f.file().text("ADR:NAME1") == "Nein")
                return SaveOutcome::KeepOpen;
            return std::nullopt;
        };
        d.complete = [&](RecordForm& f) {
            steps << "complete";
            f.file().setText("ADR:ZUSATZ",
                             qobject_cast<QCheckBox*>(f.control("LN:COPY"))->isChecked() ? "Kopie" : "");
        };
        RecordForm form(std::move(d));
        QCOMPARE(steps, QStringList{"build:LN:COPY"});
        browse::formExchange() = {browse::InsertRecord, 0, 0};
        bool numberZeroIsOff = false;
        test::whenModal([&](QWidget* w) {
            // A flag held in a number reads 0 as off.
            numberZeroIsOff = !w->findChild<QCheckBox*>("ADR:NODOCS")->isChecked();
            retype(w, "ADR:NAME1", "Nein");
            QTest::mouseClick(w->findChild<QPushButton*>("OK"), Qt::LeftButton);
            QVERIFY(w->isVisible());
            retype(w, "ADR:NAME1", "Ja");
            auto* memo = w->findChild<QPlainTextEdit*>("ADR:MEMO");
            memo->setFocus();
            QTest::keyClicks(memo, "Zeile 1");
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClicks(memo, "Zeile 2");
            QTest::mouseClick(w->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        QCOMPARE(form.run(), int(browse::RequestCompleted));
        QVERIFY(numberZeroIsOff);
        QCOMPARE(steps, (QStringList{"build:LN:COPY", "entered", "check", "check", "complete"}));
        const data::Address& stored = data::files().QXADRESS.rec;
        QCOMPARE(stored.ZUSATZ, std::string("Kopie"));
        QCOMPARE(stored.MEMO, std::string("Zeile 1\nZeile 2"));
    }
};

QTEST_MAIN(RecordFormTest)
#include "RecordFormTest.moc"
