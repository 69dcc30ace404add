#pragma once
// A form over one record of one file, declared by its fields and checks:
// a prompt and an entry per field (with the field's picture), lookups beside
// their entries, required fields with their message, the text of the
// duplicate-key warning. The list that calls it has the record in the
// file's buffer (cleared for an insert); the form writes it back through the
// integrity layer, so key changes reach the dependant tables.
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
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QComboBox;
class QLineEdit;

namespace velkora::form {

class RecordForm;

// What a lookup found for an entry: the value as the looked-up table spells
// it and what it shows beside the entry (a country's name for its code).
struct LookupValue {
    std::string value;
    std::string shown;
};

// A lookup list beside an entry, and the description the entry's value has.
struct FieldLookup {
    std::string button;  // "LDBUTTON"
    std::string display; // "LS:LANDNAME": the label beside it showing the description
    // The value typed, looked up; nullopt when the table does not hold it
    // (the entry keeps what was typed, with nothing beside it).
    std::function<std::optional<LookupValue>(const std::string& typed)> find;
    // Opens the list over `over`, starting on `typed`; nullopt when closed without a choice.
    std::function<std::optional<LookupValue>(QWidget* over, const std::string& typed)> choose;
};

// One field of the form; most declare a name and a prompt only:
//   {.name = "AKT:ALARM", .prompt = "Alarm", .checkBox = true},
//   {.name = "AKT:ALDATUM", .prompt = "am", .picture = "@d17B", .enabledWhile = "AKT:ALARM"},
struct FormField {
    std::string name;         // "LND:LAND": the control's object name and the field
    QString prompt;           // "Name"; a check box's text
    std::string picture = {}; // "@n3": the entry takes only what the picture holds
    std::optional<FieldLookup> lookup = {};
    // A drop list instead of an entry, its entries read when the form opens
    // (a work-file section); the field holds the number of the entry chosen.
    std::function<std::vector<std::string>()> values = {};
    bool checkBox = false; // a flag, "1" or blank
    // The check box that enables this field (and its prompt) while it is
    // checked; "!" before its name: while it is clear.
    std::string enabledWhile = {};
    // A text the record gives, shown instead of an entry (what kind of key it is).
    std::function<QString(const data::RecordFile&)> shows = {};
    QString tab = {};       // the page the field is on; none: a form without pages
    bool multiline = false; // a memo: an entry of several lines
    // A control of the window only (a switch, a text it shows): not a field
    // of the record; the form's own hooks show and read it.
    bool unbound = false;
};

struct RecordFormDeclaration {
    std::string procedure;                  // "qxUpdateLand": window-file section, help topic
    std::string window;                     // "LdUpdateWin"
    data::RecordFile* file = nullptr;       // the record edited, in its buffer
    std::vector<data::RecordFile*> lookups; // further files the form reads
    QString insertTitle;
    QString changeTitle;
    std::vector<FormField> fields; // in tab order
    // The design names of the pages, by their text ("Allgemein" is TAB:1).
    std::map<QString, std::string> pageNames;
    std::vector<std::string> required;
    std::string requiredMessage; // "M.LND_NODATA"
    std::string duplicateText;   // the label in the DuplicateKey warning
    // Fills the fields a new record starts with (the record is in the file's buffer).
    std::function<void(data::RecordFile&)> prime = {};
    // The form's own rules, for forms that need more than fields:
    // build adds controls and wiring once the declared controls exist;
    // entered runs when the window opens, after the fields show the record;
    // check runs first on save, after the fields were taken: a value ends
    // the save there (before the required fields are checked);
    // complete fills in what the record gets on saving, right before it is written.
    std::function<void(RecordForm&)> build = {};
    std::function<void(RecordForm&)> entered = {};
    std::function<std::optional<SaveOutcome>(RecordForm&)> check = {};
    std::function<void(RecordForm&)> complete = {};
};

class RecordForm : public UpdateForm {
    Q_OBJECT
public:
    explicit RecordForm(RecordFormDeclaration declaration, QWidget* parent = nullptr);
    ~RecordForm() override;

    // A control by its field or design name.
    QWidget* control(const std::string& name) const;
    data::RecordFile& file() const { return *declaration_.file; }

protected:
    bool openFiles() override;
    void loadRecord() override;
    void takeEntryCopy() override;
    void primeRecord() override;
    int deleteRecord() override;
    bool enterWindow() override;
    QWidget* invalidField() const override;
    SaveOutcome save() override;
    const FieldBindings* previousValueFields() const override { return &fields_; }
    void closeFiles() override;

private:
    QLineEdit* entry(const std::string& field) const;
    void addControl(QGridLayout* grid, const FormField& field);
    void addLookup(QGridLayout* grid, int row, const FormField& field, QLineEdit* edit);
    void showLookup(const FormField& field, const std::optional<LookupValue>& found, bool keepTyped);

    RecordFormDeclaration declaration_;
    FieldBindings fields_;
    FormFiles files_;
    data::RecordCopy entry_;
};

} // namespace velkora::form
