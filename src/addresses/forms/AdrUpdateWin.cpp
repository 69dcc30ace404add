#include "addresses/forms/AdrUpdateWin.h"

#include "addresses/AddressQueues.h"
#include "addresses/PostalLookup.h"
#include "addresses/forms/ContactTab.h"
#include "addresses/forms/SalutationCombo.h"
#include "addresses/gui/StatusIcons.h"
#include "data/Errors.h"
#include "data/FileServices.h"
#include "data/StandardWarnings.h"
#include "i18n/Messages.h"
#include "reference/Countries.h"
#include "reference/gui/ReferenceChoices.h"
#include "reference/gui/ReferenceSettings.h"
#include "shared/AppState.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"
#include "shared/ProfileFile.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"
#include "ui/form/FormLayout.h"
#include "ui/form/PictureEdit.h"
#include "ui/form/RecordSave.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velkora::addresses {
namespace {

using form::addField;
using form::named;

constexpr int kFeatureDigits = 16;
constexpr int kContactsTab = 2;

// ADR:MERKM with 16 digits: what is no digit counts as "0".
std::string featureDigits(std::string stored) {
    stored.resize(kFeatureDigits, '0');
    for (char& c : stored)
        if (c < '0' || c > '9')
            c = '0';
    return stored;
}

} // namespace

