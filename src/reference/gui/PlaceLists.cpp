#include "reference/gui/PlaceLists.h"

#include "addresses/AddressLocator.h"
#include "app/gui/Procedures.h"
#include "data/FileServices.h"
#include "reference/PlacePositions.h"
#include "reference/gui/ReferenceSettings.h"
#include "reference/gui/StreetList.h"
#include "shared/FieldTypes.h"
#include "shared/Text.h"

#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace velkora::reference {
namespace {

// The computed country/postal-code column; its locator splits the text.
constexpr const char* kLdPlz = "BRW:LDPLZ";

} // namespace

browse::BrowseDeclaration placeListDeclaration(bool withStreets) {
    browse::BrowseDeclaration d;
    d.columns = {
        {{kLdPlz, "Ld PLZ", "@S16"}, ""},
        {{"ORT:ORT", "Ort", "@s39"}, ""},
        {{"ORT:VORWAHL", "Vorwahl", "@s15"}, ""},
    };
    d.sortMappings = {
        {kLdPlz, kLdPlz, "UPPER(ORT:LD), UPPER(ORT:PLZ)", "-UPPER(ORT:LD), -UPPER(ORT:PLZ)", 2}};
    if (withStreets) {
        d.procedure = app::procedures::PlaceListWithStreets;
        d.designFormat = "38L(1)|M~LDPLZ~@s16@86L(1)|M~ORT~@s39@52L(1)|M~VORWAHL~@s15@";
    } else {
        d.procedure = app::procedures::PlaceList;
        d.designFormat = "38L(1)|M~LDPLZ~@s16@86L(1)|M~ORT~@s39@52L(1)|M~VORWAHL~@s15@32L(1)|M~POSTF~@s8@"
                         "22L(1)|M~Land~@s3@32L(1)|M~PLZ~@s8@";
        d.columns.push_back({{"ORT:POSTF", "PLZ Postfach", "@s8"}, ""});
        d.columns.push_back({{"ORT:LD", "Land", "@s3"}, ""});
        d.columns.push_back({{"ORT:PLZ", "PLZ", "@s8"}, ""});
        d.sortMappings.push_back({"ORT:ORT", "ORT:ORT", "UPPER(ORT:ORT)", "-UPPER(ORT:ORT)", 1});
    }
    d.locate = [](const std::string& field, const std::string& text) {
        return placeLocatorValues(field, text, defaultCountry());
    };
    d.buildRow = [columns = d.columns](const browse::BrowseSource& s) {
        browse::BrowseRow row = browse::pictureRow(columns, s);
        row.cells[0].text = toCStringField(clip(s.field("ORT:LD")) + " " + s.field("ORT:PLZ"), 17);
        return row;
    };
    d.tabs = {{"TAB:1", "Orte"}};
    d.form = "qxUpdatePLZ";
    d.buttonSuffix = "";
    d.select = browse::SelectButton::Always;
    return d;
}

namespace {

std::string positionText(data::RecordPosition position) {
    return browse::ViewSource::positionText(position);
}

} // namespace

std::optional<std::vector<std::string>> placeLocatorValues(const std::string& field, const std::string& text,
                                                           const std::string& adrLd) {
    if (field != kLdPlz)
        return std::vector<std::string>{text};
    const addresses::CountryPostalCode split = addresses::splitPostalLocator(text, adrLd);
    return std::vector<std::string>{split.ld, split.plz};
}

OrtListWin::OrtListWin(bool withStreets, QWidget* parent)
    : ReferenceList(placeListDeclaration(withStreets), data::files().QXADRORT,
                    {&data::files().QXADRORT, &data::files().QXADRSTR},
                    withStreets ? "Orte und Strassen" : "Orte", parent),
      withStreets_(withStreets) {
    if (withStreets_)
        addStreets();
    start(withStreets ? QSize(560, 640) : QSize(640, 420));
}

OrtListWin::~OrtListWin() = default;

void OrtListWin::addStreets() {
    auto* group = new QGroupBox("Strasse");
    group->setObjectName("GROUP:STRASSE");
    streetEntry_ = new QLineEdit;
    streetEntry_->setObjectName("STR:STRASSE");
    streetEntry_->setMaxLength(39);
    streetEntry_->setToolTip("Strasse suchen");
    streets_ = new StreetList;
    auto* box = new QVBoxLayout(group);
    box->addWidget(streetEntry_);
    box->addWidget(streets_, 1);
    sheet()->widget(0)->layout()->addWidget(group);

    connect(streetEntry_, &QLineEdit::editingFinished, this, [this] {
        if (!streetEntry_->isModified())
            return;
        streetEntry_->setModified(false);
        const std::string name = clip(streetEntry_->text().toStdString());
        if (name.empty())
            return;
        streets_->locateStreet(name);
        streets_->list()->table()->setFocus();
    });
    if (filesOpen())
        streets_->openBrowse();
}

void OrtListWin::startFromAddress() {
    data::Address& address = data::files().QXADRESS.rec;
    if (clip(address.LD).empty())
        address.LD = defaultCountry();
    const std::string ld = clip(address.LD);
    const std::string plz = clip(address.PLZ);
    const std::string place = clip(address.ORT);
    if (!plz.empty() && withStreets_) {
        const PlaceStart found = placeWithStreetsAt(ld, plz);
        if (found.place != 0)
            showRecord(positionText(found.place));
        if (found.street != 0)
            streets_->showRecord(positionText(found.street));
    } else if (!plz.empty()) {
        setLocatorText(ld + " " + plz);
        if (const data::RecordPosition found = placeAtPostalCode(ld, plz))
            showRecord(positionText(found));
    } else if (!place.empty() && !withStreets_) {
        setLocatorText(place);
        if (const data::RecordPosition found = placeAtName(place))
            showRecord(positionText(found));
    }
}

void OrtListWin::selectionChanged() {
    if (streets_ != nullptr)
        streets_->followPlace(source().field("ORT:OKEY"));
}

void OrtListWin::viewEmpty() {
    if (streets_ != nullptr)
        streets_->followPlace({});
}

void OrtListWin::rowSelected() {
    const data::Place& place = data::files().QXADRORT.rec;
    if (streets_ != nullptr) {
        const bool street =
            !streets_->page().empty() && streets_->page().regetCurrent() == browse::ReadResult::Ok;
        chosen_ = pickPlaceWithStreet(place, street ? &data::files().QXADRSTR.rec : nullptr);
    } else {
        chosen_ = pickPlace(place);
    }
}

void OrtListWin::browseClosing() {
    if (streets_ != nullptr)
        streets_->close();
}

} // namespace velkora::reference
