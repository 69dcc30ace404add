#pragma once
// A form over one record of one file, declared by its fields and checks:
// a prompt and an entry per field, required fields with their message, the
// text of the duplicate-key warning. The list that calls it has the record
// in the file's buffer (cleared for an insert); the form writes it back
// through the integrity layer, so key changes reach the dependant tables.
//
//   RecordFormDeclaration d{"qxUpdateBranche", "BrancheUpdateWin", &files().QXADRBRA};
//   d.fields = {{"BRA:BRANCHE", "Branche"}, {"BRA:BEZEICHNG", "Bezeichnung"}};
//   d.duplicateText = "BRA:QXADRBR1";
//   RecordForm(std::move(d)).run();

#include "data/RecordFile.h"
#include "ui/form/FieldBindings.h"
#include "ui/form/FormFiles.h"
#include "ui/form/UpdateForm.h"

#include <QString>
#include <string>
#include <vector>

class QGridLayout;
class QLineEdit;

namespace velkora::reference {

struct FormField {
    std::string name; // "LND:LAND": the control's object name and the field
    QString prompt;
};

struct RecordFormDeclaration {
    std::string procedure;                  // "qxUpdateLand": window-file section, help topic
    std::string window;                     // "LdUpdateWin"
    data::RecordFile* file = nullptr;       // the record edited, in its buffer
    std::vector<data::RecordFile*> lookups; // further files the form reads
    QString insertTitle;
    QString changeTitle;
    std::vector<FormField> fields; // in tab order
    std::vector<std::string> required;
    std::string requiredMessage; // "M.LND_NODATA"
    std::string duplicateText;   // the label in the DuplicateKey warning
};

class RecordForm : public form::UpdateForm {
    Q_OBJECT
public:
    explicit RecordForm(RecordFormDeclaration declaration, QWidget* parent = nullptr);
    ~RecordForm() override;

protected:
    bool openFiles() override;
    void loadRecord() override;
    void takeEntryCopy() override;
    int deleteRecord() override;
    bool enterWindow() override;
    QWidget* invalidField() const override;
    form::SaveOutcome save() override;
    const form::FieldBindings* previousValueFields() const override { return &fields_; }
    void closeFiles() override;

    QLineEdit* entry(const std::string& field) const;
    // The grid of prompts (column 0) and entries (column 1).
    QGridLayout* grid() const { return grid_; }
    int rowOf(const std::string& field) const;
    data::RecordFile& file() const { return *declaration_.file; }

private:
    RecordFormDeclaration declaration_;
    form::FieldBindings fields_;
    form::FormFiles files_;
    data::RecordCopy entry_;
    QGridLayout* grid_;
};

} // namespace velkora::reference