AdrUpdateWin::AdrUpdateWin(QWidget* parent)
    : UpdateForm("qxUpdateAdressMain", parent), adr_(data::files().QXADRESS),
      fields_(data::Address::table(), &data::files().QXADRESS.rec) {
    setObjectName("AdrUpdateWin");
    setWindowTitle("Adresse");

    tabs_ = named(new QTabWidget, "CURRENTTAB");
    tabs_->addTab(buildGeneral(), "Allgemein");
    tabs_->addTab(buildExtra(), "Zusatzdaten");
    contacts_ = new ContactTab;
    tabs_->addTab(contacts_, "Kontakte");
    tabs_->addTab(buildMemo(), "Memo");
    connect(tabs_, &QTabWidget::currentChanged, this, &AdrUpdateWin::tabChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(formButtonRow({}));

    bindFields();
    salutation_->setNames([this] {
        auto text = [](const QLineEdit* e) { return clip(e->text().toStdString()); };
        return SalutationNames{text(name0_), text(name1_), text(name2_), text(addition_)};
    });
    contacts_->setPrimer([this] { return newContact(); });
    contacts_->setAfterForm([this] { applyNavigation(); });
}

AdrUpdateWin::~AdrUpdateWin() = default;

QWidget* AdrUpdateWin::buildGeneral() {
    number_ = named(new form::PictureEdit("n_6B"), "ADR:ADRNR");
    status_ = named(new QComboBox, "ADR:STATUS");
    name1_ = named(new QLineEdit, "ADR:NAME1");
    name2_ = named(new QLineEdit, "ADR:NAME2");
    name0_ = named(new QLineEdit, "ADR:NAME0");
    country_ = named(new QLineEdit, "ADR:LD");
    countryName_ = named(new QLineEdit, "ADR:LAND");
    auto* countryButton = form::lookupButton("LKBUTTON");
    postalCode_ = named(new QLineEdit, "ADR:PLZ");
    place_ = named(new QLineEdit, "ADR:ORT");
    auto* postalButton = form::lookupButton("PLZBUTTON");
    street_ = named(new QLineEdit, "ADR:STRASSE");
    addition_ = named(new QLineEdit, "ADR:ZUSATZ");
    salutation_ = named(new SalutationCombo, "ADR:BRANR");
    auto* url = named(new QLineEdit, "ADR:URL");
    kind_ = named(new QComboBox, "ADR:ADRART");
    auto* box = named(new QLineEdit, "ADR:POSTFACH");
    auto* boxCode = named(new QLineEdit, "ADR:POSTFPLZ");
    industry_ = named(new QComboBox, "ADR:BRANCHE");
    auto* grade = named(new form::PictureEdit("@n3"), "ADR:KLASSE");

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addField(grid, 0, 0, "Adr-Nr.", number_);
    addField(grid, 0, 3, "Status", status_);
    addField(grid, 1, 0, "Name 1", name1_, 4);
    addField(grid, 2, 0, "Name 2", name2_, 4);
    addField(grid, 3, 0, "Anrede", name0_, 4);
    form::addLookupField(grid, 4, 0, "Land", country_, countryButton, countryName_, 4);
    form::addLookupField(grid, 5, 0, "PLZ / Ort", postalCode_, postalButton, place_, 4);
    addField(grid, 6, 0, "Strasse", street_, 4);
    addField(grid, 7, 0, "Zusatz", addition_, 4);
    addField(grid, 8, 0, "Briefanrede", salutation_, 4);
    addField(grid, 9, 0, "URL Adresse", url, 4);
    addField(grid, 10, 0, "Adressenart", kind_);
    addField(grid, 10, 3, "Adressen Klasse", grade);
    addField(grid, 11, 0, "Postfach", box);
    addField(grid, 11, 3, "PLZ Postfach", boxCode);
    addField(grid, 12, 0, "Branche", industry_, 4);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(13, 1);

    connect(country_, &QLineEdit::editingFinished, this, &AdrUpdateWin::countryAccepted);
    connect(postalCode_, &QLineEdit::editingFinished, this, &AdrUpdateWin::postalCodeAccepted);
    connect(countryButton, &QPushButton::clicked, this, &AdrUpdateWin::chooseCountry);
    connect(postalButton, &QPushButton::clicked, this, &AdrUpdateWin::choosePostalCode);
    return page;
}

QWidget* AdrUpdateWin::buildExtra() {
    remark_ = named(new QLineEdit, "ADR:BEMERK");
    alarm_ = named(new QCheckBox("Alarm"), "ADR:ALARM");

    auto* featureBox = named(new QGroupBox("Merkmale"), "GROUP:MERKMALE");
    auto* featureGrid = new QGridLayout(featureBox);
    for (int n = 0; n < 8; ++n) {
        const std::string name = "LA:ADRMERK_" + std::to_string(n + 1);
        // The design text; the work file's feature labels replace it.
        features_[n] = named(new QCheckBox(QString("QXM_%1").arg(n + 1)), name.c_str());
        featureGrid->addWidget(features_[n], n % 4, n / 4);
    }
    numberFeature_ = named(new form::PictureEdit("@n-14.2"), "ADR:MERKN");
    numberFeatureLabel_ = new QLabel("QXM_N");
    numberFeatureLabel_->setBuddy(numberFeature_);
    featureGrid->addWidget(numberFeatureLabel_, 4, 0);
    featureGrid->addWidget(numberFeature_, 4, 1);

    auto* bankBox = named(new QGroupBox("Bankverbindung"), "GROUP:BANK");
    auto* bankGrid = new QGridLayout(bankBox);
    addField(bankGrid, 0, 0, "Konto Nr.", named(new QLineEdit, "ADR:KTONR"));
    addField(bankGrid, 1, 0, "BLZ", named(new QLineEdit, "ADR:BLZ"));
    addField(bankGrid, 2, 0, "Bank", named(new QLineEdit, "ADR:BANK"));

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addField(grid, 0, 0, "Bemerkung", remark_, 3);
    grid->addWidget(alarm_, 1, 1);
    grid->addWidget(featureBox, 2, 0, 1, 4);
    addField(grid, 3, 0, "Anzahl Ausdrucke", named(new form::PictureEdit("@n3"), "ADR:ANZDRUCK"));
    addField(grid, 4, 0, "USt.ID-Nr.", named(new QLineEdit, "ADR:USTID"));
    addField(grid, 5, 0, "Adressgruppe", named(new QLineEdit, "ADR:ADRGRP"));
    grid->addWidget(bankBox, 6, 0, 1, 4);
    addField(grid, 7, 0, "Erstkontakt", named(new form::PictureEdit("@d17B"), "ADR:EKONT"));
    addField(grid, 7, 2, "Letztkontakt", named(new form::PictureEdit("@d17B"), "ADR:LKONT"));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(8, 1);
    return page;
}

QWidget* AdrUpdateWin::buildMemo() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(named(new QPlainTextEdit, "ADR:MEMO"), 0, 0, 1, 6);
    auto* user = named(new QLineEdit, "ADR:AUSER");
    auto* date = named(new form::PictureEdit("@d17B"), "ADR:ADATUM");
    auto* time = named(new QLineEdit, "ADR:AUHR");
    for (QLineEdit* stamp : {user, static_cast<QLineEdit*>(date), time})
        stamp->setReadOnly(true);
    addField(grid, 1, 0, "Geändert von", user);
    addField(grid, 1, 2, "am", date);
    addField(grid, 1, 4, "um", time);
    return page;
}

