#include "ui/form/FieldBindings.h"

#include "shared/Text.h"
#include "ui/form/PictureEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <stdexcept>
#include <string>

namespace velkora::form {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// An entry takes no more characters than its field holds, and a number
// field only what makes a number.
void limitLength(QLineEdit* edit, const data::FieldDef& field) {
    switch (field.type) {
    case data::FieldType::String:
        edit->setMaxLength(field.size);
        break;
    case data::FieldType::CString:
        edit->setMaxLength(field.size - 1);
        break;
    case data::FieldType::Byte:
    case data::FieldType::Short:
    case data::FieldType::UShort:
    case data::FieldType::Long:
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("-?[0-9]*"), edit));
        break;
    case data::FieldType::Real:
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression("-?[0-9]*([.,][0-9]*)?"), edit));
        break;
    case data::FieldType::Memo:
    case data::FieldType::Date:
        break;
    }
}

} // namespace

void FieldBindings::bind(QWidget* control) {
    bind(control, control->objectName().toStdString());
}

void FieldBindings::bind(QWidget* control, std::string_view field) {
    const int index = table_.fieldIndex(field);
    if (index < 0)
        throw std::logic_error("no field " + std::string(field) + " in " + std::string(table_.name));
    const data::TableDef& t = table_;
    auto get = [&t, index](const void* record) { return data::fieldText(t, record, index); };
    auto set = [&t, index](void* record, std::string_view text) {
        data::setFieldText(t, record, index, text);
    };

    if (auto* picture = qobject_cast<PictureEdit*>(control)) {
        bind(
            control, [=](const void* r) { picture->setStoredValue(get(r)); },
            [=](void* r) { set(r, picture->storedValue().value_or(std::string())); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        limitLength(edit, t.fields[static_cast<std::size_t>(index)]);
        bind(
            control, [=](const void* r) { edit->setText(qs(get(r))); },
            [=](void* r) { set(r, edit->text().toStdString()); });
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
        bind(
            control, [=](const void* r) { text->setPlainText(qs(get(r))); },
            [=](void* r) { set(r, text->toPlainText().toStdString()); });
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        bind(
            control,
            [=](const void* r) {
                // A text flag is "1" or blank, a number flag 1 or 0.
                const std::string flag = trim(get(r));
                check->setChecked(!flag.empty() && flag != "0");
            },
            [=](void* r) { set(r, check->isChecked() ? "1" : ""); });
    } else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable()) {
        limitLength(combo->lineEdit(), t.fields[static_cast<std::size_t>(index)]);
        bind(
            control, [=](const void* r) { combo->setEditText(qs(get(r))); },
            [=](void* r) { set(r, combo->currentText().toStdString()); });
    } else {
        throw std::logic_error("no standard binding for " + control->objectName().toStdString());
    }
}

void FieldBindings::bindByNumber(QComboBox* list, std::string_view field) {
    const int index = table_.fieldIndex(field);
    if (index < 0)
        throw std::logic_error("no field " + std::string(field) + " in " + std::string(table_.name));
    const data::TableDef& t = table_;
    bind(
        list,
        [=, &t](const void* r) {
            const std::string number = trim(data::fieldText(t, r, index));
            list->setCurrentIndex(number.empty() ? -1 : std::stoi(number) - 1);
        },
        [=, &t](void* r) {
            if (list->currentIndex() >= 0)
                data::setFieldText(t, r, index, std::to_string(list->currentIndex() + 1));
        });
}

void FieldBindings::bind(QWidget* control, Show show, Take take) {
    bindings_.push_back({control, std::move(show), std::move(take)});
}

void FieldBindings::show() const {
    for (const Binding& b : bindings_)
        b.show(buffer_);
}

void FieldBindings::take() const {
    for (const Binding& b : bindings_)
        b.take(buffer_);
}

const FieldBindings::Binding* FieldBindings::bindingOf(const QWidget* focus) const {
    // An editable combo box hands the focus to its line edit: walk up to the bound control.
    for (const QWidget* w = focus; w; w = w->parentWidget())
        for (const Binding& b : bindings_)
            if (b.control == w)
                return &b;
    return nullptr;
}

bool FieldBindings::showPrevious(const QWidget* focus, const void* record) const {
    const Binding* b = bindingOf(focus);
    if (!b)
        return false;
    b->show(record);
    return true;
}

QWidget* FieldBindings::firstUnacceptable() const {
    for (const Binding& b : bindings_)
        if (auto* edit = qobject_cast<QLineEdit*>(b.control); edit && !edit->hasAcceptableInput())
            return edit;
    return nullptr;
}

bool sameRecord(const data::TableDef& table, const void* a, const void* b) {
    for (const data::FieldDef& f : table.fields)
        if (f.get(a) != f.get(b))
            return false;
    return true;
}

} // namespace velkora::form
