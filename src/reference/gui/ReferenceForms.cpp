#include "reference/gui/ReferenceForms.h"

#include "data/Errors.h"
#include "data/FileServices.h"
#include "reference/gui/RecordForm.h"
#include "reference/gui/ReferenceSettings.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velkora::reference {
namespace {

RecordFormDeclaration countryForm() {
    RecordFormDeclaration d{"qxUpdateLand", "LdUpdateWin", &data::files().QXADRLND};
    d.insertTitle = "Adding a QXADRLND Record";
    d.changeTitle = "Changing a QXADRLND Record";
    d.fields = {{"LND:LD", "Landeskürzel"}, {"LND:LAND", "Name"}, {"LND:VORWAHL", "Vorwahl"}};
    d.required = {"LND:LD", "LND:LAND"};
    d.requiredMessage = "M.LND_NODATA";
    d.duplicateText = "Ld";
    return d;
}

RecordFormDeclaration industryForm() {
    RecordFormDeclaration d{"qxUpdateBranche", "BrancheUpdateWin", &data::files().QXADRBRA};
    d.insertTitle = "Branche NEU";
    d.changeTitle = "Branche bearbeiten";
    d.fields = {{"BRA:BRANCHE", "Branche"}, {"BRA:BEZEICHNG", "Bezeichnung"}};
    d.duplicateText = "BRA:QXADRBR1";
    return d;
}

RecordFormDeclaration placeForm() {
    RecordFormDeclaration d{
        "qxUpdatePLZ", "OrtUpdateWin", &data::files().QXADRORT, {&data::files().QXADRLND}};
    d.insertTitle = "Adding a QXADRORT Record";
    d.changeTitle = "Changing a QXADRORT Record";
    d.fields = {{"ORT:LD", "Land"}, {"ORT:PLZ", "PLZ"}, {"ORT:VORWAHL", "Vorwahl"}, {"ORT:ORT", "Ort"}};
    d.required = {"ORT:ORT"};
    d.requiredMessage = "M.PLZ_NODATA";
    return d;
}

RecordFormDeclaration streetForm() {
    RecordFormDeclaration d{"qxUpdateSTR", "StrUpdateWin", &data::files().QXADRSTR};
    d.insertTitle = "Adding a QXADRSTR Record";
    d.changeTitle = "Changing a QXADRSTR Record";
    // STR:OKEY is not shown: a street belongs to the place it was entered under.
    d.fields = {{"STR:LD", "Land"}, {"STR:PLZ", "PLZ"}, {"STR:STRASSE", "Strasse"}};
    d.required = {"STR:PLZ", "STR:STRASSE"};
    d.requiredMessage = "M.PLZ_NODATA";
    return d;
}

// The name of a country code; empty when the code is not in the table.
std::string countryName(const std::string& code) {
    auto& countries = data::files().QXADRLND;
    countries.rec.LD = code;
    return !clip(code).empty() && countries.get(*data::Country::table().key("QXADRLN1")) == data::NoError
               ? countries.rec.LAND
               : std::string();
}

// qxUpdatePLZ: the country code with the country list and its name beside it.
class OrtUpdateWin : public RecordForm {
public:
    OrtUpdateWin() : RecordForm(placeForm()) {
        auto* button = new QPushButton("...");
        button->setObjectName("LDBUTTON");
        button->setAutoDefault(false);
        countryName_ = new QLabel;
        countryName_->setObjectName("LS:LANDNAME");
        countryName_->setMinimumWidth(countryName_->fontMetrics().horizontalAdvance(QString(24, 'x')));
        QLineEdit* code = entry("ORT:LD");
        code->setMaximumWidth(code->fontMetrics().horizontalAdvance("XXXXXX"));
        button->setFixedWidth(button->fontMetrics().horizontalAdvance("...") + 16);
        // Code, list button and name side by side in the code's place.
        grid()->removeWidget(code);
        auto* country = new QHBoxLayout;
        country->addWidget(code);
        country->addWidget(button);
        country->addWidget(countryName_, 1);
        grid()->addLayout(country, rowOf("ORT:LD"), 1);
        connect(entry("ORT:LD"), &QLineEdit::editingFinished, this, &OrtUpdateWin::showCountryName);
        connect(button, &QPushButton::clicked, this, &OrtUpdateWin::chooseCountry);
    }

protected:
    void primeRecord() override { file().setText("ORT:LD", defaultCountry()); }
    bool enterWindow() override {
        RecordForm::enterWindow();
        showCountryName();
        return true;
    }

private:
    void showCountryName() {
        countryName_->setText(QString::fromStdString(countryName(entry("ORT:LD")->text().toStdString())));
    }
    void chooseCountry() {
        const int response = browse::callForm("qxLandList", browse::SelectRecord);
        applyNavigation();
        if (response != browse::RequestCompleted)
            return;
        const data::Country& chosen = data::files().QXADRLND.rec;
        entry("ORT:LD")->setText(QString::fromStdString(chosen.LD));
        countryName_->setText(QString::fromStdString(chosen.LAND));
    }

    QLabel* countryName_;
};

// qxUpdateSTR: a new street belongs to the place selected in the list.
class StrUpdateWin : public RecordForm {
public:
    StrUpdateWin() : RecordForm(streetForm()) {}

protected:
    void primeRecord() override {
        const data::Place& place = data::files().QXADRORT.rec;
        data::Street& street = data::files().QXADRSTR.rec;
        street.OKEY = place.OKEY;
        street.LD = place.LD;
        street.PLZ = place.PLZ;
    }
};

} // namespace

int qxUpdateLand(int) {
    return RecordForm(countryForm()).run();
}

int qxUpdateBranche(int) {
    return RecordForm(industryForm()).run();
}

int qxUpdatePLZ(int) {
    return OrtUpdateWin().run();
}

int qxUpdateSTR(int) {
    return StrUpdateWin().run();
}

} // namespace velkora::reference
