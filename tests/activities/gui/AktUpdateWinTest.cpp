// The activity form driven from the activity list: new activities, the
// to-do and remind switches, the alarm rule, choosing a document, a number
// or record taken by another station meanwhile, and deleting.

#include "activities/gui/AktUpdateWin.h"

#include "ActivityFixture.h"
#include "ListDriver.h"
#include "ModalDriver.h"
#include "activities/gui/AktListWin.h"
#include "activities/gui/DocumentOpener.h"
#include "shared/Clock.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace activities = velkora::activities;
namespace data = velkora::data;

namespace {

struct FormFixture : velkora::test::ActivityFixture, velkora::test::ListDriver<activities::AktListWin> {
    FormFixture() {
        addAddress(1, "Meier", "Berlin");
        addActivities({{1, 1, 1, 1, {2026, 3, 1}, "Angebot", "", ""}});
        velkora::profile::write(velkora::appState().WORKINI, "AKTART", "AktArt3", "Besuch");
        velkora::browse::registerForm("qxUpdateAkt", activities::qxUpdateAkt);
    }
    ~FormFixture() {
        closeWindow();
        velkora::browse::unregisterForm("qxUpdateAkt");
        activities::documentChooser() = chooser;
    }
    bool open(std::int32_t adrnr) {
        velkora::appState().ADRNR = adrnr;
        return showWindow(std::make_unique<activities::AktListWin>()) != nullptr;
    }
    // Presses a list button and runs `steps` in the form it opens.
    void inForm(const char* button, std::function<void(QWidget*)> steps) {
        velkora::test::whenModal(std::move(steps));
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    // The activity stored under `aktid`, read from the file.
    std::optional<data::Activity> stored(std::int32_t aktid) {
        auto& akt = data::files().QXADRAKT;
        akt.clear();
        akt.rec.AKTID = aktid;
        if (akt.get(*data::Activity::table().key("QXADRAK6")) != 0)
            return std::nullopt;
        return akt.rec;
    }
    velkora::FixedClock clock{{{2026, 3, 10}, {9, 15, 0, 0}}};
    const activities::DocumentChooser chooser = activities::documentChooser();
};

template <class W = QWidget> W* in(QWidget* form, const char* name) {
    return form->findChild<W*>(name);
}

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
}

void ok(QWidget* form) {
    QTest::mouseClick(in<QPushButton>(form, "OK"), Qt::LeftButton);
}

} // namespace

class AktUpdateWinTest : public QObject {
    Q_OBJECT
private slots:
    void aNewActivityStartsOnKindThreeAndBecomesAToDo() {
        FormFixture f;
        QVERIFY(f.open(1));
        f.inForm("INSERT:2", [](QWidget* form) {
            QVERIFY(form->windowTitle().startsWith("* "));
            QVERIFY(in(form, "TAB:1")->isAncestorOf(in(form, "AKT:TITLE")));
            QVERIFY(in(form, "TAB2")->isAncestorOf(in(form, "AKT:MEMO")));
            QCOMPARE(in<QLineEdit>(form, "LS:ADRESSE")->text(), QString("Meier , D 10115 Berlin, Weg 1"));
            QCOMPARE(in<QComboBox>(form, "LN:AKTART")->currentText(), QString("Besuch"));
            QCOMPARE(in<QLineEdit>(form, "AKT:DATUM")->text(), QString("10.03.2026"));
            QVERIFY(!in(form, "AKT:EDATUM")->isEnabled());
            QVERIFY(!in(form, "BUTTONOPENFILE")->isEnabled());
            // The open button stands in the document's row, after the pick button.
            const auto top = [form](const char* name) { return in(form, name)->mapTo(form, QPoint()); };
            QCOMPARE(top("BUTTONOPENFILE").y(), top("BUTTONPICKFILE").y());
            QVERIFY(top("BUTTONOPENFILE").x() > top("BUTTONPICKFILE").x());
            QCOMPARE(in<QLineEdit>(form, "LS:ADRESSE")->cursorPosition(), 0);
            QTest::keyClicks(in(form, "AKT:TITLE"), "Anruf planen");
            click(in(form, "LN:TODO"));
            QCOMPARE(in<QLineEdit>(form, "AKT:EDATUM")->text(), QString("10.03.2026"));
            QCOMPARE(in<QComboBox>(form, "LN:AKTPRIO")->currentText(), QString("Normal"));
            QVERIFY(!in(form, "AKT:ETAGE")->isEnabled());
            click(in(form, "AKT:ERLIST"));
            QVERIFY(in(form, "AKT:ETAGE")->isEnabled());
            in<QLineEdit>(form, "AKT:ETAGE")->setText("3");
            ok(form);
        });
        const auto saved = f.stored(2);
        QVERIFY(saved);
        QCOMPARE(saved->ADRNR, 1);
        QCOMPARE(saved->AKTART, std::uint8_t{3});
        QCOMPARE(saved->AKTPRI, std::uint8_t{2});
        QCOMPARE(saved->EDATUM, velkora::dayNumber({2026, 3, 10}));
        QCOMPARE(saved->ERLIST, std::uint8_t{1});
        QCOMPARE(saved->ETAGE, std::uint8_t{3});
        QCOMPARE(saved->AUHR, std::string("09:15"));
        QCOMPARE(velkora::profile::read(velkora::appState().WORKINI, "AKTART", "AktArt0"), std::string("3"));
    }

