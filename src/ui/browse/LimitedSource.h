#pragma once
// A list's view over a file, either whole or limited to the records with
// one value of a linking field (the contacts or activities of one address
// on a list that can also show them all). Limited, the view reads in the
// list's order behind that value, so a page of one address's records is
// read from an index and never by passing over the others.

#include "ui/browse/ViewSource.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velkora::browse {

// A key of the whole file that, limited to one value, is read as another
// key which begins with the linking field (all contacts by kind and name;
// one address's by kind and number).
struct LimitedKey {
    std::string whole;
    std::string limited;
};

class LimitedSource : public ViewSource {
public:
    // `field`: the prefixed linking field ("TKP:ADRNR").
    LimitedSource(data::RecordFile& file, std::string field, std::optional<LimitedKey> key = std::nullopt);

    // The value the view is limited to, or nullopt for every record. The
    // view takes it at once; the caller reads a new page.
    void limitTo(std::optional<std::int32_t> value);

    bool open(const std::string& order) override;
    void seekValues(const std::vector<std::string>& values) override;

private:
    bool applyOrder();

    std::string field_;
    std::optional<LimitedKey> key_;
    std::optional<std::int32_t> value_;
    std::string order_;
};

} // namespace velkora::browse
