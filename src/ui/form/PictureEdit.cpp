#include "ui/form/PictureEdit.h"

#include "shared/Pictures.h"
#include "shared/Text.h"

#include <QValidator>
#include <cmath>
#include <cstdio>

namespace velkora::form {
namespace {

// Lets into the entry only the characters its picture can hold; a text made
// of them that is no value yet (a date half typed) is kept for the form to
// refuse when it is saved.
class PictureValidator : public QValidator {
public:
    PictureValidator(std::string picture, QObject* parent)
        : QValidator(parent), picture_(std::move(picture)), kind_(parsePicture(picture_).kind) {}

    State validate(QString& input, int&) const override {
        for (const QChar c : input)
            if (!allowed(c))
                return Invalid;
        const std::string text = input.toStdString();
        switch (kind_) {
        case PictureKind::Number:
            return parseNumber(picture_, text) ? Acceptable : Intermediate;
        case PictureKind::Date:
            return parseDate(text) ? Acceptable : Intermediate;
        case PictureKind::Time:
            return parseTime(text) ? Acceptable : Intermediate;
        case PictureKind::Text:
        case PictureKind::Unknown:
            break;
        }
        return Acceptable;
    }

private:
    bool allowed(QChar c) const {
        if (c.isDigit() || c == ' ')
            return true;
        switch (kind_) {
        case PictureKind::Number:
            return c == '.' || c == ',' || (c == '-' && parsePicture(picture_).leadingSign);
        case PictureKind::Date:
            return c == '.' || c == '/' || c == '-';
        case PictureKind::Time:
            return c == ':' || c == '.';
        case PictureKind::Text:
        case PictureKind::Unknown:
            break;
        }
        return true;
    }

    std::string picture_;
    PictureKind kind_;
};

std::string numberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", value);
    return buf;
}

} // namespace

PictureEdit::PictureEdit(const QString& picture, QWidget* parent)
    : QLineEdit(parent), picture_(picture.toStdString()) {
    const Picture p = parsePicture(picture_);
    if (p.kind == PictureKind::Text && p.size > 0)
        setMaxLength(p.size);
    if (p.kind == PictureKind::Number)
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (p.kind == PictureKind::Number || p.kind == PictureKind::Date || p.kind == PictureKind::Time)
        setValidator(new PictureValidator(picture_, this));
}

void PictureEdit::setStoredValue(std::string_view stored) {
    setText(QString::fromStdString(trim(formatValue(picture_, stored))));
}

std::optional<std::string> PictureEdit::storedValue() const {
    const std::string shown = text().toStdString();
    switch (parsePicture(picture_).kind) {
    case PictureKind::Number:
        if (const auto n = parseNumber(picture_, shown))
            return numberText(*n);
        return std::nullopt;
    case PictureKind::Date:
        if (const auto d = parseDate(shown))
            return std::to_string(*d);
        return std::nullopt;
    case PictureKind::Time:
        if (const auto t = parseTime(shown))
            return std::to_string(*t);
        return std::nullopt;
    case PictureKind::Text:
    case PictureKind::Unknown:
        break;
    }
    return shown;
}

void PictureEdit::focusOutEvent(QFocusEvent* event) {
    // What was typed is shown the way it will be stored ("1.2.25" as 01.02.2025);
    // a text that fits no value stays, so the form can point at it.
    const Picture p = parsePicture(picture_);
    if (p.kind != PictureKind::Text && p.kind != PictureKind::Unknown)
        if (const auto stored = storedValue())
            setStoredValue(*stored);
    QLineEdit::focusOutEvent(event);
}

} // namespace velkora::form
