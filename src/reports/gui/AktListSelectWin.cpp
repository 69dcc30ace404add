#include "reports/gui/AktListSelectWin.h"

#include "app/gui/ModalRun.h"
#include "app/gui/WindowPosition.h"
#include "data/FileServices.h"
#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"
#include "reports/gui/ReportPrinting.h"
#include "shared/AppState.h"
#include "ui/form/FormLayout.h"
#include "ui/form/PictureEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkora::reports {
namespace {

constexpr const char* kSection = "AktListSelect";
constexpr int kTitleChars = 80;

using form::addRow;
using form::named;

// A list whose first entry means all; the entry number minus 1 is the value passed.
QComboBox* valueChoice(const char* name, const activities::ValueList& values) {
    auto* box = named(new QComboBox, name);
    // The entries are the work file's names, not design texts.
    i18n::setControlType(box, i18n::ComboControl);
    box->addItem(QString::fromStdString(i18n::translated(i18n::StringControl, "Alle")));
    for (const auto& entry : values)
        box->addItem(QString::fromStdString(entry.name));
    return box;
}

std::optional<AddressSummaries> summariesOf(std::int32_t adrnr) {
    data::OpenedFiles files;
    if (adrnr == 0 || !files.open({&data::files().QXADRESS}))
        return std::nullopt;
    auto& adr = data::files().QXADRESS;
    const data::Address others = adr.rec; // the buffer other windows may hold
    adr.clear();
    adr.rec.ADRNR = adrnr;
    std::optional<AddressSummaries> found;
    if (adr.get(*data::Address::table().key("QXADRES1")) == data::NoError)
        found = addressSummaries(adr.rec);
    adr.rec = others;
    return found;
}

} // namespace

AktListSelectWin::AktListSelectWin(std::int32_t aktid, std::int32_t adrnr, bool allAddresses, QWidget* parent)
    : QDialog(parent), aktid_(aktid), adrnr_(adrnr) {
    setObjectName("AktListSelectWin");
    setWindowTitle("Aktivitätenliste drucken");
    selectedOnly_ =
        named(new QCheckBox("SelRecOnly"), "LN:SELRECONLY", "Nur die in der Liste gewählte Aktivität");
    allAddresses_ = named(new QCheckBox("AllAdress"), "LN:ALLADRESS", "Aktivitäten aller Adressen drucken");
    addressName_ = named(new QLabel, "LS:ADRSTRING1");
    addressPlace_ = named(new QLabel, "LS:ADRSTRING2");
    dateFrom_ = named(new form::PictureEdit("@d17B"), "LD:DATEVON");
    dateTo_ = named(new form::PictureEdit("@d17B"), "LD:DATEBIS");
    const std::string& workIni = appState().WORKINI;
    kind_ = valueChoice("LN:AKTART", activities::readKinds(workIni));
    priority_ = valueChoice("LN:AKTPRIO", activities::readPriorities(workIni));
    title_ = named(new QLineEdit, "LS:LISTTITEL");
    title_->setMaxLength(kTitleChars);
    title_->setMinimumWidth(title_->fontMetrics().averageCharWidth() * 48);
    memo_ = named(new QCheckBox("IncludeMemo"), "LN:MEMOFLAG", "Die Memos der Aktivitäten mitdrucken");
    print_ = named(new QPushButton("Drucken"), "PRINT", "Aktivitätenliste drucken");
    print_->setDefault(true);
    cancel_ = form::plainButton("CANCEL", "Abbrechen");

    auto* grid = new QGridLayout;
    grid->addWidget(selectedOnly_, 0, 0, 1, 2);
    grid->addWidget(allAddresses_, 1, 0, 1, 2);
    grid->addWidget(addressName_, 2, 1);
    grid->addWidget(addressPlace_, 3, 1);
    form::addField(grid, 4, 0, "Datum von", dateFrom_);
    form::addField(grid, 5, 0, "bis", dateTo_);
    form::addField(grid, 6, 0, "Aktivitätsart", kind_);
    form::addField(grid, 7, 0, "Priorität", priority_);
    form::addField(grid, 8, 0, "Titel", title_);
    grid->addWidget(memo_, 9, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    if (const auto summaries = summariesOf(adrnr_)) {
        addressName_->setText(QString::fromStdString(summaries->name));
        addressPlace_->setText(QString::fromStdString(summaries->place));
    }
    selectedOnly_->setEnabled(aktid_ != 0);
    allAddresses_->setChecked(allAddresses || adrnr_ == 0);
    connect(selectedOnly_, &QCheckBox::toggled, this, &AktListSelectWin::showChoices);
    connect(allAddresses_, &QCheckBox::toggled, this, &AktListSelectWin::showChoices);
    connect(print_, &QPushButton::clicked, this, &AktListSelectWin::takeSelection);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    i18n::TranslateWindow(this, false);
    title_->setText(QString::fromStdString(i18n::translated(i18n::StringControl, "Aktivitätenliste")));
    showChoices();
}

void AktListSelectWin::showChoices() {
    const bool one = selectedOnly_->isChecked();
    // Without a current address only all addresses can be listed.
    allAddresses_->setEnabled(!one && adrnr_ != 0);
    for (QWidget* choice : std::initializer_list<QWidget*>{dateFrom_, dateTo_, kind_, priority_})
        choice->setEnabled(!one);
    const bool showAddress = !one && !allAddresses_->isChecked();
    addressName_->setVisible(showAddress);
    addressPlace_->setVisible(showAddress);
}

std::optional<ActivitySelection> AktListSelectWin::selection() const {
    const auto from = dateFrom_->storedValue();
    const auto to = dateTo_->storedValue();
    if (!from || !to)
        return std::nullopt;
    ActivitySelection s;
    s.title = title_->text().toStdString();
    s.memo = memo_->isChecked();
    if (selectedOnly_->isChecked()) {
        s.aktid = aktid_;
        return s;
    }
    s.adrnr = allAddresses_->isChecked() ? 0 : adrnr_;
    s.dateFrom = std::stoi(*from);
    s.dateTo = std::stoi(*to);
    s.kind = kind_->currentIndex();
    s.priority = priority_->currentIndex();
    return s;
}

void AktListSelectWin::takeSelection() {
    chosen_ = selection();
    if (!chosen_) {
        (dateFrom_->storedValue() ? dateTo_ : dateFrom_)->setFocus();
        return; // a date that is no date: the user corrects it
    }
    accept();
}

bool AktListSelectWin::run(std::int32_t aktid, std::int32_t adrnr, bool allAddresses, QWidget* parent) {
    // A window of its own, not a child of the list: the modal run disables
    // the list, which would disable a child with it.
    AktListSelectWin window(aktid, adrnr, allAddresses);
    {
        app::ModalRun modal(&window);
        const auto quit = connect(&window, &QDialog::finished, &window, [&modal] { modal.quit(); });
        window.show();
        form::centreOver(&window, parent);
        app::RestoreWindowPosition(&window, kSection);
        modal.exec();
        disconnect(quit);
        app::SaveWindowPosition(&window, kSection);
        window.hide();
    }
    if (window.result() != QDialog::Accepted || !window.chosen_)
        return false;
    return printActivityList(*window.chosen_, nullptr, parent);
}

} // namespace velkora::reports
