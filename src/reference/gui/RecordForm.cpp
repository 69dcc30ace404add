#include "reference/gui/RecordForm.h"

#include "data/FileServices.h"
#include "i18n/Messages.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"
#include "ui/form/RecordSave.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace velkora::reference {
namespace {} // namespace

RecordForm::RecordForm(RecordFormDeclaration declaration, QWidget* parent)
    : UpdateForm(declaration.procedure, parent), declaration_(std::move(declaration)),
      fields_(declaration_.file->table(), declaration_.file->buffer()), grid_(new QGridLayout) {
    setObjectName(QString::fromStdString(declaration_.window));
    int row = 0;
    for (const FormField& f : declaration_.fields) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromStdString(f.name));
        auto* prompt = new QLabel(f.prompt);
        prompt->setBuddy(edit);
        grid_->addWidget(prompt, row, 0);
        grid_->addWidget(edit, row, 1);
        fields_.bind(edit);
        ++row;
    }
    grid_->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid_);
    layout->addStretch();
    layout->addLayout(formButtonRow({}));
}

RecordForm::~RecordForm() = default;

bool RecordForm::openFiles() {
    if (!files_.open({declaration_.file}))
        return false;
    for (data::RecordFile* lookup : declaration_.lookups)
        if (!files_.open({lookup}))
            return false;
    return true;
}

void RecordForm::closeFiles() {
    files_.close();
}

void RecordForm::loadRecord() {
    // The record is the list's; only the title tells the request.
    setWindowTitle(request() == browse::InsertRecord ? declaration_.insertTitle : declaration_.changeTitle);
}

void RecordForm::takeEntryCopy() {
    data::SnapLinkingFields(file());
    entry_ = data::RecordCopy(file().table(), file().buffer());
}

int RecordForm::deleteRecord() {
    return data::DeleteWithIntegrity(file());
}

bool RecordForm::enterWindow() {
    fields_.show();
    if (QLineEdit* first = entry(declaration_.fields.front().name))
        first->setFocus();
    return true;
}

QWidget* RecordForm::invalidField() const {
    return fields_.firstUnacceptable();
}

form::SaveOutcome RecordForm::save() {
    fields_.take();
    for (const std::string& name : declaration_.required) {
        if (!clip(file().text(name)).empty())
            continue;
        beep();
        i18n::ShowMessage(declaration_.requiredMessage, Icon::Exclamation, "No Data");
        entry(name)->setFocus();
        return form::SaveOutcome::KeepOpen;
    }
    lastSaved(procedure()) = data::RecordCopy(file().table(), file().buffer());
    const form::SaveOutcome outcome =
        request() == browse::InsertRecord
            ? form::addRecord(file(), declaration_.duplicateText)
            : form::updateRecord(file(), !form::sameRecord(file().table(), file().buffer(), entry_.data()),
                                 [this] {
                                     fields_.show();
                                     takeEntryCopy();
                                 });
    if (outcome == form::SaveOutcome::KeepOpen)
        entry(declaration_.fields.front().name)->setFocus();
    return outcome;
}

QLineEdit* RecordForm::entry(const std::string& field) const {
    return findChild<QLineEdit*>(QString::fromStdString(field));
}

int RecordForm::rowOf(const std::string& field) const {
    const auto& f = declaration_.fields;
    const auto it = std::find_if(f.begin(), f.end(), [&](const FormField& x) { return x.name == field; });
    return static_cast<int>(it - f.begin());
}

} // namespace velkora::reference
