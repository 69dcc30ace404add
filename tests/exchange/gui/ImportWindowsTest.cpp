// The import wizard, the check list and the data-exchange window, driven by
// their controls as a user drives them.

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "addresses/gui/AdrListWin.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "data/FileServices.h"
#include "exchange/gui/AdrImportListWin.h"
#include "exchange/gui/DataImportWin.h"
#include "exchange/gui/ExchangeWindows.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>

using namespace velkora;
namespace procedures = app::procedures;

class ImportWindowsTest : public QObject {
    Q_OBJECT

    test::TempDir dir;
    std::unique_ptr<test::ScriptedPrompter> prompts;

    template <class W = QWidget> static W* control(QWidget* window, const char* name) {
        auto* w = window->findChild<W*>(name);
        if (w == nullptr)
            qWarning("no control %s", name);
        return w;
    }
    static void click(QWidget* window, const char* name) { control<QAbstractButton>(window, name)->click(); }
    static void selectRow(QTableWidget* table, int row) { table->setCurrentCell(row, 0); }
    static int rowOfText(QTableWidget* table, int column, const QString& text) {
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, column) && table->item(r, column)->text() == text)
                return r;
        return -1;
    }
    static QTableView* listTable(QWidget* window) {
        return window->findChild<QWidget*>("BROWSE:1")->findChild<QTableView*>();
    }

