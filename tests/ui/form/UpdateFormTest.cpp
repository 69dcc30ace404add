// The shared form behaviour, on a small form over an address record held in
// memory: requests and responses, entry copy, save-and-navigate buttons,
// previous value, help, title, size, position, translation and delete.

#include "ui/form/UpdateForm.h"

#include "FrameDriver.h"
#include "ModalDriver.h"
#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "data/StandardWarnings.h"
#include "data/Tables.h"
#include "i18n/Translation.h"
#include "shared/AppState.h"
#include "shared/Dates.h"
#include "shared/ProfileFile.h"
#include "ui/browse/FormRequest.h"
#include "ui/form/FieldBindings.h"
#include "ui/form/FormHelp.h"
#include "ui/form/PictureEdit.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <map>

using namespace velkora;
using namespace velkora::form;
using velkora::browse::formExchange;

namespace {

class TestForm : public UpdateForm {
public:
    explicit TestForm(data::Address& record)
        : UpdateForm("qxTestForm"), record_(record), fields_(data::Address::table(), &record_) {
        setWindowTitle("Testformular");
        auto* layout = new QFormLayout(this);
        name_ = new QLineEdit;
        name_->setObjectName("ADR:NAME1");
        date_ = new PictureEdit("@d17B");
        date_->setObjectName("ADR:EKONT");
        alarm_ = new QCheckBox("Alarm");
        alarm_->setObjectName("ADR:ALARM");
        layout->addRow("Name 1", name_);
        layout->addRow("Erstkontakt", date_);
        layout->addRow(alarm_);
        auto* ok = new QPushButton("OK");
        ok->setObjectName("OK");
        auto* cancel = new QPushButton("Abbrechen");
        cancel->setObjectName("CANCEL");
        help_ = new QPushButton("Hilfe");
        help_->setObjectName("HELP");
        layout->addRow(ok);
        layout->addRow(cancel);
        layout->addRow(help_);
        setFormButtons(ok, cancel, help_);
        for (QWidget* w :
             {static_cast<QWidget*>(name_), static_cast<QWidget*>(date_), static_cast<QWidget*>(alarm_)})
            fields_.bind(w);
    }

    SaveOutcome outcome = SaveOutcome::Saved;
    int saves = 0;
    int deleteResults = 0; // deletes that fail before one succeeds
    int deletes = 0;
    bool changedAtSave = false;

    QLineEdit* name_;
    PictureEdit* date_;
    QCheckBox* alarm_;
    QPushButton* help_;

protected:
    void takeEntryCopy() override { entry_ = record_; }
    void primeRecord() override { record_.ANZDRUCK = 1; }
    int deleteRecord() override {
        ++deletes;
        return deletes > deleteResults ? 0 : 1;
    }
    bool enterWindow() override {
        fields_.show();
        return true;
    }
    QWidget* invalidField() const override { return fields_.firstUnacceptable(); }
    SaveOutcome save() override {
        ++saves;
        fields_.take();
        changedAtSave = !sameRecord(data::Address::table(), &record_, &entry_);
        lastSaved(procedure()) = data::RecordCopy(data::Address::table(), &record_);
        if (outcome == SaveOutcome::Unchanged && changedAtSave)
            return SaveOutcome::Saved;
        return outcome;
    }
    const FieldBindings* previousValueFields() const override { return &fields_; }

private:
    data::Address& record_;
    data::Address entry_;
    FieldBindings fields_;
};

// Runs `form` for `request` with `steps` acting inside its window.
int runForm(TestForm& form, int request, std::function<void(TestForm&)> steps) {
    formExchange() = {request, 0, 0};
    if (steps)
        test::whenModal([&form, steps](QWidget*) { steps(form); });
    return form.run();
}

class MemoryTable : public i18n::TranslationTable {
public:
    explicit MemoryTable(std::map<std::string, i18n::TranslationRecord>& records) : records_(records) {}
    std::optional<i18n::TranslationRecord> get(const std::string& key) override {
        const auto it = records_.find(key);
        return it == records_.end() ? std::nullopt : std::optional(it->second);
    }
    bool add(const i18n::TranslationRecord& r) override { return records_.emplace(r.TRLID, r).second; }

private:
    std::map<std::string, i18n::TranslationRecord>& records_;
};

} // namespace

