#pragma once
// A list of industries (B1001, B1002, ...) declared on the list machinery
// over an in-memory source, in a window of fixed size. The window notes
// every selection it publishes, as the address list publishes GN:ADRNR.

#include "MemorySource.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "shared/AppState.h"
#include "ui/browse/BrowseWindow.h"

#include <QPointer>
#include <QTableView>
#include <QtTest>
#include <string>
#include <vector>

namespace velkora::test {

class PublishingList : public browse::BrowseWindow {
public:
    using BrowseWindow::BrowseWindow;
    std::vector<std::string> published;

protected:
    void selectionChanged() override { published.push_back(source().field("BRA:BRANCHE")); }
};

struct ListFixture {
    explicit ListFixture(int records = 50) : records(records) {
        resetAppState();
        appState().STARTINI = dir.write("ORB.INI", "[DEFAULT]\n");
    }
    ~ListFixture() { delete window; }

    static browse::BrowseDeclaration declaration() {
        browse::BrowseDeclaration d;
        d.procedure = "qxBranchenListe";
        d.designFormat = "64L(1)|M*~BRANCHE~@s15@80L(1)|M*~BEZEICHNG~@s63@";
        d.columns = {{{"BRA:BRANCHE", "Branche", "@s15L"}, ""},
                     {{"BRA:BEZEICHNG", "Bezeichnung", "@s63L"}, ""}};
        return d;
    }

    // Opens the list on a fresh source with the fixture's records.
    void open(browse::BrowseDeclaration d = declaration()) {
        delete window;
        source = new MemorySource;
        for (int i = 1; i <= records; ++i)
            source->add({{"BRA:BRANCHE", "B" + std::to_string(1000 + i)}, {"BRA:BEZEICHNG", "Branche"}});
        window = new PublishingList(std::move(d), std::unique_ptr<browse::BrowseSource>(source));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(500, 300);
        window->show();
        window->openBrowse();
    }

    std::string windowFile() const { return dir.file("ORBWin.INI"); }
    QTableView* table() const { return window->list()->table(); }
    std::string selected() const {
        const browse::BrowseRow* row = window->page().currentRow();
        return row != nullptr ? row->cells.at(0).text : std::string();
    }
    // The first column of the rows shown.
    QStringList shown() const {
        QStringList out;
        for (int row = 0; row < table()->model()->rowCount(); ++row)
            out << table()->model()->index(row, 0).data().toString();
        return out;
    }
    void resetCounts() {
        source->reads = source->seeks = source->regets = 0;
        window->published.clear();
    }

    const int records;
    TempDir dir;
    ScriptedPrompter prompter;
    MemorySource* source = nullptr; // owned by the window
    QPointer<PublishingList> window;
};

} // namespace velkora::test
