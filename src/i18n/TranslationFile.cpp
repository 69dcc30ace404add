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

    std::optional<TranslationRecord> get(const std::string& key) override {
        file_.clear();
        file_.rec.TRLID = key;
        if (file_.get(key_) != data::NoError)
            return std::nullopt;
        const data::Translation& r = file_.rec;
        return TranslationRecord{clip(r.TRLID), r.TRLTXT, r.TRLMSG, r.TRLTIP, r.MSGICO, r.MSGDEF, r.ORGTXT};
    }

    bool add(const TranslationRecord& record) override {
        const TranslationRecord r = fitToFields(record);
        file_.rec = data::Translation{r.TRLID, r.TRLTXT, r.TRLMSG, r.TRLTIP, r.MSGICO, r.MSGDEF, r.ORGTXT};
        return file_.add() == data::NoError;
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
