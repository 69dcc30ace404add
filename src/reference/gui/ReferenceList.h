#pragma once
// A list of a reference table: the list machinery over one file, with the
// files it needs opened while it is open.

#include "data/Tables.h"
#include "ui/browse/BrowseWindow.h"
#include "ui/browse/ViewSource.h"

#include <initializer_list>
#include <optional>

namespace velkora::reference {

class ReferenceList : public browse::BrowseWindow {
    Q_OBJECT
public:
    ReferenceList(browse::BrowseDeclaration declaration, data::RecordFile& file,
                  std::initializer_list<data::RecordFile*> files, const QString& title,
                  QWidget* parent = nullptr);
    ~ReferenceList() override;

    // Shows the first page, once the list is built.
    void start(QSize size = {560, 420});
};

// The declarations of the country and industry lists.
browse::BrowseDeclaration countryListDeclaration();
browse::BrowseDeclaration industryListDeclaration();

// The list of countries (qxLandList); as a lookup it returns the country selected.
class LdListWin : public ReferenceList {
    Q_OBJECT
public:
    explicit LdListWin(QWidget* parent = nullptr);
    ~LdListWin() override;

    const std::optional<data::Country>& chosen() const { return chosen_; }

protected:
    void rowSelected() override;

private:
    std::optional<data::Country> chosen_;
};

// The list of industries (qxBranchenListe).
ReferenceList* newIndustryList();

} // namespace velkora::reference
