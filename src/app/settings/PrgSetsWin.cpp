#include "app/settings/PrgSetsWin.h"

#include "app/FolderSwitch.h"
#include "app/InstallLayout.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "i18n/Messages.h"
#include "i18n/Translation.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"
#include "shared/ProfileFile.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/form/FormHelp.h"
#include "ui/form/FormLayout.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velkora::app {
namespace {

constexpr int kCodeChars = 3;
constexpr int kPathChars = 254;

QString qstr(const std::string& s) {
    return QString::fromStdString(s);
}
std::string str(const QString& s) {
    return s.toStdString();
}

// The text of a tree entry: its message, or its own name when the table lacks it.
QString entryText(const char* key) {
    const std::string text = withoutMnemonic(i18n::TranslateText(key));
    return qstr(text.empty() ? std::string(key).substr(5) : text);
}

QCheckBox* checkBox(const char* name, const char* text) {
    return form::named(new QCheckBox(text), name);
}

// An entry of a three-character code, as wide as such a code.
QLineEdit* codeEntry(const char* name) {
    auto* code = form::named(new QLineEdit, name);
    code->setMaxLength(kCodeChars);
    code->setMaximumWidth(code->fontMetrics().horizontalAdvance("WWWW") + 16);
    return code;
}

// The window's switches and texts by design name, with the value each shows.
const std::pair<const char*, bool StartSettings::*> kSwitches[] = {
    {"LN:OPENRMDLIST", &StartSettings::openRmdList}, {"LN:OPENADRLIST", &StartSettings::openAdrList},
    {"LN:OPENTKPLIST", &StartSettings::openTkpList}, {"LN:OPENAKTLIST", &StartSettings::openAktList},
    {"LN:TOOLBARNAV", &StartSettings::toolBarNav},   {"LN:SHOWALARM", &StartSettings::showAlarm},
    {"LN:TAPIDIALING", &StartSettings::tapiDialing}, {"LN:ADRSTREXT", &StartSettings::adrStrExt},
};
const std::pair<const char*, std::string StartSettings::*> kTexts[] = {
    {"LS:DIALPREFIX", &StartSettings::dialPrefix}, {"LS:ADRLD", &StartSettings::adrLd},
    {"LS:WORKPATH", &StartSettings::workPath},     {"LS:DATAPATH", &StartSettings::dataPath},
    {"LS:TMPLPATH", &StartSettings::tmplPath},     {"LS:DOCSPATH", &StartSettings::docsPath},
    {"LS:MAILPATH", &StartSettings::mailPath},
};

QGroupBox* group(const char* title, QLayout* content) {
    auto* box = new QGroupBox(title);
    box->setLayout(content);
    return box;
}

// The page's title above its content, as the tree names it.
QWidget* titled(const QString& title, QWidget* content) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(title);
    label->setObjectName("LS:PAGETITLE");
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    label->setFont(bold);
    layout->addWidget(label);
    layout->addWidget(content, 1);
    return page;
}

// The language list's entry that is selected, or nullptr.
QTreeWidgetItem* chosenLanguage(QTreeWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

// "|" + the names, for a message.
std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

unsigned say(const char* id, Icon icon, std::initializer_list<std::string_view> args, const char* defaultText,
             unsigned buttons = 0, unsigned defaultButton = 0) {
    Prompt prompt = i18n::messagePrompt(id, icon, defaultText, buttons, defaultButton);
    prompt.text = fillArguments(prompt.text, args);
    return prompter().ask(prompt);
}

} // namespace

PrgSetsWin::PrgSetsWin(QWidget* parent) : QWidget(parent), startIni_(appState().STARTINI) {
    setObjectName(procedures::Settings);
    setWindowTitle("Settings");
    tree_ = form::named(new QTreeWidget, "NAVLIST");
    tree_->setHeaderHidden(true);
    tree_->setMinimumWidth(190);
    sheet_ = form::named(new QStackedWidget, "SHEET");
    buildPages();

    auto* split = new QHBoxLayout;
    split->addWidget(tree_);
    split->addWidget(sheet_, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* help = form::plainButton("HELP", "Help");
    QPushButton* ok = form::named(new QPushButton("OK"), "OKBUTTON");
    ok->setDefault(true);
    QPushButton* cancel = form::plainButton("CANCELBUTTON", "Cancel");
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(split, 1);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &PrgSetsWin::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(help, &QPushButton::clicked, this, [] { form::showHelp(procedures::Settings); });

    load();
    i18n::TranslateWindow(this, false);
    i18n::TranslateListHeaders(languages_);
    // Every column in sight, in the width the translated headings need.
    int width = 2 * languages_->frameWidth() + 4;
    languages_->header()->setStretchLastSection(false); // measured at its own width
    for (int c = 0; c < languages_->columnCount(); ++c) {
        languages_->resizeColumnToContents(c);
        width += languages_->columnWidth(c);
    }
    languages_->header()->setStretchLastSection(true);
    languages_->setMinimumWidth(width);
    buildTree();
    showPage(GeneralPage);
}

void PrgSetsWin::buildPages() {
    const auto& pages = settingsPages();
    for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
        QWidget* content = nullptr;
        switch (i) {
        case OptionsPage:
            content = optionsPage();
            break;
        case DefaultsPage:
            content = defaultsPage();
            break;
        case SystemPage:
            content = systemPage();
            break;
        default:
            if (const std::vector<WorkValue> values = workValues(i); !values.empty()) {
                std::vector<QLineEdit*> entries;
                content = workValuesPage(values, entries);
                for (std::size_t v = 0; v < values.size(); ++v)
                    workEntries_.emplace_back(values[v], entries[v]);
            } else {
                content = groupPage(i);
            }
        }
        sheet_->addWidget(titled(entryText(pages[static_cast<std::size_t>(i)].entry), content));
    }
}

