#include "documents/gui/MailFieldsWin.h"

#include "app/gui/WindowPosition.h"
#include "documents/MailFields.h"
#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"
#include "ui/form/FormLayout.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velkora::documents {

MailFieldsWin::MailFieldsWin(QWidget* parent)
    : QWidget(parent), list_(form::named(new QTreeWidget, "LIST")),
      clipboard_(form::named(new QLabel, "LS:CLIPBOARD")), select_(form::plainButton("SELECT", "Select")),
      close_(form::plainButton("CLOSE", "Close")) {
    setObjectName("MailFieldsWin");
    setWindowTitle("Seriendruckfelder");
    list_->setColumnCount(2);
    list_->setHeaderLabels({"Platzhalter", "Beschreibung"});
    list_->setRootIsDecorated(false);
    for (const MailFieldRow& row : mailFieldRows())
        list_->addTopLevelItem(new QTreeWidgetItem(
            {QString::fromStdString(row.placeholder), QString::fromStdString(row.description)}));
    list_->setCurrentItem(list_->topLevelItem(0));
    clipboard_->setWordWrap(true);
    select_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(select_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(clipboard_);
    layout->addLayout(buttons);
    i18n::TranslateWindow(this, false);
    i18n::TranslateListHeaders(list_);
    list_->resizeColumnToContents(0);
    list_->setMinimumSize(list_->columnWidth(0) + list_->fontMetrics().averageCharWidth() * 44,
                          list_->fontMetrics().height() * 16);

    connect(select_, &QPushButton::clicked, this, &MailFieldsWin::select);
    connect(list_, &QTreeWidget::itemActivated, this, &MailFieldsWin::select);
    connect(close_, &QPushButton::clicked, this, [this] { app::outerWindow(this)->close(); });
}

void MailFieldsWin::select() {
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    const QString placeholder = item->text(0);
    QGuiApplication::clipboard()->setText(placeholder);
    // Writer takes it with Ctrl+V at its cursor.
    clipboard_->setText(
        QString::fromStdString(i18n::translated(i18n::StringControl, "In der Zwischenablage (Strg+V):")) +
        " " + placeholder);
}

} // namespace velkora::documents
