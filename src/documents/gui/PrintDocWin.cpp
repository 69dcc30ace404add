#include "documents/gui/PrintDocWin.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "data/Errors.h"
#include "data/FileServices.h"
#include "documents/DocumentNames.h"
#include "documents/LetterSummaries.h"
#include "documents/gui/PrinterChoice.h"
#include "documents/gui/ProcessingWin.h"
#include "documents/gui/TemplateChoice.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"
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
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace velkora::documents {
namespace {

using form::named;

constexpr int kMostCopies = 99;
constexpr int kPollMs = 100;
// Widths of the window's fields (characters).
constexpr int kSummarySize = 128;
constexpr int kContactSize = 80;
constexpr int kTitleSize = 80;
constexpr int kNameSize = 63;
constexpr int kDeviceSize = 39;

QLineEdit* readOnly(QLineEdit* entry) {
    entry->setReadOnly(true);
    entry->setFocusPolicy(Qt::ClickFocus);
    return entry;
}

QLineEdit* entry(const char* name, int size) {
    auto* line = named(new QLineEdit, name);
    line->setMaxLength(size);
    return line;
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

const std::string& workIni() {
    return appState().WORKINI;
}

} // namespace

PrintDocWin::PrintDocWin(QWidget* parent)
    : QWidget(parent), addressSummary_(readOnly(entry("LS:ADRSTRING1", kSummarySize))),
      takeContact_(named(new QCheckBox("TakeTKP"), "LN:TAKETKP")),
      contactSummary_(readOnly(entry("LS:ADRSTRING2", kContactSize))), templateList_(new TemplateChoice),
      templateName_(readOnly(entry("LS:TMPLNAME", kContactSize))), title_(entry("LS:DOCTITEL", kTitleSize)),
      prefix_(readOnly(entry("LS:ADRID", 5))), name_(entry("LS:DOCNAME", kNameSize)),
      directPrint_(named(new QCheckBox("DirectPrint"), "LN:DIRECTPRN")),
      copies_(named(new QSpinBox, "LN:PRNCOPIES", "Anzahl der Exemplare")),
      device_(readOnly(entry("LS:PRNDEVICE", kDeviceSize))),
      autoCopies_(named(new QCheckBox("Auto"), "LN:AUTOCOPIES")),
      printer_(form::plainButton("PRINTER", "Printer...")), pin_(named(new QToolButton, "LN:TOOLBOXFLAG")),
      create_(named(new QPushButton("Create"), "OKBUTTON")),
      close_(form::plainButton("CANCELBUTTON", "Close")), help_(form::plainButton("HELP", "Help")),
      saveActivity_(named(new QCheckBox("SaveAkt"), "LN:SAVEAKT")),
      working_(new QLabel("LibreOffice arbeitet ...")), progress_(named(new QProgressBar, "PROGRESS")),
      timer_(new QTimer(this)) {
    setObjectName("PrintDocWin");
    setWindowTitle("Dokument erstellen");
    build();
    i18n::TranslateWindow(this, false);
    i18n::TranslateListHeaders(templateList_);

    templateList_->fill(appState().TMPLPATH, profile::read(workIni(), "DEFAULT", "LTmplName", ""));
    device_->setText(QPrinterInfo::defaultPrinterName());
    readAddress();
    readContact();
    proposeName();
    chooseTemplate();
    title_->setText(qs(profile::read(workIni(), "DEFAULT", "LDocTitle", "Document")));
    saveActivity_->setChecked(true);
    reevaluate();

    connect(takeContact_, &QCheckBox::toggled, this, [this] {
        readContact();
        reevaluate();
    });
    connect(templateList_, &QTreeWidget::currentItemChanged, this, [this] {
        chooseTemplate();
        reevaluate();
    });
    for (QLineEdit* line : {title_, name_})
        connect(line, &QLineEdit::textChanged, this, &PrintDocWin::reevaluate);
    for (QCheckBox* box : {directPrint_, autoCopies_})
        connect(box, &QCheckBox::toggled, this, &PrintDocWin::reevaluate);
    connect(printer_, &QPushButton::clicked, this, &PrintDocWin::choosePrinter);
    connect(pin_, &QToolButton::toggled, this, &PrintDocWin::pin);
    connect(create_, &QPushButton::clicked, this, &PrintDocWin::create);
    connect(close_, &QPushButton::clicked, this, [this] { app::outerWindow(this)->close(); });
    connect(help_, &QPushButton::clicked, this, [] { form::showHelp(app::procedures::DocumentPreparation); });
    timer_->setInterval(kPollMs);
    connect(timer_, &QTimer::timeout, this, &PrintDocWin::pollHandover);
}

PrintDocWin::~PrintDocWin() = default;

void PrintDocWin::build() {
    // The summaries are read whole: an address line is long.
    addressSummary_->setMinimumWidth(addressSummary_->fontMetrics().averageCharWidth() * 72);
    copies_->setRange(1, kMostCopies);
    prefix_->setMaximumWidth(prefix_->fontMetrics().horizontalAdvance("000000") + 16);
    pin_->setCheckable(true);
    pin_->setText("Pin");
    pin_->setToolTip("Fenster immer im Vordergrund");
    pin_->setIcon(style()->standardIcon(QStyle::SP_TitleBarShadeButton));
    pin_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    create_->setDefault(true);
    working_->setObjectName("WORKING");
    progress_->setRange(0, 0); // busy: LibreOffice tells no progress
    progress_->setMaximumWidth(120);
    progress_->setTextVisible(false);
    setWorking(false);

    auto* grid = new QGridLayout;
    form::addField(grid, 0, 0, "Adresse", addressSummary_, 3);
    grid->addWidget(takeContact_, 1, 0);
    grid->addWidget(contactSummary_, 1, 1, 1, 3);
    form::addField(grid, 2, 0, "Vorlagen", templateList_, 3)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    form::addField(grid, 3, 0, "Vorlage", templateName_, 3);
    form::addField(grid, 4, 0, "Titel", title_, 3);
    form::addField(grid, 5, 0, "Dokument", prefix_);
    grid->addWidget(name_, 5, 2, 1, 2);
    addPrintRows(grid, 6, {directPrint_, copies_, autoCopies_, device_, printer_});
    grid->addWidget(saveActivity_, 8, 0, 1, 4);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pin_);
    buttons->addWidget(working_);
    buttons->addWidget(progress_);
    buttons->addStretch();
    for (QPushButton* button : {create_, close_, help_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // The order of the design, whatever the layout's.
    const std::vector<QWidget*> order = {
        addressSummary_, takeContact_, contactSummary_, templateList_, templateName_, title_,
        prefix_,         name_,        directPrint_,    copies_,       device_,       autoCopies_,
        printer_,        pin_,         create_,         close_,        help_,         saveActivity_};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void PrintDocWin::readAddress() {
    address_.reset();
    data::File<data::Address> adr;
    data::OpenedFiles opened;
    adr.rec.ADRNR = appState().ADRNR;
    if (appState().ADRNR != 0 && opened.open({&adr}) &&
        adr.get(*data::Address::table().key("QXADRES1")) == data::NoError)
        address_ = adr.rec;
    addressSummary_->setText(address_ ? qs(addressSummary(*address_)) : QString());
    addressSummary_->setCursorPosition(0);
    prefix_->setText(address_ ? qs(documentPrefix(address_->ADRNR)) : QString());
    copies_->setValue(address_ && address_->ANZDRUCK > 0 ? address_->ANZDRUCK : 1);
}

void PrintDocWin::readContact() {
    // Only the contact chosen in the open contact list is meant.
    const bool contactListOpen = app::runningWindow(app::procedures::ContactList) != nullptr;
    if (!contactListOpen)
        takeContact_->setChecked(false);
    takeContact_->setEnabled(contactListOpen);
    contactSummary_->clear();
    contactNumber_ = 0;
    if (!takeContact_->isChecked() || !address_ || appState().TKPNR == 0)
        return;
    data::File<data::ContactPerson> tkp;
    data::OpenedFiles opened;
    tkp.rec.ADRNR = address_->ADRNR;
    tkp.rec.TKPNR = appState().TKPNR;
    if (opened.open({&tkp}) && tkp.get(*data::ContactPerson::table().key("QXADRTK1")) == data::NoError) {
        contactSummary_->setText(qs(contactSummary(tkp.rec)));
        contactNumber_ = tkp.rec.TKPNR;
    } else {
        contactSummary_->setText(qs(data::errorText() + " -!?!- "));
    }
    contactSummary_->setCursorPosition(0);
}

void PrintDocWin::proposeName() {
    name_->setText(address_ ? qs(nextDocumentNumber(appState().DOCSPATH, documentPrefix(address_->ADRNR)))
                            : QString());
}

void PrintDocWin::chooseTemplate() {
    const TemplateEntry* chosen = templateList_->chosen();
    templateFile_ = chosen ? chosen->TMPLFILENAME : std::string();
    templateName_->setText(chosen ? qs(chosen->TMPLNAME) : QString());
}

void PrintDocWin::reevaluate() {
    const bool complete = !prefix_->text().isEmpty() && !templateFile_.empty() &&
                          !name_->text().trimmed().isEmpty() && !title_->text().trimmed().isEmpty();
    create_->setEnabled(complete && !handover_);
    if (!takeContact_->isChecked())
        contactSummary_->clear();
    const bool print = directPrint_->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{autoCopies_, device_, printer_})
        control->setEnabled(print);
    copies_->setEnabled(print && !autoCopies_->isChecked());
    if (!print)
        copies_->setValue(1);
    else if (autoCopies_->isChecked())
        copies_->setValue(address_ && address_->ANZDRUCK > 0 ? address_->ANZDRUCK : 1);
}

void PrintDocWin::choosePrinter() {
    if (const auto chosen = printerChooser()(this, device_->text()))
        device_->setText(*chosen);
}

void PrintDocWin::pin(bool onTop) {
    QWidget* outer = app::outerWindow(this);
    const bool visible = outer->isVisible();
    outer->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        outer->show();
}

LetterRequest PrintDocWin::request() const {
    LetterRequest r;
    r.adrnr = address_ ? address_->ADRNR : 0;
    r.tkpnr = takeContact_->isChecked() && !contactSummary_->text().isEmpty() ? contactNumber_ : 0;
    r.templateFile = templateFile_;
    r.title = title_->text().toStdString();
    r.name = name_->text().toStdString();
    r.print = directPrint_->isChecked();
    r.printer = clip(device_->text().toStdString());
    r.copies = copies_->value();
    r.saveActivity = saveActivity_->isChecked();
    return r;
}

void PrintDocWin::focus(LetterField field) {
    switch (field) {
    case LetterField::Template:
        templateList_->setFocus();
        break;
    case LetterField::Title:
        title_->setFocus();
        break;
    case LetterField::Name:
        name_->setFocus();
        break;
    }
}

void PrintDocWin::create() {
    if (handover_ || !address_)
        return;
    const LetterRequest letterRequest = request();
    if (const auto field = checkLetter(letterRequest)) {
        focus(*field);
        return;
    }
    const PreparedLetter letter =
        prepareLetter(letterRequest, *address_, [this](const std::string& output, const std::string& tmpl) {
            return ProcessingWin::run(output, tmpl, 0, this);
        });
    if (letter.result == Prepared::Declined)
        name_->setFocus();
    if (letter.result != Prepared::Ready)
        return;
    pending_ = letterRequest;
    handover_ = std::make_unique<DocumentHandover>(HandoverRequest{
        {{letter.files, letterRequest.copies}}, letterRequest.print, letterRequest.printer, true});
    handover_->start();
    setWorking(true);
    pollHandover();
}

void PrintDocWin::pollHandover() {
    if (!handover_)
        return;
    if (!handover_->poll()) {
        timer_->start();
        return;
    }
    timer_->stop();
    const std::unique_ptr<DocumentHandover> done = std::move(handover_);
    setWorking(false);
    const std::string& document = done->documentNames().front();
    if (!document.empty()) {
        recordLetter(pending_, document, done->printed().front());
        app::postToWindow(app::procedures::ActivityList, app::RefreshEvent);
        proposeName();
    }
    reevaluate();
}

void PrintDocWin::setWorking(bool working) {
    working_->setVisible(working);
    progress_->setVisible(working);
    create_->setEnabled(!working);
}

bool PrintDocWin::event(QEvent* event) {
    if (event->type() == app::RefreshEvent) {
        readAddress();
        readContact();
        proposeName();
        reevaluate();
        return true;
    }
    if (event->type() == app::NotifyEvent) {
        app::outerWindow(this)->raise();
        return true;
    }
    return QWidget::event(event);
}

void PrintDocWin::closeEvent(QCloseEvent* event) {
    profile::write(workIni(), "DEFAULT", "LTmplName", templateName_->text().toStdString());
    profile::write(workIni(), "DEFAULT", "LDocTitle", title_->text().toStdString());
    QWidget::closeEvent(event);
}

} // namespace velkora::documents
