#pragma once
// A data folder with addresses, contacts and activities, a work file with
// the activity kinds, and a documents folder, for the activity window tests.

#include "ScriptedPrompter.h"
#include "StationSql.h"
#include "TempDir.h"
#include "data/FileServices.h"
#include "shared/AppState.h"
#include "shared/Dates.h"

#include <QtTest>
#include <filesystem>

namespace velkora::test {

struct ActivitySpec {
    std::int32_t aktid = 0;
    std::int32_t adrnr = 0;
    int kind = 0;
    int priority = 254;
    CivilDate date;
    std::string title;
    std::string remark;
    std::string docname;
    std::int32_t tkpnr = 0;
};

class ActivityFixture {
public:
    ActivityFixture() {
        resetAppState();
        std::filesystem::create_directories(dir.file("DATA"));
        std::filesystem::create_directories(dir.file("DOCS"));
        appState().DATAPATH = dir.file("DATA");
        appState().DOCSPATH = dir.file("DOCS");
        appState().STARTINI = dir.write("ORB.INI", "[AKTART]\nAktArt1=Brief\nAktArt2=Anruf\n"
                                                   "[ADRTKP]\nAdrKArt1=Chef\n");
        appState().WORKINI = appState().STARTINI;
        appState().WORKPATH = dir.str();
        appState().INITPATH = dir.str();
        dir.write("ORB.ENV",
                  "[APPWARN]\nWarn:AKT_NOADRS=Keine Adresse gewählt.\nCapt:AKT_NOADRS=Keine Adresse\n"
                  "Warn:AKT_NODATA=Bitte Titel eingeben.\nCapt:AKT_NODATA=Kein Titel\n");
    }

    void addAddress(std::int32_t adrnr, const std::string& name, const std::string& ort) {
        auto& adr = data::files().QXADRESS;
        QVERIFY(data::OpenRecordFile(adr));
        adr.clear();
        adr.rec.ADRNR = adrnr;
        adr.rec.NAME1 = name;
        adr.rec.LD = "D";
        adr.rec.PLZ = "10115";
        adr.rec.ORT = ort;
        adr.rec.STRASSE = "Weg 1";
        QCOMPARE(adr.add(), 0);
        data::CloseRecordFile(adr);
    }
    void addActivities(const std::vector<ActivitySpec>& specs) {
        auto& akt = data::files().QXADRAKT;
        QVERIFY(data::OpenRecordFile(akt));
        for (const auto& s : specs) {
            akt.clear();
            akt.rec.AKTID = s.aktid;
            akt.rec.ADRNR = s.adrnr;
            akt.rec.TKPNR = s.tkpnr;
            akt.rec.AKTART = static_cast<std::uint8_t>(s.kind);
            akt.rec.AKTPRI = static_cast<std::uint8_t>(s.priority);
            akt.rec.DATUM = dayNumber(s.date);
            akt.rec.UHR = clockValue({10, 30, 0, 0});
            akt.rec.TITLE = s.title;
            akt.rec.BEMERK = s.remark;
            akt.rec.DOCNAME = s.docname;
            QCOMPARE(akt.add(), 0);
        }
        data::CloseRecordFile(akt);
    }

    // Runs SQL on a table's file as another station.
    void sql(const std::string& table, const std::string& statement) const {
        sqlOfOtherStation(dir.file("DATA/" + table + ".TPS"), statement);
    }

    TempDir dir;
    ScriptedPrompter prompter;
};

} // namespace velkora::test
