#include "addresses/forms/ContactTab.h"

#include "addresses/TkpExchange.h"
#include "app/gui/Navigation.h"
#include "data/StandardWarnings.h"
#include "ui/browse/FormRequest.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velkora::addresses {

ContactTab::ContactTab(QWidget* parent)
    : QWidget(parent), rows_(std::make_unique<ContactRows>(std::vector<std::string>{})) {
    list_ = new QTreeWidget;
    list_->setObjectName("LISTKTP");
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({"Art", "Telefon", "Fax", "e-Mail", "Text"});
    // Widths of the designed list (dialog units), about 1.75 pixels each.
    const int widths[] = {42, 54, 54, 70, 240};
    for (int c = 0; c < 5; ++c)
        list_->setColumnWidth(c, widths[c] * 7 / 4);
    list_->installEventFilter(this);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { changeContact(); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });

    insert_ = new QPushButton("Neu");
    insert_->setObjectName("AKINSERT");
    change_ = new QPushButton("Ändern");
    change_->setObjectName("AKCHANGE");
    delete_ = new QPushButton("Löschen");
    delete_->setObjectName("AKDELETE");
    for (QPushButton* b : {insert_, change_, delete_})
        b->setAutoDefault(false);
    connect(insert_, &QPushButton::clicked, this, &ContactTab::insertContact);
    connect(change_, &QPushButton::clicked, this, &ContactTab::changeContact);
    connect(delete_, &QPushButton::clicked, this, &ContactTab::deleteContact);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(insert_);
    buttons->addWidget(change_);
    buttons->addWidget(delete_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    updateButtons();
}

void ContactTab::setKinds(std::vector<std::string> kinds) {
    rows_ = std::make_unique<ContactRows>(std::move(kinds));
}

bool ContactTab::load(data::File<data::ContactPerson>& file, std::int32_t adrnr) {
    const bool ok = rows_->load(file, adrnr);
    showRows(0);
    return ok;
}

int ContactTab::currentRow() const {
    QTreeWidgetItem* item = list_->currentItem();
    return item ? list_->indexOfTopLevelItem(item) : -1;
}

void ContactTab::showRows(int select) {
    list_->clear();
    for (const ContactRow& row : rows_->rows()) {
        auto* item = new QTreeWidgetItem(list_);
        int c = 0;
        for (const std::string* text : {&row.kindText, &row.telText, &row.faxText, &row.emailText, &row.text})
            item->setText(c++, QString::fromStdString(*text));
    }
    if (select >= 0 && select < list_->topLevelItemCount())
        list_->setCurrentItem(list_->topLevelItem(select));
    updateButtons();
}

void ContactTab::updateButtons() {
    const bool any = !rows_->empty();
    change_->setEnabled(any);
    delete_->setEnabled(any);
}

void ContactTab::insertContact() {
    edit(browse::InsertRecord, -1);
}

void ContactTab::changeContact() {
    if (currentRow() >= 0)
        edit(browse::ChangeRecord, currentRow());
}

void ContactTab::deleteContact() {
    const int row = currentRow();
    if (row < 0 || data::ShowStandardWarning(data::Warn::StandardDelete) != ButtonOk)
        return;
    rows_->remove(static_cast<std::size_t>(row));
    showRows(0);
}

void ContactTab::edit(int request, int row) {
    for (;;) {
        if (request == browse::InsertRecord)
            TkpExchange() = primer_ ? primer_() : data::ContactPerson{};
        else
            TkpExchange() = rows_->rows().at(static_cast<std::size_t>(row)).person;
        const int response = browse::callForm("qxUpdateTKP", request);
        const int code = browse::formExchange().navigation;
        if (response == browse::RequestCompleted) {
            if (request == browse::InsertRecord)
                row = static_cast<int>(rows_->append(TkpExchange()));
            else
                rows_->change(static_cast<std::size_t>(row), TkpExchange());
        }
        showRows(row);
        if (afterForm_)
            afterForm_();
        // The contact form's save-and-navigate buttons move through the rows.
        if (code == app::NavInsert || (request == browse::InsertRecord && code == app::NavDown)) {
            request = browse::InsertRecord;
            continue;
        }
        const int next = code == 0 ? row : movedRow(row, code);
        if (next == row || next < 0)
            return;
        request = browse::ChangeRecord;
        row = next;
    }
}

int ContactTab::movedRow(int row, int code) const {
    const int last = static_cast<int>(rows_->size()) - 1;
    const int rowHeight = std::max(1, list_->sizeHintForRow(0));
    const int page = std::max(1, list_->viewport()->height() / rowHeight);
    switch (code) {
    case app::NavBottom:
        return last;
    case app::NavTop:
        return 0;
    case app::NavPageDown:
        return std::min(last, row + page);
    case app::NavPageUp:
        return std::max(0, row - page);
    case app::NavDown:
        return std::min(last, row + 1);
    case app::NavUp:
        return std::max(0, row - 1);
    default:
        return row;
    }
}

bool ContactTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Insert:
            insertContact();
            return true;
        case Qt::Key_Delete:
            deleteContact();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            changeContact();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velkora::addresses
