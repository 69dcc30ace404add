#include "documents/gui/PrinterChoice.h"

#include "i18n/ControlTexts.h"

#include <QCursor>
#include <QMenu>
#include <QPrinterInfo>

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

} // namespace velkora::documents
