#include "documents/MailingListCreate.h"

#include "documents/FileErrorMessage.h"
#include "documents/MailingFile.h"
#include "documents/MailingListName.h"
#include "i18n/Messages.h"
#include "shared/AppState.h"
#include "shared/Text.h"

namespace velkora::documents {
namespace {

using files::FileError;

// "M.FIL_ERROR" with what went wrong and the file beneath the message.
void showListError(const FileError& error, const std::string& fileName) {
    Prompt prompt = i18n::messagePrompt("M.FIL_ERROR", Icon::Stop, error.text + "|" + fileName);
    prompt.text += "||" + error.text + "|" + fileName;
    prompter().ask(prompt);
}

// Closes and deletes the list, once more when the first attempt fails.
bool removeList(MailingFile& mailing, const std::string& name) {
    FileError error;
    for (int attempt = 0; attempt < 2; ++attempt) {
        mailing.close();
        error = MailingFile::remove(name);
        if (!error || error.code == files::kFileNotFound)
            return true;
    }
    showListError(error, files::DbfTable::tableFileName(name));
    return false;
}

} // namespace

ListOpening openMailingList(std::string_view typedName, ExistingList existing) {
    const MailingListName checked = checkMailingListName(typedName);
    if (checked.problem == MailingListName::Problem::Empty) {
        i18n::ShowMessage("M.FIL_NOFILE", Icon::Exclamation);
        return ListOpening::EmptyName;
    }
    if (checked.problem == MailingListName::Problem::Invalid) {
        i18n::ShowMessage("M.FIL_INVALID", Icon::Exclamation,
                          joinPath(appState().MAILPATH, std::string(clip(typedName)) + ".dbf"));
        return ListOpening::InvalidName;
    }
    MailingFile& mailing = mailingFile();
    mailing.close();
    const std::string name = mailingFilePath(checked.name);
    mailing.setName(name);
    const std::string tableFile = files::DbfTable::tableFileName(name);
    bool append = false;
    if (fileExists(tableFile)) {
        if (existing == ExistingList::Ask) {
            const unsigned answer = i18n::ShowMessage("M.FIL_OVERWRITEYNC", Icon::Exclamation, tableFile,
                                                      ButtonYes | ButtonNo | ButtonCancel, ButtonCancel);
            if (answer == ButtonCancel)
                return ListOpening::Stopped;
            existing = answer == ButtonYes ? ExistingList::Replace : ExistingList::Append;
        }
        append = existing == ExistingList::Append;
        if (!append && !removeList(mailing, name))
            return ListOpening::Stopped;
    } else if (existing == ExistingList::Append &&
               i18n::ShowMessage("M.FIL_CREATE", Icon::Exclamation, tableFile, ButtonYes | ButtonCancel,
                                 ButtonYes) != ButtonYes) {
        return ListOpening::Stopped;
    }
    if (!append) {
        if (const FileError error = MailingFile::create(name)) {
            showFileError(error, "CREATE(QXAILADR):2");
            return ListOpening::Stopped;
        }
    }
    if (const FileError error = mailing.open(files::DbfTable::Access::Write)) {
        showFileError(error, "OPEN(QXAILADR)");
        return ListOpening::Stopped;
    }
    return ListOpening::Ready;
}

} // namespace velkora::documents
