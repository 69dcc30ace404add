#include "addresses/gui/AdrListWin.h"

#include "addresses/AddressLocator.h"
#include "addresses/AddressQueues.h"
#include "addresses/WebAddress.h"
#include "addresses/gui/AlarmWin.h"
#include "addresses/gui/StatusIcons.h"
#include "app/gui/ProcedureToDo.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "data/FileServices.h"
#include "exchange/VCardExport.h"
#include "i18n/ControlTexts.h"
#include "i18n/Messages.h"
#include "shared/AppState.h"
#include "shared/FieldTypes.h"
#include "shared/ProfileFile.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <cstdlib>
#include <fstream>

namespace velkora::addresses {
namespace {

namespace procedures = app::procedures;

constexpr const char* kDesignFormat =
    "12L(2)F*J~ "
    "..~L(1)@s1@74L(1)|M*~NAME1~@s63@58L(1)|M*~NAME2~@s63@38L(1)|M*~ANREDE~@s31@34L(1)|M*~ADRART~@s40@"
    "38L(1)|M*~LDPLZ~@s16@66L(1)|M*~ORT~@s39@66L(1)|M*~STR~@s39@46L(1)|M*~BRANCHE~@s16@46L(1)|M*~ADRGRP~@s15@"
    "66L(1)|M*~ZUSATZ~@s39@28R(1)|M*~ADRNR~L@n_6B@40R(1)|M*~EKONT~L@d17B@40R(1)|M*~LKONT~L@d17B@"
    "38L(1)|M*~PFACH~@s15@78L(1)|M*~URL~@s63@40L(1)|M*~USTID~@s15@";

// Column-table entries with computed values (0-based).
enum Column { StatusColumn = 0, TypeColumn = 4, CountryPostalColumn = 5 };

std::string defaultCountry() {
    return clip(profile::read(appState().WORKINI, "DEFAULT", "AdrLd"));
}

browse::BrowseRow addressRow(const std::vector<browse::BrowseColumnDef>& columns,
                             const browse::BrowseSource& s) {
    browse::BrowseRow row = browse::pictureRow(columns, s);
    const int status = std::atoi(s.field("ADR:STATUS").c_str());
    row.cells[StatusColumn].icon = status >= 1 && status <= 8 ? status : 0;
    row.cells[TypeColumn].text =
        toCStringField(addressTypeName(std::atoi(s.field("ADR:ADRART").c_str())), 41);
    row.cells[CountryPostalColumn].text =
        toCStringField(clip(s.field("ADR:LD")) + " " + s.field("ADR:PLZ"), 17);
    return row;
}

} // namespace

browse::BrowseDeclaration addressListDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = procedures::AddressList;
    d.designFormat = kDesignFormat;
    d.files = {&data::files().QXADRBRA, &data::files().QXADRESS, &data::files().QXADRTKP};
    d.columns = {
        {{"ADR:STATUS", "Adressen Status", "@s1"}, " .."},
        {{"ADR:NAME1", "Name 1", "@s63L"}, ""},
        {{"ADR:NAME2", "Name 2", "@s63L"}, ""},
        {{"ADR:NAME0", "Anrede", "@s31L"}, ""},
        {{"BRW:ADRART", "BRW:ADRART", "@S20L"}, ""},
        {{"BRW:LDPLZ", "BRW:LDPLZ", "@S20L"}, ""},
        {{"ADR:ORT", "Ort", "@s39L"}, ""},
        {{"ADR:STRASSE", "Strasse", "@s39L"}, ""},
        {{"ADR:BRANCHE", "Branche", "@s16L"}, ""},
        {{"ADR:ADRGRP", "ADR:ADRGRP", "@s15L"}, ""},
        {{"ADR:ZUSATZ", "Zusatz", "@s39L"}, ""},
        {{"ADR:ADRNR", "Adr-Nr.", "@n_6B"}, ""},
        {{"ADR:EKONT", "Erstkontakt", "@d17B"}, ""},
        {{"ADR:LKONT", "Letztkontakt", "@d17B"}, ""},
        {{"ADR:POSTFACH", "ADR:POSTFACH", "@s15L"}, ""},
        {{"ADR:URL", "URL Adresse", "@s63L"}, ""},
        {{"ADR:USTID", "USt.ID-Nr.", "@s15L"}, ""},
        {{"ADR:ALARM", "Alarm", "@s1"}, ""},
        {{"ADR:BEMERK", "Bemerkung", "@s254"}, ""},
    };
    d.sortMappings = {
        {"BRW:ADRART", "ADR:ADRART", "UPPER(ADR:ADRART)", "-UPPER(ADR:ADRART)", 1},
        {"BRW:LDPLZ", "ADR:LD", "UPPER(ADR:LD), UPPER(ADR:PLZ)", "-UPPER(ADR:LD), -UPPER(ADR:PLZ)", 2},
        {"ADR:ORT", "ADR:ORT", "UPPER(ADR:ORT)", "-UPPER(ADR:ORT)", 1},
    };
    d.locate = [](const std::string& field, const std::string& text) {
        return addressLocatorValues(field, text, defaultCountry());
    };
    d.buildRow = [columns = d.columns](const browse::BrowseSource& s) { return addressRow(columns, s); };
    d.icons = addressStatusIcons();
    d.form = "qxUpdateAdressMain";
    d.tabs = {{"TAB:1", "Adressen"}};
    return d;
}

