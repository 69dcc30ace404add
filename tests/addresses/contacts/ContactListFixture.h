#pragma once
// A workspace for the contact list: a data folder with addresses and
// contacts, a work file with kinds and dial settings, a recording dialler
// in the program folder and a scripted prompter.

#include "ListDriver.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "addresses/PhoneIndex.h"
#include "addresses/contacts/TKPListWin.h"
#include "data/FileServices.h"
#include "shared/AppState.h"

#include <QHeaderView>
#include <QTableView>
#include <QtTest>
#include <filesystem>
#include <memory>

namespace velkora::test {

struct ContactSpec {
    int adrnr = 0;
    int tkpnr = 0;
    std::string name1;
    std::string tel;
    int kind = 0;
    std::string email;
    std::string name0;
    std::string alarm;
    std::string bemerk;
};

class ContactListFixture : public ListDriver<addresses::TKPListWin> {
public:
    explicit ContactListFixture(const std::string& dialSettings = "TAPIDialing=1\nDialPrefix=0\n") {
        resetAppState();
        std::filesystem::create_directories(dir.file("DATA"));
        appState().DATAPATH = dir.file("DATA");
        appState().STARTINI = dir.write("ORB.INI", "[DEFAULT]\nAdrLd=D\n" + dialSettings +
                                                       "[ADRTKP]\nAdrKArt1=Geschäftlich\nAdrKArt2=Privat\n");
        appState().WORKINI = appState().STARTINI;
        appState().WORKPATH = dir.str();
        appState().INITPATH = dir.str();
        // The dialler of the program folder: records its argument vector.
        const std::string out = dir.file("dialled");
        const std::string dialler =
            dir.write("velkora-dial",
                      "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"" +
                          out + ".tmp\" && mv \"" + out + ".tmp\" \"" + out + "\"\n");
        std::filesystem::permissions(dialler, std::filesystem::perms::owner_all);
    }

    void addAddress(int adrnr, const std::string& name1, const std::string& ort) {
        auto& adr = data::files().QXADRESS;
        QVERIFY(data::OpenRecordFile(adr));
        adr.clear();
        adr.rec.ADRNR = adrnr;
        adr.rec.NAME1 = name1;
        adr.rec.LD = "D";
        adr.rec.PLZ = "80331";
        adr.rec.ORT = ort;
        QCOMPARE(adr.add(), 0);
        data::CloseRecordFile(adr);
    }
    void addContacts(const std::vector<ContactSpec>& specs) {
        auto& tkp = data::files().QXADRTKP;
        QVERIFY(data::OpenRecordFile(tkp));
        for (const auto& s : specs) {
            tkp.clear();
            tkp.rec.ADRNR = s.adrnr;
            tkp.rec.TKPNR = s.tkpnr;
            tkp.rec.NAME1 = s.name1;
            tkp.rec.NAME0 = s.name0;
            tkp.rec.TEL = s.tel;
            tkp.rec.TFX = TFX4TelFax(s.tel);
            tkp.rec.KTART = static_cast<std::uint8_t>(s.kind);
            tkp.rec.EMAIL = s.email;
            tkp.rec.ALARM = s.alarm;
            tkp.rec.BEMERK = s.bemerk;
            QCOMPARE(tkp.add(), 0);
        }
        data::CloseRecordFile(tkp);
    }

    // The window closes before the folder and the prompter go.
    ~ContactListFixture() { closeWindow(); }

    addresses::TKPListWin* openWindow() { return showWindow(std::make_unique<addresses::TKPListWin>()); }

    TempDir dir;
    ScriptedPrompter prompter;
};

} // namespace velkora::test
