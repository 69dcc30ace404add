// The contact list driven as a user drives it: following the address list,
// the "AllAdress" switch, New/Change/Delete through a stand-in contact form,
// sorting and locating by telephone number, and dialling through a
// recording dialler in the program folder.

#include "../../i18n/MemoryTranslationTable.h"
#include "../forms/FormFixture.h"
#include "ContactListFixture.h"
#include "SortIndexes.h"
#include "addresses/TkpExchange.h"
#include "addresses/contacts/ContactList.h"
#include "addresses/forms/AddressForms.h"
#include "addresses/gui/AdrListWin.h"
#include "addresses/gui/AlarmWin.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "ui/browse/FormRequest.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <chrono>
#include <future>
#include <sqlite3.h>
#include <thread>

using velkora::test::ContactListFixture;
using velkora::test::ContactSpec;
namespace addresses = velkora::addresses;
namespace app = velkora::app;
namespace browse = velkora::browse;
namespace data = velkora::data;
using velkora::appState;

namespace {

enum DisplayColumn { Name = 0, Tel = 2, Kind = 5, AdrNr = 7, TkpNr = 8 };

// Two addresses with their contacts.
void addTwoAddresses(ContactListFixture& f) {
    f.addAddress(1, "Alpha GmbH", "München");
    f.addAddress(2, "Beta AG", "Berlin");
    f.addContacts({{1, 1, "Adam", "089 1"}, {1, 2, "Anna", ""}, {2, 1, "Bernd", "030 2"}});
}

// The contact stored with these numbers, read afresh.
std::optional<data::ContactPerson> stored(int adrnr, int tkpnr) {
    data::File<data::ContactPerson> tkp;
    if (tkp.open() != 0)
        return std::nullopt;
    tkp.rec.ADRNR = adrnr;
    tkp.rec.TKPNR = tkpnr;
    if (tkp.get(*data::ContactPerson::table().key("QXADRTK1")) != 0)
        return std::nullopt;
    return tkp.rec;
}

QString dialled(const ContactListFixture& f) {
    return QString::fromStdString(velkora::test::readFile(f.dir.file("dialled")));
}

} // namespace

class TKPListWinTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        addresses::registerAddressWindows();
        addresses::registerContactWindows();
    }
    void cleanup() {
        browse::unregisterForm("qxUpdateTKP");
        addresses::closeAlarm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void everyColumnSortsByAnIndexTheFileWasMadeWith() {
        ContactListFixture f;
        addTwoAddresses(f);
        QCOMPARE(velkora::test::sortsWithoutIndex(
                     addresses::contactListDeclaration({"Geschäftlich"}, nullptr), data::files().QXADRTKP),
                 QStringList());
    }

    void opensOnAllContactsWithoutASelectedAddress() {
        ContactListFixture f;
        addTwoAddresses(f);
        appState().ADRNR = 0;
        QVERIFY(f.openWindow());
        QCOMPARE(f.control<QTabWidget>("CURRENTTAB")->currentWidget()->objectName(), QString("TAB:ALL"));
        QVERIFY(f.control<QCheckBox>("LN:ALLADRESS")->isChecked());
        QVERIFY(!f.control("INSERT:2")->isEnabled());
        QCOMPARE(f.window->windowTitle(), QString("Kontaktpersonen"));
        QCOMPARE(f.rows(), 3);
    }

    void followsTheAddressListWhileAllAdressIsOff() {
        ContactListFixture f;
        addTwoAddresses(f);
        // Both windows as the frame starts them; the address list sorted by number.
        auto* adrList = qobject_cast<addresses::AdrListWin*>(app::openWindow(app::procedures::AddressList));
        QVERIFY(adrList);
        QVERIFY(velkora::test::showForKeys(adrList));
        adrList->sortBy(12);
        QCOMPARE(appState().ADRNR, 1);
        auto* contacts = qobject_cast<addresses::TKPListWin*>(app::openWindow(app::procedures::ContactList));
        QVERIFY(contacts);
        QVERIFY(velkora::test::showForKeys(contacts));
        const auto names = [contacts] {
            QStringList out;
            auto* model = contacts->list()->table()->model();
            for (int r = 0; r < model->rowCount(); ++r)
                out << model->index(r, Name).data().toString().trimmed();
            return out;
        };
        QCOMPARE(contacts->findChild<QTabWidget*>("CURRENTTAB")->currentWidget()->objectName(),
                 QString("TAB:ADR"));
        QCOMPARE(contacts->windowTitle(), QString("Kontaktpersonen [Alpha GmbH , D 80331 München]"));
        QCOMPARE(names(), QStringList({"Adam", "Anna"}));
        QVERIFY(contacts->findChild<QWidget*>("INSERT:2")->isEnabled());

        // The user moves on in the address list: the contacts follow.
        adrList->activateWindow();
        QTest::keyClick(adrList->list()->table(), Qt::Key_Down);
        QCOMPARE(appState().ADRNR, 2);
        QTRY_COMPARE(names(), QStringList({"Bernd"}));
        QCOMPARE(contacts->shownAddress(), 2);
        QCOMPARE(contacts->windowTitle(), QString("Kontaktpersonen [Beta AG , D 80331 Berlin]"));

        // With "AllAdress" set the list shows everybody and stays put.
        QTest::mouseClick(contacts->findChild<QCheckBox*>("LN:ALLADRESS"), Qt::LeftButton);
        QCOMPARE(names(), QStringList({"Adam", "Anna", "Bernd"}));
        QCOMPARE(contacts->windowTitle(), QString("Kontaktpersonen"));
        QTest::keyClick(adrList->list()->table(), Qt::Key_Up);
        QCOMPARE(appState().ADRNR, 1);
        QCoreApplication::processEvents();
        QCOMPARE(contacts->shownAddress(), 2);
        QCOMPARE(names(), QStringList({"Adam", "Anna", "Bernd"}));

        // Cleared again, it takes up the address selected now.
        QTest::mouseClick(contacts->findChild<QCheckBox*>("LN:ALLADRESS"), Qt::LeftButton);
        QCOMPARE(contacts->shownAddress(), 1);
        QCOMPARE(names(), QStringList({"Adam", "Anna"}));
        contacts->close();
        adrList->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Until the user sorts by a column, each tab shows its key's order: by
    // kind and number for one address, by kind and name for all of them.
    void startsInTheOrderOfTheTabsKey() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "München");
        f.addAddress(2, "Beta AG", "Berlin");
        f.addContacts({{1, 1, "Zeta", "", 2},
                       {1, 2, "Adam", "", 1},
                       {1, 3, "Berta", "", 2},
                       {1, 4, "Cem", "", 1},
                       {2, 1, "Anton", "", 2},
                       {2, 2, "Xaver", "", 1}});
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QCOMPARE(f.column(Name), QStringList({"Adam", "Cem", "Zeta", "Berta"}));
        QVERIFY(!f.headerText(Name).startsWith('>'));
        QCOMPARE(f.control<QLabel>("LS:SEARCHPROMPT")->text(), QString("K-Art:"));
        QTest::mouseClick(f.control<QCheckBox>("LN:ALLADRESS"), Qt::LeftButton);
        QCOMPARE(f.column(Name), QStringList({"Adam", "Cem", "Xaver", "Anton", "Berta", "Zeta"}));
        QTest::keyClicks(f.list(), "pr"); // the kind locates
        QTRY_COMPARE(f.selectedText(Name).trimmed(), QString("Anton"));
        // A header click sorts by that column, here and after the next opening.
        f.clickHeader(Name);
        QCOMPARE(f.column(Name), QStringList({"Adam", "Anton", "Berta", "Cem", "Xaver", "Zeta"}));
        f.closeWindow();
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QCOMPARE(f.column(Name), QStringList({"Adam", "Berta", "Cem", "Zeta"}));
    }

    // Translated texts are longer than the designed ones: the window never
    // gets narrower than its translated controls need.
    void theTranslatedAllAdressShowsInFullAtTheSmallestWidth() {
        velkora::test::MemoryTranslations mem;
        mem.put("P.12_ALLADRESS", "Alle Adressen");
        ContactListFixture f;
        addTwoAddresses(f);
        QVERIFY(f.openWindow());
        auto* all = f.control<QCheckBox>("LN:ALLADRESS");
        QCOMPARE(all->text(), QString("Alle Adressen"));
        f.window->resize(f.window->minimumSize());
        QCoreApplication::processEvents();
        QVERIFY2(all->width() >= all->sizeHint().width(),
                 qPrintable(QString("%1 < %2").arg(all->width()).arg(all->sizeHint().width())));
    }

    void publishesTheSelectedContact() {
        ContactListFixture f;
        addTwoAddresses(f);
        appState().ADRNR = 0;
        QVERIFY(f.openWindow());
        QTest::keyClick(f.list(), Qt::Key_End);
        // On the all tab the active list publishes the contact's address too.
        QCOMPARE(f.selectedText(Name).trimmed(), QString("Bernd"));
        QCOMPARE(appState().ADRNR, 2);
        QCOMPARE(appState().TKPNR, 1);
        QVERIFY(f.control("INSERT:2")->isEnabled());
    }

    void computedColumnsAndTheKindLocator() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "München");
        f.addAddress(2, "Beta AG", "Berlin");
        f.addContacts({{1, 1, "Berger", "", 2, "", "Frau"},
                       {1, 2, "Adler", "", 1},
                       {1, 3, "Cäsar", "", 7},
                       {2, 1, "Dora"}});
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        f.clickHeader(Kind);
        QCOMPARE(f.column(Kind), QStringList({"Geschäftlich", "Privat", ""}));
        QCOMPARE(f.cell(1, Name), QString("Berger , Frau"));
        QTest::keyClicks(f.list(), "pr");
        QTRY_COMPARE(f.selectedText(Name), QString("Berger , Frau"));
        // Sorted by a number column the list still shows one address only.
        f.clickHeader(AdrNr);
        QCOMPARE(f.column(AdrNr), QStringList({"1", "1", "1"}));
        f.clickHeader(TkpNr);
        f.clickHeader(TkpNr);
        QCOMPARE(f.column(TkpNr), QStringList({"3", "2", "1"}));
    }

    void aNewContactGetsTheNextNumberOfItsAddress() {
        ContactListFixture f;
        f.addAddress(7, "Sieben KG", "Ulm");
        f.addAddress(8, "Acht OHG", "Ulm");
        f.addContacts({{7, 1, "Eins"}, {7, 3, "Drei"}, {7, 2, "Zwei"}, {9, 5, "Fremd"}});
        std::vector<data::ContactPerson> primed;
        browse::registerForm("qxUpdateTKP", [&](int request) {
            primed.push_back(addresses::TkpExchange());
            if (request != browse::InsertRecord)
                return int(browse::RequestCancelled);
            addresses::TkpExchange().NAME1 = "Neu " + std::to_string(primed.size());
            addresses::TkpExchange().TEL = "(089) 12 34-56";
            // The first save goes on to the next new contact (toolbar "next").
            browse::formExchange().navigation = primed.size() == 1 ? 2008 : 0;
            return int(browse::RequestCompleted);
        });
        appState().ADRNR = 7;
        QVERIFY(f.openWindow());
        QTest::mouseClick(f.control("INSERT:2"), Qt::LeftButton);
        QCOMPARE(primed.size(), std::size_t{2});
        QCOMPARE(primed[0].ADRNR, 7);
        QCOMPARE(primed[0].TKPNR, 0);
        QCOMPARE(primed[1].NAME1, std::string()); // a cleared contact
        QCOMPARE(primed[1].ADRNR, 7);
        const auto fourth = stored(7, 4);
        QVERIFY(fourth);
        QCOMPARE(fourth->NAME1, std::string("Neu 1"));
        QCOMPARE(fourth->TFX, std::string("089123456"));
        QCOMPARE(stored(7, 5)->NAME1, std::string("Neu 2"));
        QCOMPARE(f.selectedText(Name).trimmed(), QString("Neu 2"));

        // The first contact of an address gets 1.
        appState().ADRNR = 8;
        QCoreApplication::postEvent(f.window.get(), new QEvent(app::RefreshEvent));
        QTRY_COMPARE(f.window->shownAddress(), 8);
        QCOMPARE(f.rows(), 0);
        QTest::keyClick(f.list(), Qt::Key_Insert);
        QCOMPARE(stored(8, 1)->NAME1, std::string("Neu 3"));
        QCOMPARE(f.rows(), 1);
    }

    void aContactThatCouldNotBeAddedIsTriedOnceMoreAfterTheWarning() {
        ContactListFixture f;
        addTwoAddresses(f);
        browse::registerForm("qxUpdateTKP", [](int request) {
            if (request != browse::InsertRecord)
                return int(browse::RequestCancelled);
            addresses::TkpExchange().NAME1 = "Später";
            return int(browse::RequestCompleted);
        });
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        // Another program holds the contact file for three seconds; the first
        // try to add gives up after two, the one after the warning gets through.
        std::promise<bool> held;
        std::thread peer([file = data::files().QXADRTKP.diskName(), &held] {
            sqlite3* db = nullptr;
            sqlite3_open(file.c_str(), &db);
            held.set_value(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK);
            std::this_thread::sleep_for(std::chrono::seconds(3));
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(db);
        });
        QVERIFY(held.get_future().get());
        f.prompter.setNextAnswer(velkora::ButtonOk);
        QTest::mouseClick(f.control("INSERT:2"), Qt::LeftButton);
        peer.join();
        QCOMPARE(f.prompter.prompts().size(), std::size_t{1});
        QVERIFY(f.prompter.last().text.find("An error was experienced during the update of this record.") !=
                std::string::npos);
        const auto added = stored(1, 3);
        QVERIFY(added);
        QCOMPARE(added->NAME1, std::string("Später"));
    }

    void theContactFormsValuesAreStored() {
        ContactListFixture f;
        addTwoAddresses(f);
        addresses::registerAddressForms();
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        velkora::test::whenModal([](QWidget* form) {
            QTest::keyClicks(form->findChild<QLineEdit*>("LOC:NAME1"), "Clara");
            QTest::keyClicks(form->findChild<QLineEdit*>("LOC:TEL"), "0711 / 55 66");
            QTest::mouseClick(form->findChild<QPushButton*>("OKBUTTON"), Qt::LeftButton);
        });
        QTest::mouseClick(f.control("INSERT:2"), Qt::LeftButton);
        const auto clara = stored(1, 3);
        QVERIFY(clara);
        QCOMPARE(clara->NAME1, std::string("Clara"));
        QCOMPARE(clara->TEL, std::string("0711 / 55 66"));
        QCOMPARE(clara->TFX, std::string("07115566"));
        QVERIFY(clara->ADATUM != 0);
        QCOMPARE(f.selectedText(Name).trimmed(), QString("Clara"));
        QCOMPARE(appState().TKPNR, 3);
    }

    void changeWritesTheFormsValuesOverTheStoredContact() {
        ContactListFixture f;
        addTwoAddresses(f);
        browse::registerForm("qxUpdateTKP", [](int request) {
            if (request != browse::ChangeRecord)
                return int(browse::RequestCancelled);
            addresses::TkpExchange().NAME1 = "Adam Neu";
            addresses::TkpExchange().TEL = "+49 89 1";
            return int(browse::RequestCompleted);
        });
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QTest::keyClick(f.list(), Qt::Key_Home);
        QTest::mouseClick(f.control("CHANGE:2"), Qt::LeftButton);
        QCOMPARE(stored(1, 1)->NAME1, std::string("Adam Neu"));
        QCOMPARE(stored(1, 1)->TFX, std::string("49891"));
        QCOMPARE(f.selectedText(Name).trimmed(), QString("Adam Neu"));
        QVERIFY(f.prompter.prompts().empty());
    }

    void mailAndDialButtonsFollowWhatTheFormEntered() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "München");
        f.addContacts({{1, 1, "Anna"}});
        browse::registerForm("qxUpdateTKP", [](int) {
            addresses::TkpExchange().EMAIL = "anna@example.de";
            addresses::TkpExchange().TEL = "089 1";
            return int(browse::RequestCompleted);
        });
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QVERIFY(!f.control("EMAILBUTTON")->isEnabled());
        QVERIFY(!f.control("TAPIBUTTON")->isEnabled());
        QTest::mouseClick(f.control("CHANGE:2"), Qt::LeftButton);
        QVERIFY(f.control("EMAILBUTTON")->isEnabled());
        QVERIFY(f.control("TAPIBUTTON")->isEnabled());
    }

    void aFailedWriteIsTriedAgainOnYes() {
        ContactListFixture f;
        addTwoAddresses(f);
        // Another station keeps the contact file locked until the user is asked.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(f.dir.file("DATA/QXADRTKP.TPS").c_str(), &other), SQLITE_OK);
        struct ReleasingPrompter : velkora::test::ScriptedPrompter {
            sqlite3* lock = nullptr;
            unsigned ask(const velkora::Prompt& prompt) override {
                sqlite3_exec(lock, "COMMIT", nullptr, nullptr, nullptr);
                return ScriptedPrompter::ask(prompt);
            }
        } prompter;
        prompter.lock = other;
        prompter.setNextAnswer(velkora::ButtonYes);
        browse::registerForm("qxUpdateTKP", [other](int) {
            sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
            addresses::TkpExchange().NAME1 = "Adam Neu";
            return int(browse::RequestCompleted);
        });
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QTest::mouseClick(f.control("CHANGE:2"), Qt::LeftButton);
        sqlite3_close(other);
        QCOMPARE(prompter.prompts().size(), std::size_t{1});
        QCOMPARE(prompter.last().caption, std::string("Record Update Error"));
        QCOMPARE(prompter.beeps(), 1);
        QCOMPARE(stored(1, 1)->NAME1, std::string("Adam Neu"));
        QCOMPARE(f.selectedText(Name).trimmed(), QString("Adam Neu"));
    }

    void aContactGoneMeanwhileIsNotWrittenAgain() {
        ContactListFixture f;
        addTwoAddresses(f);
        browse::registerForm("qxUpdateTKP", [](int) {
            // Another station deletes the contact while the form is open.
            data::File<data::ContactPerson> other;
            other.open();
            other.rec.ADRNR = 1;
            other.rec.TKPNR = 1;
            other.get(*data::ContactPerson::table().key("QXADRTK1"));
            other.erase();
            addresses::TkpExchange().NAME1 = "Adam Neu";
            return int(browse::RequestCompleted);
        });
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QTest::keyClick(f.list(), Qt::Key_Home);
        QTest::mouseClick(f.control("CHANGE:2"), Qt::LeftButton);
        QCOMPARE(f.prompter.prompts().size(), std::size_t{1});
        QCOMPARE(f.prompter.last().caption, std::string("Record Retrieval Error"));
        QVERIFY(!stored(1, 1));
        QCOMPARE(f.column(Name), QStringList({"Anna"}));
    }

    void deleteAsksAndDeletesTheSelectedContact() {
        ContactListFixture f;
        addTwoAddresses(f);
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QTest::keyClick(f.list(), Qt::Key_End);
        QCOMPARE(appState().TKPNR, 2);
        f.prompter.setNextAnswer(velkora::ButtonCancel);
        QTest::mouseClick(f.control("DELETE:2"), Qt::LeftButton);
        QCOMPARE(f.prompter.last().caption, std::string("Confirm Delete"));
        QVERIFY(stored(1, 2));
        f.prompter.setNextAnswer(velkora::ButtonOk);
        QTest::keyClick(f.list(), Qt::Key_Delete);
        QCOMPARE(f.prompter.prompts().size(), std::size_t{2});
        QVERIFY(!stored(1, 2));
        QCOMPARE(f.column(Name), QStringList({"Adam"}));
        QCOMPARE(appState().TKPNR, 1);
        QVERIFY(stored(2, 1)); // the other address keeps its contact
    }

    void theTelephoneColumnSortsAndLocatesByTheDigits() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "München");
        f.addContacts({{1, 1, "Eins", "089 1234"},
                       {1, 2, "Zwei", "+49 89 1234"},
                       {1, 3, "Drei", "030/1111"},
                       {1, 4, "Vier", "(089) 12-34"},
                       {1, 5, "Fünf", "0891 2"}});
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        f.clickHeader(Tel);
        const QStringList order = f.column(Name);
        QCOMPARE(order.mid(0, 2), QStringList({"Drei", "Fünf"}));
        // The same digits written differently stand together.
        QCOMPARE(QSet<QString>({order[2], order[3]}), QSet<QString>({"Eins", "Vier"}));
        QCOMPARE(order[4], QString("Zwei"));
        // Any notation of a number finds it.
        auto* entry = f.control<QLineEdit>("LS:SEARCHSTRING");
        entry->setText("0 8 9 - 1 2 3");
        QTest::keyClick(entry, Qt::Key_Return);
        QVERIFY(f.selectedText(Name).trimmed() == "Eins" || f.selectedText(Name).trimmed() == "Vier");
        entry->setText("+49 (89)");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(f.selectedText(Name).trimmed(), QString("Zwei"));
    }

    void dialsWithThePrefixInQuotes() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "München");
        f.addContacts({{1, 1, "Adam", "089 1234  "}, {1, 2, "Berta", ""}});
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QTest::keyClick(f.list(), Qt::Key_Home);
        auto* button = f.control<QPushButton>("TAPIBUTTON");
        QVERIFY(button->isVisible());
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE(dialled(f), QString("1\n\"0089 1234\"\n"));
        QVERIFY(f.list()->hasFocus() || f.table()->hasFocus());
        QTest::keyClick(f.list(), Qt::Key_Down);
        QVERIFY(!button->isEnabled()); // no number to dial
    }

    void anInternationalNumberGetsNoOutsideLinePrefix() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "Wien");
        f.addContacts({{1, 1, "Adam", "+43 1 8654281"}, {1, 2, "Berta", "0049 89 12345"}});
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QTest::keyClick(f.list(), Qt::Key_Home);
        QTest::mouseClick(f.control("TAPIBUTTON"), Qt::LeftButton);
        QTRY_COMPARE(dialled(f), QString("1\n\"+43 1 8654281\"\n"));
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::mouseClick(f.control("TAPIBUTTON"), Qt::LeftButton);
        QTRY_COMPARE(dialled(f), QString("1\n\"+49 89 12345\"\n"));
    }

    void aDiallingThatFailsIsToldInABox() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "Wien");
        f.addContacts({{1, 1, "Adam", "+43 1 8654281"}});
        // The real dialler, on a desktop without a program for tel: links.
        std::filesystem::copy_file(VELKORA_DIAL_PROGRAM, f.dir.file("velkora-dial"),
                                   std::filesystem::copy_options::overwrite_existing);
        const std::string opener =
            f.dir.write("bin/xdg-open",
                        "#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n");
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(f.dir.file("bin")) + ":" + path);
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QTest::mouseClick(f.control("TAPIBUTTON"), Qt::LeftButton);
        QTRY_COMPARE(f.prompter.prompts().size(), std::size_t{1});
        qputenv("PATH", path);
        QCOMPARE(QString::fromStdString(f.prompter.last().text),
                 QString("xdg-open: no method available for opening 'tel:+4318654281'|"
                         "Die Rufnummer +43 1 8654281 wurde nicht gewählt (xdg-open: 3).|"
                         "Ist für tel:-Verweise ein Telefonieprogramm eingerichtet?"));
        QCOMPARE(QString::fromStdString(f.prompter.last().caption), QString("velkora-dial"));
        QVERIFY(f.prompter.last().icon == velkora::Icon::Exclamation);
    }

    void aMissingDiallerIsToldInABox() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "München");
        f.addContacts({{1, 1, "Adam", "089 1234"}});
        std::filesystem::remove(f.dir.file("velkora-dial"));
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QTest::mouseClick(f.control("TAPIBUTTON"), Qt::LeftButton);
        QTRY_COMPARE(f.prompter.prompts().size(), std::size_t{1});
        QVERIFY(f.prompter.last().text.starts_with("Das Wählprogramm kann nicht gestartet werden:|"));
    }

    void aHostileNumberReachesTheDiallerAsText() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "München");
        f.addContacts({{1, 1, "Mallory", "0\" ; touch pwned ; \""}});
        const QString before = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(f.dir.str()));
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QTest::mouseClick(f.control("TAPIBUTTON"), Qt::LeftButton);
        QTRY_COMPARE(dialled(f), QString("1\n\"00\" ; touch pwned ; \"\"\n"));
        QTest::qWait(50);
        QVERIFY(!std::filesystem::exists(f.dir.file("pwned")));
        QDir::setCurrent(before);
    }

    void withoutDiallingTheButtonIsHidden() {
        ContactListFixture f("TAPIDialing=0\nDialPrefix=0\n");
        f.addAddress(1, "Alpha GmbH", "München");
        f.addContacts({{1, 1, "Adam", "089 1234"}});
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        QVERIFY(f.control("TAPIBUTTON")->isHidden());
    }

    void theMailButtonAndTheAlarm() {
        ContactListFixture f;
        f.addAddress(1, "Alpha GmbH", "München");
        f.addContacts({{1, 1, "Adam", "", 0, "adam@example.org", "", "1", "Rückruf erbeten"},
                       {1, 2, "Berta", "", 0, "", "", "", ""}});
        appState().ADRNR = 1;
        QVERIFY(f.openWindow());
        auto* mail = f.control<QPushButton>("EMAILBUTTON");
        QVERIFY(mail->isEnabled());
        // This program has no e-mail window registered: the button says so.
        QTest::mouseClick(mail, Qt::LeftButton);
        QCOMPARE(f.prompter.last().caption, std::string("Procedure not defined"));
        QTest::keyClick(f.list(), Qt::Key_Down);
        QVERIFY(!mail->isEnabled());
        QVERIFY(!app::runningWindow(app::procedures::Alarm));
        // Moving onto a contact with an alarm shows its remark.
        QTest::keyClick(f.list(), Qt::Key_Up);
        QVERIFY(app::runningWindow(app::procedures::Alarm));
        QCOMPARE(addresses::alarmText(), std::string("Rückruf erbeten"));
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTRY_VERIFY(!app::runningWindow(app::procedures::Alarm));
    }
};

QTEST_MAIN(TKPListWinTest)
#include "TKPListWinTest.moc"
