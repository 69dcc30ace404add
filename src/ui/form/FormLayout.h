#pragma once
// The one way forms and dialogs lay out their controls: a prompt column, an
// entry column, a lookup button right beside its entry and, beside that,
// what the lookup fills in as well (the name of a code). Also where a dialog
// or lookup opens: centred over the window it belongs to.
//
//   auto* grid = new QGridLayout(page);
//   addField(grid, 0, 0, "Name 1", named(new QLineEdit, "ADR:NAME1"), 3);
//   addLookupField(grid, 1, 0, "Land", code, lookupButton("LKBUTTON"), name);

#include "i18n/ControlTexts.h"

#include <QAbstractButton>
#include <QString>
#include <type_traits>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace velkora::form {

// Gives a control its design name and, when given, its tooltip. A button's
// tip is translated with its text by the window translator; lists, entries
// and spin boxes have no translated text to carry it, so theirs is
// translated here.
template <class W> W* named(W* widget, const char* name, const char* tip = nullptr) {
    widget->setObjectName(name);
    if constexpr (std::is_base_of_v<QAbstractButton, W>)
        widget->setToolTip(tip);
    else if (tip != nullptr)
        widget->setToolTip(QString::fromStdString(i18n::translated(i18n::StringControl, tip)));
    return widget;
}

// A button that does not become the default when it has the focus, so Enter
// in an entry still means OK.
QPushButton* plainButton(const char* name, const QString& text, const char* tip = nullptr);

// The "..." button that opens the lookup list of the entry beside it.
QPushButton* lookupButton(const char* name);

// A prompt in `column` and its field beside it, spanning `span` columns.
QLabel* addField(QGridLayout* grid, int row, int column, const QString& prompt, QWidget* field, int span = 1);

// The same in the grid's next free row, prompt in the first column.
QLabel* addRow(QGridLayout* grid, const QString& prompt, QWidget* field, int span = 1);

// A prompt, the entry, its lookup button and, when given, what the lookup
// also fills in (which takes the remaining width).
QLabel* addLookupField(QGridLayout* grid, int row, int column, const QString& prompt, QWidget* entry,
                       QPushButton* button, QWidget* beside = nullptr, int span = 1);

// Puts `added` right after `anchor` in the row of the form that holds it
// (a button beside a lookup's button); false when `anchor` is in no row of
// `window`'s layout.
bool addBeside(QWidget* window, QWidget* anchor, QWidget* added);

// `field` is enabled only while `box` is checked (with `whileClear`: only while it is not).
void enableWhile(QWidget* field, QCheckBox* box, bool whileClear = false);

// Moves a top-level `window` so it is centred over the window `over` belongs
// to, or over the active window when `over` is null. Call it once the window
// has its size; without such a window it stays where it is.
void centreOver(QWidget* window, const QWidget* over = nullptr);

} // namespace velkora::form