// A group's page leads to the pages within it.
QWidget* PrgSetsWin::groupPage(int index) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    const auto& pages = settingsPages();
    for (auto i = static_cast<std::size_t>(index) + 1; i < pages.size() && pages[i].level == 2; ++i) {
        const std::string name = "GOTO:" + std::string(pages[i].entry).substr(5);
        auto* go = form::named(new QPushButton(entryText(pages[i].entry)), name.c_str());
        // Its text is the tree's, translated already.
        i18n::setControlType(go, i18n::VariableStringControl);
        go->setAutoDefault(false);
        go->setStyleSheet("text-align: left; padding: 4px 12px;");
        const int target = static_cast<int>(i);
        connect(go, &QPushButton::clicked, this, [this, target] { showPage(target); });
        layout->addWidget(go);
    }
    layout->addStretch(1);
    return page;
}

QWidget* PrgSetsWin::optionsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* start = new QVBoxLayout;
    start->addWidget(checkBox("LN:OPENRMDLIST", "OpenRemindList"));
    start->addWidget(checkBox("LN:OPENADRLIST", "AdrListWin"));
    start->addWidget(checkBox("LN:OPENTKPLIST", "KPTListWin"));
    start->addWidget(checkBox("LN:OPENAKTLIST", "AktListWin"));
    layout->addWidget(group("OpenAtStart", start));
    auto* navigation = new QVBoxLayout;
    navigation->addWidget(checkBox("LN:TOOLBARNAV", "ToolBarNavigation"));
    layout->addWidget(group("ListNavigation", navigation));
    auto* alarm = new QVBoxLayout;
    alarm->addWidget(checkBox("LN:SHOWALARM", "ActivateAlarm"));
    layout->addWidget(group("Alarm", alarm));
    auto* tapi = new QGridLayout;
    tapi->addWidget(checkBox("LN:TAPIDIALING", "ActivateTAPI"), 0, 0, 1, 3);
    form::addField(tapi, 1, 0, "Vorwahl", codeEntry("LS:DIALPREFIX"));
    tapi->setColumnStretch(2, 1);
    layout->addWidget(group("TAPI", tapi));
    layout->addStretch(1);
    return page;
}

QWidget* PrgSetsWin::defaultsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    form::addField(grid, 0, 0, "AdrLd", codeEntry("LS:ADRLD"));
    grid->addWidget(checkBox("LN:ADRSTREXT", "PLZExtend"), 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    layout->addWidget(group("AdrDefault", grid));
    layout->addStretch(1);
    return page;
}

QWidget* PrgSetsWin::systemPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    languages_ = form::named(new QTreeWidget, "LANGLIST");
    languages_->setRootIsDecorated(false);
    languages_->setHeaderLabels({"Code", "Language", "ENV", "TPS", "HLP"});
    languages_->setMinimumHeight(110);
    auto* language = new QVBoxLayout;
    language->addWidget(languages_);
    layout->addWidget(group("Language", language), 1);

    auto* paths = new QGridLayout;
    const struct {
        const char* prompt;
        const char* entry;
        const char* button;
    } rows[] = {{"WorkPath", "LS:WORKPATH", "SELECTINI"},
                {"DataPath", "LS:DATAPATH", "SELECTDATAPATH"},
                {"TmplPath", "LS:TMPLPATH", "SELECTTMPLPATH"},
                {"DocsPath", "LS:DOCSPATH", "SELECTDOCSPATH"},
                {"MailPath", "LS:MAILPATH", "SELECTMAILPATH"}};
    int row = 0;
    for (const auto& r : rows) {
        auto* path = form::named(new QLineEdit, r.entry);
        path->setMaxLength(kPathChars);
        path->setMinimumWidth(path->fontMetrics().averageCharWidth() * 36);
        QPushButton* choose = form::lookupButton(r.button);
        form::addLookupField(paths, row++, 0, r.prompt, path, choose);
        const char* entryName = r.entry;
        if (std::string_view(r.button) == "SELECTINI")
            connect(choose, &QPushButton::clicked, this, &PrgSetsWin::chooseWorkFolder);
        else
            connect(choose, &QPushButton::clicked, this, [this, entryName] { chooseFolder(entryName); });
    }
    paths->setColumnStretch(1, 1);
    layout->addWidget(group("Paths", paths));
    return page;
}