void AdrUpdateWin::bindFields() {
    for (const char* name :
         {"ADR:ADRNR",    "ADR:NAME1",    "ADR:NAME2",   "ADR:NAME0",  "ADR:LD",     "ADR:LAND",
          "ADR:PLZ",      "ADR:ORT",      "ADR:STRASSE", "ADR:ZUSATZ", "ADR:BRANR",  "ADR:URL",
          "ADR:POSTFACH", "ADR:POSTFPLZ", "ADR:KLASSE",  "ADR:BEMERK", "ADR:ALARM",  "ADR:MERKN",
          "ADR:ANZDRUCK", "ADR:USTID",    "ADR:ADRGRP",  "ADR:KTONR",  "ADR:BLZ",    "ADR:BANK",
          "ADR:EKONT",    "ADR:LKONT",    "ADR:MEMO",    "ADR:AUSER",  "ADR:ADATUM", "ADR:AUHR"})
        fields_.bind(findChild<QWidget*>(name));
    bindLists();
    for (int n = 0; n < 8; ++n) {
        QCheckBox* box = features_[n];
        const auto at = static_cast<std::size_t>(n);
        fields_.bind(
            box,
            [=](const void* r) {
                box->setChecked(featureDigits(static_cast<const data::Address*>(r)->MERKM)[at] == '1');
            },
            [=](void* r) {
                auto* a = static_cast<data::Address*>(r);
                a->MERKM = featureDigits(a->MERKM);
                a->MERKM[at] = box->isChecked() ? '1' : '0';
            });
    }
}

void AdrUpdateWin::bindLists() {
    fields_.bindByNumber(status_, "ADR:STATUS");
    fields_.bindByNumber(kind_, "ADR:ADRART");
    fields_.bind(
        industry_,
        [this](const void* r) {
            const std::string& code = static_cast<const data::Address*>(r)->BRANCHE;
            const int at = industry_->findData(QString::fromStdString(code));
            industry_->setCurrentIndex(at >= 0 || !clip(code).empty() ? at : 0);
        },
        [this](void* r) {
            auto* a = static_cast<data::Address*>(r);
            if (industry_->count() == 0)
                a->BRANCHE.clear();
            else if (industry_->currentIndex() >= 0)
                a->BRANCHE = industry_->currentData().toString().toStdString();
        });
}

bool AdrUpdateWin::openFiles() {
    data::Files& f = data::files();
    return files_.open({&f.QXADRBRA, &f.QXADRESS, &f.QXADRLND, &f.QXADRTKP, &f.QXADRORT, &f.QXADRSTR});
}

void AdrUpdateWin::closeFiles() {
    files_.close();
}

void AdrUpdateWin::takeEntryCopy() {
    data::SnapLinkingFields(adr_);
    entry_ = adr_.rec;
}

void AdrUpdateWin::primeRecord() {
    adr_.rec.ANZDRUCK = 1;
    adr_.rec.EKONT = today();
    adr_.rec.LKONT = today();
}

int AdrUpdateWin::deleteRecord() {
    return data::DeleteWithIntegrity(adr_);
}

