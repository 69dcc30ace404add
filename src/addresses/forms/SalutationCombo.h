#pragma once
// The letter-salutation drop-down of the address and contact forms. Its
// entries are the texts of [ADRBRANR]; an entry containing "<#" is a
// template, expanded for the names in the form each time the list drops
// down, so the user sees and picks the finished salutation. The template
// stays beside the entry for the next drop-down. The user may also type.

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

namespace velkora::addresses {

// The names a salutation is expanded for (F:NAME0, F:NAME1, F:NAME2, F:NAMEZ).
struct SalutationNames {
    std::string name0;
    std::string name1;
    std::string name2;
    std::string addition;
};

class SalutationCombo : public QComboBox {
    Q_OBJECT
public:
    explicit SalutationCombo(QWidget* parent = nullptr);

    void setTemplates(const std::vector<std::string>& templates);
    // Where the names come from at drop-down time.
    void setNames(std::function<SalutationNames()> names) { names_ = std::move(names); }

    // Expands the templates for the current names (the drop-down does it first).
    void expandTemplates();
    void showPopup() override;

private:
    std::vector<std::string> templates_;
    std::function<SalutationNames()> names_;
};

} // namespace velkora::addresses
