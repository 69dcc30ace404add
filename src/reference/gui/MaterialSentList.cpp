#include "reference/gui/MaterialSentList.h"

#include "addresses/gui/AdrListWin.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "data/StandardWarnings.h"
#include "reference/Materials.h"
#include "reference/gui/MaterialList.h"
#include "shared/Clock.h"
#include "shared/Text.h"
#include "ui/browse/ViewSource.h"

#include <QPushButton>
#include <QTabWidget>
#include <utility>

namespace velkora::reference {
namespace {

enum Tab { All, ByMaterial, ByActivity, ByAddress };

} // namespace

browse::BrowseDeclaration materialSentListDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::MaterialSentList;
    d.designFormat = "46L(1)|M~PDATE~@d17@58L(1)|M~PRID~@s16@120L(1)|M~PRBEZ~@s80@120L(1)|M~ADRESSE~@s255@";
    d.columns = {{{"ATA:PDATE", "Datum", "@d17"}, ""},
                 {{"ATA:PRID", "AttMatID", "@s16"}, ""},
                 {{"BRW:PRBEZ", "Bezeichnung", "@s80"}, ""},
                 {{"BRW:ADRESSE", "Adresse", "@s255"}, ""}};
    // The computed columns sort by the field they are read by.
    d.sortMappings = {{"BRW:PRBEZ", "ATA:PRID", "UPPER(ATA:PRID)", "-UPPER(ATA:PRID)", 1},
                      {"BRW:ADRESSE", "ATA:ADRNR", "ATA:ADRNR", "-ATA:ADRNR", 1}};
    d.keyOrder = browse::SortOrder{"ATA:QXAKTAT1", "ATA:PDATE", 1};
    d.buildRow = [columns = d.columns](const browse::BrowseSource& s) {
        browse::BrowseRow row = browse::pictureRow(columns, s);
        const auto material = findMaterial(s.field("ATA:PRID"));
        row.cells[2].text = material ? clip(material->PRBEZ) : std::string();
        row.cells[3].text = sentToAddress(std::atoi(s.field("ATA:ADRNR").c_str()));
        return row;
    };
    d.files = {&data::files().QXAKTATM, &data::files().QXATTMAT, &data::files().QXADRESS};
    d.tabs = {{"TABALL", "Alle"}, {"TABPRS", "Material"}, {"TABAKT", "Aktivität"}, {"TABADR", "Adresse"}};
    d.form = "AktAttMatUpdate";
    return d;
}

AktAttMatListWin::AktAttMatListWin(MaterialSentFilter filter, QWidget* parent)
    : BrowseWindow(materialSentListDeclaration(),
                   std::make_unique<browse::ViewSource>(data::files().QXAKTATM), parent),
      filter_(std::move(filter)) {
    setWindowTitle("Versandtes Material");
    insertButton()->hide();
    QPushButton* add = addExtraButton("BUTTONNEWPR", "New", "Material auswählen und als versandt erfassen");
    connect(add, &QPushButton::clicked, this, &AktAttMatListWin::recordSent);
    if (!filesOpen())
        return;
    resize(720, 420);
    openBrowse();
    const int tab = !clip(filter_.prid).empty() ? ByMaterial
                    : filter_.aktid != 0        ? ByActivity
                    : filter_.adrnr != 0        ? ByAddress
                                                : All;
    sheet()->setCurrentIndex(tab);
    showTab(tab);
    connect(sheet(), &QTabWidget::currentChanged, this, &AktAttMatListWin::showTab);
}

AktAttMatListWin::~AktAttMatListWin() = default;

void AktAttMatListWin::showTab(int index) {
    data::View& view = static_cast<browse::ViewSource&>(source()).view();
    const MaterialSentFilter f = filter_;
    const std::string prid = upperText(clip(f.prid));
    switch (index) {
    case ByMaterial:
        view.setFilter([prid](const data::RecordCopy& r) {
            return upperText(clip(r.as<data::MaterialSent>().PRID)) == prid;
        });
        return showInKeyOrder({"ATA:QXAKTAT2", "ATA:PRID", 1});
    case ByActivity:
        view.setFilter(
            [f](const data::RecordCopy& r) { return r.as<data::MaterialSent>().AKTID == f.aktid; });
        return showInKeyOrder({"ATA:QXAKTAT3", "ATA:AKTID", 1});
    case ByAddress:
        view.setFilter(
            [f](const data::RecordCopy& r) { return r.as<data::MaterialSent>().ADRNR == f.adrnr; });
        return showInKeyOrder({"ATA:QXAKTAT4", "ATA:ADRNR", 1});
    default:
        view.setFilter({});
        return showInKeyOrder({"ATA:QXAKTAT1", "ATA:RECID", 1});
    }
}

void AktAttMatListWin::recordSent() {
    const auto material = chooseMaterial(this);
    if (!material)
        return;
    auto& sent = data::files().QXAKTATM;
    const data::Activity& activity = data::files().QXADRAKT.rec;
    const std::int32_t recid = data::NextNumber(sent, "ATA:QXAKTAT1", "ATA:RECID", "");
    sent.clear();
    sent.rec.RECID = recid;
    sent.rec.PRID = material->PRID;
    sent.rec.AKTID = activity.AKTID;
    sent.rec.ADRNR = activity.ADRNR;
    sent.rec.PDATE = today();
    if (sent.add() != data::NoError) {
        data::ShowStandardWarning(data::Warn::InsertError);
        return;
    }
    showRecord(browse::ViewSource::positionText(sent.position()));
}

void openSentMaterial(MaterialSentFilter filter) {
    app::openWindow(app::procedures::MaterialSentList,
                    [filter = std::move(filter)] { return new AktAttMatListWin(filter); });
}

void openSentMaterialForActivity(std::int32_t aktid) {
    openSentMaterial({.aktid = aktid});
}

void registerMaterialSentList() {
    app::registerWindow(app::procedures::MaterialSentList, app::Instances::Multiple,
                        [] { return new AktAttMatListWin({}); });
    addresses::materialSentList() = [](std::int32_t adrnr) { openSentMaterial({.adrnr = adrnr}); };
}

} // namespace velkora::reference
