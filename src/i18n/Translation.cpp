#include "i18n/Translation.h"

#include "i18n/TranslationFile.h"
#include "shared/FieldTypes.h"
#include "shared/Text.h"

namespace velkora::i18n {
namespace {

constexpr std::size_t kKeyChars = 32;

TranslationTableOpener& opener() {
    static TranslationTableOpener current;
    return current;
}

} // namespace

std::unique_ptr<TranslationTable> openTranslationTable() {
    if (opener())
        return opener()();
    return openTranslationFile();
}

void setTranslationTableOpener(TranslationTableOpener o) {
    opener() = std::move(o);
}

std::string translationKey(std::string_view key) {
    return clip(cutChars(upperText(clip(key)), kKeyChars));
}

std::string TranslateText(std::string_view key) {
    auto table = openTranslationTable();
    if (!table)
        return {};
    const auto record = table->get(translationKey(key));
    return record ? clip(record->TRLTXT) : std::string();
}

TranslationRecord fitToFields(TranslationRecord record) {
    record.TRLID = clip(cutChars(record.TRLID, kKeyChars));
    record.TRLTXT = toCStringField(record.TRLTXT, 64);
    record.TRLMSG = toCStringField(record.TRLMSG, 255);
    record.TRLTIP = toCStringField(record.TRLTIP, 64);
    record.MSGICO = toCStringField(record.MSGICO, 32);
    record.ORGTXT = toCStringField(record.ORGTXT, 64);
    return record;
}

} // namespace velkora::i18n
