#pragma once
// Opens an activity's document with the desktop's associated application,
// as far as the document rules allow (DocumentPath.h); nothing happens,
// and nothing is said, when they do not.

#include <QString>
#include <functional>
#include <string>

namespace velkora::activities {

// How a local file is handed to the desktop; tests replace it to record.
std::function<void(const QString& path)>& desktopOpener();

void openActivityDocument(const std::string& docname);

} // namespace velkora::activities
