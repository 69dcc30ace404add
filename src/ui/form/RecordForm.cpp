#include "ui/form/RecordForm.h"

#include "data/FileServices.h"
#include "i18n/Messages.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"
#include "ui/form/FormLayout.h"
#include "ui/form/PictureEdit.h"
#include "ui/form/RecordSave.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace velkora::form {

RecordForm::RecordForm(RecordFormDeclaration declaration, QWidget* parent)
    : UpdateForm(declaration.procedure, parent), declaration_(std::move(declaration)),
      fields_(declaration_.file->table(), declaration_.file->buffer()) {
    setObjectName(QString::fromStdString(declaration_.window));
    auto* layout = new QVBoxLayout(this);
    QTabWidget* tabs = nullptr;
    std::map<QString, QGridLayout*> pages;
    for (const FormField& f : declaration_.fields) {
        QGridLayout*& grid = pages[f.tab];
        if (grid == nullptr) {
            auto* page = new QWidget;
            grid = new QGridLayout(page);
            grid->setColumnStretch(1, 1);
            if (f.tab.isEmpty()) {
                layout->addWidget(page);
            } else {
                if (tabs == nullptr) {
                    tabs = named(new QTabWidget, "CURRENTTAB");
                    layout->addWidget(tabs);
                }
                if (const auto name = declaration_.pageNames.find(f.tab);
                    name != declaration_.pageNames.end())
                    page->setObjectName(QString::fromStdString(name->second));
                tabs->addTab(page, f.tab);
            }
        }
        addControl(grid, f);
    }
    for (const FormField& f : declaration_.fields) {
        if (f.enabledWhile.empty())
            continue;
        const bool whileClear = f.enabledWhile.front() == '!';
        auto* box = findChild<QCheckBox*>(QString::fromStdString(f.enabledWhile.substr(whileClear ? 1 : 0)));
        enableWhile(control(f.name), box, whileClear);
        for (QLabel* prompt : findChildren<QLabel*>())
            if (prompt->buddy() == control(f.name))
                enableWhile(prompt, box, whileClear);
    }
    // Fields keep to the top of their page, unless a memo takes the room.
    for (auto& [tab, grid] : pages) {
        bool stretches = false;
        for (int row = 0; row < grid->rowCount(); ++row)
            stretches = stretches || grid->rowStretch(row) > 0;
        if (!stretches)
            grid->setRowStretch(grid->rowCount(), 1);
    }
    layout->addLayout(formButtonRow({}));
    if (declaration_.build)
        declaration_.build(*this);
}

void RecordForm::addControl(QGridLayout* grid, const FormField& f) {
    const int row = grid->count() == 0 ? 0 : grid->rowCount();
    const char* name = f.name.c_str();
    if (f.checkBox) {
        auto* box = named(new QCheckBox(f.prompt), name);
        grid->addWidget(box, row, 1);
        if (!f.unbound)
            fields_.bind(box);
        return;
    }
    if (f.shows) {
        auto* label = named(new QLabel, name);
        addField(grid, row, 0, f.prompt, label);
        fields_.bind(
            label, [this, label, &f](const void*) { label->setText(f.shows(file())); }, [](void*) {});
        return;
    }
    if (f.values) {
        auto* list = named(new QComboBox, name);
        addField(grid, row, 0, f.prompt, list);
        if (!f.unbound)
            fields_.bindByNumber(list, f.name);
        return;
    }
    if (f.multiline) {
        auto* memo = named(new QPlainTextEdit, name);
        // A memo takes the room its page has left; its prompt stays beside its first line.
        addField(grid, row, 0, f.prompt, memo)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        grid->setRowStretch(row, 1);
        if (!f.unbound)
            fields_.bind(memo);
        return;
    }
    QLineEdit* edit = f.picture.empty() ? new QLineEdit : new PictureEdit(QString::fromStdString(f.picture));
    edit->setObjectName(name);
    // A text entry is wide enough for what its field usually holds, so a
    // form is never a column of narrow entries.
    if (const int index = file().table().fieldIndex(f.name); index >= 0 && !f.unbound) {
        const data::FieldDef& field = file().table().fields[static_cast<std::size_t>(index)];
        constexpr int kWidestChars = 40;
        if (field.isText())
            edit->setMinimumWidth(std::min(field.size, kWidestChars) *
                                  edit->fontMetrics().averageCharWidth());
    }
    if (f.lookup)
        addLookup(grid, row, f, edit);
    else
        addField(grid, row, 0, f.prompt, edit);
    if (!f.unbound)
        fields_.bind(edit);
}

