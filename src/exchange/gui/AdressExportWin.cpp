#include "exchange/gui/AdressExportWin.h"

#include "app/gui/HelpWindow.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "exchange/ExchangeFile.h"
#include "exchange/gui/AdrImportListWin.h"
#include "i18n/Messages.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkora::exchange {

AdressExportWin::AdressExportWin(QWidget* parent) : QWidget(parent) {
    setObjectName("AdressExportWin");
    setWindowTitle("Data Exchange");
    auto* text = new QLabel("Rows of the last import");
    text->setObjectName("STRING:EXCHANGE");
    text->setWordWrap(true);
    auto* ok = new QPushButton("OK");
    ok->setObjectName("?OK");
    auto* cancel = new QPushButton("Cancel");
    cancel->setObjectName("?CANCEL");
    auto* help = new QPushButton("Help");
    help->setObjectName("?HELP");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addStretch(1);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &AdressExportWin::openCheckList);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(help, &QPushButton::clicked, this, [] { app::openHelp("contents"); });
    i18n::TranslateWindow(this, false);
    resize(420, 160);
}

void AdressExportWin::openCheckList() {
    const std::string mailPath = appState().MAILPATH;
    if (!exchangeFileExists(mailPath)) {
        i18n::ShowMessage("M.IMP_NoFile", Icon::Information,
                          "There is no exchange file from an earlier import.");
        return;
    }
    const std::string name = exchangeFileName(mailPath);
    app::openWindow(app::procedures::AdressImportList, [name] { return new AdrImportListWin(name); });
    close();
}

} // namespace velkora::exchange