    void switchingTheToDoOffClearsItsFieldsAndAnAlarmNeedsARemark() {
        FormFixture f;
        QVERIFY(f.open(1));
        f.inForm("CHANGE:2", [](QWidget* form) {
            QVERIFY(in<QCheckBox>(form, "LN:TODO")->isChecked());
            QCOMPARE(in<QComboBox>(form, "LN:AKTPRIO")->currentText(), QString("High"));
            QVERIFY(!in<QComboBox>(form, "LN:AKTPRIO")->itemIcon(0).isNull());
            click(in(form, "LN:TODO"));
            QVERIFY(!in(form, "LN:AKTPRIO")->isEnabled());
            QCOMPARE(in<QLineEdit>(form, "AKT:EDATUM")->text(), QString());
            click(in(form, "AKT:ALARM"));
            ok(form);
        });
        const auto saved = f.stored(1);
        QVERIFY(saved);
        QCOMPARE(saved->AKTPRI, std::uint8_t{254});
        QCOMPARE(saved->EDATUM, 0);
        QCOMPARE(saved->ERLIST, std::uint8_t{0});
        QCOMPARE(velkora::clip(saved->ALARM), std::string());
    }

    void aTitleIsRequired() {
        FormFixture f;
        QVERIFY(f.open(1));
        f.inForm("INSERT:2", [&f](QWidget* form) {
            ok(form);
            QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Bitte Titel eingeben."});
            QVERIFY(form->isVisible());
            QCOMPARE(QApplication::focusWidget(), in(form, "AKT:TITLE"));
        });
        QVERIFY(!f.stored(2));
    }

    void withoutAnAddressNothingIsSaved() {
        FormFixture f;
        QVERIFY(f.open(0));
        f.inForm("INSERT:2", [](QWidget* form) {
            QCOMPARE(in<QLineEdit>(form, "LS:ADRESSE")->text(), QString(" ,   , "));
            QTest::keyClicks(in(form, "AKT:TITLE"), "Ohne Adresse");
            ok(form);
            QVERIFY(!form->isVisible());
        });
        QCOMPARE(f.prompter.texts(), std::vector<std::string>{"Keine Adresse gewählt."});
        QVERIFY(!f.stored(2));
    }

