// The import of checked rows into the address table, and the vCard export
// read back by the import.

#include "exchange/ImportRun.h"

#include "DataFixture.h"
#include "exchange/VCardExport.h"
#include "shared/ProfileFile.h"

#include <fstream>

namespace velkora::exchange {
namespace {

class ImportRunTest : public test::DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        appState().WORKINI = dir.file("ORB.INI");
        ASSERT_TRUE(data::OpenRecordFile(adr));
        ASSERT_TRUE(data::OpenRecordFile(tkp));
        ASSERT_FALSE(createExchangeFile(exchangeName));
        ASSERT_FALSE(exchange.open(exchangeName, files::DbfTable::Access::Write));
    }
    void TearDown() override {
        exchange.close();
        DataFixture::TearDown();
    }
    void addRow(const std::vector<std::pair<int, std::string>>& fields) {
        files::DbfRecord r;
        r.values.resize(kExchangeFieldCount);
        for (const auto& [field, value] : fields)
            r.values[std::size_t(field)] = value;
        ASSERT_FALSE(exchange.append(r));
    }
    void addAddress(std::int32_t adrnr, const std::string& name1) {
        adr.clear();
        adr.rec.ADRNR = adrnr;
        adr.rec.NAME1 = name1;
        ASSERT_EQ(adr.add(), data::NoError);
    }

    std::string exchangeName = dir.file("Adr$Imp$");
    files::DbfTable exchange;
    data::File<data::Address>& adr = data::files().QXADRESS;
    data::File<data::ContactPerson>& tkp = data::files().QXADRTKP;
};

TEST_F(ImportRunTest, EachRowBecomesAnAddressUnderTheNextNumberWithAContactWhenItHasANumberOrMail) {
    addAddress(41, "Bestand");
    addRow({{ef::STATUS, "2"},
            {ef::NAME0, "Firma"},
            {ef::NAME1, "Müller GmbH"},
            {ef::NAME2, "Werk 2"},
            {ef::ORT, "München"},
            {ef::STRASSE, "Hauptstraße 1"},
            {ef::TEL, "(089) 12 34-56"},
            {ef::FAX, "089 99"},
            {ef::EMAIL, "info@mueller.example"},
            {ef::BEMERK, "Messe"},
            {exchangeField("KTONR"), "123456"}});
    addRow({{ef::NAME1, "Ohne Telefon"}, {ef::ORT, "Köln"}});
    addRow({{ef::NAME1, "Nur Mail"}, {ef::EMAIL, "a@b.example"}});
    profile::write(appState().WORKINI, "ADRTKP", "AdrKArt1", "3");

    const ImportOutcome out = importExchange(exchange, adr, tkp, importContactKind(appState().WORKINI));
    EXPECT_EQ(out.imported, 3u);
    EXPECT_TRUE(out.failed.empty());
    EXPECT_EQ(sql("QXADRESS",
                  "SELECT ADRNR || '/' || STATUS || '/' || NAME0 || '/' || NAME1 || '/' || NAME2 || "
                  "'/' || ORT || '/' || STRASSE || '/' || BEMERK || '/' || KTONR FROM QXADRESS "
                  "ORDER BY ADRNR"),
              (std::vector<std::string>{"41/0//Bestand/////",
                                        "42/2/Firma/Müller GmbH/Werk 2/München/"
                                        "Hauptstraße 1/Messe/123456",
                                        "43/0//Ohne Telefon//Köln///", "44/0//Nur Mail/////"}));
    EXPECT_EQ(sql("QXADRTKP",
                  "SELECT ADRNR || '/' || TKPNR || '/' || KTART || '/' || NAME0 || '/' || NAME1 || "
                  "'/' || NAME2 || '/' || TEL || '/' || TFX || '/' || FAX || '/' || EMAIL "
                  "FROM QXADRTKP ORDER BY ADRNR"),
              (std::vector<std::string>{
                  "42/1/3/Firma/Müller GmbH/Werk 2/(089) 12 34-56/089123456/089 99/info@mueller.example",
                  "44/1/3//Nur Mail/////a@b.example"}));
}

TEST_F(ImportRunTest, TheContactKindIsTheFirstKindsTextAsANumber) {
    EXPECT_EQ(importContactKind(appState().WORKINI), 0);
    profile::write(appState().WORKINI, "ADRTKP", "AdrKArt1", "Personal");
    EXPECT_EQ(importContactKind(appState().WORKINI), 0);
    profile::write(appState().WORKINI, "ADRTKP", "AdrKArt1", " 7 ");
    EXPECT_EQ(importContactKind(appState().WORKINI), 7);
}

