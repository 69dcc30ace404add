#include "addresses/forms/SalutationCombo.h"

#include "addresses/Salutation.h"

#include <QLineEdit>

namespace velkora::addresses {

SalutationCombo::SalutationCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setMaxLength(static_cast<int>(kSalutationChars));
}

void SalutationCombo::setTemplates(const std::vector<std::string>& templates) {
    const QString typed = currentText();
    templates_ = templates;
    clear();
    for (const std::string& t : templates_)
        addItem(QString::fromStdString(t));
    setCurrentIndex(-1);
    setEditText(typed);
}

void SalutationCombo::expandTemplates() {
    const SalutationNames names = names_ ? names_() : SalutationNames{};
    // Changing an entry's text must not replace what the field holds.
    const QString typed = currentText();
    for (std::size_t i = 0; i < templates_.size(); ++i) {
        const std::string& t = templates_[i];
        const std::string shown = t.find("<#") == std::string::npos
                                      ? t
                                      : FormatName(t, names.name0, names.name1, names.name2, names.addition);
        setItemText(static_cast<int>(i), QString::fromStdString(shown));
    }
    setEditText(typed);
}

void SalutationCombo::showPopup() {
    expandTemplates();
    QComboBox::showPopup();
}

} // namespace velkora::addresses
