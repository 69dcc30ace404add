#pragma once
// Registers the reference lists with the frame (new windows for every menu
// command) and, under the same names, for callers that select a row
// (request 4), together with the reference forms.

namespace velkora::reference {

void registerReferenceWindows();

} // namespace velkora::reference
