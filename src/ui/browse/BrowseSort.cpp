#include "ui/browse/BrowseSort.h"

#include "shared/Pictures.h"
#include "shared/Text.h"

namespace velkora::browse {

SortOrder sortOrder(const BrowseColumn& column, bool descending, const std::vector<SortMapping>& mappings) {
    for (const auto& m : mappings)
        if (equalsIgnoreCase(m.column, column.field))
            return {descending ? m.descending : m.ascending, m.locatorField, m.locateComponents};
    const bool text = parsePicture(column.picture).kind == PictureKind::Text;
    std::string expression = text ? "UPPER(" + column.field + ")" : column.field;
    return {descending ? "-" + expression : expression, column.field, 1};
}

void Locator::set(std::string_view text) {
    text_ = cutChars(text, kMaxChars);
    length_ = static_cast<std::uint8_t>(charCount(text_));
}

void Locator::backspace() {
    --length_;
    if (length_ > 254)
        length_ = 0;
    text_ = cutChars(text_, length_);
}

void Locator::append(std::string_view character) {
    if (length_ >= kMaxChars)
        return;
    text_ += character;
    ++length_;
}

} // namespace velkora::browse
