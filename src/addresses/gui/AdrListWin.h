#pragma once
// The address list (qxAdressMain): every address of QXADRESS, the hub from
// which addresses are added, changed and deleted through the address form
// qxUpdateAdressMain. It publishes the selected address in GN:ADRNR for the
// contact, activity and document windows, which it tells to re-read, and
// raises the alarm note for addresses with an alarm.

#include "ui/browse/BrowseWindow.h"
#include "ui/browse/ViewSource.h"

#include <cstdint>
#include <functional>

class QPushButton;

namespace velkora::addresses {

// The address list's declaration: columns, sort and locator mappings, rows.
browse::BrowseDeclaration addressListDeclaration();

class AdrListWin : public browse::BrowseWindow {
    Q_OBJECT
public:
    explicit AdrListWin(QWidget* parent = nullptr);
    ~AdrListWin() override;

    // Wide enough for the name, place and street columns at first sight.
    QSize sizeHint() const override { return {980, 520}; }

protected:
    void selectionChanged() override;
    void viewEmpty() override;
    void formCompleted(int request) override;
    void browseClosing() override;

private:
    void openUrl();
    // Writes the selected address, or every address, as a vCard file.
    void exportVCard();
    // Enabled while the selected address has a web address.
    void showUrlButton();

    QPushButton* print_;
    QPushButton* materialList_;
    QPushButton* url_;
    QPushButton* vcard_;
};

// Where the vCard export writes: the file the user chooses (empty: none).
// Tests put a chooser of their own in place of the file dialog.
std::function<std::string(QWidget* over)>& vcardFileChooser();

// The list of material sent (AktAttMatListWin) for an address, plugged in by
// its window library; until then the button says the procedure is missing.
std::function<void(std::int32_t adrnr)>& materialSentList();

// Registers qxAdressMain and qxShowAlarm with the frame.
void registerAddressWindows();

} // namespace velkora::addresses
