// The address form driven through the address list, as a user works:
// New, Change and Delete on the list, typing in the form, the contact tab
// with the contact form on top, the frame toolbar's save-and-navigate
// buttons, and a second station writing the same address. The list runs
// in the real frame, whose toolbar the tests click.

#include "FormFixture.h"
#include "FrameDriver.h"
#include "addresses/PostalLookup.h"
#include "addresses/contacts/TKPListWin.h"
#include "addresses/forms/AdrUpdateWin.h"
#include "addresses/gui/AdrListWin.h"
#include "app/gui/Procedures.h"
#include "shared/ProfileFile.h"
#include "ui/browse/BrowseList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <map>

using namespace velkora;
using velkora::test::field;
using velkora::test::FormFixture;
using velkora::test::retype;
using velkora::test::whenModal;

namespace {

void click(QWidget* window, const char* button) {
    QTest::mouseClick(field<QPushButton>(window, button), Qt::LeftButton);
}

// Types into an entry as a user does and leaves it with Tab.
void typeInto(QWidget* form, const char* name, const QString& text) {
    QLineEdit* edit = field(form, name);
    retype(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

void showTab(QWidget* form, int index) {
    field<QTabWidget>(form, "CURRENTTAB")->setCurrentIndex(index);
}

// Adds a contact through the contact tab and the contact form.
void addContact(QWidget* form, const QString& name, const QString& tel) {
    whenModal([=](QWidget* contact) {
        typeInto(contact, "LOC:NAME1", name);
        typeInto(contact, "LOC:TEL", tel);
        click(contact, "OKBUTTON");
    });
    click(form, "AKINSERT");
}

// The contact tab's list: its table, the text column of a row, a click on a row.
QTableView* contactTable(QWidget* form) {
    return field<browse::BrowseList>(form, "LISTKTP")->table();
}
int contactCount(QWidget* form) {
    return contactTable(form)->model()->rowCount();
}
QString contactText(QWidget* form, int row) {
    return contactTable(form)->model()->index(row, 4).data().toString().trimmed();
}
void clickContact(QWidget* form, int row) {
    QTableView* table = contactTable(form);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(row, 0)).center());
}

data::Address address(std::int32_t number, const std::string& name) {
    data::Address a;
    a.ADRNR = number;
    a.NAME1 = name;
    a.LD = "D";
    return a;
}

data::ContactPerson contact(std::int32_t adrnr, std::int32_t tkpnr, const std::string& name) {
    data::ContactPerson c;
    c.ADRNR = adrnr;
    c.TKPNR = tkpnr;
    c.NAME1 = name;
    c.KTART = 1;
    return c;
}

constexpr int kNameColumn = 1;

// The frame's navigation buttons not in the state a list offers, as
// "2004 2010": New, Change and Delete as the list's own buttons, every other
// button but Select and previous value on.
QString buttonsNotAsAListOffers(const test::FrameDriver& frame, const QWidget* list) {
    const std::map<int, const char*> own = {
        {app::NavInsert, "INSERT:2"}, {app::NavChange, "CHANGE:2"}, {app::NavDelete, "DELETE:2"}};
    QStringList wrong;
    for (int code = app::kFirstNavigationCode; code <= app::kLastNavigationCode; ++code) {
        const auto it = own.find(code);
        const bool offered = it != own.end() ? list->findChild<QPushButton*>(it->second)->isEnabled()
                                             : code != app::NavSelect && code != app::NavHistory;
        if (frame.enabled(code) != offered)
            wrong << QString::number(code);
    }
    return wrong.join(' ');
}

class ListFixture : public FormFixture {
public:
    ListFixture() {
        data::Country d;
        d.LD = "D";
        d.LAND = "Deutschland";
        add(d);
    }
    ~ListFixture() {
        if (list)
            list->close();
    }
    // "Name 001" ... with the address numbers 1 ...
    static QString name(int n) { return QString("Name %1").arg(n, 3, 10, QChar('0')); }
    void addAddresses(int count) {
        for (int n = 1; n <= count; ++n)
            add(address(n, name(n).toStdString()));
    }
    addresses::AdrListWin* openList() {
        list = frame.open(new addresses::AdrListWin, app::procedures::AddressList);
        return list;
    }
    QTableView* table() const { return list->list()->table(); }
    QString cell(int row, int column) const { return table()->model()->index(row, column).data().toString(); }
    // The address number in the name shown on `row`.
    int number(int row) const { return cell(row, kNameColumn).mid(5).toInt(); }
    std::optional<data::Address> storedAddress(std::int32_t number) const {
        return stored<data::Address>("QXADRES1", [=](data::Address& a) { a.ADRNR = number; });
    }

