// The contact form on its own: what it shows of TkpExchange, what it hands
// back, its validation, the alarm rule, the recent positions and the
// salutation drop-down.

#include "FormFixture.h"
#include "addresses/TkpExchange.h"
#include "addresses/forms/SalutationCombo.h"
#include "shared/ProfileFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace velkora;
using velkora::addresses::TkpExchange;
using velkora::test::field;
using velkora::test::FormFixture;
using velkora::test::retype;
using velkora::test::whenModal;

namespace {

data::ContactPerson someContact() {
    data::ContactPerson c;
    c.ADRNR = 7;
    c.TKPNR = 3;
    c.KTART = 3;
    c.NAME0 = "Herr";
    c.NAME1 = "Berger";
    c.NAME2 = "Jonas";
    c.TEL = "089 1234";
    c.BDD = 29;
    c.BMM = 2;
    c.BYY = 1980;
    c.ZUSATZ = "Haus 2";
    c.MEMO = "Notiz";
    c.ADATUM = 5;
    c.AUHR = "07:00";
    return c;
}

void clickOk(QWidget* form) {
    QTest::mouseClick(field<QPushButton>(form, "OKBUTTON"), Qt::LeftButton);
}

} // namespace

class ContactFormTest : public QObject {
    Q_OBJECT
private slots:
    void changeShowsTheContactAndHandsItBackStamped() {
        FormFixture f;
        TkpExchange() = someContact();
        QString shownKind, shownBirthday, title;
        whenModal([&](QWidget* form) {
            title = form->windowTitle();
            shownKind = field<QComboBox>(form, "LOC:KTART")->currentText();
            shownBirthday = field(form, "LOC:BDATUM")->text();
            QCOMPARE(field(form, "LOC:NAME1")->text(), QString("Berger"));
            QCOMPARE(field(form, "LOC:TEL")->text(), QString("089 1234"));
            retype(field(form, "LOC:FAX"), "  089 9999  ");
            retype(field(form, "LOC:BDATUM"), "3.4.1981");
            clickOk(form);
        });
        QCOMPARE(browse::callForm("qxUpdateTKP", browse::ChangeRecord), int(browse::RequestCompleted));
        QCOMPARE(title, QString("Kontaktperson"));
        QCOMPARE(shownKind, QString("Einkauf"));
        QCOMPARE(shownBirthday, QString("29.02.1980"));
        const data::ContactPerson& c = TkpExchange();
        QCOMPARE(c.FAX, std::string("089 9999"));
        QCOMPARE(int(c.BDD), 3);
        QCOMPARE(int(c.BMM), 4);
        QCOMPARE(int(c.BYY), 1981);
        QCOMPARE(c.AUSER, std::string("mmuster"));
        QCOMPARE(c.ADATUM, dayNumber({2025, 3, 14}));
        QCOMPARE(c.AUHR, std::string("09:30"));
        QCOMPARE(c.TKPNR, 3);
        QCOMPARE(c.ADRNR, 7);
        QCOMPARE(c.MEMO, std::string("Notiz"));
        QCOMPARE(int(c.KTART), 3);
    }

    void aBirthdayWithoutYearSurvivesASave() {
        FormFixture f;
        TkpExchange() = someContact();
        TkpExchange().BDD = 12;
        TkpExchange().BMM = 5;
        TkpExchange().BYY = 0;
        whenModal([&](QWidget* form) { clickOk(form); });
        QCOMPARE(browse::callForm("qxUpdateTKP", browse::ChangeRecord), int(browse::RequestCompleted));
        QCOMPARE(int(TkpExchange().BDD), 12);
        QCOMPARE(int(TkpExchange().BMM), 5);
    }

    void insertIsMarkedAndStartsOnTheDefaultKind() {
        FormFixture f;
        TkpExchange() = {};
        TkpExchange().NAME1 = "Firma";
        QString title, kind, date, time;
        whenModal([&](QWidget* form) {
            title = form->windowTitle();
            kind = field<QComboBox>(form, "LOC:KTART")->currentText();
            date = field(form, "LOC:ADATUM")->text();
            time = field(form, "LOC:AUHR")->text();
            clickOk(form);
        });
        QCOMPARE(browse::callForm("qxUpdateTKP", browse::InsertRecord), int(browse::RequestCompleted));
        QCOMPARE(title, QString("* Kontaktperson"));
        QCOMPARE(kind, QString("Vertrieb"));
        QCOMPARE(date, QString("14.03.2025"));
        QCOMPARE(time, QString("09:30"));
        QCOMPARE(int(TkpExchange().KTART), 2);
        QCOMPARE(TkpExchange().NAME1, std::string("Firma"));
    }

    void aContactNeedsANameOrANumber() {
        FormFixture f;
        TkpExchange() = {};
        bool stayed = false, nameFocused = false;
        whenModal([&](QWidget* form) {
            clickOk(form);
            stayed = form->isVisible();
            nameFocused = form->focusWidget() == field(form, "LOC:NAME1");
            QTest::keyClicks(field(form, "LOC:EMAIL"), "info@example.de");
            clickOk(form);
        });
        QCOMPARE(browse::callForm("qxUpdateTKP", browse::InsertRecord), int(browse::RequestCompleted));
        QVERIFY(stayed);
        QVERIFY(nameFocused);
        QCOMPARE(f.prompter.prompts().size(), std::size_t(1));
        QCOMPARE(f.prompter.last().icon, Icon::Exclamation);
        QVERIFY(f.prompter.last().text.find("No TKP-Data") != std::string::npos);
        QCOMPARE(f.prompter.beeps(), 1);
        QCOMPARE(TkpExchange().EMAIL, std::string("info@example.de"));
    }

