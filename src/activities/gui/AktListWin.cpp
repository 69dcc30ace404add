#include "activities/gui/AktListWin.h"

#include "activities/ActivityTexts.h"
#include "activities/gui/DocumentOpener.h"
#include "activities/gui/LampIcons.h"
#include "addresses/ValueLists.h"
#include "addresses/gui/AlarmWin.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "data/FileServices.h"
#include "reference/gui/MaterialSentList.h"
#include "reports/gui/AktListSelectWin.h"
#include "shared/AppState.h"
#include "shared/Text.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <cstdlib>

namespace velkora::activities {

// The address of a row, read only when it is another than the one read last.
class RowAddresses {
public:
    // Another window may have changed the address read last.
    void forget() { read_ = false; }
    const std::string& lineOf(std::int32_t adrnr) {
        if (!read_ || adrnr != adrnr_) {
            auto& adr = data::files().QXADRESS;
            const data::Address others = adr.rec; // the buffer other windows may hold
            adr.clear();
            adr.rec.ADRNR = adrnr;
            line_ = adr.get(*data::Address::table().key("QXADRES1")) == data::NoError ? addressLine(adr.rec)
                                                                                      : std::string();
            adr.rec = others;
            adrnr_ = adrnr;
            read_ = true;
        }
        return line_;
    }

private:
    bool read_ = false;
    std::int32_t adrnr_ = 0;
    std::string line_;
};

namespace {

namespace procedures = app::procedures;

constexpr const char* kDesignFormat =
    "12L(2)F*J~ ..~L(1)@n3@58L(1)|M*~DATUHR~@s16@38L(1)|M*~AKTART~@s20@74L(1)|M*~TITLE~@s80@"
    "80L(1)|M*~BEMERK~@s200@94L(1)|M*~ADRESS~@s120@100L(1)|M*~DOC~@s254@70L(1)|M*~DEVICE~@s39@";

// Column-table entries with computed values (0-based).
enum Column { LampColumn = 0, DateTimeColumn = 1, KindColumn = 2, RemarkColumn = 4, AddressColumn = 5 };
enum Tab { AddressTab = 0, AllTab = 1 };

// The lamps as the list registers them: icon numbers 1 to 4.
const std::vector<Lamp> kListLamps = {OrangeLamp, LampOff, RedLamp, YellowLamp};

int listIconOf(Lamp lamp) {
    for (std::size_t i = 0; i < kListLamps.size(); ++i)
        if (kListLamps[i] == lamp)
            return static_cast<int>(i) + 1;
    return 0;
}

int number(const browse::BrowseSource& s, std::string_view field) {
    return std::atoi(s.field(field).c_str());
}

browse::BrowseRow activityRow(const std::vector<browse::BrowseColumnDef>& columns, const ValueList& kinds,
                              RowAddresses& addresses, const browse::BrowseSource& s) {
    browse::BrowseRow row = browse::pictureRow(columns, s);
    row.cells[LampColumn].icon = listIconOf(priorityLamp(number(s, "AKT:AKTPRI")));
    row.cells[DateTimeColumn].text = dateAndTime(number(s, "AKT:DATUM"), number(s, "AKT:UHR"));
    row.cells[KindColumn].text = entryName(kinds, number(s, "AKT:AKTART"));
    row.cells[RemarkColumn].text = remarkOnOneLine(s.field("AKT:BEMERK"));
    row.cells[AddressColumn].text = addresses.lineOf(number(s, "AKT:ADRNR"));
    return row;
}

std::string contactOf(std::int32_t adrnr, std::int32_t tkpnr) {
    if (tkpnr == 0)
        return {};
    auto& tkp = data::files().QXADRTKP;
    const data::ContactPerson others = tkp.rec;
    tkp.clear();
    tkp.rec.ADRNR = adrnr;
    tkp.rec.TKPNR = tkpnr;
    std::string text;
    if (tkp.get(*data::ContactPerson::table().key("QXADRTK1")) == data::NoError)
        text = contactLine(tkp.rec, addresses::loadContactKinds(appState().WORKINI));
    tkp.rec = others;
    return text;
}

} // namespace

browse::BrowseDeclaration activityListDeclaration(const ValueList& kinds,
                                                  std::shared_ptr<RowAddresses> addresses) {
    if (!addresses)
        addresses = std::make_shared<RowAddresses>();
    browse::BrowseDeclaration d;
    d.procedure = procedures::ActivityList;
    d.designFormat = kDesignFormat;
    d.columns = {
        // The computed columns have no header of their own: the list shows
        // the design's heading, the column chooser the field.
        {{"AKT:AKTPRI", "Akt-Prio.", "@n3"}, " .."},
        {{"BRW:DATUHR", "BRW:DATUHR", "@S20L"}, "DATUHR"},
        {{"BRW:AKTART", "BRW:AKTART", "@S20L"}, "AKTART"},
        {{"AKT:TITLE", "Doc Titel", "@s80L"}, ""},
        {{"BRW:BEMERK", "BRW:BEMERK", "@S20L"}, "BEMERK"},
        {{"BRW:AKTADR", "BRW:AKTADR", "@S20L"}, "ADRESS"},
        {{"AKT:DOCNAME", "Dokument", "@s254"}, ""},
        {{"AKT:AKTDEV", "PrnDevice", "@s39L"}, ""},
        {{"AKT:DATUM", "Datum", "@d17B"}, ""},
        {{"AKT:UHR", "Uhr", "@T01B"}, ""},
        {{"AKT:ADRNR", "Adr.Nr.", "@n_6B"}, ""},
        {{"AKT:TKPNR", "TKP-Nr.", "@n_6B"}, ""},
        {{"AKT:AKTART", "Akt-Art", "@n3"}, ""},
        {{"AKT:STATUS", "Status", "@n3"}, ""},
        {{"AKT:ALARM", "Alarm", "@s1"}, ""},
        {{"AKT:BEMERK", "Bemerkung", "@s254"}, ""},
        {{"AKT:AKTID", "AktID", "@n-14"}, ""},
    };
    d.sortMappings = {
        {"BRW:DATUHR", "AKT:DATUM", "UPPER(AKT:DATUM), UPPER(AKT:UHR)", "-UPPER(AKT:DATUM), -UPPER(AKT:UHR)",
         2},
        {"BRW:AKTART", "AKT:AKTART", "UPPER(AKT:AKTART)", "-UPPER(AKT:AKTART)", 1},
        {"BRW:BEMERK", "AKT:BEMERK", "UPPER(AKT:BEMERK)", "-UPPER(AKT:BEMERK)", 1},
        // The address column has no field of its own: it sorts by the address number.
        {"BRW:AKTADR", "AKT:ADRNR", "AKT:ADRNR", "-AKT:ADRNR", 1},
    };
    d.files = {&data::files().QXADRAKT, &data::files().QXADRESS, &data::files().QXADRTKP};
    d.keyOrder = browse::SortOrder{"-AKT:DATUM, -AKT:UHR, AKT:AKTID", "AKT:DATUM", 1}; // newest first
    d.locate = [kinds](const std::string& field, const std::string& text) {
        return activityLocatorValues(field, text, kinds);
    };
    d.buildRow = [columns = d.columns, kinds, addresses](const browse::BrowseSource& s) {
        return activityRow(columns, kinds, *addresses, s);
    };
    d.icons = lampIcons(kListLamps);
    d.form = "qxUpdateAkt";
    d.tabs = {{"TAB:ADR", "Adresse"}, {"TAB:ALL", "Alle"}};
    return d;
}

AktListWin::AktListWin(QWidget* parent) : AktListWin(std::make_shared<RowAddresses>(), parent) {}

AktListWin::AktListWin(std::shared_ptr<RowAddresses> addresses, QWidget* parent)
    : BrowseWindow(activityListDeclaration(readKinds(appState().WORKINI), addresses),
                   std::make_unique<browse::LimitedSource>(data::files().QXADRAKT, "AKT:ADRNR"), parent),
      source_(static_cast<browse::LimitedSource*>(&source())), addresses_(std::move(addresses)) {
    setWindowTitle("Aktivitäten");
    open_ = addExtraButton("OPENBUTTON", "Öffnen", "Dokument der Aktivität öffnen");
    print_ = addExtraButton("PRNLIST", "Drucken", "Aktivitätenliste drucken");
    contact_ = new QLabel;
    contact_->setObjectName("LS:TMPSTRING");
    // A long contact line shows as far as there is room; it never widens the window.
    contact_->setMinimumWidth(1);
    extraButtons()->addWidget(contact_);
    material_ = addExtraButton("BUTTONAPRLIST", "Material", "Versandtes Material der Aktivität");
    allCheck_ = new QCheckBox("AllAdress");
    allCheck_->setObjectName("LN:ALLADRESS");
    allCheck_->setToolTip("Aktivitäten aller Adressen zeigen");
    extraButtons()->addWidget(allCheck_);
    open_->setEnabled(false);
    connect(open_, &QPushButton::clicked, this,
            [this] { openActivityDocument(source().field("AKT:DOCNAME")); });
    connect(print_, &QPushButton::clicked, this, [this] {
        const std::int32_t current = allAddresses_ ? appState().ADRNR : adrnr_;
        reports::AktListSelectWin::run(number(source(), "AKT:AKTID"), current, allAddresses_, this);
        refresh();
    });
    connect(material_, &QPushButton::clicked, this, [this] {
        reference::openSentMaterialForActivity(std::atoi(source().field("AKT:AKTID").c_str()));
    });
    connect(allCheck_, &QCheckBox::clicked, this, &AktListWin::setAllAddresses);
    connect(sheet(), &QTabWidget::currentChanged, this, &AktListWin::showTab);

    if (!filesOpen())
        return; // the application has ended
    setMinimumSize(minimumSizeHint());
    resize(sizeHint());
    allAddresses_ = appState().ADRNR == 0;
    allCheck_->setChecked(allAddresses_);
    if (allAddresses_)
        selectTab(AllTab);
    else
        followAddress(appState().ADRNR);
    openBrowse();
    designTitle_ = windowTitle();
    showTitle();
}

AktListWin::~AktListWin() = default;

void AktListWin::setAllAddresses(bool on) {
    allAddresses_ = on;
    allCheck_->setChecked(on);
    if (on) {
        heading_.clear();
        selectTab(AllTab);
        return;
    }
    // Back to one address: the one selected in the address list, else the current row's.
    followAddress(appState().ADRNR != 0 ? appState().ADRNR : number(source(), "AKT:ADRNR"));
}

void AktListWin::followAddress(std::int32_t adrnr) {
    adrnr_ = adrnr;
    auto& adr = data::files().QXADRESS;
    const data::Address others = adr.rec;
    adr.clear();
    adr.rec.ADRNR = adrnr_;
    heading_ = adr.get(*data::Address::table().key("QXADRES1")) == data::NoError ? addressHeading(adr.rec)
                                                                                 : std::string();
    adr.rec = others;
    selectTab(AddressTab);
}

// A new tab or address: the view is limited anew and read from its start.
void AktListWin::selectTab(int index) {
    if (sheet()->currentIndex() != index)
        sheet()->setCurrentIndex(index); // shows it through showTab
    else
        showTab(index);
}

void AktListWin::showTab(int index) {
    allAddresses_ = index == AllTab;
    allCheck_->setChecked(allAddresses_);
    if (allAddresses_)
        heading_.clear();
    source_->limitTo(allAddresses_ ? std::nullopt : std::optional<std::int32_t>(adrnr_));
    navigate(app::NavTop);
    showTitle();
}

void AktListWin::showTitle() {
    allCheck_->setEnabled(appState().ADRNR != 0);
    if (designTitle_.isEmpty())
        return; // before the window is translated
    setWindowTitle(allAddresses_ ? designTitle_
                                 : designTitle_ + " [" + QString::fromStdString(clip(heading_)) + "]");
}

bool AktListWin::event(QEvent* event) {
    if (event->type() == app::RefreshEvent) {
        // The address list moved, perhaps after its form changed an address:
        // followed unless all activities are shown.
        addresses_->forget();
        if (!allAddresses_ && appState().ADRNR != 0)
            followAddress(appState().ADRNR);
        else
            showTitle();
        return true;
    }
    return BrowseWindow::event(event);
}

void AktListWin::selectionChanged() {
    open_->setEnabled(!clip(source().field("AKT:DOCNAME")).empty());
    contact_->setText(
        QString::fromStdString(contactOf(number(source(), "AKT:ADRNR"), number(source(), "AKT:TKPNR"))));
    if (appState().SHOWALARM != 0 && isActiveBrowse())
        addresses::showAlarm(source().field("AKT:ALARM"), source().field("AKT:BEMERK"));
}

void AktListWin::viewEmpty() {
    open_->setEnabled(false);
    contact_->clear();
}

void AktListWin::browseClosing() {
    addresses::closeAlarm();
}

} // namespace velkora::activities
