#include "ui/form/PictureEdit.h"

#include "shared/Pictures.h"
#include "shared/Text.h"

#include <cmath>
#include <cstdio>

namespace velkora::form {
namespace {

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
