#include "i18n/gui/WindowTranslator.h"

#include "../MemoryTranslationTable.h"
#include "i18n/ControlTexts.h"
#include "shared/AppState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>

using namespace velkora;

namespace {

// A small form as the windows of the program are built.
struct Form : QDialog {
    Form() {
        setWindowTitle("Adresse ändern");
        auto* entry = new QLineEdit(this);
        entry->setObjectName("ADR:DATUM");
        prompt = new QLabel("Datum", this);
        prompt->setObjectName("ADR:DATUM:PROMPT");
        prompt->setBuddy(entry);
        string = new QLabel("Hinweis", this);
        variable = new QLabel("/home/user", this);
        variable->setObjectName("LS:ACTPATH");
        save = new QPushButton("Speichern", this);
        save->setObjectName("OK");
        save->setToolTip("Sichert die Adresse");
        save->setStatusTip("Adresse speichern");
        cancel = new QPushButton("Abbrechen", this);
        check = new QCheckBox("Aktiv", this);
        feature = new QCheckBox("QXM_1", this);
        radio = new QRadioButton("Firma", this);
        group = new QGroupBox("Anschrift", this);
        tabs = new QTabWidget(this);
        tabs->addTab(new QWidget, "Allgemein");
        tabs->addTab(new QWidget, "Kontakte");
        drop = new QComboBox(this);
        drop->addItems({"Links", "Rechts"});
    }
    QLabel* prompt;
    QLabel* string;
    QLabel* variable;
    QPushButton* save;
    QPushButton* cancel;
    QCheckBox* check;
    QCheckBox* feature;
    QRadioButton* radio;
    QGroupBox* group;
    QTabWidget* tabs;
    QComboBox* drop;
};

} // namespace

class WindowTranslatorTest : public QObject {
    Q_OBJECT

private slots:
    void init() { resetAppState(); }
    void cleanup() { resetAppState(); }

    void withoutTranslationsPromptsAndGroupsGetColons() {
        test::MemoryTranslations mem;
        Form form;
        i18n::TranslateWindow(&form, false);
        QCOMPARE(form.prompt->text(), QString("Datum:"));
        QCOMPARE(form.group->title(), QString("Anschrift:"));
        QCOMPARE(form.string->text(), QString("Hinweis"));
        QCOMPARE(form.save->text(), QString("Speichern"));
        QCOMPARE(form.save->toolTip(), QString("Sichert die Adresse"));
        QVERIFY(mem.records.empty());
    }

    void writeTrlRecordsEveryKeyOfTheWindowOnce() {
        test::MemoryTranslations mem;
        appState().WRITETRL = 1;
        Form form;
        i18n::TranslateWindow(&form, false);
        QStringList keys;
        for (const auto& [key, record] : mem.records)
            keys << QString::fromStdString(key);
        QCOMPARE(keys, QStringList({"P.02_HINWEIS", "P.09_ABBRECHEN", "P.09_SPEICHERN", "P.10_DATUM",
                                    "P.12_AKTIV", "P.13_ANSCHRIFT", "P.21_FIRMA", "P.25_ADRESSE ÄNDERN",
                                    "P.33_LINKS|RECHTS", "P.38_ALLGEMEIN", "P.38_KONTAKTE"}));
        QCOMPARE(mem.find("P.10_DATUM")->TRLTXT, std::string("Datum:"));
        QCOMPARE(mem.find("P.09_SPEICHERN")->TRLTIP, std::string("Sichert die Adresse"));
        QCOMPARE(mem.find("P.09_SPEICHERN")->TRLMSG, std::string("Adresse speichern"));
        // The window keeps its texts this time.
        QCOMPARE(form.prompt->text(), QString("Datum"));
        // A second window of the same design finds every key.
        Form again;
        i18n::TranslateWindow(&again, false);
        QCOMPARE(mem.failedAdds, 0);
        QCOMPARE(again.prompt->text(), QString("Datum:"));
    }

