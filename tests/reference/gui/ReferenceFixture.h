#pragma once
// A data folder with countries, industries, places, streets and addresses,
// and a start file that is also the work file, for the reference windows.

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "app/gui/WindowRegistry.h"
#include "data/FileServices.h"
#include "reference/gui/ReferenceWindows.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "ui/browse/BrowseWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <filesystem>

namespace velkora::test {

class ReferenceFixture {
public:
    ReferenceFixture() {
        resetAppState();
        std::filesystem::create_directories(dir.file("DATA"));
        appState().DATAPATH = dir.file("DATA");
        appState().STARTINI = dir.write("ORB.INI", "[DEFAULT]\nAdrLd=D\nAdrStrExt=1\n");
        appState().WORKINI = appState().STARTINI;
        appState().WORKPATH = dir.str();
        appState().INITPATH = dir.str();
        dir.write("ORB.ENV",
                  "[APPWARN]\nWarn:LND_NODATA=Bitte Länderkennzeichen und Ländername eingeben.\n"
                  "Capt:LND_NODATA=Keine Daten\nWarn:PLZ_NODATA=Bitte Postleitzahl und Ort eingeben.\n"
                  "Capt:PLZ_NODATA=Keine Daten\n");
        reference::registerReferenceWindows();
        seed();
    }

    void setStreets(bool on) { profile::write(appState().STARTINI, "DEFAULT", "AdrStrExt", on ? "1" : "0"); }

    // Opens the list window of `procedure` as the frame does (a window of its own here).
    browse::BrowseWindow* open(const char* procedure) {
        auto* window = qobject_cast<browse::BrowseWindow*>(app::openWindow(procedure));
        if (window == nullptr || !QTest::qWaitForWindowExposed(window))
            return nullptr;
        window->setAttribute(Qt::WA_DeleteOnClose);
        return window;
    }

    // Closes what a failed test left open, so the next one starts afresh.
    static void closeWindows() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QTableView* table(QWidget* window, const char* list = "BROWSE:1") {
        return window->findChild<QWidget*>(list)->findChild<QTableView*>();
    }
    static QString cell(QWidget* window, int row, int column, const char* list = "BROWSE:1") {
        return table(window, list)->model()->index(row, column).data().toString();
    }
    static QString selected(QWidget* window, int column, const char* list = "BROWSE:1") {
        QTableView* t = table(window, list);
        return t->model()->index(t->currentIndex().row(), column).data().toString();
    }
    static int rows(QWidget* window, const char* list = "BROWSE:1") {
        return table(window, list)->model()->rowCount();
    }
    // Replaces the text of an entry as a user types it; `accept` ends with
    // Enter (a list's entry) or Tab (a form's field, where Enter means OK).
    enum Accept { None, Enter, Tab };
    static void type(QWidget* window, const char* entry, const QString& text, Accept accept = None) {
        auto* edit = window->findChild<QLineEdit*>(entry);
        QVERIFY2(edit != nullptr, entry);
        window->activateWindow();
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text) // keyClicks knows ASCII keys only
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        if (accept == Enter)
            QTest::keyClick(edit, Qt::Key_Return);
        else if (accept == Tab)
            QTest::keyClick(edit, Qt::Key_Tab);
    }
    static void enter(QWidget* window, const char* entry, const QString& text) {
        type(window, entry, text, Enter);
    }
    static void click(QWidget* window, const char* button) {
        auto* b = window->findChild<QPushButton*>(button);
        QVERIFY2(b != nullptr, button);
        QVERIFY2(b->isEnabled(), button);
        b->click();
    }
    static QString text(QWidget* window, const char* entry) {
        return window->findChild<QLineEdit*>(entry)->text();
    }

    // The industries of the addresses, by address number.
    static std::vector<std::string> addressIndustries() {
        auto& adr = data::files().QXADRESS;
        std::vector<std::string> out;
        if (!data::OpenRecordFile(adr))
            return out;
        adr.set(*adr.table().key("QXADRES1"));
        while (adr.next() == 0)
            out.push_back(adr.rec.BRANCHE);
        data::CloseRecordFile(adr);
        return out;
    }
    // Loads address `number` into the address buffer, as the address list does before a change.
    static void loadAddress(std::int32_t number) {
        auto& adr = data::files().QXADRESS;
        QVERIFY(data::OpenRecordFile(adr));
        adr.rec.ADRNR = number;
        QCOMPARE(adr.get(*adr.table().key("QXADRES1")), 0);
        data::CloseRecordFile(adr);
    }
    template <class R> static std::int64_t count(data::File<R>& file) {
        if (!data::OpenRecordFile(file))
            return -1;
        const std::int64_t n = file.records();
        data::CloseRecordFile(file);
        return n;
    }

    TempDir dir;
    ScriptedPrompter prompter;

private:
    template <class R> static void fill(data::File<R>& file, const std::vector<R>& records) {
        QVERIFY(data::OpenRecordFile(file));
        for (const R& r : records) {
            file.clear();
            file.rec = r;
            QCOMPARE(file.add(), 0);
        }
        data::CloseRecordFile(file);
    }
    void seed() {
        auto& f = data::files();
        fill(f.QXADRLND,
             {{"A", "Österreich", "0043"}, {"CH", "Schweiz", "0041"}, {"D", "Deutschland", "0049"}});
        fill(f.QXADRBRA, {{" -", " no Info"}, {"EDV", "Informationstechnik"}, {"HANDEL", "Einzelhandel"}});
        fill(f.QXADRORT, {{"D", "10115", "", "Berlin", "030", "B001"},
                          {"D", "50667", "", "Köln", "0221", "K001"},
                          {"D", "80331", "80001", "München", "089", "M001"},
                          {"D", "99998", "", "Handeingabe", "", ""}});
        fill(f.QXADRSTR, {{"D", "10117", "Friedrichstraße", "1", "99", "B001"},
                          {"D", "10115", "Chausseestraße", "", "", "B001"},
                          {"D", "10178", "Alexanderplatz", "", "", "B001"},
                          {"D", "2", "Kaufingerstraße", "1", "50", "M001"},
                          {"D", "80331", "Marienplatz", "", "", "M001"}});
        data::Address a;
        a.LD = "D";
        for (auto [number, name, industry] : {std::tuple{1, "Alpha GmbH", " -"},
                                              {2, "Beta KG", "EDV"},
                                              {3, "Gamma AG", " -"},
                                              {4, "Delta OHG", " -"}}) {
            a.ADRNR = number;
            a.NAME1 = name;
            a.BRANCHE = industry;
            addresses_.push_back(a);
        }
        addresses_[1].PLZ = "10117";
        addresses_[1].ORT = "Berlin";
        addresses_[2].PLZ = "80331";
        addresses_[3].ORT = "köln";
        addresses_[3].LD = "";
        fill(f.QXADRESS, addresses_);
    }
    std::vector<data::Address> addresses_;
};

} // namespace velkora::test
