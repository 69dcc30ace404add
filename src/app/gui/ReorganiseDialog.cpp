#include "app/gui/ReorganiseDialog.h"

#include "app/ReorganiseReport.h"
#include "app/gui/WindowPosition.h"
#include "data/Reorganise.h"
#include "i18n/gui/WindowTranslator.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkora::app {

void runReorganiseDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("DataUtil");
    dialog.setWindowTitle("Datenpflege");
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel("Adressdatei lesen und ihre Schlüssel neu aufbauen?", &dialog);
    text->setObjectName("STRING1");
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OK");
    ok->setDefault(true);
    buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole)->setObjectName("CANCEL");
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    i18n::TranslateWindow(&dialog, false);
    RestoreWindowPosition(&dialog, "DataUtil");
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    SaveWindowPosition(&dialog, "DataUtil");
    if (!confirmed)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const data::ReorganiseSummary summary = data::reorganiseAddressFile();
    QApplication::restoreOverrideCursor();
    if (summary.done)
        prompter().ask(reorganiseReport(summary));
}

} // namespace velkora::app
