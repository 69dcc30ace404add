#pragma once
// A data path with addresses, contact persons and activities, a mailing
// file and a work file with the activity kinds and priorities: what the
// report tests (core and windows) generate from.

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "data/FileServices.h"
#include "documents/MailingFile.h"
#include "shared/AppState.h"
#include "shared/Dates.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velkora::reports::test {

struct ContactSpec {
    std::int32_t adrnr = 0;
    std::int32_t tkpnr = 0;
    int kind = 0;
    std::string name1;
    std::string name2;
    std::string tel;
};

struct ActivitySpec {
    std::int32_t aktid = 0;
    std::int32_t adrnr = 0;
    CivilDate date;
    std::string title;
    int kind = 1;
    int priority = 2;
    std::string memo = {};
};

class ReportsData {
public:
    ReportsData() {
        resetAppState();
        for (const data::TableDef* t : data::allTables()) {
            data::RecordFile* f = data::files().byName(t->name);
            f->close();
            f->setOpenCount(0);
        }
        std::filesystem::create_directories(dir.file("DATA"));
        std::filesystem::create_directories(dir.file("MAIL"));
        appState().DATAPATH = dir.file("DATA");
        appState().MAILPATH = dir.file("MAIL");
        appState().WORKPATH = dir.str();
        appState().INITPATH = dir.str();
        appState().TRLFILE = dir.file("ORB");
        appState().WORKINI =
            dir.write("ORB.INI", "[AKTART]\nAktArt1=Brief\nAktArt2=Anruf\n"
                                 "[AKTPRI]\nAktPri1=Hoch\nAktPri2=Normal\nAktPri3=Niedrig\n");
        appState().STARTINI = appState().WORKINI;
    }
    ~ReportsData() {
        for (const data::TableDef* t : data::allTables()) {
            data::RecordFile* f = data::files().byName(t->name);
            f->close();
            f->setOpenCount(0);
        }
    }

    void addAddress(std::int32_t adrnr, const std::string& name, const std::string& ort) {
        auto& adr = data::files().QXADRESS;
        data::OpenRecordFile(adr);
        adr.clear();
        adr.rec.ADRNR = adrnr;
        adr.rec.NAME1 = name;
        adr.rec.LD = "D";
        adr.rec.PLZ = "10115";
        adr.rec.ORT = ort;
        adr.rec.STRASSE = "Weg 1";
        adr.add();
        data::CloseRecordFile(adr);
    }

    void addContacts(const std::vector<ContactSpec>& specs) {
        auto& tkp = data::files().QXADRTKP;
        data::OpenRecordFile(tkp);
        for (const ContactSpec& s : specs) {
            tkp.clear();
            tkp.rec.ADRNR = s.adrnr;
            tkp.rec.TKPNR = s.tkpnr;
            tkp.rec.KTART = static_cast<std::uint8_t>(s.kind);
            tkp.rec.NAME1 = s.name1;
            tkp.rec.NAME2 = s.name2;
            tkp.rec.TEL = s.tel;
            tkp.add();
        }
        data::CloseRecordFile(tkp);
    }

    void addActivities(const std::vector<ActivitySpec>& specs) {
        auto& akt = data::files().QXADRAKT;
        data::OpenRecordFile(akt);
        for (const ActivitySpec& s : specs) {
            akt.clear();
            akt.rec.AKTID = s.aktid;
            akt.rec.ADRNR = s.adrnr;
            akt.rec.DATUM = dayNumber(s.date);
            akt.rec.UHR = clockValue({9, 15, 0, 0});
            akt.rec.TITLE = s.title;
            akt.rec.AKTART = static_cast<std::uint8_t>(s.kind);
            akt.rec.AKTPRI = static_cast<std::uint8_t>(s.priority);
            akt.rec.MEMO = s.memo;
            akt.add();
        }
        data::CloseRecordFile(akt);
    }

    // Two addresses with two activities each, in no order of date.
    void addMeierAndSchulz() {
        addAddress(1, "Meier", "Berlin");
        addAddress(2, "Schulz", "Bonn");
        addActivities({
            {1, 1, {2026, 3, 1}, "Angebot Heizung", 1, 1},
            {2, 2, {2026, 3, 5}, "Rückruf Schulz", 2, 2},
            {3, 1, {2026, 3, 9}, "Besuch vor Ort", 2, 3},
            {4, 2, {2026, 2, 3}, "Notiz Schulz", 1, 2},
        });
    }

    static documents::MailingRecord mailingRow(const std::string& adrnr, const std::string& name,
                                               const std::string& ort) {
        documents::MailingRecord r;
        r.ADRNR = adrnr;
        r.NAME1 = name;
        r.LD = "D";
        r.PLZ = "10115";
        r.ORT = ort;
        r.STRASSE = "Weg 1";
        return r;
    }

    // Writes a mailing file MailPath/name with these rows; returns its full name.
    std::string writeMailing(const std::string& name, const std::vector<documents::MailingRecord>& rows) {
        const std::string path = dir.file("MAIL/" + name);
        documents::MailingFile mailing;
        mailing.setName(path);
        documents::MailingFile::create(path);
        mailing.open(files::DbfTable::Access::Write);
        for (const auto& r : rows) {
            mailing.rec = r;
            mailing.add();
        }
        mailing.close();
        return path;
    }

    velkora::test::TempDir dir;
    velkora::test::ScriptedPrompter prompter;
};

} // namespace velkora::reports::test
