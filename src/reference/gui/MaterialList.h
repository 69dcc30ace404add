#pragma once
// The catalogue of information material (AttMatListWin): current material
// only unless "AllAttMat" is checked; as a lookup it returns the material
// selected. Its ?BUTTONATALIST shows where the selected material was sent.

#include "reference/gui/ReferenceList.h"

#include <optional>

class QCheckBox;
class QWidget;

namespace velkora::reference {

browse::BrowseDeclaration materialListDeclaration();

class AttMatListWin : public ReferenceList {
    Q_OBJECT
public:
    explicit AttMatListWin(QWidget* parent = nullptr);
    ~AttMatListWin() override;

    const std::optional<data::Material>& chosen() const { return chosen_; }

protected:
    void rowSelected() override;

private:
    void filterMaterials();

    QCheckBox* all_;
    std::optional<data::Material> chosen_;
};

// The catalogue as a lookup over `over`; nullopt when closed without a choice.
std::optional<data::Material> chooseMaterial(QWidget* over);

} // namespace velkora::reference
