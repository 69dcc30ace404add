#include "ui/form/FormLayout.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace velkora::form {

QPushButton* plainButton(const char* name, const QString& text, const char* tip) {
    auto* button = named(new QPushButton(text), name, tip);
    button->setAutoDefault(false);
    return button;
}

QPushButton* lookupButton(const char* name) {
    QPushButton* button = plainButton(name, "...");
    button->setFixedWidth(button->fontMetrics().horizontalAdvance("...") + 16);
    return button;
}

QLabel* addField(QGridLayout* grid, int row, int column, const QString& prompt, QWidget* field, int span) {
    auto* label = new QLabel(prompt);
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1, 1, span);
    return label;
}

QLabel* addRow(QGridLayout* grid, const QString& prompt, QWidget* field, int span) {
    // An empty grid still counts one row.
    const int row = grid->count() == 0 ? 0 : grid->rowCount();
    return addField(grid, row, 0, prompt, field, span);
}

QLabel* addLookupField(QGridLayout* grid, int row, int column, const QString& prompt, QWidget* entry,
                       QPushButton* button, QWidget* beside, int span) {
    auto* label = new QLabel(prompt);
    label->setBuddy(entry);
    auto* line = new QHBoxLayout;
    line->addWidget(entry, beside != nullptr ? 0 : 1);
    line->addWidget(button);
    if (beside != nullptr)
        line->addWidget(beside, 1);
    grid->addWidget(label, row, column);
    grid->addLayout(line, row, column + 1, 1, span);
    return label;
}

namespace {

// The box layout, at any depth below `layout`, that holds `widget` itself.
QBoxLayout* rowHolding(QLayout* layout, QWidget* widget) {
    if (auto* box = qobject_cast<QBoxLayout*>(layout); box && box->indexOf(widget) >= 0)
        return box;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout* inner = layout->itemAt(i)->layout())
            if (QBoxLayout* found = rowHolding(inner, widget))
                return found;
    return nullptr;
}

} // namespace

bool addBeside(QWidget* window, QWidget* anchor, QWidget* added) {
    for (QWidget* w = anchor->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (w->layout() != nullptr)
            if (QBoxLayout* row = rowHolding(w->layout(), anchor)) {
                row->insertWidget(row->indexOf(anchor) + 1, added);
                return true;
            }
        if (w == window)
            break;
    }
    return false;
}

void enableWhile(QWidget* field, QCheckBox* box, bool whileClear) {
    field->setEnabled(box->isChecked() != whileClear);
    QObject::connect(box, &QCheckBox::toggled, field,
                     [field, whileClear](bool checked) { field->setEnabled(checked != whileClear); });
}

void centreOver(QWidget* window, const QWidget* over) {
    const QWidget* owner = over != nullptr ? over->window() : QApplication::activeWindow();
    if (owner == nullptr || owner == window || !window->isWindow())
        return;
    QRect placed = window->frameGeometry();
    placed.moveCenter(owner->frameGeometry().center());
    window->move(placed.topLeft());
}

} // namespace velkora::form
