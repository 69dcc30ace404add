#pragma once
// The printer the program prints on. "Print Setup ..." chooses it and its
// paper; every print path prints on this one object, so the choice holds
// for the rest of the run.

#include <functional>

class QPrinter;
class QWidget;

namespace velkora::app {

QPrinter& programPrinter();

// The dialog printer set-up runs on the program printer: it changes the
// printer only when the user takes the choice, and says whether he did.
// The platform's print dialog unless replaced (tests put a stand-in here).
using PrinterSetupDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
PrinterSetupDialog& printerSetupDialog();

// "Print Setup ...": lets the user choose the program printer and its paper.
bool runPrinterSetup(QWidget* parent);

} // namespace velkora::app
