#pragma once
// The calendar (Calendar): one month as a grid of day cells with weekday
// headings (Monday first) and ISO week numbers. The arrow keys move by day
// and week, Page Up/Down by month, with Ctrl by year, the spin fields choose
// month and year; the years stay within 1801 to 9999. "Select" puts the
// chosen date in the short date format on the clipboard and pastes it into
// the field that had the focus before the calendar opened; "Close" and
// Escape leave the clipboard alone. It floats over the frame as a tool
// window, so that it serves a form running there.

#include "activities/CalendarMonth.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QSpinBox;

namespace velkora::activities {

class Calendar : public QWidget {
    Q_OBJECT
public:
    // Starts on `day` (a day number), or today when it is 0 or no date.
    explicit Calendar(std::int32_t day = 0, QWidget* parent = nullptr);

    // The current date; 0 after "Close".
    std::int32_t currentDay() const { return day_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The month and year fields with the month's name (PANEL1).
    QFrame* buildHeader();
    // The weekday headings, the week numbers and the day cells (PANEL3).
    QFrame* buildGrid();
    // A key of the navigation table; false for any other key.
    bool navigate(int key, Qt::KeyboardModifiers modifiers);
    // Goes to the step's date, or shows the range message and stays.
    void go(const CalendarStep& step);
    void monthOrYearChosen();
    void dayClicked(int cell);
    void showDay(std::int32_t day);
    void mark();
    void closeWith(bool copy);

    QSpinBox* month_ = nullptr;
    QSpinBox* year_ = nullptr;
    std::array<QLabel*, 12> monthNames_{};
    std::array<QLabel*, kCalendarRows> weeks_{};
    std::array<QFrame*, kCalendarCells> cells_{};
    std::array<QLabel*, kCalendarCells> cellTexts_{};
    MonthGrid grid_;
    std::int32_t day_ = 0;
    int shownYear_ = 0;
    int shownMonth_ = 0;
    bool copy_ = false;
    // The field the date is pasted into.
    QPointer<QWidget> target_;
};

} // namespace velkora::activities
