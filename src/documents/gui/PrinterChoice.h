#pragma once
// The print controls of the document windows: "print at once" with the
// copies, and the printer, whose button offers a menu of the system's
// printers with the current one checked.

#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace velkora::documents {

// How the printer button lets the user choose among the system's printers
// (nullopt: nothing chosen); tests replace it.
using PrinterChooser = std::function<std::optional<QString>(QWidget* over, const QString& current)>;
PrinterChooser& printerChooser();

struct PrintControls {
    QCheckBox* directPrint;
    QSpinBox* copies;
    QCheckBox* autoCopies;
    QLineEdit* device;
    QPushButton* printer;
};

// Two rows of a four-column grid from `row`: direct print, copies and
// automatic copies; the printer prompt, device and button.
void addPrintRows(QGridLayout* grid, int row, const PrintControls& controls);

} // namespace velkora::documents
