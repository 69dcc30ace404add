#pragma once
// The "Kontakte" tab of the address form: the address's contact persons in
// a list, added, changed and deleted in memory through the contact form
// (qxUpdateTKP). The address form writes them when the address is saved.

#include "addresses/ContactRows.h"

#include <QWidget>
#include <functional>

class QPushButton;
class QTreeWidget;

namespace velkora::addresses {

class ContactTab : public QWidget {
    Q_OBJECT
public:
    explicit ContactTab(QWidget* parent = nullptr);

    // The contact kinds the rows show (Q:TKPART).
    void setKinds(std::vector<std::string> kinds);
    // A new contact as the address primes it (number and names of the address).
    void setPrimer(std::function<data::ContactPerson()> primer) { primer_ = std::move(primer); }
    // Runs after each contact form closed (the address form takes the toolbar back).
    void setAfterForm(std::function<void()> after) { afterForm_ = std::move(after); }

    bool load(data::File<data::ContactPerson>& file, std::int32_t adrnr);
    ContactRows& rows() { return *rows_; }

    void insertContact();
    void changeContact();
    void deleteContact();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs the contact form for `request` on `row` and follows its
    // save-and-navigate buttons through the rows.
    void edit(int request, int row);
    int movedRow(int row, int code) const;
    void showRows(int select);
    void updateButtons();
    int currentRow() const;

    std::unique_ptr<ContactRows> rows_;
    std::function<data::ContactPerson()> primer_;
    std::function<void()> afterForm_;
    QTreeWidget* list_;
    QPushButton* insert_;
    QPushButton* change_;
    QPushButton* delete_;
};

} // namespace velkora::addresses
