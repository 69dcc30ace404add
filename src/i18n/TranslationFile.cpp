#include "i18n/TranslationFile.h"

#include "data/FileServices.h"
#include "shared/AppState.h"
#include "shared/Text.h"

namespace velkora::i18n {
namespace {

class TranslationFile : public TranslationTable {
public:
    explicit TranslationFile(data::File<data::Translation>& file)
        : file_(file), key_(*data::Translation::table().key("QXTRL")) {}
    ~TranslationFile() override { data::CloseRecordFile(file_); }
    TranslationFile(const TranslationFile&) = delete;
    TranslationFile& operator=(const TranslationFile&) = delete;

    // Both leave the buffer as it was: the translation editors hold the
    // record they show there while their windows translate themselves.
    std::optional<TranslationRecord> get(const std::string& key) override {
        const data::Translation kept = file_.rec;
        file_.clear();
        file_.rec.TRLID = key;
        std::optional<TranslationRecord> found;
        if (file_.get(key_) == data::NoError) {
            const data::Translation& r = file_.rec;
            found =
                TranslationRecord{clip(r.TRLID), r.TRLTXT, r.TRLMSG, r.TRLTIP, r.MSGICO, r.MSGDEF, r.ORGTXT};
        }
        file_.rec = kept;
        return found;
    }

    bool add(const TranslationRecord& record) override {
        const data::Translation kept = file_.rec;
        const TranslationRecord r = fitToFields(record);
        file_.rec = data::Translation{r.TRLID, r.TRLTXT, r.TRLMSG, r.TRLTIP, r.MSGICO, r.MSGDEF, r.ORGTXT};
        const bool added = file_.add() == data::NoError;
        file_.rec = kept;
        return added;
    }

private:
    data::File<data::Translation>& file_;
    const data::KeyDef& key_;
};

} // namespace

std::unique_ptr<TranslationTable> openTranslationFile() {
    if (appState().TRLFILE.empty())
        return nullptr;
    auto& file = data::files().qxTRL;
    if (!data::OpenRecordFile(file))
        return nullptr;
    return std::make_unique<TranslationFile>(file);
}

} // namespace velkora::i18n
