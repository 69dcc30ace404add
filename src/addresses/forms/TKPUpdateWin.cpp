#include "addresses/forms/TKPUpdateWin.h"

#include "addresses/TkpExchange.h"
#include "addresses/ValueLists.h"
#include "addresses/forms/SalutationCombo.h"
#include "i18n/Messages.h"
#include "shared/AppState.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"
#include "shared/ProfileFile.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"
#include "ui/form/FormLayout.h"
#include "ui/form/PictureEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velkora::addresses {
namespace {

using form::addRow;
using form::named;

QLineEdit* stamp(const char* name) {
    auto* edit = named(new QLineEdit, name);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

TKPUpdateWin::TKPUpdateWin(QWidget* parent)
    : UpdateForm("qxUpdateTKP", parent), fields_(data::ContactPerson::table(), &loc_) {
    build();
    bindFields();
}

void TKPUpdateWin::build() {
    setObjectName("TKPUpdateWin");
    setWindowTitle("Kontaktperson");

    kind_ = named(new QComboBox, "LOC:KTART");
    name1_ = named(new QLineEdit, "LOC:NAME1");
    name2_ = named(new QLineEdit, "LOC:NAME2");
    name0_ = named(new QLineEdit, "LOC:NAME0");
    tel_ = named(new QLineEdit, "LOC:TEL");
    fax_ = named(new QLineEdit, "LOC:FAX");
    email_ = named(new QLineEdit, "LOC:EMAIL");
    position_ = named(new QComboBox, "LOC:ABTPOS");
    position_->setEditable(true);
    position_->setInsertPolicy(QComboBox::NoInsert);
    salutation_ = named(new SalutationCombo, "LOC:BRANR");
    remark_ = named(new QLineEdit, "LOC:BEMERKUNG");
    alarm_ = named(new QCheckBox("Alarm"), "LOC:ALARM");
    birthday_ = named(new form::PictureEdit("D17B"), "LOC:BDATUM");
    user_ = stamp("LOC:AUSER");
    date_ = named(new form::PictureEdit("@d17B"), "LOC:ADATUM");
    date_->setReadOnly(true);
    time_ = stamp("LOC:AUHR");

    auto* general = new QWidget;
    auto* generalGrid = new QGridLayout(general);
    addRow(generalGrid, "Kontaktart", kind_);
    addRow(generalGrid, "Name 1", name1_);
    addRow(generalGrid, "Name 2", name2_);
    addRow(generalGrid, "Anrede", name0_);
    addRow(generalGrid, "Telefon", tel_);
    addRow(generalGrid, "Fax", fax_);
    addRow(generalGrid, "e-Mail", email_);
    addRow(generalGrid, "Abt./Position", position_);
    addRow(generalGrid, "Briefanrede", salutation_);

    auto* extra = new QWidget;
    auto* extraGrid = new QGridLayout(extra);
    addRow(extraGrid, "Bemerkung", remark_);
    extraGrid->addWidget(alarm_, extraGrid->rowCount(), 1);
    addRow(extraGrid, "Geburtstag", birthday_);
    addRow(extraGrid, "Geändert von", user_);
    addRow(extraGrid, "Datum", date_);
    addRow(extraGrid, "Uhrzeit", time_);

    for (QGridLayout* grid : {generalGrid, extraGrid}) {
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(grid->rowCount(), 1);
    }
    tabs_ = named(new QTabWidget, "CURRENTTAB");
    // Wide enough for an e-mail address or a salutation at a glance.
    tabs_->setMinimumWidth(fontMetrics().averageCharWidth() * 64);
    tabs_->addTab(general, "Allgemein");
    tabs_->addTab(extra, "Zusatzdaten");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(formButtonRow({"OKBUTTON", "CANCELBUTTON", "HELPBUTTON"}));

    salutation_->setNames([this] {
        return SalutationNames{clip(name0_->text().toStdString()), clip(name1_->text().toStdString()),
                               clip(name2_->text().toStdString()), loc_.ZUSATZ};
    });
}

void TKPUpdateWin::bindFields() {
    const std::pair<QWidget*, const char*> plain[] = {
        {name1_, "TKP:NAME1"},   {name2_, "TKP:NAME2"}, {name0_, "TKP:NAME0"},     {tel_, "TKP:TEL"},
        {fax_, "TKP:FAX"},       {email_, "TKP:EMAIL"}, {position_, "TKP:ABTPOS"}, {salutation_, "TKP:BRANR"},
        {remark_, "TKP:BEMERK"}, {alarm_, "TKP:ALARM"}, {user_, "TKP:AUSER"},      {date_, "TKP:ADATUM"},
        {time_, "TKP:AUHR"},
    };
    for (const auto& [control, field] : plain)
        fields_.bind(control, field);

    fields_.bindByNumber(kind_, "TKP:KTART");
    fields_.bind(
        birthday_,
        [this](const void* r) {
            const auto* c = static_cast<const data::ContactPerson*>(r);
            birthday_->setStoredValue(std::to_string(dayNumber({c->BYY, c->BMM, c->BDD})));
            shownBirthday_ = birthday_->text();
        },
        [this](void* r) {
            // A stored birthday that is no whole date (a day and month without
            // a year, from an import) is kept unless the user types a new one.
            if (birthday_->text() == shownBirthday_)
                return;
            auto* c = static_cast<data::ContactPerson*>(r);
            const auto date =
                civilDate(static_cast<std::int32_t>(std::stol(birthday_->storedValue().value_or("0"))));
            c->BDD = static_cast<std::uint8_t>(date ? date->day : 0);
            c->BMM = static_cast<std::uint8_t>(date ? date->month : 0);
            c->BYY = static_cast<std::uint16_t>(date ? date->year : 0);
        });
}

void TKPUpdateWin::loadRecord() {
    loc_ = TkpExchange();
}

void TKPUpdateWin::primeRecord() {
    loc_.ADATUM = today();
    loc_.AUHR = formatTime("@T01", clockNow());
}

bool TKPUpdateWin::enterWindow() {
    const std::string& ini = appState().WORKINI;
    kinds_ = loadContactKinds(ini);
    for (const std::string& k : kinds_)
        kind_->addItem(QString::fromStdString(k));
    for (const std::string& p : loadRecentPositions(ini))
        position_->addItem(QString::fromStdString(p));
    salutation_->setTemplates(loadSalutationTemplates(ini));
    fields_.show();
    selectKind();
    name1_->setFocus();
    return true;
}

void TKPUpdateWin::selectKind() {
    if (loc_.KTART == 0)
        kind_->setCurrentIndex(
            static_cast<int>(profile::readInt(appState().WORKINI, "ADRTKP", "AdrKArt0", 1)) - 1);
}

QWidget* TKPUpdateWin::invalidField() const {
    return fields_.firstUnacceptable();
}

form::SaveOutcome TKPUpdateWin::save() {
    fields_.take();
    if (clip(loc_.NAME1).empty() && clip(loc_.TEL).empty() && clip(loc_.FAX).empty() &&
        clip(loc_.EMAIL).empty()) {
        beep();
        i18n::ShowMessage("M.TKP_NODATA", Icon::Exclamation, "No TKP-Data");
        tabs_->setCurrentIndex(0);
        name1_->setFocus();
        return form::SaveOutcome::KeepOpen;
    }
    // An alarm says nothing without a remark to show.
    loc_.ALARM = !trim(loc_.ALARM).empty() && !clip(loc_.BEMERK).empty() ? "1" : "";
    loc_.ADATUM = today();
    loc_.AUHR = formatTime("@T01", clockNow());
    loc_.AUSER = appState().USERSHORT;
    loc_.TEL = trim(loc_.TEL);
    loc_.FAX = trim(loc_.FAX);
    loc_.EMAIL = trim(loc_.EMAIL);

    TkpExchange() = loc_;
    rememberPosition(appState().WORKINI, loc_.ABTPOS);
    lastSaved(procedure()) = data::RecordCopy(data::ContactPerson::table(), &loc_);
    return form::SaveOutcome::Saved;
}

int qxUpdateTKP(int request) {
    (void)request; // the form reads it from the exchange values
    TKPUpdateWin form;
    return form.run();
}

} // namespace velkora::addresses
