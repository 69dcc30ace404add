#include "app/gui/ProgramPrinter.h"

#include <QPrintDialog>
#include <QPrinter>

namespace velkora::app {

QPrinter& programPrinter() {
    // Never destroyed: print engines must not outlive the application object.
    static auto* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

PrinterSetupDialog& printerSetupDialog() {
    static PrinterSetupDialog dialog = [](QPrinter& printer, QWidget* parent) {
        QPrintDialog setup(&printer, parent);
        setup.setObjectName("PrintSetupDialog");
        setup.setWindowTitle("Print Setup");
        // Set-up chooses the printer and its paper; what to print is asked when printing.
        setup.setOptions(QAbstractPrintDialog::PrintShowPageSize);
        return setup.exec() == QDialog::Accepted;
    };
    return dialog;
}

bool runPrinterSetup(QWidget* parent) {
    return printerSetupDialog()(programPrinter(), parent);
}

} // namespace velkora::app
