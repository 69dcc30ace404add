#include "data/IntegrityRules.h"

namespace velkora::data {

namespace {

const std::vector<IntegrityRule>& rules() {
    static const std::vector<IntegrityRule> all = {
        {"QXADRESS",
         "ADRNR",
         false,
         {{"QXADRAKT", "QXADRAK1", "ADRNR"},
          {"QXADRTKP", "QXADRTK2", "ADRNR"},
          {"QXAKTATM", "QXAKTAT4", "ADRNR"}},
         {{"QXADRAKT", "QXADRAK1", "ADRNR"},
          {"QXADRTKP", "QXADRTK2", "ADRNR"},
          {"QXAKTATM", "QXAKTAT4", "ADRNR"}}},
        {"QXADRAKT",
         "AKTID",
         false,
         {{"QXAKTATM", "QXAKTAT3", "AKTID"}},
         {{"QXAKTATM", "QXAKTAT3", "AKTID"}}},
        {"QXATTMAT", "PRID", false, {{"QXAKTATM", "QXAKTAT2", "PRID"}}, {{"QXAKTATM", "QXAKTAT2", "PRID"}}},
        {"QXADRORT", "OKEY", false, {{"QXADRSTR", "QXADRST1", "OKEY"}}, {{"QXADRSTR", "QXADRST1", "OKEY"}}},
        {"QXADRBRA",
         "BRANCHE",
         true,
         {{"QXADRESS", "QXADRES6", "BRANCHE"}},
         {{"QXADRESS", "QXADRES6", "BRANCHE"}}},
    };
    return all;
}

} // namespace

const IntegrityRule* ruleFor(const TableDef& table) {
    for (const IntegrityRule& rule : rules())
        if (rule.parent == table.name)
            return &rule;
    return nullptr;
}

} // namespace velkora::data
