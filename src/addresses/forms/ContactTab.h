#pragma once
// The "Kontakte" tab of the address form: the address's contact persons in
// a list on the list machinery, added, changed and deleted in memory through
// the contact form (qxUpdateTKP). The address form writes them when the
// address is saved.

#include "addresses/ContactRows.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace velkora::browse {
class BrowseWindow;
class MemorySource;
} // namespace velkora::browse

namespace velkora::addresses {

class ContactTab : public QWidget {
    Q_OBJECT
public:
    explicit ContactTab(QWidget* parent = nullptr);
    ~ContactTab() override;

    // The contact kinds the rows show (Q:TKPART).
    void setKinds(std::vector<std::string> kinds);
    // A new contact as the address primes it (number and names of the address).
    void setPrimer(std::function<data::ContactPerson()> primer) { primer_ = std::move(primer); }
    // Runs after each contact form closed (the address form takes the toolbar back).
    void setAfterForm(std::function<void()> after) { afterForm_ = std::move(after); }

    bool load(data::File<data::ContactPerson>& file, std::int32_t adrnr);
    ContactRows& rows() { return *rows_; }

private:
    // The list's form: runs the contact form on the selected row (or a new
    // one) and keeps what it returns in the rows; a delete needs no form.
    int runForm(int request);
    void showRows();

    std::unique_ptr<ContactRows> rows_;
    std::function<data::ContactPerson()> primer_;
    std::function<void()> afterForm_;
    browse::MemorySource* source_;
    browse::BrowseWindow* list_;
};

} // namespace velkora::addresses
