#pragma once
// The contact-person list (qxTKPList): the contacts of the address selected
// in the address list, which it follows while "AllAdress" is off, or the
// contacts of all addresses. It publishes the selected contact in GN:TKPNR
// for the document and e-mail windows, writes what the contact form
// qxUpdateTKP returns, deletes contacts, dials their telephone numbers and
// starts the e-mail window.

#include "addresses/contacts/Dialling.h"
#include "ui/browse/BrowseWindow.h"

#include <cstdint>
#include <string>

class QCheckBox;
class QPushButton;

namespace velkora::addresses {

class ContactSource;

class TKPListWin : public browse::BrowseWindow {
    Q_OBJECT
public:
    explicit TKPListWin(QWidget* parent = nullptr);
    ~TKPListWin() override;

    bool allAddresses() const { return allAddresses_; }  // LN:ALLADRESS
    std::int32_t shownAddress() const { return adrnr_; } // LN:ADRNR
    const std::string& heading() const { return heading_; }

protected:
    void selectionChanged() override;
    void viewEmpty() override;
    void formCompleted(int request) override;
    bool insertAllowed() const override;
    bool event(QEvent* event) override;

private:
    int runForm(int request);
    void setAllAddresses(bool on);
    void followAddress();
    void showAllAddresses();
    void selectTab(int index);
    void showTab(int index);
    void showTitle();
    // Dial and e-mail are enabled while the selected contact has a number and an address.
    void showRowButtons();
    void dialSelected();
    void openMail();

    ContactSource* source_;
    QPushButton* mail_;
    QPushButton* dial_;
    QCheckBox* allCheck_;
    DialSettings dialSettings_;
    QString designTitle_;
    std::string heading_;       // CSTRING(100)
    std::int32_t adrnr_ = 0;    // LN:ADRNR
    bool allAddresses_ = false; // LN:ALLADRESS
};

// Registers qxTKPList with the frame.
void registerContactWindows();

} // namespace velkora::addresses
