#pragma once
// A workspace for the form tests: a data folder, a work file with the value
// lists, a fixed clock, a scripted prompter, the forms registered.

#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "StationSql.h"
#include "TempDir.h"
#include "addresses/forms/AddressForms.h"
#include "data/FileServices.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"
#include "shared/Clock.h"
#include "ui/browse/FormRequest.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QWidget>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <stdlib.h>
#include <unistd.h>

namespace velkora::test {

// Many small commits cost no disk flush on a memory file system.
inline const bool kFormTempInMemory = [] {
    if (::access("/dev/shm", W_OK) == 0)
        ::setenv("TMPDIR", "/dev/shm", 0);
    return true;
}();

inline const char* kWorkFile =
    "[DEFAULT]\nAdrLd=D\nAdrStrExt=0\n"
    "[ADRSTAT]\nAdrStatus0=3\n"
    "[ADRART]\nAdrArt0=2\nAdrArt1=Kunde\nAdrArt2=Lieferant\n"
    "[ADRTKP]\nAdrKArt0=2\nAdrKArt1=Personal\nAdrKArt2=Vertrieb\nAdrKArt3=Einkauf\n"
    "[ADRBRANR]\nBrAnr1=Sehr geehrte(r) <#F:NAME0#> <#F:NAME1#>,\n"
    "BrAnr3=Sehr geehrte Damen und Herren,\n"
    "[TKPABTPOS]\nAbtPos1=Einkauf\nAbtPos2=Vertrieb\n"
    "[ADRMKM]\nAdrMkm1=Newsletter\nAdrMkm2=Katalog\nAdrMkmN=Mitarbeiter\n";

inline void closeAllFiles() {
    for (const data::TableDef* t : data::allTables()) {
        data::RecordFile* f = data::files().byName(t->name);
        f->close();
        f->setOpenCount(0);
        f->clear();
    }
}

class FormFixture {
public:
    FormFixture() : clock_({{2025, 3, 14}, {9, 30, 0, 0}}) {
        resetAppState();
        closeAllFiles();
        std::filesystem::create_directories(dir.file("DATA"));
        appState().DATAPATH = dir.file("DATA");
        appState().STARTINI = dir.write("ORB.INI", kWorkFile);
        appState().WORKINI = appState().STARTINI;
        appState().WORKPATH = dir.str();
        appState().INITPATH = dir.str();
        appState().USERSHORT = "mmuster";
        setApplicationEndHandler([](std::string_view) {});
        addresses::registerAddressForms();
    }
    ~FormFixture() {
        closeAllFiles();
        setApplicationEndHandler(nullptr);
    }
    FormFixture(const FormFixture&) = delete;
    FormFixture& operator=(const FormFixture&) = delete;

    // Runs SQL on a table's file through a connection of its own (another station).
    void sql(const std::string& table, const std::string& statement) const {
        sqlOfOtherStation(dir.file("DATA/" + table + ".TPS"), statement);
    }

    // The contact persons stored for `adrnr`, in contact-number order.
    std::vector<data::ContactPerson> contactsOf(std::int32_t adrnr) const {
        data::File<data::ContactPerson> tkp;
        std::vector<data::ContactPerson> out;
        if (tkp.open() != data::NoError)
            return out;
        tkp.rec.ADRNR = adrnr;
        tkp.setPrefix(*data::ContactPerson::table().key("QXADRTK1"), 1);
        while (tkp.next() == data::NoError && tkp.rec.ADRNR == adrnr)
            out.push_back(tkp.rec);
        tkp.close();
        return out;
    }

    // A stored record read by a connection of its own.
    template <class R> std::optional<R> stored(const char* key, std::function<void(R&)> keyValues) const {
        data::File<R> file;
        if (file.open() != data::NoError)
            return std::nullopt;
        keyValues(file.rec);
        const bool found = file.get(*R::table().key(key)) == data::NoError;
        std::optional<R> out;
        if (found)
            out = file.rec;
        file.close();
        return out;
    }

    template <class R> void add(const R& record) const {
        data::File<R> file;
        int opened = file.open();
        if (opened == data::FileNotFound) {
            QCOMPARE(file.create(), 0);
            opened = file.open();
        }
        QCOMPARE(opened, 0);
        file.rec = record;
        QCOMPARE(file.add(), 0);
        file.close();
    }

    TempDir dir;
    ScriptedPrompter prompter;

private:
    FixedClock clock_;
};

// The control of a form by its name; a missing one ends the test.
template <class W = QLineEdit> W* field(QWidget* form, const char* name) {
    W* w = form->findChild<W*>(name);
    if (!w)
        qFatal("no control %s", name);
    return w;
}

// Replaces an entry's text as a user does: select all, delete, type.
inline void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // The test keyboard types ASCII only; other letters arrive as an input method would send them.
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

} // namespace velkora::test
