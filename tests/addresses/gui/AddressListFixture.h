#pragma once
// A data folder with addresses and a work file for the address list tests.

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "addresses/gui/AdrListWin.h"
#include "data/FileServices.h"
#include "shared/AppState.h"

#include <QHeaderView>
#include <QTableView>
#include <QtTest>
#include <filesystem>
#include <memory>

namespace velkora::test {

struct AddressSpec {
    std::string name1;
    std::string ld;
    std::string plz;
    std::string ort;
    int status = 0;
    int adrart = 0;
    std::string url;
    std::string alarm;
    std::string bemerk;
};

class AddressListFixture {
public:
    AddressListFixture() {
        resetAppState();
        std::filesystem::create_directories(dir.file("DATA"));
        appState().DATAPATH = dir.file("DATA");
        appState().STARTINI =
            dir.write("ORB.INI", "[DEFAULT]\nAdrLd=D\n"
                                 "[ADRART]\nAdrArt1=Kunde\nAdrArt2=Lieferant\nAdrArt3=Interessent\n");
        appState().WORKINI = appState().STARTINI;
        appState().WORKPATH = dir.str();
        appState().INITPATH = dir.str();
    }
    ~AddressListFixture() { closeWindow(); }

    // Adds addresses; numbers count from 1 in the order given.
    void addAddresses(const std::vector<AddressSpec>& specs) {
        auto& adr = data::files().QXADRESS;
        QVERIFY(data::OpenRecordFile(adr));
        for (const auto& s : specs) {
            adr.clear();
            adr.rec.ADRNR = ++lastNumber_;
            adr.rec.NAME1 = s.name1;
            adr.rec.LD = s.ld;
            adr.rec.PLZ = s.plz;
            adr.rec.ORT = s.ort;
            adr.rec.STATUS = static_cast<std::uint8_t>(s.status);
            adr.rec.ADRART = static_cast<std::uint8_t>(s.adrart);
            adr.rec.URL = s.url;
            adr.rec.ALARM = s.alarm;
            adr.rec.BEMERK = s.bemerk;
            QCOMPARE(adr.add(), 0);
        }
        data::CloseRecordFile(adr);
    }
    // Names "Name 001" ... with postal codes 10001 ... of country D.
    void addNumbered(int count) {
        std::vector<AddressSpec> specs;
        for (int i = 1; i <= count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "Name %03d", i);
            specs.push_back({name, "D", std::to_string(10000 + i), "Ort"});
        }
        addAddresses(specs);
    }

    addresses::AdrListWin* openWindow() {
        window = std::make_unique<addresses::AdrListWin>();
        window->resize(900, 400);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowExposed(window.get()) || !QTest::qWaitForWindowActive(window.get()))
            return nullptr;
        QCoreApplication::processEvents();
        return window.get();
    }
    void closeWindow() {
        if (window) {
            window->close();
            window.reset();
        }
    }

    QTableView* table() const { return window->list()->table(); }
    QWidget* list() const { return window->findChild<QWidget*>("BROWSE:1"); }
    template <class W = QWidget> W* control(const char* name) const { return window->findChild<W*>(name); }
    // The text of display column `column` in the selected row.
    QString selectedText(int column) const {
        return table()->model()->index(table()->currentIndex().row(), column).data().toString();
    }
    QString cell(int row, int column) const { return table()->model()->index(row, column).data().toString(); }
    int rows() const { return table()->model()->rowCount(); }
    // Clicks the header of display column `column`.
    void clickHeader(int column) const {
        auto* header = table()->horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    QString headerText(int column) const { return window->list()->headerText(column); }

    TempDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<addresses::AdrListWin> window;

private:
    int lastNumber_ = 0;
};

} // namespace velkora::test
