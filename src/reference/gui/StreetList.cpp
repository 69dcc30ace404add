#include "reference/gui/StreetList.h"

#include "app/gui/Procedures.h"
#include "data/FileServices.h"
#include "shared/Text.h"
#include "ui/browse/ViewSource.h"

namespace velkora::reference {
namespace {

constexpr const char* kStreetFields[] = {"STR:STRASSE", "STR:PLZ", "STR:NRVON", "STR:NRBIS"};

} // namespace

browse::BrowseDeclaration streetListDeclaration(const std::shared_ptr<std::string>& okey) {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::PlaceListWithStreets;
    d.listName = "?LIST";
    d.designFormat = "100L(1)|M~STR~@s39@30L(1)|M~PLZ~@s8@18R(1)|M~NRVON~L@s4@18R(1)|M~NRBIS~L@s4@";
    d.columns = {
        {{"STR:STRASSE", "Strasse", "@s39"}, ""},
        {{"STR:PLZ", "PLZ", "@s8"}, ""},
        {{"STR:NRVON", "von Nr.", "@s4"}, ""},
        {{"STR:NRBIS", "bis Nr.", "@s4"}, ""},
    };
    // Every order keeps the place key first, so the list stays within the place
    // (the list shows one place, so that key may run either way: descending
    // orders read the ascending index backwards).
    for (const char* field : kStreetFields) {
        const std::string upper = "UPPER(" + std::string(field) + ")";
        d.sortMappings.push_back(
            {field, field, "UPPER(STR:OKEY), " + upper, "-UPPER(STR:OKEY), -" + upper, 2});
    }
    d.locate = [okey](const std::string&, const std::string& text) {
        return std::optional<std::vector<std::string>>({*okey, text});
    };
    d.form = "qxUpdateSTR";
    d.buttonSuffix = ":2";
    d.embedded = true;
    return d;
}

StreetList::StreetList(QWidget* parent) : StreetList(std::make_shared<std::string>(), parent) {}

StreetList::StreetList(std::shared_ptr<std::string> okey, QWidget* parent)
    : BrowseWindow(streetListDeclaration(okey), std::make_unique<browse::ViewSource>(data::files().QXADRSTR),
                   parent),
      okey_(std::move(okey)), source_(static_cast<browse::ViewSource*>(&source())) {
    followPlace({});
}

StreetList::~StreetList() = default;

void StreetList::followPlace(const std::string& okey) {
    *okey_ = clip(okey);
    data::View& view = source_->view();
    view.clearLimits();
    view.setRange({data::Value(*okey_)});
    if (okey_->empty())
        view.setFilter([](const data::RecordCopy&) { return false; });
    setLocatorText({});
    locate();
}

void StreetList::locateStreet(const std::string& name) {
    setLocatorText(name);
    locate();
}

bool StreetList::insertAllowed() const {
    return !okey_->empty();
}

} // namespace velkora::reference
