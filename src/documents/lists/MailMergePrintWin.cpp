#include "documents/lists/MailMergePrintWin.h"

#include "app/gui/ModalRun.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "documents/DocumentRun.h"
#include "documents/MailingFile.h"
#include "documents/gui/PrinterChoice.h"
#include "documents/gui/RecordsProgressWin.h"
#include "documents/gui/TemplateChoice.h"
#include "i18n/ControlTexts.h"
#include "i18n/Messages.h"
#include "i18n/gui/WindowTranslator.h"
#include "reports/gui/ReportPrinting.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/form/FormHelp.h"
#include "ui/form/FormLayout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velkora::documents {
namespace {

using form::named;

constexpr const char* kSection = "PrnMMerge";
constexpr int kMostCopies = 999;
constexpr long kDefaultMostOpen = 10;
constexpr int kTitleSize = 80;
constexpr int kDeviceSize = 39;
constexpr int kTemplateListChars = 80;

const std::string& workIni() {
    return appState().WORKINI;
}

QLineEdit* entry(const char* name, int size) {
    auto* line = named(new QLineEdit, name);
    line->setMaxLength(size);
    return line;
}

std::uint32_t rowsOf(const std::string& list) {
    MailingFile mailing;
    mailing.setName(list);
    if (mailing.open(files::DbfTable::Access::Read))
        return 0;
    const std::uint32_t rows = mailing.count();
    mailing.close();
    return rows;
}

} // namespace

MailMergePrintWin::MailMergePrintWin(std::string mailingList, QWidget* parent)
    : QDialog(parent), list_(std::move(mailingList)),
      printList_(named(new QCheckBox("Liste"), "LN:TMPLLISTE")), templates_(new TemplateChoice),
      title_(entry("LS:DOCTITEL", kTitleSize)),
      directPrint_(named(new QCheckBox("DirectPrint"), "LN:PRNAUTO")),
      copies_(named(new QSpinBox, "LN:PRNCOPIES", "Anzahl der Exemplare")),
      autoCopies_(named(new QCheckBox("AutoCopies"), "LN:AUTOCOPIES")),
      device_(entry("LS:PRNDEVICE", kDeviceSize)), printer_(form::plainButton("BUTTONPRN", "Printer...")),
      saveActivity_(named(new QCheckBox("SaveAkt"), "LN:SAVEAKT")),
      create_(named(new QPushButton("Create"), "OKBUTTON")),
      cancel_(form::plainButton("CANCELBUTTON", "Cancel")), help_(form::plainButton("HELP", "Help")) {
    setObjectName(kSection);
    setWindowTitle("Serienbriefe drucken");
    setWindowFlag(Qt::Window);
    build();
    i18n::TranslateWindow(this, false);
    i18n::TranslateListHeaders(templates_);

    templates_->fill(appState().TMPLPATH, profile::read(workIni(), "DEFAULT", "LTmplName", ""));
    title_->setText(QString::fromStdString(profile::read(workIni(), "DEFAULT", "LDocTitle", "Document")));
    device_->setText(QPrinterInfo::defaultPrinterName());
    reevaluate();

    for (QCheckBox* box : {printList_, directPrint_, autoCopies_})
        connect(box, &QCheckBox::toggled, this, &MailMergePrintWin::reevaluate);
    connect(templates_, &QTreeWidget::currentItemChanged, this, &MailMergePrintWin::reevaluate);
    connect(title_, &QLineEdit::textChanged, this, &MailMergePrintWin::reevaluate);
    connect(printer_, &QPushButton::clicked, this, &MailMergePrintWin::choosePrinter);
    connect(create_, &QPushButton::clicked, this, &MailMergePrintWin::create);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::close);
    connect(help_, &QPushButton::clicked, this, [] { form::showHelp(kSection); });
}

