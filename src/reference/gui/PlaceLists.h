#pragma once
// The lists of postal codes and places (OrtListWin): qxPLZListDEX with the
// streets of the selected place beneath, qxPLZListSTD with the places only.
// The frame's "Orte" and the address form's postal-code button choose by
// AdrStrExt. For the address form (request 4) the list starts on what the
// address points at and returns the selected place or street.

#include "reference/PostalPick.h"
#include "reference/gui/ReferenceList.h"

#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace velkora::reference {

class StreetList;

// The place lists' locator: on the country/postal-code column a text is
// split into country code and postal code as in the address list (a plain
// number is a postal code of the default country `adrLd`); on any other
// column the text goes into that column's field.
std::optional<std::vector<std::string>> placeLocatorValues(const std::string& field, const std::string& text,
                                                           const std::string& adrLd);

// The declaration of the place list, with or without the streets beneath.
browse::BrowseDeclaration placeListDeclaration(bool withStreets);

class OrtListWin : public ReferenceList {
    Q_OBJECT
public:
    explicit OrtListWin(bool withStreets, QWidget* parent = nullptr);
    ~OrtListWin() override;

    // Request 4 from the address form: an empty country code of the address
    // becomes the default country; then the list starts on the address's
    // postal code (with streets: on the place of the street that has it),
    // or, without streets, on its place name.
    void startFromAddress();
    // The place or street selected, once the user has selected one.
    const std::optional<PostalPick>& chosen() const { return chosen_; }

protected:
    void selectionChanged() override;
    void viewEmpty() override;
    void rowSelected() override;
    void browseClosing() override;

private:
    void addStreets();

    bool withStreets_;
    StreetList* streets_ = nullptr;
    QLineEdit* streetEntry_ = nullptr;
    std::optional<PostalPick> chosen_;
};

} // namespace velkora::reference
