// The reference lists and their forms as a user drives them from the menu:
// required fields and duplicates, an industry renamed and one refused for
// deletion, the streets following the selected place, a street added under
// a place and a place deleted with its streets.

#include "ModalDriver.h"
#include "ReferenceFixture.h"
#include "SortIndexes.h"
#include "reference/gui/PlaceLists.h"
#include "reference/gui/StreetList.h"

#include <QLabel>

using velkora::test::ReferenceFixture;
using velkora::test::whenModal;
namespace data = velkora::data;

namespace {

const char* const kStreets = "LIST";

QString focusName(QWidget* form) {
    return form->focusWidget() != nullptr ? form->focusWidget()->objectName() : QString();
}

} // namespace

class ReferenceListsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ReferenceFixture::closeWindows(); }

    void countryNeedsCodeAndNameAndAUniqueCode() {
        ReferenceFixture f;
        auto* list = f.open("qxLandList");
        QVERIFY(list);
        QCOMPARE(f.rows(list), 3);
        QVERIFY(!list->findChild<QPushButton*>("SELECT")->isEnabled()); // only when selecting
        bool ran = false;
        whenModal([&](QWidget* form) {
            QCOMPARE(form->objectName(), QString("LdUpdateWin"));
            QCOMPARE(form->windowTitle(), QString("* Adding a QXADRLND Record"));
            ReferenceFixture::click(form, "OK");
            QCOMPARE(focusName(form), QString("LND:LD"));
            ReferenceFixture::type(form, "LND:LD", "PL");
            ReferenceFixture::click(form, "OK");
            QCOMPARE(f.prompter.prompts().size(), std::size_t{2});
            QCOMPARE(QString::fromStdString(f.prompter.last().text),
                     QString("Bitte Länderkennzeichen und Ländername eingeben."));
            QCOMPARE(QString::fromStdString(f.prompter.last().caption), QString("Keine Daten"));
            QCOMPARE(f.prompter.beeps(), 2);
            QCOMPARE(focusName(form), QString("LND:LAND"));
            QVERIFY(form->isVisible());
            ReferenceFixture::type(form, "LND:LAND", "Polen");
            ReferenceFixture::type(form, "LND:VORWAHL", "0048");
            ReferenceFixture::click(form, "OK");
            ran = true;
        });
        ReferenceFixture::click(list, "INSERT");
        QVERIFY(ran);
        QCOMPARE(f.rows(list), 4);
        QCOMPARE(ReferenceFixture::selected(list, 0), QString("PL"));
        QCOMPARE(ReferenceFixture::selected(list, 2), QString("0048"));

        f.prompter.clear();
        whenModal([&](QWidget* form) {
            ReferenceFixture::type(form, "LND:LD", "d");
            ReferenceFixture::type(form, "LND:LAND", "Doppelt");
            ReferenceFixture::click(form, "OK");
            QCOMPARE(f.prompter.prompts().size(), std::size_t{1});
            QCOMPARE(QString::fromStdString(f.prompter.last().caption), QString("Duplicate Key Error"));
            QVERIFY(QString::fromStdString(f.prompter.last().text).startsWith("Ld|"));
            QVERIFY(form->isVisible());
            ReferenceFixture::click(form, "CANCEL");
        });
        ReferenceFixture::click(list, "INSERT");
        QCOMPARE(ReferenceFixture::count(data::files().QXADRLND), 4);
        list->close();
    }

    void renamingAnIndustryRenamesItInEveryAddress() {
        ReferenceFixture f;
        auto* list = f.open("qxBranchenListe");
        QVERIFY(list);
        QCOMPARE(ReferenceFixture::selected(list, 0), QString(" -"));
        whenModal([&](QWidget* form) {
            QCOMPARE(form->windowTitle(), QString("Branche bearbeiten"));
            QCOMPARE(ReferenceFixture::text(form, "BRA:BRANCHE"), QString(" -"));
            ReferenceFixture::type(form, "BRA:BRANCHE", "OHNE");
            ReferenceFixture::click(form, "OK");
        });
        ReferenceFixture::click(list, "CHANGE");
        QCOMPARE(ReferenceFixture::selected(list, 0), QString("OHNE"));
        const std::vector<std::string> expected{"OHNE", "EDV", "OHNE", "OHNE"};
        QCOMPARE(ReferenceFixture::addressIndustries(), expected);
        list->close();
    }

    void anIndustryInUseCannotBeDeleted() {
        ReferenceFixture f;
        auto* list = f.open("qxBranchenListe");
        QVERIFY(list);
        QTest::keyClick(ReferenceFixture::table(list), Qt::Key_Down);
        QCOMPARE(ReferenceFixture::selected(list, 0), QString("EDV"));
        f.prompter.setNextAnswer(velkora::ButtonOk); // StandardDelete
        ReferenceFixture::click(list, "DELETE");
        const auto& prompts = f.prompter.prompts();
        QCOMPARE(prompts.size(), std::size_t{3}); // confirm, refusal, retry question
        QCOMPARE(QString::fromStdString(prompts[1].text),
                 QString("QXADRESS|File has references on this record.|This record cannot be deleted while "
                         "these references exist."));
        QCOMPARE(QString::fromStdString(prompts[1].caption), QString("Referential Integrity Delete Error"));
        QCOMPARE(ReferenceFixture::count(data::files().QXADRBRA), 3);
        QCOMPARE(ReferenceFixture::addressIndustries()[1], std::string("EDV"));

        // An industry no address uses goes.
        f.prompter.clear();
        QTest::keyClick(ReferenceFixture::table(list), Qt::Key_Down);
        QCOMPARE(ReferenceFixture::selected(list, 0), QString("HANDEL"));
        f.prompter.setNextAnswer(velkora::ButtonOk);
        ReferenceFixture::click(list, "DELETE");
        QCOMPARE(f.prompter.prompts().size(), std::size_t{1});
        QCOMPARE(ReferenceFixture::count(data::files().QXADRBRA), 2);
        QCOMPARE(f.rows(list), 2);
        list->close();
    }

    void everyColumnSortsByAnIndexTheFileWasMadeWith() {
        ReferenceFixture f;
        using velkora::test::sortsWithoutIndex;
        namespace reference = velkora::reference;
        QCOMPARE(sortsWithoutIndex(reference::countryListDeclaration(), data::files().QXADRLND),
                 QStringList());
        QCOMPARE(sortsWithoutIndex(reference::industryListDeclaration(), data::files().QXADRBRA),
                 QStringList());
        for (const bool withStreets : {false, true})
            QCOMPARE(sortsWithoutIndex(reference::placeListDeclaration(withStreets), data::files().QXADRORT),
                     QStringList());
        QCOMPARE(sortsWithoutIndex(reference::streetListDeclaration(std::make_shared<std::string>("K1")),
                                   data::files().QXADRSTR),
                 QStringList());
    }

    void theStreetsFollowTheSelectedPlace() {
        ReferenceFixture f;
        auto* list = f.open("qxPLZListDEX");
        QVERIFY(list);
        QCOMPARE(ReferenceFixture::selected(list, 0), QString("D 10115"));
        QCOMPARE(ReferenceFixture::rows(list, kStreets), 3);
        QCOMPARE(ReferenceFixture::cell(list, 0, 0, kStreets), QString("Alexanderplatz"));

        ReferenceFixture::enter(list, "STR:STRASSE", "fried");
        QCOMPARE(ReferenceFixture::selected(list, 0, kStreets), QString("Friedrichstraße"));
        QCOMPARE(ReferenceFixture::selected(list, 1, kStreets), QString("10117"));
        QVERIFY(ReferenceFixture::table(list, kStreets)->hasFocus());

        ReferenceFixture::enter(list, "LS:SEARCHSTRING", "80331");
        QCOMPARE(ReferenceFixture::selected(list, 1), QString("München"));
        QCOMPARE(ReferenceFixture::rows(list, kStreets), 2);
        QCOMPARE(ReferenceFixture::cell(list, 0, 0, kStreets), QString("Kaufingerstraße"));

        // A place entered by hand has no key, so no streets belong to it.
        ReferenceFixture::enter(list, "LS:SEARCHSTRING", "D 99998");
        QCOMPARE(ReferenceFixture::selected(list, 1), QString("Handeingabe"));
        QCOMPARE(ReferenceFixture::rows(list, kStreets), 0);
        QVERIFY(!list->findChild<QPushButton*>("INSERT:2")->isEnabled());
        QVERIFY(!list->findChild<QPushButton*>("CHANGE:2")->isEnabled());
        QVERIFY(list->findChild<QPushButton*>("INSERT")->isEnabled());
        list->close();
    }

    void aStreetAddedUnderAPlaceBelongsToIt() {
        ReferenceFixture f;
        auto* list = f.open("qxPLZListDEX");
        QVERIFY(list);
        whenModal([&](QWidget* form) {
            QCOMPARE(form->objectName(), QString("StrUpdateWin"));
            QCOMPARE(ReferenceFixture::text(form, "STR:LD"), QString("D"));
            QCOMPARE(ReferenceFixture::text(form, "STR:PLZ"), QString("10115"));
            QVERIFY(form->findChild<QWidget*>("STR:OKEY") == nullptr);
            ReferenceFixture::type(form, "STR:PLZ", "");
            ReferenceFixture::click(form, "OK");
            QCOMPARE(QString::fromStdString(f.prompter.last().text),
                     QString("Bitte Postleitzahl und Ort eingeben."));
            QCOMPARE(focusName(form), QString("STR:PLZ"));
            ReferenceFixture::type(form, "STR:PLZ", "10117");
            ReferenceFixture::type(form, "STR:STRASSE", "Unter den Linden");
            ReferenceFixture::click(form, "OK");
        });
        ReferenceFixture::click(list, "INSERT:2");
        QCOMPARE(ReferenceFixture::rows(list, kStreets), 4);
        QCOMPARE(ReferenceFixture::selected(list, 0, kStreets), QString("Unter den Linden"));
        QCOMPARE(data::files().QXADRSTR.rec.OKEY, std::string("B001"));
        list->close();
    }

    void deletingAPlaceDeletesItsStreets() {
        ReferenceFixture f;
        auto* list = f.open("qxPLZListDEX");
        QVERIFY(list);
        QCOMPARE(ReferenceFixture::selected(list, 1), QString("Berlin"));
        f.prompter.setNextAnswer(velkora::ButtonOk);
        ReferenceFixture::click(list, "DELETE");
        QCOMPARE(ReferenceFixture::count(data::files().QXADRORT), 3);
        QCOMPARE(ReferenceFixture::count(data::files().QXADRSTR), 2); // München's
        QCOMPARE(ReferenceFixture::selected(list, 1), QString("Köln"));
        QCOMPARE(ReferenceFixture::rows(list, kStreets), 0);
        list->close();
    }

    void placeFormLooksTheCountryUp() {
        ReferenceFixture f;
        auto* list = f.open("qxPLZListSTD");
        QVERIFY(list);
        QCOMPARE(ReferenceFixture::cell(list, 2, 3), QString("80001")); // München's PO box code
        whenModal([&](QWidget* form) {
            QCOMPARE(form->windowTitle(), QString("* Adding a QXADRORT Record"));
            QCOMPARE(ReferenceFixture::text(form, "ORT:LD"), QString("D"));
            auto* name = form->findChild<QLabel*>("LS:LANDNAME");
            QCOMPARE(name->text(), QString("Deutschland"));
            ReferenceFixture::type(form, "ORT:LD", "XX", ReferenceFixture::Tab);
            QCOMPARE(name->text(), QString());
            ReferenceFixture::type(form, "ORT:LD", "a", ReferenceFixture::Tab);
            QCOMPARE(ReferenceFixture::text(form, "ORT:LD"), QString("A")); // as the table spells it
            QCOMPARE(name->text(), QString("Österreich"));
            whenModal([&](QWidget* countries) {
                QVERIFY(countries->findChild<QPushButton*>("SELECT")->isEnabled());
                ReferenceFixture::enter(countries, "LS:SEARCHSTRING", "ch");
                ReferenceFixture::click(countries, "SELECT");
            });
            ReferenceFixture::click(form, "LDBUTTON");
            QCOMPARE(ReferenceFixture::text(form, "ORT:LD"), QString("CH"));
            QCOMPARE(name->text(), QString("Schweiz"));
            ReferenceFixture::click(form, "OK"); // no place name
            QCOMPARE(focusName(form), QString("ORT:ORT"));
            ReferenceFixture::type(form, "ORT:PLZ", "8001");
            ReferenceFixture::type(form, "ORT:ORT", "Zürich");
            ReferenceFixture::click(form, "OK");
        });
        ReferenceFixture::click(list, "INSERT");
        QCOMPARE(ReferenceFixture::selected(list, 0), QString("CH 8001"));
        QCOMPARE(ReferenceFixture::selected(list, 1), QString("Zürich"));
        list->close();
    }

    void theListsOpenAgainForEveryCommand() {
        ReferenceFixture f;
        auto* first = f.open("qxLandList");
        auto* second = f.open("qxLandList");
        QVERIFY(first && second && first != second);
        first->close();
        second->close();
    }
};

QTEST_MAIN(ReferenceListsTest)
#include "ReferenceListsTest.moc"