void MailMergePrintWin::build() {
    copies_->setRange(1, kMostCopies);
    device_->setReadOnly(true);
    device_->setFocusPolicy(Qt::ClickFocus);
    create_->setDefault(true);
    // Room for the template's folder: the file column is read whole.
    templates_->setMinimumWidth(templates_->fontMetrics().averageCharWidth() * kTemplateListChars);

    auto* grid = new QGridLayout;
    grid->addWidget(printList_, 0, 0, 1, 4);
    form::addField(grid, 1, 0, "Vorlagen", templates_, 3)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    form::addField(grid, 2, 0, "Titel", title_, 3);
    addPrintRows(grid, 3, {directPrint_, copies_, autoCopies_, device_, printer_});
    grid->addWidget(saveActivity_, 5, 0, 1, 4);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {create_, cancel_, help_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void MailMergePrintWin::reevaluate() {
    const bool letters = !printList_->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{templates_, directPrint_, saveActivity_})
        control->setEnabled(letters);
    const bool print = letters && directPrint_->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{autoCopies_, device_, printer_})
        control->setEnabled(print);
    copies_->setEnabled(print && !autoCopies_->isChecked());
    create_->setEnabled(!title_->text().trimmed().isEmpty() && (!letters || templates_->chosen()));
}

void MailMergePrintWin::choosePrinter() {
    if (const auto chosen = printerChooser()(this, device_->text()))
        device_->setText(*chosen);
}

void MailMergePrintWin::create() {
    if (printList_->isChecked()) {
        printList();
        return;
    }
    if (tooManyDocuments()) {
        directPrint_->setFocus();
        return;
    }
    makeDocuments();
}

// Letters that are not printed stay open in LibreOffice, each a window.
bool MailMergePrintWin::tooManyDocuments() const {
    if (directPrint_->isChecked())
        return false;
    const long most = profile::readInt(workIni(), "DEFAULT", "MaxDocsOpen", kDefaultMostOpen);
    if (rowsOf(list_) <= static_cast<std::uint32_t>(std::max(0L, most)))
        return false;
    i18n::ShowMessage("M.TOOMANYDOCS", Icon::Exclamation, "Too many documents");
    return true;
}

void MailMergePrintWin::printList() {
    reports::printAddressList(list_, title_->text().toStdString(), true, nullptr, this);
}

void MailMergePrintWin::makeDocuments() {
    const TemplateEntry* chosen = templates_->chosen();
    const bool print = directPrint_->isChecked();
    DocumentRun documents({list_, chosen->TMPLFILENAME, title_->text().toStdString(), print,
                           clip(device_->text().toStdString()),
                           print && autoCopies_->isChecked() ? kCopiesPerRow : copies_->value(),
                           saveActivity_->isChecked()});
    if (!documents.start())
        return;
    const bool completed = RecordsProgressWin::run([&] { return documents.step(kDocumentRowsPerStep); },
                                                   [&] { return documents.percent(); }, this);
    if (saveActivity_->isChecked())
        app::postToWindow(app::procedures::ActivityList, app::RefreshEvent);
    if (completed)
        ask(i18n::translated(i18n::StringControl, "Process Completed"), windowTitle().toStdString(),
            Icon::Information);
    close();
}

void MailMergePrintWin::closeEvent(QCloseEvent* event) {
    if (const TemplateEntry* chosen = templates_->chosen())
        profile::write(workIni(), "DEFAULT", "LTmplName", chosen->TMPLNAME);
    profile::write(workIni(), "DEFAULT", "LDocTitle", title_->text().toStdString());
    QDialog::closeEvent(event);
}

void MailMergePrintWin::run(const std::string& mailingList, QWidget* parent) {
    MailMergePrintWin window(mailingList, parent);
    app::RestoreWindowPosition(&window, kSection);
    app::ModalRun modal(&window);
    connect(&window, &QDialog::finished, &window, [&modal] { modal.quit(); });
    window.show();
    window.templates_->setFocus();
    modal.exec();
    app::SaveWindowPosition(&window, kSection);
}

} // namespace velkora::documents
