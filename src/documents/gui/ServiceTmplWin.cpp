#include "documents/gui/ServiceTmplWin.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "documents/DocumentNames.h"
#include "documents/OfficeRun.h"
#include "i18n/ControlTexts.h"
#include "i18n/Messages.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"
#include "shared/Text.h"
#include "ui/form/FormLayout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <fstream>

namespace velkora::documents {
namespace {

// An empty letter page Writer opens as a text document.
constexpr std::string_view kEmptyTemplate =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24\\par}\r\n";

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TemplateNamePrompt& templateNamePrompt() {
    static TemplateNamePrompt prompt = [](QWidget* over) -> std::optional<QString> {
        bool ok = false;
        const QString name = QInputDialog::getText(
            over, qs(i18n::translated(i18n::WindowControl, "Neue Vorlage")),
            qs(i18n::translated(i18n::PromptControl, "Name:")), QLineEdit::Normal, {}, &ok);
        return ok ? std::optional(name) : std::nullopt;
    };
    return prompt;
}

void openTemplate(const std::string& path) {
    const bool opened = officeProgram().empty() ? associatedOpener()(path) : openInWriter(path);
    if (!opened)
        i18n::ShowMessageWith("M.DOC_OPENERROR", Icon::Exclamation, "Open", {path});
}

ServiceTmplWin::ServiceTmplWin(QWidget* parent)
    : QWidget(parent), list_(form::named(new QTreeWidget, "LIST")),
      insert_(form::plainButton("INSERT", "New")), change_(form::plainButton("CHANGE", "Change")),
      close_(form::plainButton("CLOSE", "Close")) {
    setObjectName("ServiceTmplWin");
    setWindowTitle("Vorlagen");
    list_->setColumnCount(2);
    list_->setHeaderLabels({"Vorlage", "Datei"});
    list_->setRootIsDecorated(false);
    list_->header()->setStretchLastSection(true);
    // Names and their folder read whole.
    list_->setMinimumSize(list_->fontMetrics().averageCharWidth() * 64, list_->fontMetrics().height() * 8);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {insert_, change_, close_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    i18n::TranslateWindow(this, false);
    i18n::TranslateListHeaders(list_);
    fill();

    connect(insert_, &QPushButton::clicked, this, &ServiceTmplWin::createTemplate);
    connect(change_, &QPushButton::clicked, this, &ServiceTmplWin::changeTemplate);
    connect(list_, &QTreeWidget::itemActivated, this, &ServiceTmplWin::changeTemplate);
    connect(close_, &QPushButton::clicked, this, [this] { app::outerWindow(this)->close(); });
}

void ServiceTmplWin::fill(const std::string& select) {
    templates_ = listTemplates(appState().TMPLPATH);
    list_->clear();
    for (const TemplateEntry& entry : templates_) {
        auto* item = new QTreeWidgetItem({qs(entry.TMPLNAME), qs(entry.TMPLFILENAME)});
        list_->addTopLevelItem(item);
        if (entry.TMPLNAME == select)
            list_->setCurrentItem(item);
    }
    if (!list_->currentItem() && list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    list_->resizeColumnToContents(0);
    change_->setEnabled(!templates_.empty());
}

void ServiceTmplWin::createTemplate() {
    const auto given = templateNamePrompt()(this);
    if (!given)
        return;
    std::string name = clip(given->trimmed().toStdString());
    if (upperText(name).ends_with(".RTF"))
        name.resize(name.size() - 4);
    // The same rule as for documents: the template stays in the template folder.
    if (name.empty() || !isValidDocumentName(name)) {
        i18n::ShowMessage("M.DOC_INVALIDNAME", Icon::Exclamation, "Document Name...?");
        return;
    }
    const std::string fileName = name + ".RTF";
    const std::string path = joinPath(appState().TMPLPATH, fileName);
    if (!fileExists(path))
        std::ofstream(path, std::ios::binary) << kEmptyTemplate;
    fill(fileName);
    edit(path);
}

void ServiceTmplWin::changeTemplate() {
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    if (row >= 0 && row < static_cast<int>(templates_.size()))
        edit(templates_[row].TMPLFILENAME);
}

void ServiceTmplWin::edit(const std::string& path) {
    openTemplate(path);
    app::openWindow(app::procedures::MailFields);
}

} // namespace velkora::documents
