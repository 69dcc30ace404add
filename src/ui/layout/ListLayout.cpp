#include "ui/layout/ListLayout.h"

#include "shared/ProfileFile.h"

namespace velkora::layout {
void saveListLayout(const std::string& file, const std::string& section, const std::string& listName,
                    const std::string& designedFormat, const ListLayout& layout) {
    const auto put = [&](const char* prefix, const std::string& value) {
        profile::write(file, section, std::string(prefix) + listName, value);
    };
    const auto putInt = [&](const char* prefix, long value) { put(prefix, std::to_string(value)); };
    put("XploreOrigFormatString-", designedFormat);
    put("XploreFormatString-", layout.format);
    putInt("XploreXpos-", layout.xpos);
    putInt("XploreYpos-", layout.ypos);
    putInt("XploreWidth-", layout.width);
    putInt("XploreHeight-", layout.height);
    putInt("XploreHscroll-", layout.hscroll ? 1 : 0);
    putInt("XploreVscroll-", layout.vscroll ? 1 : 0);
    putInt("XploreLineHeight-", layout.lineHeight);
    put("XploreFont-", layout.font);
    putInt("XplorePoint-", layout.point);
    putInt("XploreColor-", layout.color);
    putInt("XploreStyle-", layout.style);
    putInt("XplorePrevCol-", layout.prevCol);
}

ListLayout restoreListLayout(const std::string& file, const std::string& section, const std::string& listName,
                             const std::string& designedFormat, const ListLayout& current) {
    ListLayout out = current;
    const auto get = [&](const char* prefix, const std::string& fallback) {
        return profile::read(file, section, std::string(prefix) + listName, fallback);
    };
    const auto getInt = [&](const char* prefix, long fallback) {
        return profile::readInt(file, section, std::string(prefix) + listName, fallback);
    };
    if (get("XploreOrigFormatString-", "") == designedFormat) {
        const std::string stored = get("XploreFormatString-", "");
        if (!stored.empty())
            out.format = stored;
        out.prevCol = static_cast<int>(getInt("XplorePrevCol-", current.prevCol));
    }
    out.hscroll = getInt("XploreHscroll-", current.hscroll ? 1 : 0) != 0;
    out.vscroll = getInt("XploreVscroll-", current.vscroll ? 1 : 0) != 0;
    out.lineHeight = static_cast<int>(getInt("XploreLineHeight-", current.lineHeight));
    out.font = get("XploreFont-", current.font);
    out.point = static_cast<int>(getInt("XplorePoint-", current.point));
    out.color = getInt("XploreColor-", current.color);
    out.style = getInt("XploreStyle-", current.style);
    out.xpos = static_cast<int>(getInt("XploreXpos-", current.xpos));
    out.ypos = static_cast<int>(getInt("XploreYpos-", current.ypos));
    out.width = static_cast<int>(getInt("XploreWidth-", current.width));
    out.height = static_cast<int>(getInt("XploreHeight-", current.height));
    return out;
}

} // namespace velkora::layout
