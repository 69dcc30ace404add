#pragma once
// The activity list (qxAdrAkt): the activities of the address selected in
// the address list, which it follows while "AllAdress" is off, or all
// activities, newest first. Activities are added, changed and deleted
// through the activity form qxUpdateAkt; the list opens an activity's
// document and raises the alarm note for activities with an alarm.

#include "activities/ActivityLists.h"
#include "ui/browse/BrowseWindow.h"
#include "ui/browse/LimitedSource.h"

#include <cstdint>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace velkora::activities {

// The address lines of the rows, each read once while rows of one address follow.
class RowAddresses;

// The list's declaration over the kind list of the work file.
browse::BrowseDeclaration activityListDeclaration(const ValueList& kinds,
                                                  std::shared_ptr<RowAddresses> addresses = nullptr);

class AktListWin : public browse::BrowseWindow {
    Q_OBJECT
public:
    explicit AktListWin(QWidget* parent = nullptr);
    ~AktListWin() override;

    bool allAddresses() const { return allAddresses_; }  // LN:ALLADRESS
    std::int32_t shownAddress() const { return adrnr_; } // LN:ADRNR
    const std::string& heading() const { return heading_; }
    QSize sizeHint() const override { return {980, 480}; }

protected:
    void selectionChanged() override;
    void viewEmpty() override;
    void browseClosing() override;
    bool event(QEvent* event) override;

private:
    AktListWin(std::shared_ptr<RowAddresses> addresses, QWidget* parent);
    void setAllAddresses(bool on);
    void followAddress(std::int32_t adrnr);
    void selectTab(int index);
    void showTab(int index);
    void showTitle();

    browse::LimitedSource* source_;
    std::shared_ptr<RowAddresses> addresses_;
    QPushButton* open_;
    QPushButton* print_;
    QPushButton* material_;
    QLabel* contact_;
    QCheckBox* allCheck_;
    QString designTitle_;
    std::string heading_;       // the address text, CSTRING(100)
    std::int32_t adrnr_ = 0;    // LN:ADRNR
    bool allAddresses_ = false; // LN:ALLADRESS
};

// Registers qxAdrAkt, qxUpdateAkt and the reminder list with the frame.
void registerActivityWindows();

} // namespace velkora::activities