RecordForm::~RecordForm() = default;

void RecordForm::addLookup(QGridLayout* grid, int row, const FormField& field, QLineEdit* edit) {
    const FieldLookup& lookup = *field.lookup;
    QPushButton* button = lookupButton(lookup.button.c_str());
    QLabel* shown = nullptr;
    if (!lookup.display.empty()) {
        shown = named(new QLabel, lookup.display.c_str());
        shown->setMinimumWidth(shown->fontMetrics().averageCharWidth() * 24);
    }
    addLookupField(grid, row, 0, field.prompt, edit, button, shown);
    connect(edit, &QLineEdit::editingFinished, this, [this, &field, edit] {
        const std::string typed = clip(edit->text().toStdString());
        showLookup(field, typed.empty() ? std::nullopt : field.lookup->find(typed), false);
    });
    connect(button, &QPushButton::clicked, this, [this, &field, edit] {
        const auto chosen = field.lookup->choose(this, clip(edit->text().toStdString()));
        applyNavigation(); // the list had the toolbar
        if (chosen)
            showLookup(field, chosen, false);
    });
}

void RecordForm::showLookup(const FormField& field, const std::optional<LookupValue>& found, bool keepTyped) {
    if (found && !keepTyped)
        entry(field.name)->setText(QString::fromStdString(found->value));
    if (field.lookup->display.empty())
        return;
    if (auto* shown = findChild<QLabel*>(QString::fromStdString(field.lookup->display)))
        shown->setText(found ? QString::fromStdString(found->shown) : QString());
}

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

void RecordForm::primeRecord() {
    if (declaration_.prime)
        declaration_.prime(file());
}

int RecordForm::deleteRecord() {
    return data::DeleteWithIntegrity(file());
}

bool RecordForm::enterWindow() {
    for (const FormField& f : declaration_.fields)
        if (f.values) {
            auto* list = findChild<QComboBox*>(QString::fromStdString(f.name));
            list->clear();
            for (const std::string& value : f.values())
                list->addItem(QString::fromStdString(value));
        }
    fields_.show();
    for (const FormField& f : declaration_.fields)
        if (f.lookup) {
            const std::string stored = clip(file().text(f.name));
            showLookup(f, stored.empty() ? std::nullopt : f.lookup->find(stored), true);
        }
    if (declaration_.entered)
        declaration_.entered(*this);
    control(declaration_.fields.front().name)->setFocus();
    return true;
}

QWidget* RecordForm::invalidField() const {
    return fields_.firstUnacceptable();
}

SaveOutcome RecordForm::save() {
    fields_.take();
    if (declaration_.check)
        if (const auto outcome = declaration_.check(*this))
            return *outcome;
    for (const std::string& name : declaration_.required) {
        if (!clip(file().text(name)).empty())
            continue;
        beep();
        i18n::ShowMessage(declaration_.requiredMessage, Icon::Exclamation, "No Data");
        control(name)->setFocus();
        return SaveOutcome::KeepOpen;
    }
    if (declaration_.complete)
        declaration_.complete(*this);
    lastSaved(procedure()) = data::RecordCopy(file().table(), file().buffer());
    const SaveOutcome outcome =
        request() == browse::InsertRecord
            ? addRecord(file(), declaration_.duplicateText)
            : updateRecord(file(), !sameRecord(file().table(), file().buffer(), entry_.data()), [this] {
                  fields_.show();
                  takeEntryCopy();
              });
    if (outcome == SaveOutcome::KeepOpen)
        control(declaration_.fields.front().name)->setFocus();
    return outcome;
}

QWidget* RecordForm::control(const std::string& name) const {
    return findChild<QWidget*>(QString::fromStdString(name));
}

QLineEdit* RecordForm::entry(const std::string& field) const {
    return findChild<QLineEdit*>(QString::fromStdString(field));
}

} // namespace velkora::form