    void translatedTextsReplaceTheDesignTexts() {
        test::MemoryTranslations mem;
        mem.put("P.25_ADRESSE ÄNDERN", "Change address");
        mem.put("P.10_DATUM", "Date:");
        mem.put("P.09_SPEICHERN", "&Save", "Saves the address", "Save");
        mem.put("P.38_KONTAKTE", "Contacts");
        mem.put("P.33_LINKS|RECHTS", "Left|Right");
        mem.put("P.21_FIRMA", "Company");
        mem.put("P.12_QXM_1", "never");
        Form form;
        i18n::TranslateWindow(&form, false);
        QCOMPARE(form.windowTitle(), QString("Change address"));
        QCOMPARE(form.prompt->text(), QString("Date:"));
        QCOMPARE(form.save->text(), QString("&Save"));
        QCOMPARE(form.save->toolTip(), QString("Saves the address"));
        QCOMPARE(form.save->statusTip(), QString("Save"));
        QCOMPARE(form.tabs->tabText(0), QString("Allgemein"));
        QCOMPARE(form.tabs->tabText(1), QString("Contacts"));
        QCOMPARE(form.drop->itemText(1), QString("Right"));
        QCOMPARE(form.radio->text(), QString("Company"));
        QCOMPARE(form.feature->text(), QString("QXM_1"));
        QCOMPARE(form.variable->text(), QString("/home/user"));
        // Translating again keys by the design texts, not by the translations.
        i18n::TranslateWindow(&form, false);
        QCOMPARE(form.prompt->text(), QString("Date:"));
        QCOMPARE(form.group->title(), QString("Anschrift:"));
    }

    void aDropListWithAnotherNumberOfEntriesKeepsItsEntries() {
        test::MemoryTranslations mem;
        mem.put("P.33_LINKS|RECHTS", "Left");
        Form form;
        i18n::TranslateWindow(&form, false);
        QCOMPARE(form.drop->itemText(0), QString("Links"));
    }

    void frameMenusAndToolbarOnlyWithWhole() {
        test::MemoryTranslations mem;
        mem.put("P.19_FILE", "&Datei");
        mem.put("P.20_EXIT", "Beenden");
        mem.put("P.19_ZUSATZDATEN", "Extras");
        mem.put("P.20_LAENDER", "Länder");
        mem.put("P.09_LOCATE RECORD", "Suchen", "Datensatz suchen");
        mem.put("P.24_VELKORA", "Velkora");
        QMainWindow frame;
        frame.setWindowTitle("Velkora");
        QMenu* file = frame.menuBar()->addMenu("File");
        QMenu* extra = file->addMenu("Zusatzdaten");
        QAction* countries = extra->addAction("Laender");
        file->addSeparator();
        QAction* exit = file->addAction("Exit");
        QToolBar* bar = frame.addToolBar("nav");
        QAction* locate = bar->addAction("Locate record");

        i18n::TranslateWindow(&frame, false);
        QCOMPARE(file->title(), QString("File"));

        i18n::TranslateWindow(&frame, true);
        QCOMPARE(file->title(), QString("&Datei"));
        QCOMPARE(extra->title(), QString("Extras"));
        QCOMPARE(countries->text(), QString("Länder"));
        QCOMPARE(exit->text(), QString("Beenden"));
        QCOMPARE(locate->text(), QString("Suchen"));
        QCOMPARE(locate->toolTip(), QString("Datensatz suchen"));
    }

    void listHeadingsSkipTheIconColumn() {
        test::MemoryTranslations mem;
        mem.put("L.NAME 1", "Name 1 (en)");
        mem.put("L. ..", "never");
        appState().WRITETRL = 1;
        QStandardItemModel model(0, 3);
        model.setHorizontalHeaderLabels({" ..", "Name 1", "Ort"});
        QTableView view;
        view.setModel(&model);
        i18n::TranslateListHeaders(&view);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString(" .."));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Name 1 (en)"));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString("Ort"));
        QVERIFY(mem.find("L.ORT") != nullptr);
    }

    void explicitTypeOverridesTheDerivedOne() {
        test::MemoryTranslations mem;
        appState().WRITETRL = 1;
        Form form;
        i18n::setControlType(form.string, i18n::VariableStringControl);
        i18n::TranslateWindow(&form, false);
        QVERIFY(mem.find("P.02_HINWEIS") == nullptr);
    }
};

QTEST_MAIN(WindowTranslatorTest)
#include "WindowTranslatorTest.moc"
