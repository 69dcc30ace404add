#pragma once
// "The application ends" in the windows: the stop text in a box, then the
// event loops end and the program returns from main with status 1. Without a
// stop text the user chose the end (a restart): the frame closes as on Exit
// and the program returns 0.

namespace velkora::app {

void installGuiApplicationEnd();

} // namespace velkora::app