class UpdateFormTest : public QObject {
    Q_OBJECT

private:
    test::TempDir dir_;
    std::map<std::string, i18n::TranslationRecord> translations_;

private slots:
    void init() {
        resetAppState();
        appState().STARTINI = dir_.file("ORB.INI");
        appState().INITPATH = dir_.str();
        std::filesystem::remove(dir_.file("ORBWin.INI"));
        translations_.clear();
        i18n::setTranslationTableOpener(
            [this] { return std::unique_ptr<i18n::TranslationTable>(new MemoryTable(translations_)); });
        UpdateForm::lastSaved("qxTestForm") = {};
    }
    void cleanup() { i18n::setTranslationTableOpener({}); }

    void requestIsTakenAndResponseLeft() {
        test::ScriptedPrompter prompter;
        data::Address record;
        TestForm form(record);
        int requestSeen = -1;
        const int response = runForm(form, browse::ChangeRecord, [&](TestForm& f) {
            requestSeen = formExchange().request;
            QCOMPARE(f.request(), int(browse::ChangeRecord));
            f.name_->setText("Neu");
            QTest::mouseClick(f.findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        QCOMPARE(requestSeen, 0);
        QCOMPARE(response, int(browse::RequestCompleted));
        QCOMPARE(formExchange().response, int(browse::RequestCompleted));
        QCOMPARE(formExchange().navigation, 0);
        QCOMPARE(record.NAME1, std::string("Neu"));
    }

    void cancelLeavesResponseTwo() {
        test::ScriptedPrompter prompter;
        data::Address record;
        TestForm form(record);
        const int response = runForm(form, browse::ChangeRecord,
                                     [](TestForm& f) { QTest::keyClick(f.name_, Qt::Key_Escape); });
        QCOMPARE(response, int(browse::RequestCancelled));
        QCOMPARE(form.saves, 0);
    }

    void insertPrimesOutsideTheEntryCopyAndMarksTheTitle() {
        test::ScriptedPrompter prompter;
        data::Address record;
        TestForm form(record);
        QString title;
        runForm(form, browse::InsertRecord, [&](TestForm& f) {
            title = f.windowTitle();
            f.complete();
        });
        QCOMPARE(title, QString("* Testformular"));
        QCOMPARE(int(record.ANZDRUCK), 1);
        QVERIFY(!form.changedAtSave);
    }

    void toolbarOffersTheButtonsOfTheRequest() {
        test::ScriptedPrompter prompter;
        test::FrameDriver frame;
        data::Address record;
        {
            TestForm form(record);
            runForm(form, browse::InsertRecord, [&](TestForm& f) {
                for (int code = app::NavInsert; code <= app::NavHelp; ++code) {
                    const bool on = code == app::NavInsert || code == app::NavDown ||
                                    code == app::NavHistory || code == app::NavHelp;
                    QVERIFY2(frame.enabled(code) == on, qPrintable(QString::number(code)));
                }
                QCOMPARE(frame.tip(app::NavDown), QString("Speichern und einen neuen Datensatz anlegen"));
                QCOMPARE(frame.tip(app::NavInsert), QString("Speichern und einen neuen Datensatz anlegen"));
                f.cancel();
            });
        }
        TestForm form(record);
        form.help_->setEnabled(false);
        runForm(form, browse::ChangeRecord, [&](TestForm& f) {
            for (int code = app::NavBottom; code <= app::NavUp; ++code)
                QVERIFY(frame.enabled(code));
            QVERIFY(frame.enabled(app::NavInsert));
            QVERIFY(!frame.enabled(app::NavChange));
            QVERIFY(!frame.enabled(app::NavDelete));
            QVERIFY(!frame.enabled(app::NavLocate));
            QVERIFY(!frame.enabled(app::NavHelp));
            QCOMPARE(frame.tip(app::NavBottom), QString("Speichern und zum letzten Datensatz springen"));
            QCOMPARE(frame.tip(app::NavTop), QString("Speichern und zum ersten Datensatz springen"));
            QCOMPARE(frame.tip(app::NavPageDown), QString("Speichern und eine Seite vor springen"));
            QCOMPARE(frame.tip(app::NavPageUp), QString("Speichern und eine Seite zurück springen"));
            QCOMPARE(frame.tip(app::NavDown), QString("Speichern und zum nächsten Datensatz springen"));
            QCOMPARE(frame.tip(app::NavUp), QString("Speichern und zum vorherigen Datensatz springen"));
            f.cancel();
        });
        QCOMPARE(app::navigationOverride(), nullptr);
    }

    void saveAndNavigateLeavesTheCode_data() {
        QTest::addColumn<int>("request");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("navigation");
        QTest::newRow("insert, next") << int(browse::InsertRecord) << int(app::NavDown) << int(app::NavDown);
        QTest::newRow("insert, last: not offered") << int(browse::InsertRecord) << int(app::NavBottom) << 0;
        QTest::newRow("change, previous") << int(browse::ChangeRecord) << int(app::NavUp) << int(app::NavUp);
        QTest::newRow("change, new") << int(browse::ChangeRecord) << int(app::NavInsert)
                                     << int(app::NavInsert);
        QTest::newRow("change, locate: not offered") << int(browse::ChangeRecord) << int(app::NavLocate) << 0;
    }
    void saveAndNavigateLeavesTheCode() {
        QFETCH(int, request);
        QFETCH(int, code);
        QFETCH(int, navigation);
        test::ScriptedPrompter prompter;
        test::FrameDriver frame;
        data::Address record;
        TestForm form(record);
        const int response = runForm(form, request, [&](TestForm& f) {
            f.name_->setText("Geändert");
            frame.click(code);
            if (f.isVisible())
                f.cancel();
        });
        QCOMPARE(formExchange().navigation, navigation);
        QCOMPARE(response, navigation ? int(browse::RequestCompleted) : int(browse::RequestCancelled));
    }

    void unchangedSaveCompletesOnlyWithoutNavigation() {
        test::ScriptedPrompter prompter;
        test::FrameDriver frame;
        data::Address record;
        record.NAME1 = "Alt";
        TestForm form(record);
        form.outcome = SaveOutcome::Unchanged;
        QCOMPARE(runForm(form, browse::ChangeRecord, [&](TestForm&) { frame.click(app::NavDown); }),
                 int(browse::RequestCancelled));
        QCOMPARE(formExchange().navigation, int(app::NavDown));

        TestForm again(record);
        again.outcome = SaveOutcome::Unchanged;
        QCOMPARE(runForm(again, browse::ChangeRecord, [](TestForm& f) { f.complete(); }),
                 int(browse::RequestCompleted));
    }

    void keepingTheFormOpenClearsTheCode() {
        test::ScriptedPrompter prompter;
        test::FrameDriver frame;
        data::Address record;
        TestForm form(record);
        form.outcome = SaveOutcome::KeepOpen;
        bool stayed = false;
        runForm(form, browse::ChangeRecord, [&](TestForm& f) {
            frame.click(app::NavDown);
            stayed = f.isVisible() && f.navigationCode() == 0;
            f.outcome = SaveOutcome::GiveUp;
            frame.click(app::NavDown);
        });
        QVERIFY(stayed);
        QCOMPARE(form.response(), int(browse::RequestCancelled));
        QCOMPARE(formExchange().navigation, 0);
    }

    void invalidPictureInputKeepsTheFormOpen() {
        test::ScriptedPrompter prompter;
        data::Address record;
        TestForm form(record);
        runForm(form, browse::ChangeRecord, [&](TestForm& f) {
            f.date_->setText("31.02.2024");
            f.complete();
            QCOMPARE(f.saves, 0);
            QCOMPARE(prompter.beeps(), 1);
            QCOMPARE(prompter.prompts().size(), std::size_t(1)); // says why
            QCOMPARE(f.focusWidget(), static_cast<QWidget*>(f.date_));
            f.date_->setText("1.3.24");
            f.complete();
        });
        QCOMPARE(form.saves, 1);
        QCOMPARE(record.EKONT, dayNumber({2024, 3, 1}));
    }

    void previousValueFillsTheFocusedFieldOnly() {
        test::ScriptedPrompter prompter;
        test::FrameDriver frame;
        data::Address record;
        data::Address last;
        last.NAME1 = "Zuletzt GmbH";
        last.EKONT = dayNumber({2020, 5, 4});
        last.ALARM = "1";
        UpdateForm::lastSaved("qxTestForm") = data::RecordCopy(data::Address::table(), &last);
        TestForm form(record);
        runForm(form, browse::InsertRecord, [&](TestForm& f) {
            f.name_->setFocus();
            QTest::keyClick(f.name_, Qt::Key_Adiaeresis, Qt::ControlModifier);
            QCOMPARE(f.name_->text(), QString("Zuletzt GmbH"));
            QCOMPARE(f.date_->text(), QString());
            f.date_->setFocus();
            frame.click(app::NavHistory);
            QCOMPARE(f.date_->text(), QString("04.05.2020"));
            f.alarm_->setFocus();
            QTest::keyClick(f.alarm_, Qt::Key_Apostrophe, Qt::ControlModifier);
            QVERIFY(f.alarm_->isChecked());
            f.cancel();
        });
    }

    // While a form runs the frame keeps only what serves it; its children
    // and the commands that open or close windows wait, and so does closing.
    // The calendar's button serves the form's date fields.
    void theFrameWaitsForTheFormButServesIt() {
        test::ScriptedPrompter prompter;
        test::FrameDriver frame;
        app::MainFrame& main = frame.frame;
        const auto menuOn = [&main](const char* name) {
            return main.findChild<QMenu*>(name)->menuAction()->isEnabled();
        };
        const auto waiting = [&] {
            return QList<bool>{main.mdiArea()->isEnabled(),
                               main.command("ADRBUTTON")->isEnabled(),
                               main.command("PRNBUTTON")->isEnabled(),
                               menuOn("FILE"),
                               menuOn("SERVICE"),
                               menuOn("WINDOW")};
        };
        const auto serving = [&] {
            return QList<bool>{main.findChild<QToolBar*>("NAVGROUP")->isEnabled(), menuOn("EDIT"),
                               menuOn("HELP"), main.command("CALENDAR")->isEnabled()};
        };
        data::Address record;
        TestForm form(record);
        QList<bool> waitingInForm, servingInForm;
        bool closed = true;
        runForm(form, browse::ChangeRecord, [&](TestForm& f) {
            waitingInForm = waiting();
            servingInForm = serving();
            closed = main.close();
            f.cancel();
        });
        QCOMPARE(waitingInForm, QList<bool>(6, false));
        QCOMPARE(servingInForm, QList<bool>(4, true));
        QVERIFY(!closed);
        QCOMPARE(waiting(), QList<bool>(6, true));
    }

    // The frame's Edit menu works on the form's focused field while the form runs.
    void editMenuPastesIntoTheFormsField() {
        test::ScriptedPrompter prompter;
        test::FrameDriver frame;
        QGuiApplication::clipboard()->setText("Eingefügt");
        data::Address record;
        TestForm form(record);
        QString pasted;
        runForm(form, browse::ChangeRecord, [&](TestForm& f) {
            f.name_->setFocus();
            frame.clickMenu("EDIT", "PASTE");
            pasted = f.name_->text();
            f.cancel();
        });
        QCOMPARE(pasted, QString("Eingefügt"));
    }

    void helpGoesToTheHelpButton() {
        test::ScriptedPrompter prompter;
        test::FrameDriver frame;
        std::vector<std::string> topics;
        setHelpHandler([&](const std::string& topic) { topics.push_back(topic); });
        data::Address record;
        TestForm form(record);
        runForm(form, browse::ChangeRecord, [&](TestForm& f) {
            frame.click(app::NavHelp);
            QTest::keyClick(f.name_, Qt::Key_F1);
            f.help_->setEnabled(false);
            f.pressHelp();
            f.cancel();
        });
        setHelpHandler({});
        QCOMPARE(topics, (std::vector<std::string>{"qxTestForm", "qxTestForm"}));
    }

    void aFormNeverPlacedOpensCentredOverTheWindowItWasOpenedFrom() {
        test::ScriptedPrompter prompter;
        QWidget caller;
        caller.setGeometry(400, 300, 700, 500);
        caller.show();
        caller.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&caller));
        data::Address record;
        TestForm form(record);
        QPoint offset;
        runForm(form, browse::ChangeRecord, [&](TestForm& f) {
            offset = f.frameGeometry().center() - caller.frameGeometry().center();
            f.cancel();
        });
        QVERIFY2(std::abs(offset.x()) <= 4 && std::abs(offset.y()) <= 4,
                 qPrintable(QString("off by %1,%2").arg(offset.x()).arg(offset.y())));
    }

    void windowKeepsItsDesignSizeAndPosition() {
        test::ScriptedPrompter prompter;
        data::Address record;
        QSize minimum;
        {
            TestForm form(record);
            form.layout()->activate();
            const QSize designed = form.sizeHint();
            runForm(form, browse::ChangeRecord, [&](TestForm& f) {
                minimum = f.minimumSize();
                f.setGeometry(40, 50, f.width() + 30, f.height() + 20);
                f.cancel();
            });
            QCOMPARE(minimum, designed);
        }
        const std::string file = dir_.file("ORBWin.INI");
        QCOMPARE(profile::readInt(file, "qxTestForm", "XPosit"), 40L);
        QCOMPARE(profile::read(file, "qxTestForm", "Maximize"), std::string("No"));
        TestForm again(record);
        QRect geometry;
        runForm(again, browse::ChangeRecord, [&](TestForm& f) {
            geometry = f.geometry();
            f.cancel();
        });
        QCOMPARE(geometry.topLeft(), QPoint(40, 50));
        QCOMPARE(geometry.width(), minimum.width() + 30);
    }

    void windowIsTranslatedBeforeTheInsertMark() {
        test::ScriptedPrompter prompter;
        i18n::TranslationRecord title;
        title.TRLID = "P.25_TESTFORMULAR";
        title.TRLTXT = "Test form";
        translations_[title.TRLID] = title;
        i18n::TranslationRecord ok;
        ok.TRLID = "P.09_ABBRECHEN";
        ok.TRLTXT = "Cancel";
        translations_[ok.TRLID] = ok;
        data::Address record;
        TestForm form(record);
        QString shownTitle, cancelText;
        runForm(form, browse::InsertRecord, [&](TestForm& f) {
            shownTitle = f.windowTitle();
            cancelText = f.findChild<QPushButton*>("CANCEL")->text();
            f.cancel();
        });
        QCOMPARE(shownTitle, QString("* Test form"));
        QCOMPARE(cancelText, QString("Cancel"));
    }

    void deleteRunsWithoutAWindow_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("failures");
        QTest::addColumn<int>("deletes");
        QTest::addColumn<int>("response");
        QTest::newRow("confirmed") << QList<int>{ButtonOk} << 0 << 1 << int(browse::RequestCompleted);
        QTest::newRow("not confirmed") << QList<int>{ButtonCancel} << 0 << 0 << int(browse::RequestCancelled);
        QTest::newRow("retried") << QList<int>{ButtonOk, ButtonYes} << 1 << 2
                                 << int(browse::RequestCompleted);
        QTest::newRow("given up") << QList<int>{ButtonOk, ButtonNo} << 1 << 1
                                  << int(browse::RequestCancelled);
    }
    void deleteRunsWithoutAWindow() {
        QFETCH(QList<int>, answers);
        QFETCH(int, failures);
        QFETCH(int, deletes);
        QFETCH(int, response);
        test::ScriptedPrompter prompter;
        for (int a : answers)
            prompter.setNextAnswer(unsigned(a));
        data::Address record;
        TestForm form(record);
        form.deleteResults = failures;
        QCOMPARE(runForm(form, browse::DeleteRecord, nullptr), response);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.deletes, deletes);
        QCOMPARE(prompter.prompts().front().caption, std::string("Confirm Delete"));
        if (failures)
            QCOMPARE(prompter.prompts().at(1).caption, std::string("Record Update Error"));
    }
};

QTEST_MAIN(UpdateFormTest)
#include "UpdateFormTest.moc"