    test::FrameDriver frame;
    QPointer<addresses::AdrListWin> list;
};

} // namespace

class AddressFormTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        form::UpdateForm::lastSaved("qxUpdateAdressMain") = {};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void insertAnAddressWithTwoContacts() {
        ListFixture f;
        f.addAddresses(5);
        QVERIFY(f.openList());
        QString title, status, kind, country, countryName;
        bool toolbarOffOnContacts = false, unlabelledOff = false, numberFeatureShown = false;
        whenModal([&](QWidget* form) {
            title = form->windowTitle();
            status = field<QComboBox>(form, "ADR:STATUS")->currentText();
            kind = field<QComboBox>(form, "ADR:ADRART")->currentText();
            country = field(form, "ADR:LD")->text();
            countryName = field(form, "ADR:LAND")->text();
            unlabelledOff = field<QCheckBox>(form, "LA:ADRMERK_1")->isEnabled() &&
                            field<QCheckBox>(form, "LA:ADRMERK_1")->text() == "Newsletter" &&
                            !field<QCheckBox>(form, "LA:ADRMERK_3")->isEnabled();
            numberFeatureShown = !field(form, "ADR:MERKN")->isHidden();
            typeInto(form, "ADR:ADRNR", "77");
            typeInto(form, "ADR:NAME1", "Alpha GmbH");
            typeInto(form, "ADR:NAME0", "Firma");
            showTab(form, 2);
            toolbarOffOnContacts = !f.frame.enabled("TBARBRWDOWN") && !f.frame.enabled("TBARBRWHISTORY");
            QVERIFY(!field<QPushButton>(form, "AKCHANGE")->isEnabled());
            addContact(form, "Anna Abel", "(089) 12 34-56");
            addContact(form, "Bernd Bauer", "+49 89 654321");
            QCOMPARE(contactCount(form), 2);
            QCOMPARE(contactText(form, 1), QString("Bernd Bauer"));
            QVERIFY(!f.frame.enabled("TBARBRWDOWN"));
            showTab(form, 0);
            QVERIFY(f.frame.enabled("TBARBRWDOWN"));
            click(form, "OK");
        });
        click(f.list, "INSERT:2");

        QCOMPARE(title, QString("* Adresse"));
        QCOMPARE(status, QString("Standard"));
        QCOMPARE(kind, QString("Lieferant"));
        QCOMPARE(country, QString("D"));
        QCOMPARE(countryName, QString("Deutschland"));
        QVERIFY(unlabelledOff);
        QVERIFY(numberFeatureShown);
        QVERIFY(toolbarOffOnContacts);

        const auto stored = f.storedAddress(6);
        QVERIFY(stored);
        QVERIFY(!f.storedAddress(77));
        QCOMPARE(stored->NAME1, std::string("Alpha GmbH"));
        QCOMPARE(int(stored->STATUS), 3);
        QCOMPARE(int(stored->ADRART), 2);
        QCOMPARE(stored->AUSER, std::string("mmuster"));
        QCOMPARE(stored->ADATUM, dayNumber({2025, 3, 14}));
        QCOMPARE(stored->AUHR, std::string("09:30"));
        QCOMPARE(stored->EKONT, dayNumber({2025, 3, 14}));
        QCOMPARE(int(stored->ANZDRUCK), 1);
        QCOMPARE(stored->MERKM, std::string("0000000000000000"));