    void aDocumentIsChosenInTheDocumentsFolderAndCancellingKeepsTheName() {
        FormFixture f;
        QVERIFY(f.open(1));
        QStringList folders;
        std::optional<QString> answer;
        const std::string chosen = f.dir.write("DOCS/neu.doc", "x");
        QStringList opened;
        const auto desktop = activities::desktopOpener();
        activities::desktopOpener() = [&opened](const QString& path) { opened << path; };
        activities::documentChooser() = [&](QWidget*, const QString& folder, const QString&) {
            folders << folder;
            return answer;
        };
        f.inForm("CHANGE:2", [&](QWidget* form) {
            auto* docname = in<QLineEdit>(form, "AKT:DOCNAME");
            docname->setText("alt.doc");
            QTest::mouseClick(in<QPushButton>(form, "BUTTONPICKFILE"), Qt::LeftButton);
            QCOMPARE(docname->text(), QString("alt.doc"));
            answer = QString::fromStdString(f.dir.file("DOCS/neu.doc"));
            QTest::mouseClick(in<QPushButton>(form, "BUTTONPICKFILE"), Qt::LeftButton);
            QCOMPARE(docname->text(), *answer);
            QVERIFY(in(form, "BUTTONOPENFILE")->isEnabled());
            QTest::mouseClick(in<QPushButton>(form, "BUTTONOPENFILE"), Qt::LeftButton);
            ok(form);
        });
        QCOMPARE(folders.size(), 2);
        QCOMPARE(folders[0], QString::fromStdString(f.dir.file("DOCS")));
        QCOMPARE(f.stored(1)->DOCNAME, chosen);
        QCOMPARE(opened, QStringList{QString::fromStdString(chosen)});
        activities::desktopOpener() = desktop;
    }

    void aNumberTakenMeanwhileWarnsAndTheFormStaysForAnotherSave() {
        FormFixture f;
        QVERIFY(f.open(1));
        // Another station takes the number this save has just drawn (its row
        // goes with the failed write, which is all this form sees of it).
        f.sql("QXADRAKT",
              "CREATE TRIGGER injected BEFORE INSERT ON QXADRAKT WHEN NEW.TITLE = 'Doppelt' "
              "BEGIN INSERT INTO QXADRAKT (AKTID, ADRNR, TITLE) VALUES (NEW.AKTID, 1, 'Fremd'); END");
        bool stayed = false;
        f.inForm("INSERT:2", [&](QWidget* form) {
            QTest::keyClicks(in(form, "AKT:TITLE"), "Doppelt");
            ok(form);
            stayed = form->isVisible();
            f.sql("QXADRAKT", "DROP TRIGGER injected");
            ok(form);
        });
        QVERIFY(stayed);
        QCOMPARE(f.prompter.prompts().size(), std::size_t{1});
        QCOMPARE(f.prompter.last().caption, std::string("Duplicate Key Error"));
        QVERIFY(f.prompter.last().text.find("AktID (Increment)") != std::string::npos);
        QCOMPARE(f.stored(2)->TITLE, std::string("Doppelt"));
        QVERIFY(!f.stored(3));
    }

    void aChangeByAnotherStationMeanwhileIsShownAndNotOverwritten() {
        FormFixture f;
        QVERIFY(f.open(1));
        QString shown;
        bool stayed = false;
        f.inForm("CHANGE:2", [&](QWidget* form) {
            f.sql("QXADRAKT",
                  "UPDATE QXADRAKT SET TITLE = 'Anders', _version = _version + 1 WHERE AKTID = 1");
            QTest::keyClicks(in(form, "AKT:BEMERK"), "meine Änderung");
            ok(form);
            stayed = form->isVisible();
            shown = in<QLineEdit>(form, "AKT:TITLE")->text();
            QTest::mouseClick(in<QPushButton>(form, "CANCEL"), Qt::LeftButton);
        });
        QVERIFY(stayed);
        QCOMPARE(shown, QString("Anders"));
        QCOMPARE(f.prompter.prompts().size(), std::size_t{1});
        QCOMPARE(f.prompter.last().text, std::string("This record was changed by another station."));
        QCOMPARE(f.stored(1)->TITLE, std::string("Anders"));
        QCOMPARE(velkora::clip(f.stored(1)->BEMERK), std::string());
    }

    void deleteAsksAndRemovesTheActivity() {
        FormFixture f;
        QVERIFY(f.open(1));
        f.prompter.setNextAnswer(velkora::ButtonOk);
        QTest::mouseClick(f.control<QPushButton>("DELETE:2"), Qt::LeftButton);
        QVERIFY(!f.stored(1));
        QCOMPARE(f.rows(), 0);
    }
};

QTEST_MAIN(AktUpdateWinTest)
#include "AktUpdateWinTest.moc"
