#pragma once
// qxUpdateAdressMain: the address form. It adds, changes and deletes the
// address in the QXADRESS buffer (loaded by the address list) and edits the
// address's contact persons on its "Kontakte" tab, written with the address.

#include "addresses/ValueLists.h"
#include "data/Tables.h"
#include "ui/form/FieldBindings.h"
#include "ui/form/FormFiles.h"
#include "ui/form/UpdateForm.h"

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace velkora::form {
class PictureEdit;
}

namespace velkora::addresses {

class ContactTab;
class SalutationCombo;

class AdrUpdateWin : public form::UpdateForm {
    Q_OBJECT
public:
    explicit AdrUpdateWin(QWidget* parent = nullptr);
    ~AdrUpdateWin() override;

protected:
    bool openFiles() override;
    void takeEntryCopy() override;
    void primeRecord() override;
    int deleteRecord() override;
    bool enterWindow() override;
    QWidget* invalidField() const override;
    form::SaveOutcome save() override;
    const form::FieldBindings* previousValueFields() const override { return &fields_; }
    void closeFiles() override;

private:
    QWidget* buildGeneral();
    QWidget* buildExtra();
    QWidget* buildMemo();
    void bindFields();
    void bindLists();
    void applyInsertDefaults();
    void applyFeatureLabels();
    bool loadIndustries();
    void showRecord();

    void countryAccepted();
    void showCountry(const std::string& code);
    void postalCodeAccepted();
    void chooseCountry();
    void choosePostalCode();
    void tabChanged(int index);
    data::ContactPerson newContact() const;
    void writeContacts();

    data::File<data::Address>& adr_;
    data::Address entry_;
    form::FormFiles files_;
    form::FieldBindings fields_;
    FeatureLabels labels_;

    QTabWidget* tabs_ = nullptr;
    form::PictureEdit* number_ = nullptr;
    QLineEdit* name1_ = nullptr;
    QLineEdit* name2_ = nullptr;
    QLineEdit* name0_ = nullptr;
    QLineEdit* country_ = nullptr;
    QLineEdit* countryName_ = nullptr;
    QLineEdit* postalCode_ = nullptr;
    QLineEdit* place_ = nullptr;
    QLineEdit* street_ = nullptr;
    QLineEdit* addition_ = nullptr;
    SalutationCombo* salutation_ = nullptr;
    QComboBox* kind_ = nullptr;
    QComboBox* status_ = nullptr;
    QComboBox* industry_ = nullptr;
    QLineEdit* remark_ = nullptr;
    QCheckBox* alarm_ = nullptr;
    std::array<QCheckBox*, 8> features_{};
    QLabel* numberFeatureLabel_ = nullptr;
    form::PictureEdit* numberFeature_ = nullptr;
    ContactTab* contacts_ = nullptr;
};

// The form procedure: runs the request in the list's exchange values.
int qxUpdateAdressMain(int request);

} // namespace velkora::addresses
