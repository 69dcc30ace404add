#pragma once
// The selection of the activity list (window file section AktListSelect):
// only the activity selected in the list, or the activities of the current
// address or of all addresses, within dates, of a kind and a priority, with
// a title and, when asked for, the memos. "Print" runs the report.
//
//   AktListSelectWin::run(selectedAktid, currentAddress, showsAllAddresses, this);

#include "reports/ActivityListReport.h"

#include <QDialog>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velkora::form {
class PictureEdit;
}

namespace velkora::reports {

class AktListSelectWin : public QDialog {
    Q_OBJECT
public:
    // `aktid`: the activity selected in the list (0: none); `adrnr`: the
    // current address (0: none, so only all addresses can be chosen);
    // `allAddresses`: "AllAdress" starts checked, as the list shows them.
    AktListSelectWin(std::int32_t aktid, std::int32_t adrnr, bool allAddresses, QWidget* parent = nullptr);

    // Runs the window over `parent` and prints the list when the user
    // pressed "Print"; true when the list was printed.
    static bool run(std::int32_t aktid, std::int32_t adrnr, bool allAddresses, QWidget* parent = nullptr);

    // What the controls ask for; nullopt while a date is no date.
    std::optional<ActivitySelection> selection() const;

private:
    void showChoices();
    void takeSelection();

    std::int32_t aktid_;
    std::int32_t adrnr_;
    QCheckBox* selectedOnly_;
    QCheckBox* allAddresses_;
    QLabel* addressName_;
    QLabel* addressPlace_;
    form::PictureEdit* dateFrom_;
    form::PictureEdit* dateTo_;
    QComboBox* kind_;
    QComboBox* priority_;
    QLineEdit* title_;
    QCheckBox* memo_;
    QPushButton* print_;
    QPushButton* cancel_;
    std::optional<ActivitySelection> chosen_;
};

} // namespace velkora::reports
