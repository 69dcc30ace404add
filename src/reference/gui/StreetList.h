#pragma once
// The streets of the place selected in the place list with streets
// (?LIST in qxPLZListDEX): QXADRSTR by place key and street name, limited
// to the streets whose place key is the place's. A place without a key has
// no streets, and a street cannot be added to it.

#include "ui/browse/BrowseWindow.h"

#include <memory>
#include <string>

namespace velkora::browse {
class ViewSource;
}

namespace velkora::reference {

// The declaration of the street list; `okey` is the place key it shows.
browse::BrowseDeclaration streetListDeclaration(const std::shared_ptr<std::string>& okey);

class StreetList : public browse::BrowseWindow {
    Q_OBJECT
public:
    explicit StreetList(QWidget* parent = nullptr);
    ~StreetList() override;

    // Shows the streets of the place with key `okey`, from the first.
    void followPlace(const std::string& okey);
    // Positions on the first street of the place at or after `name`.
    void locateStreet(const std::string& name);

protected:
    bool insertAllowed() const override;

private:
    StreetList(std::shared_ptr<std::string> okey, QWidget* parent);

    std::shared_ptr<std::string> okey_; // shared with the locator mapping
    browse::ViewSource* source_;
};

} // namespace velkora::reference
