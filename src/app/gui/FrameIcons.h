#pragma once
// The pictures of the frame: a freedesktop theme icon where the desktop has
// one, otherwise the program's own drawing (resources/icons).

#include <QIcon>

namespace velkora::app {

enum class FrameIcon {
    Application,
    Addresses,
    Contacts,
    Activities,
    Reminder,
    Calendar,
    Document,
    First,
    Prior,
    Up,
    Find,
    Down,
    Next,
    Last,
    Mark,
    Insert,
    Edit,
    Delete,
    Ditto,
    Help,
};

QIcon frameIcon(FrameIcon icon);

} // namespace velkora::app