void PrgSetsWin::buildTree() {
    auto* root = new QTreeWidgetItem(tree_, {windowTitle()});
    root->setIcon(0, style()->standardIcon(QStyle::SP_ComputerIcon));
    QTreeWidgetItem* parent = root;
    const auto& pages = settingsPages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        QTreeWidgetItem* item =
            new QTreeWidgetItem(pages[i].level == 1 ? root : parent, {entryText(pages[i].entry)});
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        item->setIcon(0,
                      style()->standardIcon(pages[i].level == 1 ? QStyle::SP_DirIcon : QStyle::SP_FileIcon));
        if (pages[i].level == 1)
            parent = item;
    }
    tree_->expandAll();
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr && item->data(0, Qt::UserRole).isValid())
            sheet_->setCurrentIndex(item->data(0, Qt::UserRole).toInt());
    });
}

void PrgSetsWin::showPage(int index) {
    sheet_->setCurrentIndex(index);
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if ((*it)->data(0, Qt::UserRole) == index)
            tree_->setCurrentItem(*it);
}

int PrgSetsWin::currentPage() const {
    return sheet_->currentIndex();
}

QLabel* PrgSetsWin::promptOf(const QWidget* field) const {
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy() == field)
            return label;
    return nullptr;
}

QCheckBox* PrgSetsWin::check(const char* name) const {
    return findChild<QCheckBox*>(name);
}

QLineEdit* PrgSetsWin::entry(const char* name) const {
    return findChild<QLineEdit*>(name);
}

void PrgSetsWin::load() {
    loaded_ = loadStartSettings(startIni_);
    for (const auto& [name, value] : kSwitches)
        check(name)->setChecked(loaded_.*value);
    for (const auto& [name, value] : kTexts)
        entry(name)->setText(qstr(loaded_.*value));
    workIni_ = appState().WORKINI;
    loadWorkValues();
    fillLanguages();
    applyDiallerRule();
}

void PrgSetsWin::loadWorkValues() {
    for (const auto& [value, field] : workEntries_)
        field->setText(qstr(profile::read(workIni_, value.section, value.key)));
}

void PrgSetsWin::fillLanguages() {
    languages_->clear();
    for (const Language& language : installedLanguages(appState().INITPATH)) {
        auto* item =
            new QTreeWidgetItem(languages_, {qstr(language.id), qstr(language.name), qstr(language.env),
                                             qstr(language.tps), qstr(language.hlp)});
        if (equalsIgnoreCase(language.id, loaded_.langId))
            item->setSelected(true);
    }
}

// Dialling needs the dialler: without it the switch is off and cannot be set.
void PrgSetsWin::applyDiallerRule() {
    QCheckBox* tapi = check("LN:TAPIDIALING");
    QLineEdit* prefix = entry("LS:DIALPREFIX");
    QLabel* prompt = promptOf(prefix);
    if (!fileExists(diallerProgram())) {
        tapi->setChecked(false);
        for (QWidget* w :
             {static_cast<QWidget*>(tapi), static_cast<QWidget*>(prefix), static_cast<QWidget*>(prompt)})
            w->setEnabled(false);
        return;
    }
    form::enableWhile(prefix, tapi);
    form::enableWhile(prompt, tapi);
}

void PrgSetsWin::chooseWorkFolder() {
    QFileDialog dialog(this, windowTitle(), entry("LS:WORKPATH")->text(), "INI (ORB*.INI ORB*.ini)");
    dialog.setObjectName("SELECTINIDIALOG");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = QFileInfo(dialog.selectedFiles().front()).absolutePath();
    const std::string workIni = joinPath(str(folder), "ORB.INI");
    if (!fileExists(workIni)) {
        i18n::ShowMessage("M.APP_InvalidPath", Icon::Information, "The chosen folder holds no ORB.INI.");
        return;
    }
    entry("LS:WORKPATH")->setText(folder);
    workIni_ = workIni;
    loadWorkValues();
}