bool AdrUpdateWin::enterWindow() {
    const AppState& state = appState();
    contacts_->setKinds(loadContactKinds(state.WORKINI));
    if (request() == browse::ChangeRecord)
        contacts_->load(data::files().QXADRTKP, adr_.rec.ADRNR);
    salutation_->setTemplates(loadSalutationTemplates(state.WORKINI));
    // The address list loads the status and type lists when it opens.
    if (adrStatusQueue().empty() && adrArtQueue().empty())
        loadAddressQueues(state.WORKINI);
    const std::vector<QIcon> icons = addressStatusIcons();
    for (const AddressStatus& s : adrStatusQueue()) {
        const auto icon = static_cast<std::size_t>(s.number - 1);
        status_->addItem(icon < icons.size() ? icons[icon] : QIcon(), QString::fromStdString(s.name),
                         s.number);
    }
    for (const std::string& k : adrArtQueue())
        kind_->addItem(QString::fromStdString(k));
    if (request() == browse::InsertRecord)
        applyInsertDefaults();
    applyFeatureLabels();
    if (!loadIndustries()) {
        data::ShowStandardWarning(data::Warn::RecordFetchError, "QXADRBRA");
        return false;
    }
    showRecord();
    tabs_->setCurrentIndex(0);
    name1_->setFocus();
    return true;
}

void AdrUpdateWin::applyInsertDefaults() {
    const AppState& state = appState();
    auto number = [&](const char* section, const char* key) {
        const long n = profile::readInt(state.WORKINI, section, key, 1);
        return static_cast<std::uint8_t>(n == 0 ? 1 : n);
    };
    adr_.rec.STATUS = number("ADRSTAT", "AdrStatus0");
    adr_.rec.ADRART = number("ADRART", "AdrArt0");
    const std::string country = clip(profile::read(state.STARTINI, "DEFAULT", "AdrLd"));
    if (!country.empty())
        showCountry(country);
}

void AdrUpdateWin::applyFeatureLabels() {
    labels_ = loadFeatureLabels(appState().WORKINI);
    for (std::size_t n = 0; n < features_.size(); ++n) {
        features_[n]->setText(QString::fromStdString(labels_.flags[n]));
        features_[n]->setEnabled(!labels_.flags[n].empty());
    }
    numberFeatureLabel_->setText(QString::fromStdString(labels_.number));
    numberFeatureLabel_->setVisible(!labels_.number.empty());
    numberFeature_->setVisible(!labels_.number.empty());
}

bool AdrUpdateWin::loadIndustries() {
    auto& bra = data::files().QXADRBRA;
    bra.set(*data::Industry::table().key("QXADRBR1"));
    industry_->clear();
    for (;;) {
        const int error = bra.next();
        if (error == data::RecordNotAvailable)
            return true;
        if (error != data::NoError)
            return false;
        industry_->addItem(QString::fromStdString(clip(bra.rec.BRANCHE) + "  " + clip(bra.rec.BEZEICHNG)),
                           QString::fromStdString(bra.rec.BRANCHE));
    }
}

void AdrUpdateWin::showRecord() {
    fields_.show();
}

QWidget* AdrUpdateWin::invalidField() const {
    return fields_.firstUnacceptable();
}

void AdrUpdateWin::countryAccepted() {
    const std::string code = clip(country_->text().toStdString());
    if (!code.empty())
        showCountry(code);
}

void AdrUpdateWin::showCountry(const std::string& code) {
    // A code not in the country table is accepted, with no country name.
    const auto found = reference::findCountry(code);
    adr_.rec.LD = found ? found->LD : code;
    adr_.rec.LAND = found ? found->LAND : std::string();
    country_->setText(QString::fromStdString(adr_.rec.LD));
    countryName_->setText(QString::fromStdString(adr_.rec.LAND));
}

void AdrUpdateWin::postalCodeAccepted() {
    const std::string plz = clip(postalCode_->text().toStdString());
    const std::string ld = clip(country_->text().toStdString());
    if (plz.empty() || ld.empty() || !clip(place_->text().toStdString()).empty())
        return;
    const PostalPlace found = lookUpPostalCode(ld, plz);
    place_->setText(QString::fromStdString(found.place));
    if (clip(street_->text().toStdString()).empty())
        street_->setText(QString::fromStdString(found.street));
}

