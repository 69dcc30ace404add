#pragma once
// The translation table qxTRL of the current language and TranslateText.
//
// Keys are stored upper-cased and at most 32 characters long; lookups clip,
// upper-case and cut the key the same way ("P.20_Adressenliste" finds
// P.20_ADRESSENLISTE). The table is reached through TranslationTable so that
// tests can put an in-memory table in place of the record file.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velkora::i18n {

// One record of qxTRL (prefix QX1).
struct TranslationRecord {
    std::string TRLID;  // STRING(32) key
    std::string TRLTXT; // CSTRING(64) text
    std::string TRLMSG; // CSTRING(255) status-bar message
    std::string TRLTIP; // CSTRING(64) tooltip
    std::string MSGICO; // CSTRING(32)
    std::uint8_t MSGDEF = 0;
    std::string ORGTXT; // CSTRING(64) design-time text
};

// The table while it is open for one caller.
class TranslationTable {
public:
    virtual ~TranslationTable() = default;
    // The record of `key` (already in key form), or nullopt.
    virtual std::optional<TranslationRecord> get(const std::string& key) = 0;
    // Adds a record; false when it cannot be added (a duplicate key, for one).
    virtual bool add(const TranslationRecord& record) = 0;
};

// Opens the table of the current language for as long as the returned object
// lives (shared by use count with every other user of the file); nullptr
// when it cannot be opened.
std::unique_ptr<TranslationTable> openTranslationTable();

using TranslationTableOpener = std::function<std::unique_ptr<TranslationTable>()>;
// Replaces the record file by another table (tests); an empty opener restores it.
void setTranslationTableOpener(TranslationTableOpener opener);

// A key as stored: clipped, upper-cased, cut to 32 characters.
std::string translationKey(std::string_view key);

// The clipped translated text of `key`, or "" when the table or key is missing.
std::string TranslateText(std::string_view key);

// The record fields cut to their widths, as the record file holds them.
TranslationRecord fitToFields(TranslationRecord record);

} // namespace velkora::i18n
