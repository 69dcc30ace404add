#include "ui/form/RecordSave.h"

#include "data/Errors.h"
#include "data/FileServices.h"
#include "data/StandardWarnings.h"
#include "ui/browse/FormRequest.h"

#include <QApplication>

namespace velkora::form {

using data::ShowStandardWarning;
using data::Warn;

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

SaveOutcome addRecord(data::RecordFile& file, std::string_view duplicateText) {
    const int error = file.add();
    if (error == data::NoError)
        return SaveOutcome::Saved;
    data::RecordErrorState();
    if (error == data::DuplicateKeyError)
        ShowStandardWarning(Warn::DuplicateKey, duplicateText);
    else
        ShowStandardWarning(Warn::InsertError);
    return SaveOutcome::KeepOpen;
}

SaveOutcome updateRecord(data::RecordFile& file, bool changed,
                         const std::function<void()>& showOtherVersion) {
    if (!changed)
        return SaveOutcome::Unchanged;
    for (;;) {
        int result = 0;
        {
            BusyCursor busy;
            result = data::UpdateWithIntegrity(file, true);
        }
        if (result == data::Saved)
            return SaveOutcome::Saved;
        if (result == data::ChangedByOtherStation) {
            showOtherVersion();
            return SaveOutcome::KeepOpen;
        }
        switch (ShowStandardWarning(Warn::UpdateError)) {
        case ButtonYes:
            continue;
        case ButtonNo:
            return SaveOutcome::GiveUp;
        default:
            return SaveOutcome::KeepOpen;
        }
    }
}

int confirmAndDelete(const std::function<int()>& deleteRecord) {
    if (ShowStandardWarning(Warn::StandardDelete) != ButtonOk)
        return browse::RequestCancelled;
    for (;;) {
        int result = 0;
        {
            BusyCursor busy;
            result = deleteRecord();
        }
        if (result == 0)
            return browse::RequestCompleted;
        if (ShowStandardWarning(Warn::DeleteError) != ButtonYes)
            return browse::RequestCancelled;
    }
}

} // namespace velkora::form
