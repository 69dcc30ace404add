#pragma once
// A data folder with addresses and a work file for the address list tests.

#include "ListDriver.h"
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

class AddressListFixture : public ListDriver<addresses::AdrListWin> {
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

    // The window closes before the folder and the prompter go.
    ~AddressListFixture() { closeWindow(); }

    addresses::AdrListWin* openWindow() { return showWindow(std::make_unique<addresses::AdrListWin>()); }

    TempDir dir;
    ScriptedPrompter prompter;

private:
    int lastNumber_ = 0;
};

} // namespace velkora::test
