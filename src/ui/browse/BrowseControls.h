#pragma once
// The controls of a list window around its list, named by their design
// names and laid out once: the sheet with a page per declared tab, the
// locator prompt and entry with the format button, the row where a derived
// window puts its own buttons, and New, Change, Delete, Close and Help
// (Select before them in a lookup list). An embedded list hides what the
// window around it has.

#include "ui/browse/BrowseDeclaration.h"

#include <QString>
#include <string>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace velkora::browse {

struct BrowseControls {
    QTabWidget* sheet;
    QLabel* searchPrompt;
    QLineEdit* searchEntry;
    QPushButton* insert;
    QPushButton* change;
    QPushButton* remove;
    QPushButton* select; // nullptr: the list offers no Select
    QPushButton* close;
    QPushButton* help;
    QPushButton* config;
    QBoxLayout* extraButtons;
};

// Builds the controls on `window` for `declaration`, which names one tab at least.
BrowseControls buildBrowseControls(QWidget* window, const BrowseDeclaration& declaration);

// A button of a list window: named, and no default button of a dialog around it.
QPushButton* makeBrowseButton(QWidget* parent, const std::string& name, const QString& text);

} // namespace velkora::browse
