#pragma once
// Registers the mailing-list windows with the frame.

namespace velkora::documents {

void registerMailingListWindows();

} // namespace velkora::documents
