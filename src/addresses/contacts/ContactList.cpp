#include "addresses/contacts/ContactList.h"

#include "addresses/PhoneIndex.h"
#include "addresses/ValueLists.h"
#include "addresses/contacts/ContactSource.h"
#include "app/gui/Procedures.h"
#include "shared/Pictures.h"
#include "shared/Text.h"

#include <cstdlib>

namespace velkora::addresses {
namespace {

constexpr const char* kDesignFormat =
    "74L(1)|M*~NAME~@s64@74L(1)|M*~ABTPOS~@s47@60L(1)|M*~TEL~@s39@60L(1)|M*~FAX~@s31@72L|M*~EMAIL~L(2)@s60@"
    "54L(1)|M*~TKPART~@s20@124L(1)|M*~TF~@s31@24R(1)|M*~ADRNR~L@n_6B@24R(1)|M*~TKPNR~L@n_6B@";

// Column-table entries with computed values (0-based).
enum Column { NameColumn = 0, KindColumn = 5, ShownAddressColumn = 11 };

// The kinds a locator text is compared with: Q:TKPART holds at most nine.
constexpr std::size_t kLocatableKinds = 9;

} // namespace

std::string contactDisplayName(const std::string& name1, const std::string& name2, const std::string& name0) {
    std::string name = clip(name1) + " " + clip(name2);
    if (!clip(name0).empty())
        name += ", " + clip(name0);
    return name;
}

std::optional<std::vector<std::string>> contactLocatorValues(const std::string& field,
                                                             const std::string& text,
                                                             const std::vector<std::string>& kinds) {
    if (field == "TKP:KTART") {
        const std::string wanted = upperText(text);
        std::size_t kind = 0;
        for (std::size_t i = 0; i < kinds.size() && i < kLocatableKinds; ++i)
            if (startsWith(upperText(clip(kinds[i])), wanted)) {
                kind = i + 1;
                break;
            }
        return std::vector<std::string>{std::to_string(kind)};
    }
    if (field == "TKP:TFX")
        return std::vector<std::string>{TFX4TelFax(text)};
    if (field == "TKP:NAME1" || field == "TKP:ABTPOS" || field == "TKP:FAX" || field == "TKP:EMAIL")
        return std::vector<std::string>{text};
    return std::nullopt;
}

browse::BrowseDeclaration contactListDeclaration(std::vector<std::string> kinds,
                                                 const std::int32_t* shownAddress) {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::ContactList;
    d.designFormat = kDesignFormat;
    d.columns = {
        {{"BRW:NAME", "BRW:NAME", "@S20L"}, ""}, {{"TKP:ABTPOS", "Position", "@s47L"}, ""},
        {{"TKP:TEL", "Tel.", "@s39L"}, ""},      {{"TKP:FAX", "FAX", "@s31L"}, ""},
        {{"TKP:EMAIL", "e-Mail", "@s60L"}, ""},  {{"BRW:KART", "BRW:KART", "@S20L"}, ""},
        {{"TKP:TFX", "TF-Index", "@s31L"}, ""},  {{"TKP:ADRNR", "Adr-Nr.", "@n_6B"}, ""},
        {{"TKP:TKPNR", "TKP-Nr.", "@n_6B"}, ""}, {{"TKP:KTART", "K-Art", "@n3"}, ""},
        {{"TKP:NAME1", "Name 1", "@s63L"}, ""},  {{"LN:ADRNR", "LN:ADRNR", "@n_6B"}, ""},
    };
    d.sortMappings = {
        {"BRW:KART", "TKP:KTART", "UPPER(TKP:KTART)", "-UPPER(TKP:KTART)", 1},
        {"BRW:NAME", "TKP:NAME1", "UPPER(TKP:NAME1)", "-UPPER(TKP:NAME1)", 1},
        // The telephone column sorts by the phone index: one number typed
        // with other separators sorts beside itself.
        {"TKP:TEL", "TKP:TFX", "UPPER(TKP:TFX)", "-UPPER(TKP:TFX)", 1},
        // The window's own address number is the same for every row.
        {"LN:ADRNR", "LN:ADRNR", "TKP:ADRNR", "-TKP:ADRNR", 1},
    };
    d.keyOrder = browse::SortOrder{kAllContactsKey, "TKP:KTART", 1};
    d.locate = [kinds](const std::string& field, const std::string& text) {
        return contactLocatorValues(field, text, kinds);
    };
    d.buildRow = [columns = d.columns, kinds = std::move(kinds),
                  shownAddress](const browse::BrowseSource& s) {
        browse::BrowseRow row = browse::pictureRow(columns, s);
        row.cells[NameColumn].text =
            contactDisplayName(s.field("TKP:NAME1"), s.field("TKP:NAME2"), s.field("TKP:NAME0"));
        row.cells[KindColumn].text = entryName(kinds, std::atoi(s.field("TKP:KTART").c_str()));
        if (row.cells[KindColumn].text.empty())
            row.cells[KindColumn].text = " ";
        row.cells[ShownAddressColumn].text =
            formatValue(columns[ShownAddressColumn].picture, std::to_string(*shownAddress));
        return row;
    };
    d.form = kContactListForm;
    d.tabs = {{"TAB:ADR", "Adresse"}, {"TAB:ALL", "Alle"}};
    return d;
}

} // namespace velkora::addresses
