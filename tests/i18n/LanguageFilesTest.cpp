// The language files shipped with the program: both environment files
// carry every message the program shows, and the translation seeds load.

#include "TempDir.h"
#include "i18n/Translation.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace velkora {
namespace {

std::string demo(const std::string& name) {
    return test::sourceDir() + "/resources/demo/" + name;
}

std::map<std::string, std::string> section(const std::string& file, const char* name) {
    std::map<std::string, std::string> values;
    for (const auto& [key, value] : profile::readSection(file, name))
        values[key] = value;
    return values;
}

// The identifiers the program shows through ShowMessage ("M." + name).
const std::vector<std::string> kMessages = {
    "ADR_NODATA",       "TKP_NODATA",    "AKT_NOADRS",      "AKT_NODATA",      "LND_NODATA",
    "PLZ_NODATA",       "TPL_NONAME",    "DOC_NOTITLE",     "DOC_NONAME",      "DOC_INVALIDNAME",
    "DOC_RTFERROR",     "DOC_OVERWRITE", "DOC_DATAERROR",   "APP_InvalidPath", "APP_Restart",
    "FIL_OVERWRITEYNC", "FIL_INVALID",   "FIL_INVALIDPATH", "FIL_NOFILE",      "FIL_ERROR",
    "FIL_CREATE",       "TOOMANYDOCS",   "IMP_Start",       "MAPI_NOADRESS",   "MAPI_NOSUBJECT",
    "MAPI_SENT?",       "MAPI_Error02",  "MAPI_Error03",    "ADR_REORGANISED",
};

class EnvironmentFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(EnvironmentFileTest, EveryMessageAndWarningHasTextAndCaption) {
    const std::string file = demo(GetParam());
    const auto app = section(file, "APPWARN");
    for (const auto& name : kMessages) {
        EXPECT_TRUE(app.contains("Warn:" + name)) << GetParam() << " lacks Warn:" << name;
        EXPECT_TRUE(app.contains("Capt:" + name)) << GetParam() << " lacks Capt:" << name;
    }
    const auto standard = section(file, "STDWARN");
    int warnings = 0;
    for (const auto& [key, value] : standard)
        if (startsWith(key, "Warn:")) {
            ++warnings;
            EXPECT_TRUE(standard.contains("Capt:" + key.substr(5))) << key;
        }
    EXPECT_EQ(warnings, 38);
    for (const auto* values : {&app, &standard})
        for (const auto& [key, value] : *values) {
            EXPECT_FALSE(value.empty()) << key;
            EXPECT_LE(charCount(value), startsWith(key, "Capt:") ? 63u : 254u) << key;
        }
    EXPECT_FALSE(profile::read(file, "ID", "LanguageID").empty());
    EXPECT_FALSE(profile::read(file, "ID", "ShortDate").empty());
}

TEST(EnvironmentFiles, BothLanguagesHaveTheSameKeys) {
    for (const char* name : {"APPWARN", "STDWARN"}) {
        std::set<std::string> german, english;
        for (const auto& [key, value] : section(demo("ORB.ENV"), name))
            german.insert(key);
        for (const auto& [key, value] : section(demo("ORBEN.ENV"), name))
            english.insert(key);
        EXPECT_EQ(german, english) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EnvironmentFileTest, ::testing::Values("ORB.ENV", "ORBEN.ENV"));

// Rows of a translation seed by key.
std::map<std::string, std::vector<std::string>> seedRows(const std::string& name) {
    std::ifstream in(demo("seed/" + name));
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "TRLID\tTRLTXT\tTRLMSG\tTRLTIP\tMSGICO\tMSGDEF\tORGTXT");
    std::map<std::string, std::vector<std::string>> rows;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            fields.push_back(cell);
        fields.resize(7);
        EXPECT_FALSE(rows.contains(fields[0])) << "twice: " << fields[0];
        rows[fields[0]] = fields;
    }
    return rows;
}

TEST(TranslationSeeds, KeysAreStoredFormAndTextsFitTheirFields) {
    for (const char* name : {"ORB.tsv", "ORBEN.tsv"})
        for (const auto& [key, fields] : seedRows(name)) {
            EXPECT_EQ(key, i18n::translationKey(key)) << name;
            EXPECT_LE(charCount(fields[1]), 63u) << key;
            EXPECT_LE(charCount(fields[3]), 63u) << key;
        }
}

TEST(TranslationSeeds, BothLanguagesTranslateTheSameTexts) {
    const auto german = seedRows("ORB.tsv");
    const auto english = seedRows("ORBEN.tsv");
    for (const auto& [key, fields] : german)
        EXPECT_TRUE(english.contains(key)) << key;
    for (const auto& [key, fields] : english)
        EXPECT_TRUE(german.contains(key)) << key;
    // The frame's toolbar tips come from these keys.
    for (const char* key :
         {"P.20_ADRESSENLISTE", "P.20_KONTAKTE", "P.20_AKTIVITAETEN", "P.25_REMINDLISTWIN", "P.25_CALENDAR"})
        EXPECT_TRUE(english.contains(key)) << key;
}

} // namespace
} // namespace velkora