void AdrUpdateWin::chooseCountry() {
    const auto chosen = reference::chooseCountry(this, clip(country_->text().toStdString()));
    applyNavigation(); // the list had the toolbar
    if (!chosen)
        return;
    country_->setText(QString::fromStdString(chosen->LD));
    countryName_->setText(QString::fromStdString(chosen->LAND));
}

void AdrUpdateWin::choosePostalCode() {
    fields_.take(); // the list starts on what the address shows now
    const auto chosen = reference::choosePlace(this, reference::placesWithStreets());
    applyNavigation(); // the list had the toolbar
    if (!chosen)
        return;
    if (clip(chosen->LD) != clip(country_->text().toStdString()))
        showCountry(clip(chosen->LD));
    postalCode_->setText(QString::fromStdString(clip(chosen->PLZ)));
    place_->setText(QString::fromStdString(chosen->ORT));
    if (!clip(chosen->STRASSE).empty() && clip(street_->text().toStdString()).empty())
        street_->setText(QString::fromStdString(chosen->STRASSE));
}

void AdrUpdateWin::tabChanged(int index) {
    // The toolbar's record buttons mean nothing while the contacts are shown.
    setNavigationShown(index != kContactsTab);
}

data::ContactPerson AdrUpdateWin::newContact() const {
    data::ContactPerson c;
    c.ADATUM = today();
    c.AUHR = formatTime("@T01", clockNow());
    c.ADRNR = adr_.rec.ADRNR;
    c.KTART = 1;
    c.NAME0 = name0_->text().toStdString();
    c.NAME1 = name1_->text().toStdString();
    c.NAME2 = name2_->text().toStdString();
    return c;
}

form::SaveOutcome AdrUpdateWin::save() {
    fields_.take();
    data::Address& rec = adr_.rec;
    if (clip(rec.NAME1).empty()) {
        beep();
        i18n::ShowMessage("M.ADR_NODATA", Icon::Exclamation, "No Adress-Data");
        tabs_->setCurrentIndex(0);
        name1_->setFocus();
        return form::SaveOutcome::KeepOpen;
    }
    if (request() == browse::InsertRecord) {
        rec.ADRNR = data::NextNumber(adr_, "ADR:QXADRES1", "ADR:ADRNR", "");
        number_->setStoredValue(std::to_string(rec.ADRNR));
    }
    rec.MERKM = featureDigits(rec.MERKM);
    rec.AUSER = appState().USERSHORT;
    rec.ADATUM = today();
    rec.AUHR = formatTime("@T01", clockNow());
    // An alarm says nothing without a remark to show.
    rec.ALARM = !trim(rec.ALARM).empty() && !clip(rec.BEMERK).empty() ? "1" : "";
    alarm_->setChecked(!rec.ALARM.empty());
    lastSaved(procedure()) = data::RecordCopy(data::Address::table(), &rec);

    const form::SaveOutcome outcome =
        request() == browse::InsertRecord
            ? form::addRecord(adr_, "Adr.Nr")
            : form::updateRecord(adr_, !form::sameRecord(data::Address::table(), &rec, &entry_), [this] {
                  showRecord();
                  takeEntryCopy();
              });
    if (outcome == form::SaveOutcome::KeepOpen) {
        tabs_->setCurrentIndex(0);
        number_->setFocus();
    }
    // The contact rows follow an address that is stored: rows written for an
    // address whose write then failed would belong to no address, or to
    // another station's address under the same number.
    if (outcome == form::SaveOutcome::Saved || outcome == form::SaveOutcome::Unchanged)
        writeContacts();
    return outcome;
}

void AdrUpdateWin::writeContacts() {
    if (contacts_->rows().write(data::files().QXADRTKP, adr_.rec.ADRNR, entry_.ADRNR))
        return;
    ask("TKPError", "Write TKP Data", Icon::Exclamation);
    beep();
    ask("TKPError", "AdrSave", Icon::Exclamation);
}

int qxUpdateAdressMain(int request) {
    (void)request; // the form reads it from the exchange values
    AdrUpdateWin form;
    return form.run();
}

} // namespace velkora::addresses