        const auto contacts = f.contactsOf(6);
        QCOMPARE(contacts.size(), std::size_t(2));
        QCOMPARE(contacts[0].TKPNR, 1);
        QCOMPARE(contacts[0].NAME1, std::string("Anna Abel"));
        QCOMPARE(contacts[0].NAME0, std::string("Firma"));
        QCOMPARE(contacts[0].TFX, std::string("089123456"));
        QCOMPARE(contacts[1].TKPNR, 2);
        QCOMPARE(contacts[1].TFX, std::string("4989654321"));
        QCOMPARE(contacts[1].AUSER, std::string("mmuster"));
        QCOMPARE(f.prompter.prompts().size(), std::size_t(0));
    }

    void anEmptyNameIsRefusedAndTheInputKept() {
        ListFixture f;
        QVERIFY(f.openList());
        QString kept;
        bool stayed = false;
        whenModal([&](QWidget* form) {
            typeInto(form, "ADR:NAME2", "Zweite Zeile");
            typeInto(form, "ADR:ORT", "Köln");
            click(form, "OK");
            stayed = form->isVisible() && form->focusWidget() == field(form, "ADR:NAME1");
            kept = field(form, "ADR:NAME2")->text() + "|" + field(form, "ADR:ORT")->text();
            click(form, "CANCEL");
        });
        click(f.list, "INSERT:2");
        QVERIFY(stayed);
        QCOMPARE(kept, QString("Zweite Zeile|Köln"));
        QCOMPARE(f.prompter.prompts().size(), std::size_t(1));
        QVERIFY(f.prompter.last().text.find("No Adress-Data") != std::string::npos);
        QCOMPARE(f.prompter.beeps(), 1);
        QVERIFY(!f.storedAddress(1));
    }

    void numberFieldsTakeDigitsOnlyAndARefusedDateSaysWhy() {
        ListFixture f;
        QVERIFY(f.openList());
        QStringList shown;
        bool stayed = false;
        whenModal([&](QWidget* form) {
            typeInto(form, "ADR:NAME1", "Zahlen GmbH");
            typeInto(form, "ADR:KLASSE", "a1b2");
            shown << field(form, "ADR:KLASSE")->text();
            showTab(form, 1);
            typeInto(form, "ADR:EKONT", "31.02.2025");
            click(form, "OK");
            stayed = form->isVisible() && form->focusWidget() == field(form, "ADR:EKONT");
            click(form, "CANCEL");
        });
        click(f.list, "INSERT:2");
        QCOMPARE(shown, (QStringList{"12"}));
        QVERIFY(stayed);
        QCOMPARE(f.prompter.prompts().size(), std::size_t(1));
        QVERIFY(f.prompter.last().text.find("Warn:FLD_INVALID") != std::string::npos);
        QCOMPARE(f.prompter.beeps(), 1);
    }

    void aTypedCountryCodeIsStoredAsTheTableSpellsIt() {
        ListFixture f;
        QVERIFY(f.openList());
        QStringList shown;
        whenModal([&](QWidget* form) {
            typeInto(form, "ADR:NAME1", "Klein GmbH");
            typeInto(form, "ADR:LD", "d");
            shown << field(form, "ADR:LD")->text() << field(form, "ADR:LAND")->text();
            click(form, "OK");
        });
        click(f.list, "INSERT:2");
        QCOMPARE(shown, (QStringList{"D", "Deutschland"}));
        const auto stored = f.storedAddress(1);
        QVERIFY(stored);
        QCOMPARE(stored->LD, std::string("D"));
    }

    void anAlarmWithoutARemarkIsCleared() {
        ListFixture f;
        f.addAddresses(1);
        QVERIFY(f.openList());
        whenModal([&](QWidget* form) {
            showTab(form, 1);
            field<QCheckBox>(form, "ADR:ALARM")->setChecked(true);
            click(form, "OK");
        });
        click(f.list, "CHANGE:2");
        QCOMPARE(f.storedAddress(1)->ALARM, std::string());
    }

    // Save-and-next on the last row and save-and-previous on the first row
    // move the page by exactly one record and open the form on the new row.
    void saveAndMoveOnAtThePageEdge_data() {
        QTest::addColumn<bool>("secondPage");
        QTest::addColumn<bool>("lastRow");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("step");
        QTest::newRow("next on the last row") << false << true << QByteArray("TBARBRWDOWN") << 1;
        QTest::newRow("previous on the first row") << true << false << QByteArray("TBARBRWUP") << -1;
    }
    void saveAndMoveOnAtThePageEdge() {
        QFETCH(bool, secondPage);
        QFETCH(bool, lastRow);
        QFETCH(QByteArray, button);
        QFETCH(int, step);
        ListFixture f;
        f.addAddresses(60);
        QVERIFY(f.openList());
        const int rows = f.table()->model()->rowCount();
        QVERIFY(rows > 2 && rows < 30);
        if (secondPage)
            QTest::keyClick(f.table(), Qt::Key_PageDown);
        const int row = lastRow ? rows - 1 : 0;
        const QRect edge = f.table()->visualRect(f.table()->model()->index(row, kNameColumn));
        QTest::mouseClick(f.table()->viewport(), Qt::LeftButton, {}, edge.center());
        QCOMPARE(f.table()->currentIndex().row(), row);
        const int first = f.number(0);
        const int edited = f.number(row);
        QString firstForm, secondForm;
        whenModal([&](QWidget* form) {
            firstForm = field(form, "ADR:NAME1")->text();
            typeInto(form, "ADR:STRASSE", "Hauptstr. 1");
            whenModal([&](QWidget* next) {
                secondForm = next->findChild<QLineEdit*>("ADR:NAME1")->text();
                click(next, "CANCEL");
            });
            f.frame.click(button.constData());
        });
        click(f.list, "CHANGE:2");
        QCOMPARE(firstForm, ListFixture::name(edited));
        QCOMPARE(secondForm, ListFixture::name(edited + step));
        QCOMPARE(f.table()->currentIndex().row(), row);
        QCOMPARE(f.cell(row, kNameColumn), secondForm);
        QCOMPARE(f.number(0), first + step);
        QCOMPARE(f.table()->model()->rowCount(), rows);
        QCOMPARE(f.storedAddress(edited)->STRASSE, std::string("Hauptstr. 1"));
    }

    // Whatever a form did to the frame's toolbar, the list offers its whole
    // set again once the form is closed.
    void theAddressListGivesBackTheWholeToolbar_data() {
        QTest::addColumn<QByteArray>("listButton");
        QTest::addColumn<bool>("contactsTab");
        QTest::addColumn<QByteArray>("formButton");
        QTest::newRow("new, OK") << QByteArray("INSERT:2") << false << QByteArray("OK");
        QTest::newRow("new, cancelled") << QByteArray("INSERT:2") << false << QByteArray("CANCEL");
        QTest::newRow("change, OK") << QByteArray("CHANGE:2") << false << QByteArray("OK");
        QTest::newRow("change, cancelled") << QByteArray("CHANGE:2") << false << QByteArray("CANCEL");
        QTest::newRow("Kontakte tab, OK") << QByteArray("CHANGE:2") << true << QByteArray("OK");
        QTest::newRow("Kontakte tab, cancelled") << QByteArray("CHANGE:2") << true << QByteArray("CANCEL");
    }
    void theAddressListGivesBackTheWholeToolbar() {
        QFETCH(QByteArray, listButton);
        QFETCH(bool, contactsTab);
        QFETCH(QByteArray, formButton);
        ListFixture f;
        f.addAddresses(3);
        QVERIFY(f.openList());
        QCOMPARE(buttonsNotAsAListOffers(f.frame, f.list), QString());
        whenModal([&](QWidget* form) {
            typeInto(form, "ADR:NAME1", "Geändert GmbH");
            if (contactsTab)
                showTab(form, 2);
            click(form, formButton.constData());
        });
        click(f.list, listButton.constData());
        QTRY_COMPARE(buttonsNotAsAListOffers(f.frame, f.list), QString());
    }

    void theContactListGivesBackTheWholeToolbar_data() {
        QTest::addColumn<bool>("addressTab");
        QTest::addColumn<QByteArray>("formButton");
        QTest::newRow("address tab, OK") << true << QByteArray("OKBUTTON");
        QTest::newRow("address tab, cancelled") << true << QByteArray("CANCELBUTTON");
        QTest::newRow("all tab, OK") << false << QByteArray("OKBUTTON");
        QTest::newRow("all tab, cancelled") << false << QByteArray("CANCELBUTTON");
    }
    void theContactListGivesBackTheWholeToolbar() {
        QFETCH(bool, addressTab);
        QFETCH(QByteArray, formButton);
        ListFixture f;
        f.addAddresses(1);
        f.add(contact(1, 1, "Anna"));
        appState().ADRNR = addressTab ? 1 : 0;
        QPointer<addresses::TKPListWin> contacts =
            f.frame.open(new addresses::TKPListWin, app::procedures::ContactList);
        QVERIFY(contacts);
        QCOMPARE(contacts->allAddresses(), !addressTab);
        whenModal([&](QWidget* form) {
            typeInto(form, "LOC:NAME1", "Anna Abel");
            click(form, formButton.constData());
        });
        click(contacts, "CHANGE:2");
        QTRY_COMPARE(buttonsNotAsAListOffers(f.frame, contacts), QString());
        contacts->close();
    }

    void previousValueComesFromTheLastSave() {
        ListFixture f;
        f.addAddresses(1);
        QVERIFY(f.openList());
        whenModal([&](QWidget* form) {
            typeInto(form, "ADR:ORT", "Berlin");
            click(form, "OK");
        });
        click(f.list, "CHANGE:2");
        QString place, name;
        whenModal([&](QWidget* form) {
            QLineEdit* edit = field(form, "ADR:ORT");
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Adiaeresis, Qt::ControlModifier);
            place = edit->text();
            name = field(form, "ADR:NAME1")->text();
            click(form, "CANCEL");
        });
        click(f.list, "INSERT:2");
        QCOMPARE(place, QString("Berlin"));
        QCOMPARE(name, QString());
    }

    void aSecondStationChangedTheAddressMeanwhile() {
        ListFixture f;
        f.addAddresses(1);
        QVERIFY(f.openList());
        QString shown;
        bool stayed = false;
        whenModal([&](QWidget* form) {
            data::File<data::Address> other;
            QCOMPARE(other.open(), 0);
            other.rec.ADRNR = 1;
            QCOMPARE(other.get(*data::Address::table().key("QXADRES1")), 0);
            other.rec.NAME1 = "Anders AG";
            QCOMPARE(other.put(), 0);
            other.close();

            typeInto(form, "ADR:NAME2", "meine Änderung");
            click(form, "OK");
            stayed = form->isVisible();
            shown = field(form, "ADR:NAME1")->text();
            click(form, "CANCEL");
        });
        click(f.list, "CHANGE:2");
        QVERIFY(stayed);
        QCOMPARE(shown, QString("Anders AG"));
        QCOMPARE(f.prompter.prompts().size(), std::size_t(1));
        QCOMPARE(f.prompter.last().text, std::string("This record was changed by another station."));
        QCOMPARE(f.storedAddress(1)->NAME1, std::string("Anders AG"));
        QCOMPARE(f.storedAddress(1)->NAME2, std::string());
    }

    void deleteTakesTheContactsAlong() {
        ListFixture f;
        f.addAddresses(2);
        f.add(contact(1, 1, "Erste"));
        f.add(contact(1, 2, "Zweite"));
        f.add(contact(2, 1, "Andere"));
        QVERIFY(f.openList());
        f.prompter.setNextAnswer(ButtonOk);
        click(f.list, "DELETE:2");
        QCOMPARE(f.prompter.last().caption, std::string("Confirm Delete"));
        QVERIFY(!f.storedAddress(1));
        QCOMPARE(f.contactsOf(1).size(), std::size_t(0));
        QCOMPARE(f.contactsOf(2).size(), std::size_t(1));
        QCOMPARE(f.cell(0, kNameColumn), QString("Name 002"));
    }

    // A failed address write must leave no contact written twice when the
    // user saves again.
    void aFailedAddressWriteThenASecondSaveStoresEachContactOnce_data() {
        QTest::addColumn<bool>("insert");
        QTest::newRow("change") << false;
        QTest::newRow("insert") << true;
    }
    void aFailedAddressWriteThenASecondSaveStoresEachContactOnce() {
        QFETCH(bool, insert);
        ListFixture f;
        f.addAddresses(1);
        f.add(contact(1, 1, "Schon da"));
        QVERIFY(f.openList());
        f.sql("QXADRESS", std::string("CREATE TRIGGER injected BEFORE ") + (insert ? "INSERT" : "UPDATE") +
                              " ON QXADRESS BEGIN SELECT RAISE(ABORT, 'injected'); END");
        f.prompter.setNextAnswer(ButtonOk);
        f.prompter.setNextAnswer(ButtonCancel); // UpdateError: back to the form
        bool stayed = false;
        whenModal([&](QWidget* form) {
            if (insert)
                typeInto(form, "ADR:NAME1", "Neu AG");
            showTab(form, 2);
            addContact(form, "Carla Clausen", "0711 1");
            addContact(form, "Dirk Dorn", "0711 2");
            click(form, "OK");
            stayed = form->isVisible();
            f.sql("QXADRESS", "DROP TRIGGER injected");
            click(form, "OK");
        });
        click(f.list, insert ? "INSERT:2" : "CHANGE:2");
        QVERIFY(stayed);
        QCOMPARE(f.prompter.prompts().back().caption,
                 std::string(insert ? "Record Insert Error" : "Record Update Error"));
        const std::int32_t number = insert ? 2 : 1;
        const auto contacts = f.contactsOf(number);
        QCOMPARE(contacts.size(), std::size_t(insert ? 2 : 3));
        QCOMPARE(contacts.back().NAME1, std::string("Dirk Dorn"));
        QCOMPARE(contacts.back().TKPNR, insert ? 2 : 3);
        QCOMPARE(f.contactsOf(insert ? 1 : 2).size(), std::size_t(insert ? 1 : 0));
    }

    void aFailedContactWriteIsReportedAndTheAddressSaved() {
        ListFixture f;
        f.addAddresses(1);
        QVERIFY(f.openList());
        f.sql("QXADRTKP", "CREATE TRIGGER injected BEFORE INSERT ON QXADRTKP WHEN NEW.NAME1 = 'Fehler' "
                          "BEGIN SELECT RAISE(ABORT, 'injected'); END");
        whenModal([&](QWidget* form) {
            typeInto(form, "ADR:ORT", "Bonn");
            showTab(form, 2);
            addContact(form, "Fehler", "1");
            addContact(form, "Gut", "2");
            click(form, "OK");
        });
        click(f.list, "CHANGE:2");
        std::vector<std::string> captions;
        for (const auto& p : f.prompter.prompts())
            captions.push_back(p.caption + ":" + p.text);
        QCOMPARE(captions, (std::vector<std::string>{"Write TKP Data:TKPError", "AdrSave:TKPError"}));
        QCOMPARE(f.storedAddress(1)->ORT, std::string("Bonn"));
        const auto contacts = f.contactsOf(1);
        QCOMPARE(contacts.size(), std::size_t(1));
        QCOMPARE(contacts[0].NAME1, std::string("Gut"));
    }

    void contactsChangedAndDeletedInTheForm() {
        ListFixture f;
        f.addAddresses(1);
        f.add(contact(1, 1, "Alt"));
        f.add(contact(1, 2, "Weg"));
        f.add(contact(1, 3, "Ersetzt"));
        QVERIFY(f.openList());
        whenModal([&](QWidget* form) {
            showTab(form, 2);
            QCOMPARE(contactCount(form), 3);
            clickContact(form, 0);
            whenModal([&](QWidget* contactForm) {
                typeInto(contactForm, "LOC:NAME1", "Neu");
                click(contactForm, "OKBUTTON");
            });
            click(form, "AKCHANGE");
            QCOMPARE(contactText(form, 0), QString("Neu"));
            for (int row : {1, 1}) {
                clickContact(form, row);
                f.prompter.setNextAnswer(ButtonOk);
                click(form, "AKDELETE");
            }
            QCOMPARE(contactCount(form), 1);
            // Another station puts a different contact where "Ersetzt" was stored.
            f.sql("QXADRTKP", "UPDATE QXADRTKP SET TKPNR = 9, NAME1 = 'Fremd' WHERE NAME1 = 'Ersetzt'");
            click(form, "OK");
        });
        click(f.list, "CHANGE:2");
        std::vector<std::string> names;
        for (const auto& c : f.contactsOf(1))
            names.push_back(c.NAME1 + "/" + std::to_string(c.TKPNR));
        QCOMPARE(names, (std::vector<std::string>{"Neu/1", "Fremd/9"}));
    }

    // The contact list works as every list does: a double-click opens the
    // contact form, its save-and-next button saves and opens the next
    // contact, the Delete key deletes once confirmed.
    void contactsFollowTheContactFormsButtons() {
        ListFixture f;
        f.addAddresses(1);
        f.add(contact(1, 1, "Erste"));
        f.add(contact(1, 2, "Zweite"));
        QVERIFY(f.openList());
        QString opened, next;
        whenModal([&](QWidget* form) {
            showTab(form, 2);
            whenModal([&](QWidget* contactForm) {
                opened = field(contactForm, "LOC:NAME1")->text();
                typeInto(contactForm, "LOC:NAME1", "Erste neu");
                whenModal([&](QWidget* nextForm) {
                    next = field(nextForm, "LOC:NAME1")->text();
                    click(nextForm, "CANCELBUTTON");
                });
                f.frame.click("TBARBRWDOWN");
            });
            // A double-click is a click followed by the second press.
            QTableView* table = contactTable(form);
            const QPoint first = table->visualRect(table->model()->index(0, 0)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, first);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, first);
            QCOMPARE(contactText(form, 0), QString("Erste neu"));
            QCOMPARE(table->currentIndex().row(), 1);
            f.prompter.setNextAnswer(ButtonOk);
            QTest::keyClick(table, Qt::Key_Delete);
            QCOMPARE(contactCount(form), 1);
            click(form, "OK");
        });
        click(f.list, "CHANGE:2");
        QCOMPARE(opened, QString("Erste"));
        QCOMPARE(next, QString("Zweite"));
        const auto contacts = f.contactsOf(1);
        QCOMPARE(contacts.size(), std::size_t(1));
        QCOMPARE(contacts[0].NAME1, std::string("Erste neu"));
    }

    void aRenumberedAddressTakesItsContactsAlong() {
        ListFixture f;
        f.addAddresses(1);
        f.add(contact(1, 1, "Bleibt"));
        f.add(contact(1, 2, "Geht"));
        QVERIFY(f.openList());
        whenModal([&](QWidget* form) {
            typeInto(form, "ADR:ADRNR", "50");
            showTab(form, 2);
            clickContact(form, 1);
            f.prompter.setNextAnswer(ButtonOk);
            click(form, "AKDELETE");
            click(form, "OK");
        });
        click(f.list, "CHANGE:2");
        QVERIFY(!f.storedAddress(1));
        QVERIFY(f.storedAddress(50));
        const auto contacts = f.contactsOf(50);
        QCOMPARE(contacts.size(), std::size_t(1));
        QCOMPARE(contacts[0].NAME1, std::string("Bleibt"));
        QCOMPARE(f.contactsOf(1).size(), std::size_t(0));
    }

    void postalCodeFillsAnEmptyPlaceOnly() {
        ListFixture f;
        data::Place berlin;
        berlin.LD = "D";
        berlin.PLZ = "10115";
        berlin.ORT = "Berlin";
        berlin.OKEY = "B1";
        f.add(berlin);
        data::Place munich = berlin;
        munich.PLZ = "80000";
        munich.ORT = "München";
        munich.OKEY = "M1";
        f.add(munich);
        data::Street square;
        square.LD = "D";
        square.PLZ = "80331";
        square.STRASSE = "Marienplatz 8";
        square.OKEY = "M1";
        f.add(square);
        QVERIFY(f.openList());
        QStringList seen;
        whenModal([&](QWidget* form) {
            typeInto(form, "ADR:PLZ", "10115");
            seen << field(form, "ADR:ORT")->text();
            typeInto(form, "ADR:ORT", "Potsdam");
            typeInto(form, "ADR:PLZ", "80331");
            seen << field(form, "ADR:ORT")->text() + "/" + field(form, "ADR:STRASSE")->text();
            typeInto(form, "ADR:ORT", "");
            typeInto(form, "ADR:PLZ", "80331");
            seen << field(form, "ADR:ORT")->text() + "/" + field(form, "ADR:STRASSE")->text();
            typeInto(form, "ADR:LD", "XY");
            seen << field(form, "ADR:LAND")->text();
            click(form, "CANCEL");
        });
        click(f.list, "INSERT:2");
        QCOMPARE(seen, (QStringList{"Berlin", "Potsdam/", "München/Marienplatz 8", ""}));
    }

    void anUnchangedSaveInTheSameMinuteWritesNothing() {
        ListFixture f;
        data::Address a = address(1, "Gleich GmbH");
        a.AUSER = "mmuster";
        a.ADATUM = dayNumber({2025, 3, 14});
        a.AUHR = "09:30";
        a.MERKM = "0000000000000000";
        a.BRANCHE = " -";
        a.LAND = "Deutschland";
        a.STATUS = 1;
        a.ADRART = 1;
        f.add(a);
        data::Address next = address(2, "Nächste");
        next.STATUS = 1; // the list sorts by status: both in the order of their numbers
        f.add(next);
        QVERIFY(f.openList());
        f.sql("QXADRESS",
              "CREATE TRIGGER injected BEFORE UPDATE ON QXADRESS BEGIN SELECT RAISE(ABORT, 'no'); END");
        QString first, second;
        whenModal([&](QWidget* form) {
            first = field(form, "ADR:NAME1")->text();
            whenModal([&](QWidget* nextForm) {
                second = field(nextForm, "ADR:NAME1")->text();
                click(nextForm, "CANCEL");
            });
            f.frame.click("TBARBRWDOWN");
        });
        click(f.list, "CHANGE:2");
        QCOMPARE(first, QString("Gleich GmbH"));
        QCOMPARE(second, QString("Nächste"));
        QCOMPARE(f.prompter.prompts().size(), std::size_t(0));
    }
};

QTEST_MAIN(AddressFormTest)
#include "AddressFormTest.moc"
