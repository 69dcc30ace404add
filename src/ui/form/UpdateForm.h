#pragma once
// The behaviour every update form shares; a form declares its controls,
// fields, lookups, validations, numbering and messages and leaves the rest
// to this class:
//
//   - the request is taken from the list's exchange values on entry (which
//     are then reset), the response and navigation code are left there at
//     the end (browse/FormRequest.h);
//   - the entry copy is taken before and, on insert, again after priming, so
//     primed values do not count as changes;
//   - a delete request runs without a window: confirm, delete, retry on error;
//   - the window opens at least as large as designed, where it was left,
//     translated, with "* " before the title of an insert;
//   - the frame toolbar's navigation buttons save and navigate (2000,
//     2004-2009), 2011 and Ctrl+Ä / Ctrl+' put the last saved value into the
//     focused field, 2012 and F1 press the help button;
//   - OK completes (picture fields are checked first), Cancel, Esc and
//     closing the window cancel.

#include "app/gui/Navigation.h"
#include "data/Schema.h"

#include <QDialog>
#include <string>

class QAbstractButton;
class QHBoxLayout;

namespace velkora::form {

class FieldBindings;

// What a form's save came to.
enum class SaveOutcome {
    Saved,     // written: response 1, the form closes
    Unchanged, // nothing to write: the form closes; response 1 unless it navigates
    KeepOpen,  // back to the form (which has set the focus); the navigation code is cleared
    GiveUp,    // the form closes cancelled (response 2)
};

class UpdateForm : public QDialog, public app::NavigationTarget {
    Q_OBJECT
public:
    // `procedure` names the form: its window-file section and help topic.
    explicit UpdateForm(std::string procedure, QWidget* parent = nullptr);
    ~UpdateForm() override;

    // Runs the request waiting in the list's exchange values to its end and
    // returns the response (also left there with the navigation code).
    int run();

    const std::string& procedure() const { return procedure_; }
    // The record a form of `procedure` saved last; 2011 takes values from it.
    static data::RecordCopy& lastSaved(const std::string& procedure);
    int request() const { return request_; }
    int entryRequest() const { return entryRequest_; }
    int response() const { return response_; }
    int navigationCode() const { return navigation_; }

    // A frame toolbar button pressed while this form is on top.
    void navigate(int code) override;

    // OK and its save-and-navigate twins.
    void complete();
    void cancel();
    // 2011 and Ctrl+Ä: the focused field takes its value from the last save.
    void previousValue();
    void pressHelp();

protected:
    // The design names of a form's OK, Cancel and Help buttons.
    struct ButtonNames {
        const char* ok = "OK";
        const char* cancel = "CANCEL";
        const char* help = "HELP";
    };
    // OK (the default button), Cancel and Help, right-aligned in a row and
    // wired to the form: every form closes its layout with this row.
    QHBoxLayout* formButtonRow(const ButtonNames& names);
    // The form's OK, Cancel and Help buttons (named as the form's design names them).
    void setFormButtons(QAbstractButton* ok, QAbstractButton* cancel, QAbstractButton* help);

    // Steps of the form, in the order they are called.
    // False when a file could not be opened (the application has ended).
    virtual bool openFiles() { return true; }
    // A form that edits a value handed over rather than a file's buffer takes it here.
    virtual void loadRecord() {}
    // Snapshot of the linking fields and the copy that later tells changes apart.
    virtual void takeEntryCopy() {}
    virtual void primeRecord() {}
    // Delete request: deletes the current record; 0 deleted, otherwise not.
    virtual int deleteRecord() { return 1; }
    // The form's own entry steps, once the window has opened; false closes
    // the form at once (cancelled), after the form has said why.
    virtual bool enterWindow() { return true; }
    // The first field whose input fits no value, or nullptr.
    virtual QWidget* invalidField() const { return nullptr; }
    virtual SaveOutcome save() = 0;
    // The bound fields 2011 fills from the record this form kind saved last
    // (lastSaved); nullptr for a form without one.
    virtual const FieldBindings* previousValueFields() const { return nullptr; }
    virtual void closeFiles() {}

    // False while the form shows a page on which the toolbar means nothing.
    void setNavigationShown(bool shown);
    // Sets the frame's buttons for this form again (after a nested form closed).
    void applyNavigation();

    void reject() override;
    bool event(QEvent* event) override;

private:
    void openWindow();
    // Brings `field` into view and gives it the focus.
    void showField(QWidget* field);
    void finish(int response);

    std::string procedure_;
    int request_ = 0;
    int entryRequest_ = 0;
    int response_ = 0;
    int navigation_ = 0;
    bool navigationShown_ = true;
    QAbstractButton* ok_ = nullptr;
    QAbstractButton* cancel_ = nullptr;
    QAbstractButton* help_ = nullptr;
};

} // namespace velkora::form
