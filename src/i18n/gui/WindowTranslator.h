#pragma once
// Translates a window's texts through the translation table qxTRL of the
// current language. Each control is looked up by its type code and design
// text ("P.10_DATUM"); with WriteTRL on, missing keys are recorded.
//
// How Qt controls map to the type codes of the keys:
//   window title 25 (the main frame 24); QLabel with a buddy 10 "Prompt",
//   other QLabel 2 "String"; a QLabel named like a variable ("LS:ACTPATH",
//   "ADR:NAME1", not ending in ":PROMPT") 1, not translated; push and tool
//   buttons 9; QCheckBox 12; QRadioButton 21; QGroupBox 13 (checkable: 12);
//   tabs of a QTabWidget 38; non-editable QComboBox 33, editable 34 (its
//   items, joined by "|", are its text); menus 19, menu items 20, toolbar
//   actions 9. setControlType() overrides the code of one control.
//
// Call TranslateWindow(this, false) right after a window is built, before
// it sets texts of its own; the frame calls it with whole = true to include
// its menus and toolbars. List windows then call TranslateListHeaders.

#include <QAbstractItemView>
#include <QObject>
#include <QWidget>

namespace velkora::i18n {

void TranslateWindow(QWidget* window, bool whole);
// Translates the column headings (columns 1 to 64) of a list ("L." + heading).
void TranslateListHeaders(QAbstractItemView* list);

// Gives a control (widget or action) an explicit type code.
void setControlType(QObject* control, int type);

} // namespace velkora::i18n
