#include "reference/gui/MaterialList.h"

#include "app/gui/Procedures.h"
#include "reference/Materials.h"
#include "reference/gui/MaterialSentList.h"
#include "shared/Clock.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>

namespace velkora::reference {

browse::BrowseDeclaration materialListDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::MaterialList;
    d.designFormat = "52L(1)|M*~PRID~@s16@80L(1)|M*~PRBEZ~@s80@";
    d.columns = {{{"ATM:PRID", "AttMatID", "@s16"}, ""}, {{"ATM:PRBEZ", "Bezeichnung", "@s80"}, ""}};
    d.keyOrder = browse::SortOrder{"ATM:QXATTMA1", "ATM:PRID", 1};
    d.tabs = {{"TAB:1", "Infomaterial"}};
    d.form = "UpdateAttMat";
    d.buttonSuffix = ":3";
    d.select = browse::SelectButton::WhenSelecting;
    d.selectName = "SELECT:2";
    return d;
}

AttMatListWin::AttMatListWin(QWidget* parent)
    : ReferenceList(materialListDeclaration(), data::files().QXATTMAT, {&data::files().QXATTMAT},
                    "Infomaterial", parent) {
    all_ = new QCheckBox("AllAttMat");
    all_->setObjectName("LN:ALLATTMAT");
    extraButtons()->addWidget(all_);
    connect(all_, &QCheckBox::toggled, this, [this] {
        filterMaterials();
        refresh();
    });
    QPushButton* sent = addExtraButton("BUTTONATALIST", "Versand", "Wohin das Material versandt wurde");
    connect(sent, &QPushButton::clicked, this,
            [this] { openSentMaterial({.prid = source().field("ATM:PRID")}); });
    filterMaterials();
    start();
}

AttMatListWin::~AttMatListWin() = default;

void AttMatListWin::filterMaterials() {
    auto& view = static_cast<browse::ViewSource&>(source()).view();
    if (all_->isChecked())
        view.setFilter({});
    else
        view.setFilter(
            [](const data::RecordCopy& r) { return materialOffered(r.as<data::Material>(), today()); });
}

void AttMatListWin::rowSelected() {
    chosen_ = data::files().QXATTMAT.rec;
}

std::optional<data::Material> chooseMaterial(QWidget* over) {
    AttMatListWin list;
    list.runSelection(over);
    return list.chosen();
}

} // namespace velkora::reference