private slots:
    void init() {
        resetAppState();
        std::filesystem::create_directories(dir.file("DATA"));
        std::filesystem::create_directories(dir.file("MAIL"));
        appState().DATAPATH = dir.file("DATA");
        appState().MAILPATH = dir.file("MAIL");
        appState().STARTINI = dir.write("ORB.INI", "[ADRTKP]\nAdrKArt1=2\n");
        appState().WORKINI = appState().STARTINI;
        appState().WORKPATH = dir.str();
        appState().INITPATH = dir.str();
        dir.write("ORB.ENV",
                  "[APPWARN]\nWarn:IMP_Start=Soll der Import jetzt beginnen?\nCapt:IMP_Start=Import\n"
                  "Warn:IMP_Done=%1 Zeilen importiert, %2 nicht importiert.\nCapt:IMP_Done=Import\n"
                  "Warn:IMP_NoFile=Es gibt keine Austauschdatei.\nCapt:IMP_NoFile=Datenaustausch\n"
                  "Warn:IMP_NoName1=Name 1 fehlt.\nCapt:IMP_NoName1=Data import\n");
        setApplicationEndHandler([](std::string_view) {});
        prompts = std::make_unique<test::ScriptedPrompter>();
        exchange::registerExchangeWindows();
        auto& adr = data::files().QXADRESS;
        QVERIFY(data::OpenRecordFile(adr));
        adr.clear();
        adr.rec.ADRNR = 7;
        adr.rec.NAME1 = "Berger Softwareentwicklung GmbH";
        adr.rec.ORT = "Berlin";
        QCOMPARE(adr.add(), data::NoError);
        data::CloseRecordFile(adr);
    }
    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const std::string name : {"QXADRESS", "QXADRTKP"})
            data::files().byName(name)->close(), data::files().byName(name)->setOpenCount(0);
        std::filesystem::remove_all(dir.file("DATA"));
        std::filesystem::remove_all(dir.file("MAIL"));
        prompts.reset();
    }

    void theWizardReadsMapsAndOpensTheCheckListWhichFindsTheDuplicateAndImports() {
        const std::string file =
            dir.write("kunden.csv", "Name1;Ort;Telefon\r\nBerger Software;Berlin;030 1\r\n"
                                    "Neue Firma;Köln;\r\nDritte AG;Bonn;0228 3\r\n");
        auto* wizard = qobject_cast<exchange::DataImportWin*>(app::openWindow(procedures::DataImport));
        QVERIFY(wizard);
        control<QLineEdit>(wizard, "?LS:IMPORTFILE")->setText(QString::fromStdString(file));
        click(wizard, "?LN:ASCHEAD");
        click(wizard, "?NEXT");
        QCOMPARE(wizard->page(), 2);

        // Header names map on their own; name 1 is marked as required.
        auto* fields = control<QTableWidget>(wizard, "?DBFLIST");
        const int name1 = rowOfText(fields, 2, "NAME1");
        QCOMPARE(fields->item(name1, 0)->text(), QString("Name1"));
        QVERIFY(fields->item(name1, 1)->text().startsWith("[!]  "));
        const int ort = rowOfText(fields, 2, "ORT");
        QCOMPARE(fields->item(ort, 0)->text(), QString("Ort"));
        // Taken off and put on again by hand: place now from the telephone column and back.
        selectRow(fields, ort);
        click(wizard, "?BUTTOND2A");
        QCOMPARE(fields->item(ort, 0)->text(), QString());
        selectRow(control<QTableWidget>(wizard, "?ASCLIST"), 1);
        selectRow(fields, ort);
        click(wizard, "?BUTTONA2D");
        QCOMPARE(fields->item(ort, 0)->text(), QString("Ort"));
        // Without a column for name 1 the wizard does not go on.
        selectRow(fields, name1);
        click(wizard, "?BUTTOND2A");
        click(wizard, "?NEXT");
        QCOMPARE(wizard->page(), 2);
        QCOMPARE(prompts->prompts().back().caption, std::string("Data import"));
        selectRow(control<QTableWidget>(wizard, "?ASCLIST"), 0);
        selectRow(fields, name1);
        click(wizard, "?BUTTONA2D");
        prompts->clear();

        click(wizard, "?NEXT");
        QCoreApplication::processEvents();
        auto* list =
            qobject_cast<exchange::AdrImportListWin*>(app::runningWindow(procedures::AdressImportList));
        QVERIFY(list);
        QVERIFY(QTest::qWaitForWindowExposed(list));
        QCOMPARE(listTable(list)->model()->rowCount(), 3);

        click(list, "?CHECK");
        QCOMPARE(list->duplicates().size(), std::size_t(1));
        QCOMPARE(list->duplicates().begin()->second, 7);
        listTable(list)->setCurrentIndex(listTable(list)->model()->index(0, 2));
        QCoreApplication::processEvents();
        auto* duplicates = control<QTableWidget>(list, "?DUPLIST");
        QCOMPARE(duplicates->rowCount(), 1);
        QCOMPARE(duplicates->item(0, 1)->text(), QString("Berger Softwareentwicklung GmbH"));

        // The duplicate row goes with the standard delete.
        prompts->setNextAnswer(ButtonOk);
        click(list, "DELETE:2");
        QCOMPARE(listTable(list)->model()->rowCount(), 2);
        QCOMPARE(prompts->prompts().back().caption, std::string("Confirm Delete"));

        prompts->setNextAnswer(ButtonYes);
        click(list, "?OK");
        QCOMPARE(prompts->prompts()[1].caption, std::string("Import"));
        QCOMPARE(prompts->prompts().back().text, std::string("2 Zeilen importiert, 0 nicht importiert."));
        auto& adr = data::files().QXADRESS;
        QVERIFY(data::OpenRecordFile(adr));
        QCOMPARE(adr.records(), std::int64_t(3));
        data::CloseRecordFile(adr);
    }

    void theExchangeWindowSaysSoWhenThereIsNoExchangeFile() {
        QWidget* window = app::openWindow(procedures::DataExport);
        QVERIFY(window);
        click(window, "?OK");
        QCOMPARE(prompts->prompts().size(), std::size_t(1));
        QCOMPARE(prompts->prompts()[0].text, std::string("Es gibt keine Austauschdatei."));
        QVERIFY(app::runningWindow(procedures::AdressImportList) == nullptr);
    }

    void theExchangeWindowOpensTheCheckListOnTheFileLeftFromAnImport() {
        QVERIFY(!exchange::createExchangeFile(exchange::exchangeFileName(appState().MAILPATH)));
        files::DbfTable table;
        QVERIFY(!table.open(exchange::exchangeFileName(appState().MAILPATH), files::DbfTable::Access::Write));
        files::DbfRecord row;
        row.values.resize(exchange::kExchangeFieldCount);
        row.values[exchange::ef::NAME1] = "Übrig vom letzten Mal";
        QVERIFY(!table.append(row));
        table.close();
        QWidget* window = app::openWindow(procedures::DataExport);
        click(window, "?OK");
        auto* list =
            qobject_cast<exchange::AdrImportListWin*>(app::runningWindow(procedures::AdressImportList));
        QVERIFY(list);
        QCOMPARE(listTable(list)->model()->index(0, 2).data().toString().trimmed(),
                 QString("Übrig vom letzten Mal"));
    }

    void theAddressListExportsTheSelectedAddressOrEveryAddressAsVCard() {
        auto& adr = data::files().QXADRESS;
        QVERIFY(data::OpenRecordFile(adr));
        adr.clear();
        adr.rec.ADRNR = 8;
        adr.rec.NAME1 = "Zweite Adresse";
        QCOMPARE(adr.add(), data::NoError);
        data::CloseRecordFile(adr);
        const std::string file = dir.file("export.vcf");
        addresses::vcardFileChooser() = [file](QWidget*) { return file; };
        auto* list = new addresses::AdrListWin;
        list->setAttribute(Qt::WA_DeleteOnClose);
        list->show();
        QVERIFY(QTest::qWaitForWindowExposed(list));

        prompts->setNextAnswer(ButtonYes);
        click(list, "VCARDBUTTON");
        const std::string one = test::readFile(file);
        QVERIFY(one.find("BEGIN:VCARD") != std::string::npos);
        QCOMPARE(one.find("BEGIN:VCARD", 1), std::string::npos);

        prompts->setNextAnswer(ButtonNo);
        click(list, "VCARDBUTTON");
        const std::string all = test::readFile(file);
        QVERIFY(all.find("FN:Berger Softwareentwicklung GmbH") != std::string::npos);
        QVERIFY(all.find("FN:Zweite Adresse") != std::string::npos);
        list->close();
    }
};

QTEST_MAIN(ImportWindowsTest)
#include "ImportWindowsTest.moc"
