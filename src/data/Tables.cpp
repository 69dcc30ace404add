#include "data/Tables.h"

#include "data/TableBuilder.h"
#include "shared/Text.h"

#include <stdexcept>

namespace velkora::data {

namespace {
using enum FieldType;

KeyDef keyOf(const TableDef& table, const KeySpec& spec) {
    KeyDef key;
    key.name = spec.name;
    key.unique = (spec.flags & Unique) != 0;
    key.primary = (spec.flags & Primary) != 0;
    key.optional = (spec.flags & Optional) != 0;
    for (std::string_view part : spec.parts) {
        const bool descending = !part.empty() && part.front() == '-';
        if (descending)
            part.remove_prefix(1);
        const int f = table.fieldIndex(part);
        if (f < 0)
            throw std::logic_error("key " + std::string(spec.name) + " names unknown field " +
                                   std::string(part));
        key.parts.push_back({f, descending});
    }
    return key;
}

} // namespace

TableDef buildTable(std::string_view name, std::string_view prefix, FileLocation location,
                    std::vector<FieldDef> fields, std::initializer_list<KeySpec> keys, RecordOps ops) {
    TableDef table;
    table.name = name;
    table.prefix = prefix;
    table.location = location;
    table.fields = std::move(fields);
    table.ops = ops;
    for (const KeySpec& spec : keys)
        table.keys.push_back(keyOf(table, spec));
    return table;
}

TableDef withListOrders(TableDef table, std::initializer_list<std::vector<std::string_view>> orders) {
    for (const auto& fields : orders)
        table.listOrders.push_back(keyOf(table, {"", fields}));
    return table;
}

const TableDef& Address::table() {
    using A = Address;
    static const TableDef t = withListOrders(buildTable("QXADRESS", "ADR", FileLocation::DataPath,
                                                        {
                                                            field<&A::AUSER>("AUSER", String, 8),
                                                            field<&A::ADATUM>("ADATUM", Long),
                                                            field<&A::AUHR>("AUHR", String, 5),
                                                            field<&A::STATUS>("STATUS", Byte),
                                                            field<&A::KLASSE>("KLASSE", Byte),
                                                            field<&A::ADRART>("ADRART", Byte),
                                                            field<&A::ADRNR>("ADRNR", Long),
                                                            field<&A::AUXID>("AUXID", CString, 40),
                                                            field<&A::NAME0>("NAME0", CString, 40),
                                                            field<&A::NAME1>("NAME1", CString, 64),
                                                            field<&A::NAME2>("NAME2", CString, 64),
                                                            field<&A::BRANR>("BRANR", CString, 64),
                                                            field<&A::ZUSATZ>("ZUSATZ", CString, 40),
                                                            field<&A::URL>("URL", CString, 64),
                                                            field<&A::LD>("LD", String, 3),
                                                            field<&A::LAND>("LAND", CString, 40),
                                                            field<&A::PLZ>("PLZ", String, 8),
                                                            field<&A::POSTFACH>("POSTFACH", CString, 16),
                                                            field<&A::POSTFPLZ>("POSTFPLZ", String, 8),
                                                            field<&A::ORT>("ORT", CString, 40),
                                                            field<&A::STRASSE>("STRASSE", CString, 40),
                                                            field<&A::BEMERK>("BEMERK", CString, 255),
                                                            field<&A::ALARM>("ALARM", String, 1),
                                                            field<&A::BRANCHE>("BRANCHE", String, 16),
                                                            field<&A::MERKM>("MERKM", String, 16),
                                                            field<&A::MERKN>("MERKN", Real),
                                                            field<&A::USTID>("USTID", CString, 16),
                                                            field<&A::USRID>("USRID", Long),
                                                            field<&A::ANZDRUCK>("ANZDRUCK", Byte),
                                                            field<&A::NODOCS>("NODOCS", Byte),
                                                            field<&A::NOFAX>("NOFAX", Byte),
                                                            field<&A::NOMAIL>("NOMAIL", Byte),
                                                            field<&A::EKONT>("EKONT", Long),
                                                            field<&A::LKONT>("LKONT", Long),
                                                            field<&A::BLZ>("BLZ", CString, 16),
                                                            field<&A::BANK>("BANK", CString, 64),
                                                            field<&A::KTONR>("KTONR", CString, 16),
                                                            field<&A::ADRGRP>("ADRGRP", CString, 16),
                                                            field<&A::MEMO>("MEMO", Memo, 8000),
                                                        },
                                                        {
                                                            {"QXADRES1", {"ADRNR"}, Unique | Primary},
                                                            {"QXADRES2", {"NAME1", "ADRNR"}},
                                                            {"QXADRES3", {"LD", "PLZ", "ADRNR"}},
                                                            {"QXADRES4", {"ORT", "ADRNR"}},
                                                            {"QXADRES5", {"STRASSE", "ADRNR"}},
                                                            {"QXADRES6", {"BRANCHE", "ADRNR"}},
                                                            {"QXADRES7", {"ADRART", "ADRNR"}},
                                                            {"QXADRES8", {"STATUS", "ADRNR"}},
                                                        },
                                                        recordOps<A>()),
                                             {{"NAME2"},
                                              {"NAME0"},
                                              {"ADRGRP"},
                                              {"ZUSATZ"},
                                              {"EKONT"},
                                              {"LKONT"},
                                              {"POSTFACH"},
                                              {"URL"},
                                              {"USTID"},
                                              {"ALARM"},
                                              {"BEMERK"}});
    return t;
}

const TableDef& ContactPerson::table() {
    using T = ContactPerson;
    static const TableDef t =
        withListOrders(buildTable("QXADRTKP", "TKP", FileLocation::DataPath,
                                  {
                                      field<&T::AUSER>("AUSER", String, 8),
                                      field<&T::ADATUM>("ADATUM", Long),
                                      field<&T::AUHR>("AUHR", String, 5),
                                      field<&T::ADRNR>("ADRNR", Long),
                                      field<&T::TKPNR>("TKPNR", Long),
                                      field<&T::AUXID>("AUXID", CString, 40),
                                      field<&T::KTART>("KTART", Byte),
                                      field<&T::STATUS>("STATUS", Byte),
                                      field<&T::NAME0>("NAME0", CString, 40),
                                      field<&T::NAME1>("NAME1", CString, 64),
                                      field<&T::NAME2>("NAME2", CString, 64),
                                      field<&T::ABTPOS>("ABTPOS", CString, 48),
                                      field<&T::TEL>("TEL", CString, 32),
                                      field<&T::FAX>("FAX", CString, 32),
                                      field<&T::TFX>("TFX", CString, 32),
                                      field<&T::EMAIL>("EMAIL", CString, 64),
                                      field<&T::ZUSATZ>("ZUSATZ", CString, 40),
                                      field<&T::BRANR>("BRANR", CString, 64),
                                      field<&T::MERKM>("MERKM", String, 8),
                                      field<&T::BDD>("BDD", Byte),
                                      field<&T::BMM>("BMM", Byte),
                                      field<&T::BYY>("BYY", UShort),
                                      field<&T::ALARM>("ALARM", String, 1),
                                      field<&T::NOFAX>("NOFAX", Byte),
                                      field<&T::NOMAIL>("NOMAIL", Byte),
                                      field<&T::BEMERK>("BEMERK", CString, 255),
                                      field<&T::MEMO>("MEMO", Memo, 8000),
                                  },
                                  {
                                      {"QXADRTK1", {"ADRNR", "TKPNR"}, Unique | Primary},
                                      {"QXADRTK2", {"ADRNR", "KTART", "TKPNR"}},
                                      {"QXADRTK3", {"KTART", "NAME1", "ADRNR", "TKPNR"}},
                                      {"QXADRTK4", {"NAME1", "ADRNR", "TKPNR"}},
                                      {"QXADRTK6", {"TFX", "ADRNR", "TKPNR"}},
                                      {"QXADRTK7", {"BMM", "BDD"}, Optional},
                                  },
                                  recordOps<T>()),
                       {{"ABTPOS"}, {"FAX"}, {"EMAIL"}, {"TKPNR"}});
    return t;
}

const TableDef& Activity::table() {
    using T = Activity;
    static const TableDef t = withListOrders(
        buildTable("QXADRAKT", "AKT", FileLocation::DataPath,
                   {
                       field<&T::AUSER>("AUSER", String, 8),
                       field<&T::ADATUM>("ADATUM", Long),
                       field<&T::AUHR>("AUHR", String, 5),
                       field<&T::RECLOCK>("RECLOCK", Byte),
                       field<&T::AKTID>("AKTID", Long),
                       field<&T::ADRNR>("ADRNR", Long),
                       field<&T::TKPNR>("TKPNR", Long),
                       field<&T::AUXID>("AUXID", CString, 40),
                       field<&T::AKTART>("AKTART", Byte),
                       field<&T::AKTPRI>("AKTPRI", Byte),
                       field<&T::STATUS>("STATUS", Byte),
                       field<&T::DATUM>("DATUM", Long),
                       field<&T::UHR>("UHR", Long),
                       field<&T::DOCNAME>("DOCNAME", CString, 255),
                       field<&T::TITLE>("TITLE", CString, 81),
                       field<&T::BEMERK>("BEMERK", CString, 255),
                       field<&T::ALARM>("ALARM", String, 1),
                       field<&T::AKTDEV>("AKTDEV", CString, 40),
                       field<&T::EUSRID>("EUSRID", Long),
                       field<&T::EDATUM>("EDATUM", Long),
                       field<&T::ERLIST>("ERLIST", Byte),
                       field<&T::ETAGE>("ETAGE", Byte),
                       field<&T::MEMO>("MEMO", Memo, 8000),
                   },
                   {
                       {"QXADRAK1", {"ADRNR", "-DATUM", "-UHR", "AKTID"}},
                       {"QXADRAK2", {"-DATUM", "-UHR", "AKTID"}},
                       {"QXADRAK3", {"TITLE", "-DATUM", "-UHR", "AKTID"}},
                       {"QXADRAK4", {"AKTART", "-DATUM", "-UHR", "AKTID"}},
                       {"QXADRAK5", {"AKTPRI", "-DATUM", "-UHR", "AKTID"}},
                       {"QXADRAK6", {"AKTID"}, Unique | Primary},
                       {"QXADRAK7", {"ERLIST", "-EDATUM", "AKTPRI", "EUSRID", "AKTID"}, Optional},
                   },
                   recordOps<T>()),
        {{"BEMERK"}, {"DOCNAME"}, {"AKTDEV"}, {"UHR"}, {"TKPNR"}, {"STATUS"}, {"ALARM"}});
    return t;
}

const TableDef& Country::table() {
    using T = Country;
    static const TableDef t =
        withListOrders(buildTable("QXADRLND", "LND", FileLocation::DataPath,
                                  {
                                      field<&T::LD>("LD", String, 3),
                                      field<&T::LAND>("LAND", CString, 40),
                                      field<&T::VORWAHL>("VORWAHL", CString, 8),
                                  },
                                  {{"QXADRLN1", {"LD"}, Unique | Primary}}, recordOps<T>()),
                       {{"LAND"}, {"VORWAHL"}});
    return t;
}

const TableDef& Place::table() {
    using T = Place;
    static const TableDef t = withListOrders(buildTable("QXADRORT", "ORT", FileLocation::DataPath,
                                                        {
                                                            field<&T::LD>("LD", String, 3),
                                                            field<&T::PLZ>("PLZ", String, 8),
                                                            field<&T::POSTF>("POSTF", String, 8),
                                                            field<&T::ORT>("ORT", CString, 40),
                                                            field<&T::VORWAHL>("VORWAHL", CString, 16),
                                                            field<&T::OKEY>("OKEY", String, 4),
                                                        },
                                                        {
                                                            {"QXADROR1", {"LD", "PLZ"}},
                                                            {"QXADROR2", {"ORT"}},
                                                            {"QXADROR3", {"OKEY"}},
                                                            {"QXADROR4", {"VORWAHL"}},
                                                        },
                                                        recordOps<T>()),
                                             {{"POSTF"}, {"PLZ"}});
    return t;
}

const TableDef& Street::table() {
    using T = Street;
    static const TableDef t = withListOrders(buildTable("QXADRSTR", "STR", FileLocation::DataPath,
                                                        {
                                                            field<&T::LD>("LD", String, 3),
                                                            field<&T::PLZ>("PLZ", String, 8),
                                                            field<&T::STRASSE>("STRASSE", CString, 40),
                                                            field<&T::NRVON>("NRVON", String, 4),
                                                            field<&T::NRBIS>("NRBIS", String, 4),
                                                            field<&T::OKEY>("OKEY", String, 4),
                                                        },
                                                        {
                                                            {"QXADRST1", {"OKEY", "STRASSE"}},
                                                            {"QXADRST2", {"LD", "PLZ"}},
                                                        },
                                                        recordOps<T>()),
                                             {{"OKEY", "PLZ"}, {"OKEY", "NRVON"}, {"OKEY", "NRBIS"}});
    return t;
}

const TableDef& Industry::table() {
    using T = Industry;
    static const TableDef t =
        withListOrders(buildTable("QXADRBRA", "BRA", FileLocation::DataPath,
                                  {
                                      field<&T::BRANCHE>("BRANCHE", CString, 16),
                                      field<&T::BEZEICHNG>("BEZEICHNG", CString, 64),
                                  },
                                  {{"QXADRBR1", {"BRANCHE"}, Unique | Primary}}, recordOps<T>()),
                       {{"BEZEICHNG"}});
    return t;
}

const TableDef& Material::table() {
    using T = Material;
    static const TableDef t = buildTable("QXATTMAT", "ATM", FileLocation::DataPath,
                                         {
                                             field<&T::AUSER>("AUSER", String, 8),
                                             field<&T::ADATUM>("ADATUM", Long),
                                             field<&T::AUHR>("AUHR", String, 5),
                                             field<&T::PRID>("PRID", String, 16),
                                             field<&T::PRART>("PRART", Byte),
                                             field<&T::PRBEZ>("PRBEZ", CString, 80),
                                             field<&T::BEMERK>("BEMERK", CString, 255),
                                             field<&T::OBSLT>("OBSLT", Byte),
                                             field<&T::VDATE>("VDATE", Date),
                                             field<&T::PRMENGE>("PRMENGE", Long),
                                             field<&T::PRFLAG>("PRFLAG", Byte),
                                             field<&T::PRFILE>("PRFILE", CString, 255),
                                         },
                                         {
                                             {"QXATTMA1", {"PRID"}, Unique | Primary},
                                             {"QXATTMA2", {"PRART", "PRID"}, Optional},
                                         },
                                         recordOps<T>());
    return t;
}

const TableDef& MaterialSent::table() {
    using T = MaterialSent;
    static const TableDef t = buildTable("QXAKTATM", "ATA", FileLocation::DataPath,
                                         {
                                             field<&T::AUSER>("AUSER", String, 8),
                                             field<&T::ADATUM>("ADATUM", Long),
                                             field<&T::AUHR>("AUHR", String, 5),
                                             field<&T::RECID>("RECID", Long),
                                             field<&T::PRID>("PRID", String, 16),
                                             field<&T::AKTID>("AKTID", Long),
                                             field<&T::ADRNR>("ADRNR", Long),
                                             field<&T::PDATE>("PDATE", Date),
                                         },
                                         {
                                             {"QXAKTAT1", {"RECID"}, Unique | Primary},
                                             {"QXAKTAT2", {"PRID", "-PDATE"}, Optional},
                                             {"QXAKTAT3", {"AKTID", "-PDATE"}, Optional},
                                             {"QXAKTAT4", {"ADRNR", "-PDATE"}, Optional},
                                         },
                                         recordOps<T>());
    return t;
}

const TableDef& User::table() {
    using T = User;
    static const TableDef t = buildTable("QXACKUSR", "USR", FileLocation::InitPath,
                                         {
                                             field<&T::USRID>("USRID", Long),
                                             field<&T::IUSR>("IUSR", CString, 24),
                                             field<&T::PUSR>("PUSR", CString, 24),
                                             field<&T::FNAME>("FNAME", CString, 64),
                                             field<&T::ABTPOS>("ABTPOS", CString, 48),
                                             field<&T::TELFAX>("TELFAX", CString, 32),
                                             field<&T::EMAIL>("EMAIL", CString, 64),
                                             field<&T::ADRNR>("ADRNR", Long),
                                             field<&T::TKPNR>("TKPNR", Long),
                                             field<&T::BEMERK>("BEMERK", CString, 255),
                                             field<&T::ARA>("ARA", CString, 64),
                                         },
                                         {
                                             {"QXACKUS1", {"USRID"}, Unique | Primary},
                                             {"QXACKUS2", {"IUSR", "PUSR"}, Unique},
                                         },
                                         recordOps<T>());
    return t;
}

const TableDef& Translation::table() {
    using T = Translation;
    static const TableDef t = buildTable("qxTRL", "QX1", FileLocation::TranslationFile,
                                         {
                                             field<&T::TRLID>("TRLID", String, 32),
                                             field<&T::TRLTXT>("TRLTXT", CString, 64),
                                             field<&T::TRLMSG>("TRLMSG", CString, 255),
                                             field<&T::TRLTIP>("TRLTIP", CString, 64),
                                             field<&T::MSGICO>("MSGICO", CString, 32),
                                             field<&T::MSGDEF>("MSGDEF", Byte),
                                             field<&T::ORGTXT>("ORGTXT", CString, 64),
                                         },
                                         {{"QXTRL", {"TRLID"}, Unique | Primary}}, recordOps<T>());
    return t;
}

const std::vector<const TableDef*>& allTables() {
    static const std::vector<const TableDef*> tables = {
        &Address::table(),      &ContactPerson::table(), &Activity::table(),    &Country::table(),
        &Place::table(),        &Street::table(),        &Industry::table(),    &Material::table(),
        &MaterialSent::table(), &User::table(),          &Translation::table(),
    };
    return tables;
}

const TableDef* tableByName(std::string_view nameOrPrefix) {
    const std::string look = trim(nameOrPrefix);
    for (const TableDef* t : allTables())
        if (equalsIgnoreCase(t->name, look) || equalsIgnoreCase(t->prefix, look))
            return t;
    return nullptr;
}

} // namespace velkora::data