void PrgSetsWin::chooseFolder(const char* entryName) {
    QLineEdit* field = entry(entryName);
    const QString title = promptOf(field)->text().remove(':').trimmed();
    const QString chosen = QFileDialog::getExistingDirectory(
        this, title, field->text(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!chosen.isEmpty())
        field->setText(chosen); // as chosen: Linux paths are case-sensitive
}

StartSettings PrgSetsWin::entered() const {
    StartSettings s = loaded_;
    if (QTreeWidgetItem* language = chosenLanguage(languages_))
        s.langId = str(language->text(0));
    for (const auto& [name, value] : kSwitches)
        s.*value = check(name)->isChecked();
    for (const auto& [name, value] : kTexts)
        s.*value = str(entry(name)->text());
    return s;
}

void PrgSetsWin::accept() {
    QTreeWidgetItem* language = chosenLanguage(languages_);
    if (language == nullptr || language->text(1).trimmed().isEmpty()) {
        showPage(SystemPage);
        languages_->setFocus();
        return;
    }
    const StartSettings chosen = entered();
    if (!switchFolders(chosen))
        return;
    saveLanguageAndWorkPath(startIni_, chosen);
    AppState& state = appState();
    for (auto [key, value, running] : {std::tuple{"TmplPath", chosen.tmplPath, &state.TMPLPATH},
                                       std::tuple{"DocsPath", chosen.docsPath, &state.DOCSPATH}})
        if (value != *running) {
            profile::write(startIni_, "SETUP", key, value);
            *running = value;
        }
    saveDefaults(startIni_, chosen);
    state.SHOWALARM = chosen.showAlarm ? 1 : 0;
    saveWorkValues();
    const bool restart =
        !equalsIgnoreCase(chosen.langId, loaded_.langId) || chosen.workPath != loaded_.workPath;
    if (restart)
        i18n::ShowMessage("M.APP_Restart", Icon::Information, "The change takes effect at the next start.");
    close();
    if (restart)
        endApplication("");
}

bool PrgSetsWin::switchFolders(const StartSettings& chosen) {
    AppState& state = appState();
    if (chosen.dataPath != state.DATAPATH) {
        const std::string before = state.DATAPATH;
        data::MoveReport report = switchDataPath(startIni_, chosen.dataPath, FilesThere::Refuse);
        if (report.outcome == data::MoveOutcome::TargetOccupied) {
            const unsigned answer =
                say("M.APP_DataOccupied", Icon::Question, {chosen.dataPath, joined(report.occupied)},
                    "%1 already holds data files (%2).", ButtonYes | ButtonCancel, ButtonCancel);
            if (answer != ButtonYes) {
                showPage(SystemPage);
                entry("LS:DATAPATH")->setFocus();
                return false;
            }
            report = switchDataPath(startIni_, chosen.dataPath, FilesThere::Use);
            say("M.APP_DataSwitched", Icon::Information, {chosen.dataPath, before},
                "The data are now read from %1; the files in %2 stay as they are.");
        }
        if (report.outcome == data::MoveOutcome::Failed) {
            say("M.APP_MoveFailed", Icon::Exclamation, {report.file, report.detail, before},
                "%1: %2. Nothing was moved; the files stay in %3.");
            showPage(SystemPage);
            entry("LS:DATAPATH")->setFocus();
            return false;
        }
        if (report.outcome == data::MoveOutcome::Moved)
            say("M.APP_DataMoved", Icon::Information, {std::to_string(report.moved.size()), chosen.dataPath},
                "%1 data files were moved to %2.");
        if (!report.leftOver.empty())
            say("M.APP_MoveLeftOver", Icon::Exclamation, {joined(report.leftOver), before},
                "%1 could not be removed from %2.");
    }
    if (chosen.mailPath != state.MAILPATH) {
        const std::string before = state.MAILPATH;
        const data::MoveReport report = switchMailPath(startIni_, chosen.mailPath);
        if (report.outcome == data::MoveOutcome::Failed) {
            say("M.APP_MoveFailed", Icon::Exclamation, {report.file, report.detail, before},
                "%1: %2. Nothing was moved; the files stay in %3.");
            showPage(SystemPage);
            entry("LS:MAILPATH")->setFocus();
            return false;
        }
    }
    return true;
}

void PrgSetsWin::saveWorkValues() const {
    for (const auto& [value, field] : workEntries_)
        profile::write(workIni_, value.section, value.key, str(field->text()));
}

QWidget* openProgramSettings() {
    const std::string& startIni = appState().STARTINI;
    if (!fileExists(startIni)) {
        beep(2);
        ask("INI File:|" + startIni + "|NOT FOUND - CHECK PATH AT STARTUP!", "Velkora", Icon::Stop);
        return nullptr;
    }
    const std::string current = QDir::currentPath().toStdString();
    if (!isStartFileOf(startIni, current)) {
        beep(2);
        ask("INI File:|" + startIni + "|Path:" + current, "INI-Path Missmatch", Icon::Exclamation);
    }
    return new PrgSetsWin;
}

void registerSettingsWindow() {
    registerWindow(procedures::Settings, Instances::Single, openProgramSettings);
}

} // namespace velkora::app
