#pragma once
// qxPrgSets, the program settings: start-up switches, default country,
// dialling, language, program paths, the value lists of the forms and the
// user's own company. A tree of pages beside a sheet; the values stay in
// the window until OK writes them, Cancel writes nothing.
//
// The frame closes every other window before it opens this one, so no list
// holds a file of the data folder while the data files move.

#include "app/ProgramSettings.h"
#include "app/settings/SettingsPages.h"

#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTreeWidget;

namespace velkora::app {

class PrgSetsWin : public QWidget {
    Q_OBJECT
public:
    explicit PrgSetsWin(QWidget* parent = nullptr);

    // The page the sheet shows (the tree's entry 2 shows page 0).
    int currentPage() const;

private:
    void buildPages();
    QWidget* groupPage(int index);
    QWidget* optionsPage();
    QWidget* defaultsPage();
    QWidget* systemPage();
    void buildTree();
    void showPage(int index);

    void load();
    void loadWorkValues();
    void fillLanguages();
    void applyDiallerRule();
    void chooseWorkFolder();
    void chooseFolder(const char* entry);

    StartSettings entered() const;
    void accept();
    // Takes a changed data and mail folder into use; false when the window stays open.
    bool switchFolders(const StartSettings& chosen);
    void saveWorkValues() const;

    QCheckBox* check(const char* name) const;
    QLineEdit* entry(const char* name) const;
    QLabel* promptOf(const QWidget* field) const;

    std::string startIni_;
    std::string workIni_; // the work file the value pages show: that of the chosen WorkPath
    StartSettings loaded_;
    QTreeWidget* tree_ = nullptr;
    QStackedWidget* sheet_ = nullptr;
    QTreeWidget* languages_ = nullptr;
    std::vector<std::pair<WorkValue, QLineEdit*>> workEntries_;
};

// The window as the frame starts it: the start file is checked first; a
// missing one is reported and no window opens (nullptr).
QWidget* openProgramSettings();

// Registers the window with the frame (velkora_window_module).
void registerSettingsWindow();

} // namespace velkora::app
