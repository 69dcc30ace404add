#include "app/gui/FrameIcons.h"

// Pictures compiled into a static library are registered by hand (outside any namespace).
static void registerFramePictures() {
    Q_INIT_RESOURCE(icons);
}

namespace velkora::app {
namespace {

struct IconSource {
    const char* theme; // freedesktop name, or "" for the program's own picture only
    const char* file;  // drawn fallback in the resource file
};

IconSource source(FrameIcon icon) {
    switch (icon) {
    case FrameIcon::Application:
        return {"", "velkora"};
    case FrameIcon::Addresses:
        return {"", "addresses"}; // ADRS_2.ICO
    case FrameIcon::Contacts:
        return {"", "contacts"}; // ADRK_0.ico
    case FrameIcon::Activities:
        return {"", "activities"}; // ADRA_0.ICO
    case FrameIcon::Reminder:
        return {"", "reminder"}; // ADRR_1.ICO
    case FrameIcon::Calendar:
        return {"", "calendar"}; // ADRC_2.ICO
    case FrameIcon::Document:
        return {"", "document"};
    case FrameIcon::First:
        return {"go-first", "first"}; // VCRFIRST.ICO
    case FrameIcon::Prior:
        return {"go-previous", "prior"}; // VCRPRIOR.ICO
    case FrameIcon::Up:
        return {"go-up", "up"}; // VCRUP.ICO
    case FrameIcon::Find:
        return {"edit-find", "find"}; // FIND.ICO
    case FrameIcon::Down:
        return {"go-down", "down"}; // VCRDOWN.ICO
    case FrameIcon::Next:
        return {"go-next", "next"}; // VCRNEXT.ICO
    case FrameIcon::Last:
        return {"go-last", "last"}; // VCRLAST.ICO
    case FrameIcon::Mark:
        return {"", "mark"}; // MARK.ICO
    case FrameIcon::Insert:
        return {"document-new", "insert"}; // INSERT.ICO
    case FrameIcon::Edit:
        return {"document-properties", "edit"}; // EDIT.ICO
    case FrameIcon::Delete:
        return {"edit-delete", "delete"}; // DELETE.ICO
    case FrameIcon::Ditto:
        return {"edit-undo", "ditto"}; // DITTO.ICO
    case FrameIcon::Help:
        return {"help-browser", "help"}; // HELP.ICO
    }
    return {"", "velkora"};
}

} // namespace

QIcon frameIcon(FrameIcon icon) {
    static const bool registered = (registerFramePictures(), true);
    (void)registered;
    const IconSource s = source(icon);
    const QIcon drawn(QString(":/icons/%1.png").arg(s.file));
    if (*s.theme == '\0')
        return drawn;
    return QIcon::fromTheme(s.theme, drawn);
}

} // namespace velkora::app
