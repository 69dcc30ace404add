#pragma once
// Material sent (AktAttMatListWin): every record, or those of one material,
// activity or address, each on its own tab in its own order. New picks a
// material from the catalogue and records it as sent today with the
// activity in the QXADRAKT buffer, to that activity's address.

#include "ui/browse/BrowseWindow.h"

#include <cstdint>
#include <string>

namespace velkora::reference {

// What the list is opened for; the first value given chooses the tab.
struct MaterialSentFilter {
    std::string prid;
    std::int32_t aktid = 0;
    std::int32_t adrnr = 0;
};

browse::BrowseDeclaration materialSentListDeclaration();

class AktAttMatListWin : public browse::BrowseWindow {
    Q_OBJECT
public:
    explicit AktAttMatListWin(MaterialSentFilter filter, QWidget* parent = nullptr);
    ~AktAttMatListWin() override;

protected:
    bool insertAllowed() const override { return false; } // New is ?BUTTONNEWPR

private:
    void showTab(int index);
    void recordSent();

    MaterialSentFilter filter_;
};

// Opens the list as a window of the frame.
void openSentMaterial(MaterialSentFilter filter);
// The activity's material (the activity list's material button).
void openSentMaterialForActivity(std::int32_t aktid);

// Registers the list with the frame and as the address list's material button.
void registerMaterialSentList();

} // namespace velkora::reference
