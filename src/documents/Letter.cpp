#include "documents/Letter.h"

#include "activities/ContactRecord.h"
#include "data/Errors.h"
#include "data/FileServices.h"
#include "data/StandardWarnings.h"
#include "documents/DocumentHandover.h"
#include "documents/MailingFile.h"
#include "documents/MailingFiller.h"
#include "i18n/Messages.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"
#include "shared/Text.h"

#include <filesystem>

namespace velkora::documents {
namespace {

namespace fs = std::filesystem;

constexpr std::uint8_t kLetterKind = 1;
constexpr std::uint8_t kNoToDo = 254;

std::optional<LetterField> refuse(std::string_view id, std::string_view defaultText, LetterField field) {
    i18n::ShowMessage(id, Icon::Exclamation, defaultText);
    return field;
}

// An earlier intermediate file of the name goes first, so that what lies
// there afterwards is this run's.
bool removeEarlierRtf(const std::string& rtf) {
    std::error_code error;
    fs::remove(rtf, error);
    if (!error)
        return true;
    i18n::ShowMessage("M.DOC_RTFERROR", Icon::Exclamation,
                      "[" + std::to_string(error.value()) + "] " + error.message());
    return false;
}

bool updateContactDates(std::int32_t adrnr, bool operationCaptions) {
    data::File<data::Address> adr;
    data::OpenedFiles opened;
    if (!opened.open({&adr}))
        return false;
    adr.rec.ADRNR = adrnr;
    if (adr.get(*data::Address::table().key("QXADRES1")) != data::NoError) {
        data::RecordErrorState();
        data::ShowStandardWarning(data::Warn::RecordFetchError, adr.table().name);
        return false;
    }
    activities::markContacted(adr.rec);
    if (!operationCaptions)
        return data::UpdateWithIntegrity(adr, false) == data::Saved;
    if (adr.put() == data::NoError)
        return true;
    activities::tellFailedWrite("PUT(QXADRESS)");
    return false;
}

bool addActivity(const LetterRequest& request, const std::string& documentName, bool printed) {
    data::File<data::Activity> akt;
    data::OpenedFiles opened;
    if (!opened.open({&akt}))
        return false;
    activities::startNewActivity(akt);
    data::Activity& a = akt.rec;
    a.ADRNR = request.adrnr;
    a.TKPNR = request.tkpnr;
    a.AKTART = kLetterKind;
    a.AKTPRI = kNoToDo;
    a.STATUS = request.activityStatus;
    a.TITLE = request.title;
    a.DOCNAME = documentName;
    a.AKTDEV = printed ? request.printer : std::string();
    if (akt.add() == data::NoError)
        return true;
    if (request.operationCaptions) {
        activities::tellFailedWrite("ADD(QXADRAKT)",
                                    "|" + std::to_string(a.AKTID) + " " + std::to_string(request.adrnr));
        return false;
    }
    data::RecordErrorState();
    data::ShowStandardWarning(data::Warn::InsertError, akt.table().name);
    return false;
}

} // namespace

std::optional<LetterField> checkLetter(const LetterRequest& request) {
    if (clip(request.templateFile).empty())
        return refuse("M.TPL_NONAME", "Template...?", LetterField::Template);
    if (clip(request.title).empty())
        return refuse("M.DOC_NOTITLE", "Title...?", LetterField::Title);
    if (clip(request.name).empty())
        return refuse("M.DOC_NONAME", "Document Name...?", LetterField::Name);
    if (!isValidDocumentName(request.name))
        return refuse("M.DOC_INVALIDNAME", "Document Name...?", LetterField::Name);
    return std::nullopt;
}

TemplateResult runTemplateHidden(const std::string& output, const std::string& templateFile) {
    return ProcessTplFile(output, templateFile, 1);
}

PreparedLetter prepareLetter(const LetterRequest& request, const data::Address& address,
                             const TemplateRunner& runTemplate) {
    const std::string prefix = documentPrefix(address.ADRNR);
    PreparedLetter letter{Prepared::Failed, documentFiles(appState().DOCSPATH, prefix, request.name)};
    mailingFile().setName(mailingFilePath(kDocumentMailingName));
    if (!removeEarlierRtf(letter.files.rtf))
        return letter;
    if (fileExists(letter.files.doc) &&
        i18n::ShowMessage("M.DOC_OVERWRITE", Icon::Exclamation,
                          "Overwrite " + prefix + clip(request.name) + ".DOC ?", ButtonYes | ButtonNo,
                          ButtonNo) != ButtonYes) {
        letter.result = Prepared::Declined;
        return letter;
    }
    const std::optional<std::int32_t> contact =
        request.tkpnr != 0 ? std::optional(request.tkpnr) : std::nullopt;
    if (!FillMailingFileForAddress(address, contact, request.title)) {
        i18n::ShowMessage("M.DOC_DATAERROR", Icon::Exclamation, "Preparing Data");
        return letter;
    }
    runTemplate(letter.files.rtf, request.templateFile);
    if (!fileExists(letter.files.rtf)) {
        i18n::ShowMessage("M.DOC_DATAERROR", Icon::Exclamation, "Temp Data");
        return letter;
    }
    letter.result = Prepared::Ready;
    return letter;
}

bool recordLetter(const LetterRequest& request, const std::string& documentName, bool printed) {
    if (!request.saveActivity || request.adrnr == 0)
        return true;
    const bool datesSet = updateContactDates(request.adrnr, request.operationCaptions);
    return addActivity(request, documentName, printed) && datesSet;
}

std::optional<CreatedLetter> createLetter(const LetterRequest& request, const data::Address& address) {
    if (checkLetter(request))
        return std::nullopt;
    const PreparedLetter letter = prepareLetter(request, address);
    if (letter.result != Prepared::Ready)
        return std::nullopt;
    DocumentHandover handover({{{letter.files, request.copies}}, request.print, request.printer, true});
    handover.start();
    handover.wait();
    const std::string& document = handover.documentNames().front();
    if (document.empty())
        return std::nullopt;
    return CreatedLetter{document, recordLetter(request, document, handover.printed().front())};
}

} // namespace velkora::documents