    void anAlarmWithoutARemarkIsDropped_data() {
        QTest::addColumn<QString>("remark");
        QTest::addColumn<QString>("alarm");
        QTest::newRow("no remark") << QString() << QString();
        QTest::newRow("remark") << QString("Rückruf") << QString("1");
    }
    void anAlarmWithoutARemarkIsDropped() {
        QFETCH(QString, remark);
        QFETCH(QString, alarm);
        FormFixture f;
        TkpExchange() = someContact();
        whenModal([&](QWidget* form) {
            field<QCheckBox>(form, "LOC:ALARM")->setChecked(true);
            retype(field(form, "LOC:BEMERKUNG"), remark);
            clickOk(form);
        });
        browse::callForm("qxUpdateTKP", browse::ChangeRecord);
        QCOMPARE(QString::fromStdString(TkpExchange().ALARM), alarm);
    }

    void cancelLeavesTheExchangeAlone() {
        FormFixture f;
        TkpExchange() = someContact();
        whenModal([&](QWidget* form) {
            retype(field(form, "LOC:NAME1"), "Anders");
            QTest::mouseClick(field<QPushButton>(form, "CANCELBUTTON"), Qt::LeftButton);
        });
        QCOMPARE(browse::callForm("qxUpdateTKP", browse::ChangeRecord), int(browse::RequestCancelled));
        QCOMPARE(TkpExchange().NAME1, std::string("Berger"));
        QCOMPARE(TkpExchange().ADATUM, 5);
    }

    void aNewPositionLeadsTheRecentList() {
        FormFixture f;
        const std::string ini = appState().WORKINI;
        for (int n = 1; n <= 9; ++n)
            profile::write(ini, "TKPABTPOS", "AbtPos" + std::to_string(n), "Stelle " + std::to_string(n));
        auto savePosition = [&](const QString& position) {
            TkpExchange() = someContact();
            whenModal([&](QWidget* form) {
                auto* combo = field<QComboBox>(form, "LOC:ABTPOS");
                QCOMPARE(combo->count(), 9);
                QCOMPARE(combo->itemText(0), QString("Stelle 1"));
                combo->setEditText(position);
                clickOk(form);
            });
            browse::callForm("qxUpdateTKP", browse::ChangeRecord);
        };
        savePosition("Leitung Technik");
        QCOMPARE(profile::read(ini, "TKPABTPOS", "AbtPos1"), std::string("Leitung Technik"));
        QCOMPARE(profile::read(ini, "TKPABTPOS", "AbtPos2"), std::string("Stelle 1"));
        QCOMPARE(profile::read(ini, "TKPABTPOS", "AbtPos9"), std::string("Stelle 8"));
        QCOMPARE(TkpExchange().ABTPOS, std::string("Leitung Technik"));

        profile::write(ini, "TKPABTPOS", "AbtPos1", "Stelle 1");
        savePosition("STELLE 5");
        QCOMPARE(profile::read(ini, "TKPABTPOS", "AbtPos1"), std::string("Stelle 1"));
    }

    void salutationsExpandForTheNamesInTheForm() {
        FormFixture f;
        TkpExchange() = someContact();
        QStringList shown;
        whenModal([&](QWidget* form) {
            retype(field(form, "LOC:NAME1"), "Huber");
            auto* combo = field<addresses::SalutationCombo>(form, "LOC:BRANR");
            combo->expandTemplates();
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            combo->setCurrentIndex(0);
            clickOk(form);
        });
        browse::callForm("qxUpdateTKP", browse::ChangeRecord);
        QCOMPARE(shown, (QStringList{"Sehr geehrte(r) Herr Huber,", "Sehr geehrte Damen und Herren,"}));
        QCOMPARE(TkpExchange().BRANR, std::string("Sehr geehrte(r) Herr Huber,"));
    }

    void previousValueTakesTheLastSavedContact() {
        FormFixture f;
        TkpExchange() = someContact();
        whenModal([&](QWidget* form) { clickOk(form); });
        browse::callForm("qxUpdateTKP", browse::ChangeRecord);

        TkpExchange() = {};
        QString tel, name;
        whenModal([&](QWidget* form) {
            auto* edit = field(form, "LOC:TEL");
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Adiaeresis, Qt::ControlModifier);
            tel = edit->text();
            name = field(form, "LOC:NAME1")->text();
            QTest::mouseClick(field<QPushButton>(form, "CANCELBUTTON"), Qt::LeftButton);
        });
        browse::callForm("qxUpdateTKP", browse::InsertRecord);
        QCOMPARE(tel, QString("089 1234"));
        QCOMPARE(name, QString());
    }
};

QTEST_MAIN(ContactFormTest)
#include "ContactFormTest.moc"
