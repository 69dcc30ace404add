#pragma once
// qxUpdateTKP: the contact-person form. It edits only TkpExchange; the
// caller (the address form's contact tab or the contact list) writes the file.
//
//   TkpExchange() = contact;                        // primed by the caller
//   if (browse::callForm("qxUpdateTKP", browse::ChangeRecord) == browse::RequestCompleted)
//       contact = TkpExchange();

#include "data/Tables.h"
#include "ui/form/FieldBindings.h"
#include "ui/form/UpdateForm.h"

#include <QString>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace velkora::form {
class PictureEdit;
}

namespace velkora::addresses {

class SalutationCombo;

class TKPUpdateWin : public form::UpdateForm {
    Q_OBJECT
public:
    explicit TKPUpdateWin(QWidget* parent = nullptr);

protected:
    void loadRecord() override;
    void primeRecord() override;
    bool enterWindow() override;
    QWidget* invalidField() const override;
    form::SaveOutcome save() override;
    const form::FieldBindings* previousValueFields() const override { return &fields_; }

private:
    void build();
    void bindFields();
    void selectKind();

    data::ContactPerson loc_; // the LOC: fields
    form::FieldBindings fields_;
    std::vector<std::string> kinds_;
    QString shownBirthday_;

    QTabWidget* tabs_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLineEdit* name1_ = nullptr;
    QLineEdit* name2_ = nullptr;
    QLineEdit* name0_ = nullptr;
    QLineEdit* tel_ = nullptr;
    QLineEdit* fax_ = nullptr;
    QLineEdit* email_ = nullptr;
    QComboBox* position_ = nullptr;
    SalutationCombo* salutation_ = nullptr;
    QLineEdit* remark_ = nullptr;
    QCheckBox* alarm_ = nullptr;
    form::PictureEdit* birthday_ = nullptr;
    QLineEdit* user_ = nullptr;
    form::PictureEdit* date_ = nullptr;
    QLineEdit* time_ = nullptr;
};

// The form procedure: runs the request in the list's exchange values.
int qxUpdateTKP(int request);

} // namespace velkora::addresses
