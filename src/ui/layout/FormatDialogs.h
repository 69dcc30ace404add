#pragma once
// The two dialogs that let the user arrange a list: "List Format" edits the
// current column (place, header, justification, width, offsets, flags,
// font and line height); "Format Listbox..." also shows and hides columns
// of the list's column table and sets the list box's placement and scroll
// bars. Both work on a FormatSession and change it only when taken.

#include "ui/layout/ListFormat.h"

#include <QFont>
#include <QRect>
#include <string>
#include <vector>

class QWidget;

namespace velkora::layout {

// One entry of a list's column table as the dialogs offer it.
struct ColumnChoice {
    std::string field;       // "ADR:NAME1"
    std::string description; // "Name 1"
    std::string picture;     // "@s63L"
};

struct FormatSession {
    ListFormat format;   // the list as arranged now
    ListFormat designed; // what "Standard" / "&Default" go back to
    std::vector<ColumnChoice> fields;
    QFont font;
    int lineHeight = 0;
    bool hscroll = true;
    bool vscroll = true;
    QRect placement; // the list box within its window
    // Whether the list keeps a placement of its own; others fill their
    // window, and the dialog offers no placement for them.
    bool placeable = false;
};

// A new display column for entry `field` (1-based) of the column table.
ListColumn columnFor(const FormatSession& session, int field);
// Moves display column `index` one place left (-1) or right (+1); false
// (and a beep) when it would pass the first or last place.
bool moveColumn(ListFormat& format, int index, int step);

// Modal; true when the user took the settings with "Ok".
bool runListFormatDialog(FormatSession& session, int column, QWidget* parent);
// Modal; true when something was changed before "&Close".
bool runFormatListboxDialog(FormatSession& session, QWidget* parent);

} // namespace velkora::layout
