#pragma once
// The document windows the frame and other windows start.

class QWidget;

namespace velkora::documents {

// The mail-merge selection over `parent` until it closes: the response
// (browse::RequestCompleted when a mailing list was written).
int openMailMergeSelection(QWidget* parent);

void registerDocumentWindows();

} // namespace velkora::documents