TEST_F(ImportRunTest, RowsThatCannotBeAddedAreCountedWithTheirReason) {
    sql("QXADRESS", "CREATE TRIGGER refuse BEFORE INSERT ON QXADRESS WHEN NEW.NAME1 = 'Abgelehnt' "
                    "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    addRow({{ef::NAME1, "Erste"}});
    addRow({{ef::NAME1, "Abgelehnt"}, {ef::TEL, "030 1"}});
    addRow({{ef::NAME1, "Dritte"}, {ef::TEL, "030 3"}});
    const ImportOutcome out = importExchange(exchange, adr, tkp, 0);
    EXPECT_EQ(out.imported, 2u);
    ASSERT_EQ(out.failed.size(), 1u);
    EXPECT_EQ(out.failed[0].row, 2u);
    EXPECT_EQ(out.failed[0].name1, "Abgelehnt");
    EXPECT_NE(out.failed[0].reason.find("refused"), std::string::npos) << out.failed[0].reason;
    EXPECT_EQ(sql("QXADRESS", "SELECT ADRNR || '/' || NAME1 FROM QXADRESS ORDER BY ADRNR"),
              (std::vector<std::string>{"1/Erste", "2/Dritte"}));
    EXPECT_EQ(sql("QXADRTKP", "SELECT ADRNR || '/' || TEL FROM QXADRTKP"),
              (std::vector<std::string>{"2/030 3"}));
}

TEST_F(ImportRunTest, ACancelKeepsTheRowsImportedSoFarAndLeavesTheRest) {
    for (int i = 0; i < 2500; ++i)
        addRow({{ef::NAME1, "Zeile " + std::to_string(i)}});
    const ImportOutcome out = importExchange(exchange, adr, tkp, 0, [](double) { return false; });
    EXPECT_TRUE(out.cancelled);
    EXPECT_GT(out.imported, 0u);
    EXPECT_LT(out.imported, 2500u);
    EXPECT_EQ(adr.records(), static_cast<std::int64_t>(out.imported));
}

TEST_F(ImportRunTest, ExportedCardsReadBackWithEveryNamePhoneAndMail) {
    addAddress(1, "Kölner Druckhaus Schäfer");
    adr.rec.NAME2 = "Inh. Jens Schäfer; Köln";
    adr.rec.STRASSE = "Venloer Straße 120";
    adr.rec.ORT = "Köln";
    adr.rec.PLZ = "50823";
    ASSERT_EQ(adr.put(), data::NoError);
    addAddress(2, "Weiß & Söhne, KG");
    for (auto [adrnr, tkpnr, family, given, tel, mail] :
         {std::tuple{1, 1, "Schäfer", "Jens", "0221 4455-0", "jens@schaefer.example"},
          std::tuple{1, 2, "Öztürk", "Ümit", "0221 4455-12", "uemit@schaefer.example"},
          std::tuple{2, 1, "Weiß", "Jürgen", "+49 711 12345", "j.weiss@weiss.example"}}) {
        tkp.clear();
        tkp.rec.ADRNR = adrnr;
        tkp.rec.TKPNR = tkpnr;
        tkp.rec.NAME1 = family;
        tkp.rec.NAME2 = given;
        tkp.rec.TEL = tel;
        tkp.rec.EMAIL = mail;
        ASSERT_EQ(tkp.add(), data::NoError);
    }
    const std::string cards = exportVCards(adr, tkp, {});
    EXPECT_EQ(exportVCards(adr, tkp, {2, 99}),
              cards.substr(cards.find("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Weiß")));
    const std::string file = dir.file("export.vcf");
    std::ofstream(file, std::ios::binary) << cards;

    ImportOptions options;
    options.format = ImportFormat::VCard;
    options.file = file;
    std::string problem;
    auto source = openImportSource(options, problem);
    ASSERT_TRUE(source) << problem;
    std::vector<std::string> rows;
    for (std::vector<std::string> row; source->next(row);)
        rows.push_back(row[1] + "|" + row[2] + "|" + row[7] + "|" + row[9]);
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "Kölner Druckhaus Schäfer|Inh. Jens Schäfer; Köln||",
                        "Kölner Druckhaus Schäfer|Jens Schäfer|0221 4455-0|jens@schaefer.example",
                        "Kölner Druckhaus Schäfer|Ümit Öztürk|0221 4455-12|uemit@schaefer.example",
                        "Weiß & Söhne, KG|||",
                        "Weiß & Söhne, KG|Jürgen Weiß|+49 711 12345|j.weiss@weiss.example",
                    }));
}

} // namespace
} // namespace velkora::exchange
