#include "app/gui/ProgramPrinter.h"

#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

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
        // Set-up prints nothing: its accept button says OK, not "Print".
        if (auto* buttons = setup.findChild<QDialogButtonBox*>())
            if (QPushButton* accept = buttons->button(QDialogButtonBox::Ok))
                accept->setText("OK");
        // Qt's own dialog: its lists name printers and paper sizes, not
        // design texts; its labels and tips go through the table.
        for (QComboBox* list : setup.findChildren<QComboBox*>())
            i18n::setControlType(list, i18n::ComboControl);
        i18n::TranslateWindow(&setup, false);
        for (QAbstractSpinBox* spin : setup.findChildren<QAbstractSpinBox*>())
            spin->setToolTip(
                QString::fromStdString(i18n::translated(i18n::StringControl, spin->toolTip().toStdString())));
        return setup.exec() == QDialog::Accepted;
    };
    return dialog;
}

bool runPrinterSetup(QWidget* parent) {
    return printerSetupDialog()(programPrinter(), parent);
}

} // namespace velkora::app
