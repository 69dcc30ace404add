#pragma once
// The help viewer: the language's help file (InitPath + "/" + GS:HELPFILE,
// an HTML file) in a window of its own, with a search line.

namespace velkora::app {

// page: "contents", "search" (focus on the search line) or "onhelp".
void openHelp(const char* page);

} // namespace velkora::app
