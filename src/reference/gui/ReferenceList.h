#pragma once
// A list of a reference table: the list machinery over one file, with the
// files it needs opened through their counters while it is open.

#include "data/Tables.h"
#include "ui/browse/BrowseWindow.h"
#include "ui/browse/ViewSource.h"
#include "ui/form/FormFiles.h"

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

    // False when a file could not be opened (the application has ended).
    bool filesOpen() const { return filesOpen_; }
    // Request 4: runs the list centred over `over`, the window that asks
    // (response 2 when it cannot open).
    int runSelection(QWidget* over);
    // Shows the first page, once the list is built.
    void start(QSize size = {560, 420});

protected:
    void browseClosing() override;

private:
    form::FormFiles files_;
    bool filesOpen_ = false;
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
