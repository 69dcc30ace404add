#pragma once
// The printer button of the document windows: a menu of the system's
// printers, the current one checked.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace velkora::documents {

// How the printer button lets the user choose among the system's printers
// (nullopt: nothing chosen); tests replace it.
using PrinterChooser = std::function<std::optional<QString>(QWidget* over, const QString& current)>;
PrinterChooser& printerChooser();

} // namespace velkora::documents
