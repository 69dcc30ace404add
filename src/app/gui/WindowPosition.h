#pragma once
// Windows remember position, size and maximised state in the window file
// ORBWin.INI (start folder), one section per window named after its procedure
// ("Main" for the frame): keys Maximize ("Yes"/"No"), XPosit, YPosit, Width, Height.
// The frame keeps the place of every window it shows (MainFrame::show and
// its close filter); windows do not keep their own as well. Only a window
// that runs outside the frame (a form, a list run for selection) calls
// RestoreWindowPosition as it opens and SaveWindowPosition as it closes.
// For an MDI child pass the child widget: its sub-window is what is placed.
// A dialog or tool window with no stored position opens centred over the
// window it was opened from.

#include <QWidget>
#include <string>

namespace velkora::app {

// The window as the frame places and closes it: its MDI sub-window, or itself.
QWidget* outerWindow(QWidget* window);

// The window file: the start file's folder + "/ORBWin.INI".
std::string windowFile();

void SaveWindowPosition(QWidget* window, const std::string& section, const std::string& file = windowFile());
void RestoreWindowPosition(QWidget* window, const std::string& section,
                           const std::string& file = windowFile());

} // namespace velkora::app
