#include "activities/gui/Calendar.h"

#include "app/gui/ModalRun.h"
#include "app/gui/WindowRegistry.h"
#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/Clock.h"
#include "shared/Dates.h"
#include "shared/Pictures.h"
#include "shared/Prompter.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace velkora::activities {
namespace {

QString numbered(const char* name, int number) {
    return QString(name) + QString::number(number);
}

QLabel* variableText(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    i18n::setControlType(label, i18n::VariableStringControl);
    return label;
}

QFrame* panel(const char* name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    return frame;
}

// The range message, shown as it stands, not from the message catalogue.
void showLimit(CalendarLimit limit) {
    ask(limit == CalendarLimit::BeforeFirstYear ? "You cannot use the calendar for|dates before the year 1801"
                                                : "You cannot use the calendar for|dates after the year 9999",
        "Date Out Of Range", Icon::Information, ButtonOk);
}

} // namespace

Calendar::Calendar(std::int32_t day, QWidget* parent)
    : QWidget(parent, Qt::Tool), target_(app::fieldInUse()) {
    setObjectName("Calendar");
    setWindowTitle("Calendar");
    auto* box = new QVBoxLayout(this);
    box->addWidget(buildHeader());
    box->addWidget(buildGrid(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const auto& [name, text] : {CalendarLabel{"COPY", "Select"}, CalendarLabel{"CLOSE", "Close"}}) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        buttons->addWidget(button);
        const bool copy = std::string_view(name) == "COPY";
        connect(button, &QPushButton::clicked, this, [this, copy] { closeWith(copy); });
    }
    box->addLayout(buttons);
    i18n::TranslateWindow(this, false);
    // The keys of the calendar work whichever of its controls has the focus.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    showDay(civilDate(day) ? day : today());
    adjustSize(); // placed by its size before it shows
}

QFrame* Calendar::buildHeader() {
    QFrame* header = panel("PANEL1", this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    const auto spin = [this, header, row](CalendarLabel prompt, const char* name, int lowest, int highest) {
        auto* label = new QLabel(prompt.text, header);
        label->setObjectName(prompt.name);
        auto* field = new QSpinBox(header);
        field->setObjectName(name);
        // One past each end: the month wraps into the next year, the year meets its limit.
        field->setRange(lowest, highest);
        field->setKeyboardTracking(false);
        connect(field, &QSpinBox::valueChanged, this, &Calendar::monthOrYearChosen);
        row->addWidget(label);
        row->addWidget(field);
        return field;
    };
    month_ = spin({"STRINGMONTH", "Monat"}, "MONTHNUMBER", 0, 13);
    auto* names = new QWidget(header);
    auto* stack = new QStackedLayout(names);
    for (int m = 0; m < 12; ++m) {
        monthNames_[m] = new QLabel(kMonthLabels[m].text, names);
        monthNames_[m]->setObjectName(kMonthLabels[m].name);
        stack->addWidget(monthNames_[m]);
    }
    row->addWidget(names);
    row->addStretch();
    year_ = spin({"STRINGYEAR", "Jahr"}, "YEARNUMBER", kFirstYear - 1, kLastYear + 1);
    return header;
}

QFrame* Calendar::buildGrid() {
    QFrame* days = panel("PANEL3", this);
    days->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(days);
    grid->setSpacing(2);
    // The band behind the weekday headings, which stand in the columns of their days.
    QFrame* headings = panel("PANEL2", days);
    headings->setAutoFillBackground(true);
    headings->setBackgroundRole(QPalette::AlternateBase);
    grid->addWidget(headings, 0, 1, 1, kDaysPerWeek);
    for (int column = 0; column < kDaysPerWeek; ++column) {
        auto* heading = new QLabel(kWeekdayLabels[column].text, days);
        heading->setObjectName(kWeekdayLabels[column].name);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column + 1);
    }
    for (int row = 0; row < kCalendarRows; ++row) {
        weeks_[row] = variableText(numbered("STRINGKW", row + 1), days);
        weeks_[row]->setForegroundRole(QPalette::PlaceholderText);
        weeks_[row]->setMinimumWidth(weeks_[row]->fontMetrics().horizontalAdvance("53") + 8);
        grid->addWidget(weeks_[row], row + 1, 0);
    }
    const int side = fontMetrics().height() * 2;
    for (int k = 0; k < kCalendarCells; ++k) {
        QFrame* cell = panel(numbered("REGION", k + 1).toLatin1().constData(), days);
        cell->setMinimumSize(side + side / 4, side);
        cell->setCursor(Qt::PointingHandCursor);
        cellTexts_[k] = variableText(numbered("STRING", k + 1), cell);
        cellTexts_[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        (new QVBoxLayout(cell))->addWidget(cellTexts_[k]);
        cell->layout()->setContentsMargins(0, 0, 0, 0);
        cells_[k] = cell;
        grid->addWidget(cell, k / kDaysPerWeek + 1, k % kDaysPerWeek + 1);
    }
    return days;
}

bool Calendar::event(QEvent* event) {
    // A second press of the frame's button: the frame brought the calendar
    // forward; the month shown stays.
    if (event->type() == app::NotifyEvent)
        return true;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (navigate(key->key(), key->modifiers()))
            return true;
    }
    return QWidget::event(event);
}

