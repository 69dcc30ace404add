#pragma once
// Which control of a form shows which field of the record buffer.
//
//   FieldBindings fields(Address::table(), &files().QXADRESS.rec);
//   fields.bind(name1Edit);                  // named "ADR:NAME1": that field
//   fields.bind(alarmBox);                   // a check box: "1" or blank
//   fields.show();                           // buffer -> controls
//   fields.take();                           // controls -> buffer, each cut to its field
//   fields.showPrevious(focusWidget(), &lastSaved);   // one field from another record
//
// The kind of control decides how a value is shown: QLineEdit (text),
// PictureEdit (by its picture), QPlainTextEdit (text), QCheckBox (a flag,
// "1" or blank), an editable QComboBox (its text).

#include "data/Schema.h"

#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

class QComboBox;

namespace velkora::form {

class FieldBindings {
public:
    using Show = std::function<void(const void* record)>;
    using Take = std::function<void(void* record)>;

    FieldBindings(const data::TableDef& table, void* buffer) : table_(table), buffer_(buffer) {}

    // Binds a control to the field its object name names.
    void bind(QWidget* control);
    // Binds a control to a field named otherwise ("TKP:NAME1" for "LOC:NAME1").
    void bind(QWidget* control, std::string_view field);
    // A drop list whose entry number (1 for the first) is the field's value;
    // a number the list does not show stays as stored.
    void bindByNumber(QComboBox* list, std::string_view field);
    // A field shown and read by the form's own code.
    void bind(QWidget* control, Show show, Take take);

    void show() const;
    void take() const;
    // Shows the value `record` holds for the field of the control that has the
    // focus (or contains it); false when that control is bound to no field.
    bool showPrevious(const QWidget* focus, const void* record) const;
    // The first bound control whose text fits no value (a date that is no
    // date); nullptr when every one fits.
    QWidget* firstUnacceptable() const;

    const data::TableDef& table() const { return table_; }
    void* buffer() const { return buffer_; }

private:
    struct Binding {
        QWidget* control;
        Show show;
        Take take;
    };
    const Binding* bindingOf(const QWidget* focus) const;

    const data::TableDef& table_;
    void* buffer_;
    std::vector<Binding> bindings_;
};

// True when two records of `table` hold the same value in every field.
bool sameRecord(const data::TableDef& table, const void* a, const void* b);

} // namespace velkora::form
