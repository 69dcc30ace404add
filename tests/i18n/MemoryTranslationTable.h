#pragma once
// An in-memory translation table that stands in for the record file, with
// the record file's unique key: a second add of one key fails.

#include "i18n/Translation.h"

#include <map>
#include <memory>

namespace velkora::test {

class MemoryTranslations {
public:
    MemoryTranslations() {
        i18n::setTranslationTableOpener([this]() -> std::unique_ptr<i18n::TranslationTable> {
            if (!available)
                return nullptr;
            ++opens;
            return std::make_unique<Table>(*this);
        });
    }
    ~MemoryTranslations() { i18n::setTranslationTableOpener({}); }
    MemoryTranslations(const MemoryTranslations&) = delete;
    MemoryTranslations& operator=(const MemoryTranslations&) = delete;

    void put(const std::string& key, const std::string& text, const std::string& tip = {},
             const std::string& msg = {}) {
        i18n::TranslationRecord r;
        r.TRLID = key;
        r.TRLTXT = text;
        r.TRLTIP = tip;
        r.TRLMSG = msg;
        records[key] = r;
    }
    const i18n::TranslationRecord* find(const std::string& key) const {
        const auto it = records.find(key);
        return it == records.end() ? nullptr : &it->second;
    }

    std::map<std::string, i18n::TranslationRecord> records;
    bool available = true;
    int opens = 0;
    int failedAdds = 0;

private:
    class Table : public i18n::TranslationTable {
    public:
        explicit Table(MemoryTranslations& owner) : owner_(owner) {}
        std::optional<i18n::TranslationRecord> get(const std::string& key) override {
            const auto it = owner_.records.find(key);
            if (it == owner_.records.end())
                return std::nullopt;
            return it->second;
        }
        bool add(const i18n::TranslationRecord& record) override {
            if (!owner_.records.emplace(record.TRLID, record).second) {
                ++owner_.failedAdds;
                return false;
            }
            return true;
        }

    private:
        MemoryTranslations& owner_;
    };
};

} // namespace velkora::test
