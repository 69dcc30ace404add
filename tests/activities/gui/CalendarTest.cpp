// The calendar driven as a user drives it: keys, spin fields and clicks on
// the day cells, the range messages, and the date pasted into the field of
// an address form through the frame's calendar button.

#include "activities/gui/Calendar.h"

#include "FormFixture.h"
#include "FrameDriver.h"
#include "activities/gui/AktListWin.h"
#include "addresses/forms/AddressForms.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "shared/Clock.h"
#include "shared/Dates.h"
#include "shared/Pictures.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using namespace velkora;
using activities::Calendar;

namespace {

const LocalDateTime kToday{{2026, 12, 6}, {10, 0, 0, 0}};

std::unique_ptr<Calendar> openCalendar(CivilDate date = {}) {
    auto calendar = std::make_unique<Calendar>(dayNumber(date));
    calendar->show();
    return calendar;
}

QString text(const QWidget* window, const QString& name) {
    return window->findChild<QLabel*>(name)->text();
}

// The texts of the day cells, blank cells as "".
QStringList dayTexts(const QWidget* calendar) {
    QStringList texts;
    for (int k = 1; k <= 37; ++k)
        texts << text(calendar, "STRING" + QString::number(k));
    return texts;
}

QStringList weekTexts(const QWidget* calendar) {
    QStringList texts;
    for (int row = 1; row <= 6; ++row)
        texts << text(calendar, "STRINGKW" + QString::number(row));
    return texts;
}

// The day shown by the marked cell; "" when none is marked.
QString markedDay(const QWidget* calendar) {
    QString marked;
    for (int k = 1; k <= 37; ++k)
        if (calendar->findChild<QFrame*>("REGION" + QString::number(k))->backgroundRole() ==
            QPalette::Highlight)
            marked += text(calendar, "STRING" + QString::number(k));
    return marked;
}

QFrame* cellOfDay(const QWidget* calendar, int day) {
    for (int k = 1; k <= 37; ++k)
        if (text(calendar, "STRING" + QString::number(k)) == QString::number(day))
            return calendar->findChild<QFrame*>("REGION" + QString::number(k));
    return nullptr;
}

void key(QWidget* calendar, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = calendar->focusWidget() != nullptr ? calendar->focusWidget() : calendar;
    QTest::keyClick(focus, k, modifiers);
}

void choose(QWidget* calendar, const char* spin, int value) {
    auto* field = calendar->findChild<QSpinBox*>(spin);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString::number(value));
    QTest::keyClick(field, Qt::Key_Enter);
}

} // namespace

class CalendarTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->setText("vorher"); }

    void theWindowShowsTheMonthMondayFirstWithItsControls() {
        FixedClock clock(kToday);
        auto calendar = openCalendar({2026, 3, 18}); // 1 March 2026 is a Sunday
        QCOMPARE(calendar->windowTitle(), QString("Maerz 2026"));
        QStringList headings;
        for (const char* name :
             {"STRINGMO", "STRINGTU", "STRINGWE", "STRINGTH", "STRINGFR", "STRINGSA", "STRINGSU"})
            headings << text(calendar.get(), name);
        QCOMPARE(headings, (QStringList{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}));
        for (const char* name : {"PANEL1", "PANEL2", "PANEL3"})
            QVERIFY2(calendar->findChild<QFrame*>(name), name);
        for (const char* name : {"STRINGMONTH", "STRINGYEAR", "JAN", "MAR", "DEZ"})
            QVERIFY2(calendar->findChild<QLabel*>(name), name);
        QVERIFY(calendar->findChild<QPushButton*>("COPY") && calendar->findChild<QPushButton*>("CLOSE"));
        QCOMPARE(calendar->findChild<QSpinBox*>("MONTHNUMBER")->value(), 3);
        QCOMPARE(calendar->findChild<QSpinBox*>("YEARNUMBER")->value(), 2026);
        // Thirty-one days from a Sunday take all 37 cells.
        const QStringList days = dayTexts(calendar.get());
        QCOMPARE(days.mid(0, 7), (QStringList{"", "", "", "", "", "", "1"}));
        QCOMPARE(days.last(), QString("31"));
        QCOMPARE(weekTexts(calendar.get()), (QStringList{"9", "10", "11", "12", "13", "14"}));
        QCOMPARE(markedDay(calendar.get()), QString("18"));
        QVERIFY(calendar->size().width() >= calendar->minimumSizeHint().width());
    }

    void startsOnTodayFromTheClock() {
        FixedClock clock({{2005, 1, 1}, {8, 0, 0, 0}}); // a Saturday in the last week of 2004
        auto calendar = openCalendar();
        QCOMPARE(calendar->windowTitle(), QString("Januar 2005"));
        QCOMPARE(weekTexts(calendar.get()), (QStringList{"53", "1", "2", "3", "4", "5"}));
        QCOMPARE(markedDay(calendar.get()), QString("1"));
        QCOMPARE(calendar->currentDay(), dayNumber({2005, 1, 1}));
    }

    void weekNumbersAtTheYearEnds() {
        FixedClock clock(kToday);
        auto calendar = openCalendar({2003, 12, 29});
        QCOMPARE(weekTexts(calendar.get()), (QStringList{"49", "50", "51", "52", "1", ""}));
        key(calendar.get(), Qt::Key_Down); // 5 January 2004
        QCOMPARE(weekTexts(calendar.get()), (QStringList{"1", "2", "3", "4", "5", ""}));
        choose(calendar.get(), "YEARNUMBER", 2020);
        choose(calendar.get(), "MONTHNUMBER", 12);
        QCOMPARE(weekTexts(calendar.get()), (QStringList{"49", "50", "51", "52", "53", ""}));
        key(calendar.get(), Qt::Key_PageDown);
        QCOMPARE(calendar->windowTitle(), QString("Januar 2021"));
        QCOMPARE(weekTexts(calendar.get()), (QStringList{"53", "1", "2", "3", "4", ""}));
    }

    // The keys work whichever control has the focus, a spin field included.
    void theKeysMoveByDayWeekMonthAndYear() {
        FixedClock clock(kToday);
        auto calendar = openCalendar({2026, 3, 1});
        calendar->findChild<QSpinBox*>("YEARNUMBER")->setFocus();
        const auto after = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            key(calendar.get(), k, modifiers);
            return QString::fromStdString(formatDate("@d17", calendar->currentDay()));
        };
        QCOMPARE(after(Qt::Key_Left), QString("28.02.2026"));
        QCOMPARE(calendar->windowTitle(), QString("Februar 2026"));
        QCOMPARE(markedDay(calendar.get()), QString("28"));
        QCOMPARE(after(Qt::Key_Right), QString("01.03.2026"));
        QCOMPARE(after(Qt::Key_Up), QString("22.02.2026"));
        QCOMPARE(after(Qt::Key_Down), QString("01.03.2026"));
        QCOMPARE(after(Qt::Key_Down), QString("08.03.2026"));
        QCOMPARE(after(Qt::Key_PageUp), QString("01.02.2026"));
        QCOMPARE(after(Qt::Key_PageDown), QString("01.03.2026"));
        QCOMPARE(after(Qt::Key_PageUp, Qt::ControlModifier), QString("01.03.2025"));
        QCOMPARE(after(Qt::Key_PageDown, Qt::ControlModifier), QString("01.03.2026"));
        QCOMPARE(calendar->findChild<QSpinBox*>("YEARNUMBER")->value(), 2026);
        QVERIFY(calendar->isVisible());
        key(calendar.get(), Qt::Key_Escape);
        QVERIFY(!calendar->isVisible());
        QCOMPARE(calendar->currentDay(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("vorher"));
    }

    // The month field wraps into the neighbouring year; a chosen month starts on its 1st.
    void theSpinFieldsChooseMonthAndYear() {
        FixedClock clock(kToday);
        auto calendar = openCalendar({2026, 12, 24});
        choose(calendar.get(), "MONTHNUMBER", 13);
        QCOMPARE(calendar->windowTitle(), QString("Januar 2027"));
        QCOMPARE(calendar->findChild<QSpinBox*>("MONTHNUMBER")->value(), 1);
        QCOMPARE(markedDay(calendar.get()), QString("1"));
        choose(calendar.get(), "YEARNUMBER", 2000);
        choose(calendar.get(), "MONTHNUMBER", 2);
        QCOMPARE(calendar->windowTitle(), QString("Februar 2000"));
        QCOMPARE(dayTexts(calendar.get()).mid(29, 2), (QStringList{"29", ""})); // from a Tuesday
    }

    void clickingADayMarksIt() {
        FixedClock clock(kToday);
        auto calendar = openCalendar({2026, 3, 18});
        QTest::mouseClick(cellOfDay(calendar.get(), 5), Qt::LeftButton);
        QCOMPARE(markedDay(calendar.get()), QString("5"));
        QCOMPARE(calendar->currentDay(), dayNumber({2026, 3, 5}));
        QTest::mouseClick(calendar->findChild<QFrame*>("REGION1"), Qt::LeftButton); // blank
        QCOMPARE(calendar->currentDay(), dayNumber({2026, 3, 5}));
        QTest::mouseClick(calendar->findChild<QPushButton*>("CLOSE"), Qt::LeftButton);
        QCOMPARE(calendar->currentDay(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("vorher"));
    }

    void theCalendarStaysWithin1801And9999() {
        FixedClock clock(kToday);
        test::ScriptedPrompter prompter;
        auto calendar = openCalendar({1801, 1, 15});
        key(calendar.get(), Qt::Key_PageUp);
        QCOMPARE(prompter.prompts().size(), size_t(1));
        QCOMPARE(prompter.last().text,
                 std::string("You cannot use the calendar for|dates before the year 1801"));
        QCOMPARE(prompter.last().caption, std::string("Date Out Of Range"));
        QCOMPARE(prompter.last().buttons, unsigned(ButtonOk));
        QCOMPARE(calendar->windowTitle(), QString("Januar 1801"));
        QCOMPARE(markedDay(calendar.get()), QString("15"));
        choose(calendar.get(), "YEARNUMBER", 1800);
        QCOMPARE(prompter.prompts().size(), size_t(2));
        QCOMPARE(calendar->findChild<QSpinBox*>("YEARNUMBER")->value(), 1801);

        auto last = openCalendar({9999, 12, 30});
        key(last.get(), Qt::Key_Right);
        QCOMPARE(prompter.prompts().size(), size_t(2)); // 31 December 9999 is still inside
        key(last.get(), Qt::Key_PageDown);
        QCOMPARE(prompter.last().text,
                 std::string("You cannot use the calendar for|dates after the year 9999"));
        key(last.get(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(last->windowTitle(), QString("Dezember 9998"));
        key(last.get(), Qt::Key_PageDown, Qt::ControlModifier);
        key(last.get(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(prompter.prompts().size(), size_t(4));
        QCOMPARE(last->windowTitle(), QString("Dezember 9999"));
    }

    // In other text the date goes where the cursor is; a field without
    // paste (a list) leaves it on the clipboard.
    void selectPastesAtTheCursorOfOtherText() {
        FixedClock clock(kToday);
        QWidget window;
        auto* remark = new QLineEdit("Rückruf am ", &window);
        auto* list = new QListWidget(&window);
        (new QVBoxLayout(&window))->addWidget(remark);
        window.layout()->addWidget(list);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        remark->setFocus();
        auto calendar = std::make_unique<Calendar>();
        calendar->show();
        QTest::mouseClick(calendar->findChild<QPushButton*>("COPY"), Qt::LeftButton);
        QCOMPARE(remark->text(), QString("Rückruf am 06.12.2026"));

        window.activateWindow();
        list->setFocus();
        QTest::failOnWarning(QRegularExpression("paste"));
        calendar = std::make_unique<Calendar>();
        key(calendar.get(), Qt::Key_Right);
        QTest::mouseClick(calendar->findChild<QPushButton*>("COPY"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("07.12.2026"));
        QCOMPARE(remark->text(), QString("Rückruf am 06.12.2026"));
    }

    // The user types in an address form, opens the calendar from the frame's
    // toolbar, picks a day and selects it: the date lands in the form's field.
    void selectPastesTheDateIntoTheFormsField() {
        test::FormFixture fixture; // its clock: 14 March 2025
        test::FrameDriver frame;
        activities::registerActivityWindows();
        auto* toolbar = frame.frame.findChild<QToolBar*>("TOOLBAR");
        QWidget* calendarButton = toolbar->widgetForAction(frame.action("CALENDAR"));
        QString pasted, keptWhileOpen, clipboard;
        bool addressesWait = false, oneCalendar = false;
        test::whenModal([&](QWidget* form) {
            auto* date = test::field(form, "ADR:EKONT");
            date->setFocus();
            addressesWait = !frame.enabled("ADRBUTTON") && frame.enabled("CALENDAR");
            test::FrameDriver::clickInWindow(calendarButton, calendarButton->rect().center());
            auto* calendar = qobject_cast<Calendar*>(app::runningWindow(app::procedures::Calendar));
            QVERIFY(calendar && calendar->isVisible() && calendar->isEnabled());
            key(calendar, Qt::Key_PageDown); // April 2025
            // A second press brings the open calendar forward and leaves its month.
            test::FrameDriver::clickInWindow(calendarButton, calendarButton->rect().center());
            QCoreApplication::processEvents();
            oneCalendar = frame.frame.findChildren<Calendar*>().size() == 1;
            keptWhileOpen = calendar->windowTitle();
            QTest::mouseClick(cellOfDay(calendar, 17), Qt::LeftButton);
            QTest::mouseClick(calendar->findChild<QPushButton*>("COPY"), Qt::LeftButton);
            pasted = date->text();
            clipboard = QGuiApplication::clipboard()->text();
            static_cast<QDialog*>(form)->reject();
        });
        browse::callForm("qxUpdateAdressMain", browse::InsertRecord);
        QVERIFY(addressesWait);
        QVERIFY(oneCalendar);
        QCOMPARE(keptWhileOpen, QString("April 2025"));
        QCOMPARE(clipboard, QString("17.04.2025"));
        QCOMPARE(pasted, QString("17.04.2025"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app::runningWindow(app::procedures::Calendar));
        app::clearWindowRegistry();
    }
};

QTEST_MAIN(CalendarTest)
#include "CalendarTest.moc"
