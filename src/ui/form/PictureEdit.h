#pragma once
// An entry field with a display picture ("@n_6B", "@n-14.2", "@d17B", "@T01").
// It shows a stored value (a number, a day number or a clock value, as the
// record holds it) the way the picture formats it, and reads what the user
// typed back into the stored form. Text pictures ("@s63") only limit the length.

#include <QLineEdit>
#include <optional>
#include <string>
#include <string_view>

namespace velkora::form {

class PictureEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PictureEdit(const QString& picture, QWidget* parent = nullptr);

    const std::string& picture() const { return picture_; }

    // Shows a stored value ("17", a day number, a clock value).
    void setStoredValue(std::string_view stored);
    // The stored form of the text shown; nullopt when it does not fit the picture.
    std::optional<std::string> storedValue() const;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::string picture_;
};

} // namespace velkora::form
