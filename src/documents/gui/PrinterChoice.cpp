#include "documents/gui/PrinterChoice.h"

#include "i18n/ControlTexts.h"
#include "ui/form/FormLayout.h"

#include <QCheckBox>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>

namespace velkora::documents {

PrinterChooser& printerChooser() {
    static PrinterChooser chooser = [](QWidget* over, const QString& current) -> std::optional<QString> {
        QMenu menu(over);
        for (const QString& name : QPrinterInfo::availablePrinterNames()) {
            QAction* action = menu.addAction(name);
            action->setCheckable(true);
            action->setChecked(name == current);
        }
        if (menu.isEmpty())
            menu.addAction(QString::fromStdString(
                               i18n::translated(i18n::StringControl, "Kein Drucker eingerichtet")))
                ->setEnabled(false);
        const QAction* chosen = menu.exec(QCursor::pos());
        return chosen ? std::optional(chosen->text()) : std::nullopt;
    };
    return chooser;
}

void addPrintRows(QGridLayout* grid, int row, const PrintControls& controls) {
    grid->addWidget(controls.directPrint, row, 0);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(controls.copies);
    copiesRow->addWidget(controls.autoCopies);
    copiesRow->addStretch();
    grid->addLayout(copiesRow, row, 1, 1, 3);
    form::addField(grid, row + 1, 0, "Drucker", controls.device, 2);
    grid->addWidget(controls.printer, row + 1, 3);
}

} // namespace velkora::documents
