#pragma once
// The activity form (qxUpdateAkt, window AktUpdateWin): one activity of an
// address with its kind, title, document, remark, alarm and memo, and its
// to-do part: a due date, a priority and the reminder with its delay.

#include "ui/form/RecordForm.h"

#include <QString>
#include <functional>
#include <optional>

namespace velkora::activities {

form::RecordFormDeclaration activityFormDeclaration();

// Runs the form for the request waiting in the list's exchange values.
int qxUpdateAkt(int request);

// How the user picks a document: an open-file dialog over `over`, in
// `folder`, starting on `start`; nullopt when cancelled. Tests replace it.
using DocumentChooser =
    std::function<std::optional<QString>(QWidget* over, const QString& folder, const QString& start)>;
DocumentChooser& documentChooser();

} // namespace velkora::activities