bool Calendar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return navigate(key->key(), key->modifiers());
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        for (int k = 0; k < kCalendarCells; ++k)
            if (watched == cells_[k]) {
                dayClicked(k);
                return true;
            }
    return QWidget::eventFilter(watched, event);
}

bool Calendar::navigate(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Left:
        go(stepDays(day_, -1));
        return true;
    case Qt::Key_Right:
        go(stepDays(day_, 1));
        return true;
    case Qt::Key_Up:
        go(stepDays(day_, -kDaysPerWeek));
        return true;
    case Qt::Key_Down:
        go(stepDays(day_, kDaysPerWeek));
        return true;
    case Qt::Key_PageUp:
        go(stepMonths(day_, ctrl ? -12 : -1));
        return true;
    case Qt::Key_PageDown:
        go(stepMonths(day_, ctrl ? 12 : 1));
        return true;
    case Qt::Key_Escape:
        closeWith(false);
        return true;
    default:
        return false;
    }
}

void Calendar::go(const CalendarStep& step) {
    if (step.limit != CalendarLimit::None)
        showLimit(step.limit);
    showDay(step.limit == CalendarLimit::None ? step.day : day_);
}

void Calendar::monthOrYearChosen() {
    go(firstOfMonth(year_->value(), month_->value()));
}

void Calendar::dayClicked(int cell) {
    if (grid_.days[cell] == 0)
        return;
    day_ = dayNumber({shownYear_, shownMonth_, grid_.days[cell]});
    mark();
}

void Calendar::showDay(std::int32_t day) {
    day_ = day;
    const CivilDate date = *civilDate(day);
    if (date.year != shownYear_ || date.month != shownMonth_) {
        shownYear_ = date.year;
        shownMonth_ = date.month;
        grid_ = monthGrid(date.year, date.month);
        for (int k = 0; k < kCalendarCells; ++k) {
            const int shown = grid_.days[k];
            cellTexts_[k]->setText(shown != 0 ? QString::number(shown) : QString());
            cells_[k]->setFrameShape(shown != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
        }
        for (int row = 0; row < kCalendarRows; ++row)
            weeks_[row]->setText(grid_.weeks[row] != 0 ? QString::number(grid_.weeks[row]) : QString());
        auto* names = static_cast<QStackedLayout*>(monthNames_[0]->parentWidget()->layout());
        names->setCurrentIndex(date.month - 1);
        setWindowTitle(monthNames_[date.month - 1]->text() + ' ' + QString::number(date.year));
    }
    // The spin fields show where the calendar is, without choosing anew.
    for (const auto& [field, value] : {std::pair{month_, date.month}, std::pair{year_, date.year}}) {
        const QSignalBlocker quiet(field);
        field->setValue(value);
    }
    mark();
}

void Calendar::mark() {
    const CivilDate date = *civilDate(day_);
    const auto now = civilDate(today());
    for (int k = 0; k < kCalendarCells; ++k) {
        const int shown = grid_.days[k];
        const bool marked = shown != 0 && shown == date.day;
        cells_[k]->setAutoFillBackground(marked);
        cells_[k]->setBackgroundRole(marked ? QPalette::Highlight : QPalette::Window);
        cellTexts_[k]->setForegroundRole(marked ? QPalette::HighlightedText : QPalette::WindowText);
        QFont font = cellTexts_[k]->font();
        font.setBold(now && shown == now->day && shownMonth_ == now->month && shownYear_ == now->year);
        cellTexts_[k]->setFont(font);
    }
}

void Calendar::closeWith(bool copy) {
    copy_ = copy;
    if (!copy)
        day_ = 0;
    close();
}

void Calendar::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!copy_ || day_ == 0)
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(formatDate("@d17", day_)));
    // The user's paste, in the field that had the focus before; a list has
    // no paste and keeps the date on the clipboard.
    if (target_ == nullptr || !target_->isEnabled() || target_->metaObject()->indexOfSlot("paste()") < 0)
        return;
    target_->window()->activateWindow();
    target_->setFocus();
    // The chosen date replaces the date an entry holds; in other text it
    // goes where the cursor is.
    if (auto* entry = qobject_cast<QLineEdit*>(target_.data()))
        if (const auto held = parseDate(entry->text().toStdString()); held && *held != 0)
            entry->selectAll();
    QMetaObject::invokeMethod(target_, "paste");
}

} // namespace velkora::activities
