#include "reference/gui/ReferenceList.h"

#include "app/gui/Procedures.h"
#include "data/FileServices.h"
#include "ui/browse/FormRequest.h"

namespace velkora::reference {
browse::BrowseDeclaration countryListDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::CountryList;
    d.designFormat = "22L(1)|M*~LD~@s3@90L(1)|M*~LAND~@s39@28L(1)|M*~VORWAHL~@s7@";
    d.columns = {
        {{"LND:LD", "Landeskürzel", "@s3"}, ""},
        {{"LND:LAND", "Name", "@s39"}, ""},
        {{"LND:VORWAHL", "Vorwahl", "@s7"}, ""},
    };
    d.tabs = {{"TAB:1", "Länder"}};
    d.form = "qxUpdateLand";
    d.buttonSuffix = "";
    d.select = browse::SelectButton::WhenSelecting;
    return d;
}

browse::BrowseDeclaration industryListDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::IndustryList;
    d.designFormat = "64L(1)|M*~BRANCHE~@s15@80L(1)|M*~BEZEICHNG~@s63@";
    d.columns = {
        {{"BRA:BRANCHE", "Branche", "@s15"}, ""},
        {{"BRA:BEZEICHNG", "Bezeichnung", "@s63"}, ""},
    };
    d.tabs = {{"TAB:1", "Branchen"}};
    d.form = "qxUpdateBranche";
    d.buttonSuffix = "";
    return d;
}

namespace {

browse::BrowseDeclaration withFiles(browse::BrowseDeclaration declaration,
                                    std::initializer_list<data::RecordFile*> files) {
    declaration.files = files;
    return declaration;
}

} // namespace

ReferenceList::ReferenceList(browse::BrowseDeclaration declaration, data::RecordFile& file,
                             std::initializer_list<data::RecordFile*> files, const QString& title,
                             QWidget* parent)
    : BrowseWindow(withFiles(std::move(declaration), files), std::make_unique<browse::ViewSource>(file),
                   parent) {
    setWindowTitle(title);
}

ReferenceList::~ReferenceList() = default;

void ReferenceList::start(QSize size) {
    if (!filesOpen())
        return;
    // The size until the user has left one in the window file.
    resize(size);
    setMinimumSize(minimumSizeHint());
    openBrowse();
}

LdListWin::LdListWin(QWidget* parent)
    : ReferenceList(countryListDeclaration(), data::files().QXADRLND, {&data::files().QXADRLND}, "Länder",
                    parent) {
    start();
}

LdListWin::~LdListWin() = default;

void LdListWin::rowSelected() {
    chosen_ = data::files().QXADRLND.rec;
}

ReferenceList* newIndustryList() {
    auto* list = new ReferenceList(industryListDeclaration(), data::files().QXADRBRA,
                                   {&data::files().QXADRBRA}, "Branchen");
    list->start();
    return list;
}

} // namespace velkora::reference
