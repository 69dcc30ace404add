#pragma once
// A list of a reference table: the list machinery over one file, with the
// files it needs opened while it is open.

#include "ui/browse/BrowseWindow.h"
#include "ui/browse/ViewSource.h"

#include <initializer_list>

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

// The list of countries (qxLandList) and of industries (qxBranchenListe).
ReferenceList* newCountryList();
ReferenceList* newIndustryList();

} // namespace velkora::reference