std::function<void(std::int32_t)>& materialSentList() {
    static std::function<void(std::int32_t)> hook;
    return hook;
}

std::function<std::string(QWidget*)>& vcardFileChooser() {
    static std::function<std::string(QWidget*)> chooser = [](QWidget* over) {
        return QFileDialog::getSaveFileName(over, QString(), QString::fromStdString(appState().MAILPATH),
                                            "vCard (*.vcf)")
            .toStdString();
    };
    return chooser;
}

AdrListWin::AdrListWin(QWidget* parent)
    : BrowseWindow(addressListDeclaration(), std::make_unique<browse::ViewSource>(data::files().QXADRESS),
                   parent) {
    setWindowTitle("Adressenliste");
    print_ = addExtraButton("PRNBUTTON", "Dokument", "Dokument für die Adresse erstellen");
    materialList_ = addExtraButton("BUTTONAPRLIST", "Material", "Versandtes Material der Adresse");
    url_ = addExtraButton("URLBUTTON", "Web", "Web- oder Mail-Adresse öffnen");
    url_->setEnabled(false);
    vcard_ = addExtraButton("VCARDBUTTON", "vCard", "Adressen als vCard exportieren");
    connect(vcard_, &QPushButton::clicked, this, &AdrListWin::exportVCard);
    connect(print_, &QPushButton::clicked, this, [] { app::openWindow(procedures::DocumentPreparation); });
    connect(materialList_, &QPushButton::clicked, this, [this] {
        const std::int32_t adrnr = std::atoi(source().field("ADR:ADRNR").c_str());
        if (materialSentList())
            materialSentList()(adrnr);
        else
            app::showProcedureToDo("AktAttMatList");
    });
    connect(url_, &QPushButton::clicked, this, &AdrListWin::openUrl);

    if (!filesOpen())
        return; // the application has ended
    loadAddressQueues(appState().WORKINI);
    setMinimumSize(minimumSizeHint());
    resize(sizeHint());
    // Addresses need an industry to point at: a new data folder gets " -".
    auto& industries = data::files().QXADRBRA;
    if (industries.records() == 0) {
        industries.clear();
        industries.rec.BRANCHE = " -";
        industries.rec.BEZEICHNG = i18n::translated(i18n::StringControl, " no Info");
        industries.add();
    }
    openBrowse();
}

AdrListWin::~AdrListWin() = default;

void AdrListWin::selectionChanged() {
    appState().ADRNR = std::atoi(source().field("ADR:ADRNR").c_str());
    appState().TKPNR = 0;
    for (const char* follower :
         {procedures::ContactList, procedures::ActivityList, procedures::DocumentPreparation})
        app::postToWindow(follower, app::RefreshEvent);
    showUrlButton();
    if (appState().SHOWALARM != 0 && isActiveBrowse())
        showAlarm(source().field("ADR:ALARM"), source().field("ADR:BEMERK"));
}

void AdrListWin::viewEmpty() {
    appState().ADRNR = 0;
    appState().TKPNR = 0;
    url_->setEnabled(false);
    vcard_ = addExtraButton("VCARDBUTTON", "vCard", "Adressen als vCard exportieren");
    connect(vcard_, &QPushButton::clicked, this, &AdrListWin::exportVCard);
}

void AdrListWin::formCompleted(int request) {
    // The form may have changed the web address of the row that stays selected.
    showUrlButton();
    if (request == browse::InsertRecord || request == browse::ChangeRecord)
        app::postToWindow(procedures::ContactList, app::RefreshEvent);
}

void AdrListWin::showUrlButton() {
    url_->setEnabled(!clip(source().field("ADR:URL")).empty());
}

void AdrListWin::openUrl() {
    if (const auto url = webAddress(source().field("ADR:URL")))
        QDesktopServices::openUrl(QUrl(QString::fromStdString(*url)));
    else
        beep();
}

void AdrListWin::browseClosing() {
    closeAlarm();
    if (QWidget* documents = app::runningWindow(procedures::DocumentPreparation))
        app::outerWindow(documents)->close();
}

void registerAddressWindows() {
    app::registerWindow(procedures::AddressList, app::Instances::Single, [] { return new AdrListWin; });
    app::registerWindow(procedures::Alarm, app::Instances::Single, [] { return new AlarmWin; });
}

void AdrListWin::exportVCard() {
    const unsigned which =
        i18n::ShowMessage("M.VCF_Which", Icon::Question, "Export only the selected address?",
                          ButtonYes | ButtonNo | ButtonCancel);
    if (which == ButtonCancel)
        return;
    std::vector<std::int32_t> numbers;
    if (which == ButtonYes) {
        if (page().empty())
            return;
        numbers.push_back(std::atoi(source().field("ADR:ADRNR").c_str()));
    }
    const std::string file = vcardFileChooser()(this);
    if (file.empty())
        return;
    data::File<data::Address> adr;
    data::File<data::ContactPerson> tkp;
    std::ofstream out(file, std::ios::binary);
    if (adr.open() != data::NoError || tkp.open() != data::NoError ||
        !(out << exchange::exportVCards(adr, tkp, numbers)) || !out.flush())
        i18n::ShowMessage("M.FIL_ERROR", Icon::Stop, "vCard File");
}

} // namespace velkora::addresses
