#include "addresses/contacts/TKPListWin.h"

#include "addresses/ContactWrites.h"
#include "addresses/TkpExchange.h"
#include "addresses/ValueLists.h"
#include "addresses/contacts/ContactList.h"
#include "addresses/contacts/ContactSource.h"
#include "addresses/gui/AlarmWin.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "data/FileServices.h"
#include "shared/AppState.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <cstdlib>

namespace velkora::addresses {
namespace {

namespace procedures = app::procedures;

enum Tab { AddressTab = 0, AllTab = 1 };
constexpr std::size_t kHeadingChars = 100;

// The list's declaration with the files it works with: its own and the
// addresses for the heading.
browse::BrowseDeclaration windowDeclaration(std::int32_t* adrnr) {
    browse::BrowseDeclaration d = contactListDeclaration(loadContactKinds(appState().WORKINI), adrnr);
    d.files = {&data::files().QXADRTKP, &data::files().QXADRESS};
    return d;
}

std::string addressHeading(const data::Address& a) {
    return cutChars(clip(a.NAME1) + " " + clip(a.NAME2) + ", " + clip(a.LD) + " " + clip(a.PLZ) + " " +
                        clip(a.ORT),
                    kHeadingChars);
}

} // namespace

TKPListWin::TKPListWin(QWidget* parent)
    : BrowseWindow(windowDeclaration(&adrnr_), std::make_unique<ContactSource>(), parent),
      source_(static_cast<ContactSource*>(&source())) {
    setWindowTitle("Kontaktpersonen");
    mail_ = addExtraButton("EMAILBUTTON", "e-Mail", "e-Mail an die Kontaktperson schreiben");
    dial_ = addExtraButton("TAPIBUTTON", "Wählen", "Telefonnummer der Kontaktperson wählen");
    allCheck_ = new QCheckBox("AllAdress");
    allCheck_->setObjectName("LN:ALLADRESS");
    allCheck_->setToolTip("Kontaktpersonen aller Adressen zeigen");
    extraButtons()->addWidget(allCheck_);
    mail_->setEnabled(false);
    dial_->setEnabled(false);
    connect(mail_, &QPushButton::clicked, this, &TKPListWin::openMail);
    connect(dial_, &QPushButton::clicked, this, &TKPListWin::dialSelected);
    connect(allCheck_, &QCheckBox::clicked, this, &TKPListWin::setAllAddresses);
    connect(sheet(), &QTabWidget::currentChanged, this, &TKPListWin::showTab);
    browse::registerForm(kContactListForm, [this](int request) { return runForm(request); });

    if (!filesOpen())
        return; // the application has ended
    dialSettings_ = readDialSettings(appState().WORKINI);
    dial_->setVisible(dialSettings_.enabled);
    setMinimumSize(minimumSizeHint());
    resize(860, 360);

    // With an address selected the list starts on its contacts.
    allAddresses_ = appState().ADRNR == 0;
    allCheck_->setChecked(allAddresses_);
    if (allAddresses_)
        showAllAddresses();
    else
        followAddress();
    openBrowse();
    designTitle_ = windowTitle();
    showTitle();
}

TKPListWin::~TKPListWin() {
    browse::unregisterForm(kContactListForm);
}

void TKPListWin::setAllAddresses(bool on) {
    allAddresses_ = on;
    allCheck_->setChecked(on);
    if (!on && appState().ADRNR != 0)
        followAddress();
    else
        showAllAddresses();
}

void TKPListWin::followAddress() {
    adrnr_ = appState().ADRNR;
    auto& adr = data::files().QXADRESS;
    adr.clear();
    adr.rec.ADRNR = adrnr_;
    if (adr.get(*data::Address::table().key("QXADRES1")) != data::NoError)
        adr.clear();
    heading_ = addressHeading(adr.rec);
    selectTab(AddressTab);
}

void TKPListWin::showAllAddresses() {
    heading_.clear();
    selectTab(AllTab);
}

// A new tab or address: the view is limited anew and read from its start.
void TKPListWin::selectTab(int index) {
    if (sheet()->currentIndex() != index)
        sheet()->setCurrentIndex(index); // shows it through showTab
    else
        showTab(index);
    showTitle();
}

void TKPListWin::showTab(int index) {
    source_->showAddress(index == AddressTab ? std::optional<std::int32_t>(adrnr_) : std::nullopt);
    navigate(app::NavTop);
}

void TKPListWin::showTitle() {
    if (designTitle_.isEmpty())
        return; // before the window is translated
    setWindowTitle(heading_.empty() ? designTitle_
                                    : designTitle_ + " [" + QString::fromStdString(heading_) + "]");
}

bool TKPListWin::event(QEvent* event) {
    if (event->type() == app::RefreshEvent) {
        // The address list moved: followed unless all addresses are shown.
        if (!allAddresses_ && appState().ADRNR != 0)
            followAddress();
        else
            insertButton()->setEnabled(insertAllowed());
        return true;
    }
    return BrowseWindow::event(event);
}

void TKPListWin::selectionChanged() {
    const std::int32_t adrnr = std::atoi(source().field("TKP:ADRNR").c_str());
    const std::int32_t tkpnr = std::atoi(source().field("TKP:TKPNR").c_str());
    if (allAddresses_ && isActiveBrowse()) {
        appState().ADRNR = adrnr;
        appState().TKPNR = adrnr != 0 ? tkpnr : 0;
    } else {
        appState().TKPNR = tkpnr;
    }
    app::postToWindow(procedures::DocumentPreparation, app::RefreshEvent);
    app::postToWindow(procedures::Mail, app::RefreshEvent);
    showRowButtons();
    if (appState().SHOWALARM != 0 && isActiveBrowse())
        showAlarm(source().field("TKP:ALARM"), source().field("TKP:BEMERK"));
}

// The form may have changed the telephone number or e-mail address of the row that stays selected.
void TKPListWin::formCompleted(int) {
    showRowButtons();
}

void TKPListWin::showRowButtons() {
    dial_->setEnabled(!clip(source().field("TKP:TEL")).empty());
    mail_->setEnabled(!clip(source().field("TKP:EMAIL")).empty());
}

void TKPListWin::viewEmpty() {
    appState().TKPNR = 0;
    dial_->setEnabled(false);
    mail_->setEnabled(false);
}

bool TKPListWin::insertAllowed() const {
    return appState().ADRNR != 0;
}

// The list's side of a form call: the form edits TkpExchange, the list
// writes the file. Delete needs no form: the list asks and deletes.
int TKPListWin::runForm(int request) {
    auto& tkp = data::files().QXADRTKP;
    switch (request) {
    case browse::InsertRecord:
        if (!insertAllowed())
            return browse::RequestCancelled;
        // A contact always belongs to an address: on the all tab to the one selected last.
        tkp.rec.ADRNR = sheet()->currentIndex() == AddressTab ? adrnr_ : appState().ADRNR;
        break;
    case browse::ChangeRecord:
        break;
    case browse::DeleteRecord:
        return deleteContact(tkp) ? browse::RequestCompleted : browse::RequestCancelled;
    default:
        return browse::RequestCancelled;
    }
    TkpExchange() = tkp.rec;
    if (browse::callForm("qxUpdateTKP", request) != browse::RequestCompleted)
        return browse::RequestCancelled;
    const bool written =
        request == browse::InsertRecord ? addContact(tkp, TkpExchange()) : changeContact(tkp, TkpExchange());
    if (written)
        return browse::RequestCompleted;
    refresh(); // shows what is stored now
    return browse::RequestCancelled;
}

void TKPListWin::dialSelected() {
    const std::string number = source().field("TKP:TEL");
    if (!dialSettings_.enabled || clip(number).empty())
        return;
    list()->setFocus();
    dial(dialSettings_, number);
}

void TKPListWin::openMail() {
    // The window writes to the contact the list publishes, as it does after every selection.
    if (!clip(source().field("TKP:EMAIL")).empty())
        app::openWindow(procedures::Mail);
}

void registerContactWindows() {
    app::registerWindow(procedures::ContactList, app::Instances::Single, []() -> QWidget* {
        auto* window = new TKPListWin;
        if (window->filesOpen())
            return window;
        delete window;
        return nullptr;
    });
}

} // namespace velkora::addresses
