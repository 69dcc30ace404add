#include "DataFixture.h"
#include "shared/Dates.h"

namespace velkora::data {
namespace {

using test::DataFixture;

class IntegrityTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        for (const TableDef* t : allTables())
            ASSERT_TRUE(OpenRecordFile(*files().byName(t->name)));
        // Address 1 with two activities (materials sent with each), two contacts and
        // a material row of its own; address 2 shares nothing and must stay whole.
        addAddress(1, "EDV");
        addAddress(2, "edv");
        addAddress(3, "BAU");
        addActivity(10, 1);
        addActivity(11, 1);
        addActivity(20, 2);
        addContact(1, 1);
        addContact(1, 2);
        addContact(2, 1);
        addMaterial(100, 1, 10, "PROSPEKT");
        addMaterial(101, 1, 10, "PREISLISTE");
        addMaterial(102, 1, 11, "PROSPEKT");
        addMaterial(103, 1, 0, "KATALOG");
        addMaterial(200, 2, 20, "PROSPEKT");
        auto& bra = files().QXADRBRA;
        for (const char* code : {"EDV", "BAU", " -"}) {
            bra.clear();
            bra.rec.BRANCHE = code;
            ASSERT_EQ(bra.add(), NoError);
        }
        auto& ort = files().QXADRORT;
        ort.clear();
        ort.rec = {"D", "50667", "", "Köln", "0221", "K1"};
        ASSERT_EQ(ort.add(), NoError);
        auto& str = files().QXADRSTR;
        for (const char* name : {"Domkloster", "Hohe Straße"}) {
            str.clear();
            str.rec = {"D", "50667", name, "1", "99", "K1"};
            ASSERT_EQ(str.add(), NoError);
        }
        str.clear();
        str.rec = {"D", "50668", "Ebertplatz", "", "", "K2"};
        ASSERT_EQ(str.add(), NoError);
    }

    void addAddress(std::int32_t nr, const char* industry) {
        auto& adr = files().QXADRESS;
        adr.clear();
        adr.rec.ADRNR = nr;
        adr.rec.NAME1 = "Firma " + std::to_string(nr);
        adr.rec.BRANCHE = industry;
        ASSERT_EQ(adr.add(), NoError);
    }
    void addActivity(std::int32_t id, std::int32_t adr) {
        auto& akt = files().QXADRAKT;
        akt.clear();
        akt.rec.AKTID = id;
        akt.rec.ADRNR = adr;
        akt.rec.DATUM = dayNumber({2026, 12, id % 28 + 1});
        ASSERT_EQ(akt.add(), NoError);
    }
    void addContact(std::int32_t adr, std::int32_t nr) {
        auto& tkp = files().QXADRTKP;
        tkp.clear();
        tkp.rec.ADRNR = adr;
        tkp.rec.TKPNR = nr;
        ASSERT_EQ(tkp.add(), NoError);
    }
    void addMaterial(std::int32_t id, std::int32_t adr, std::int32_t akt, const char* material) {
        auto& ata = files().QXAKTATM;
        ata.clear();
        ata.rec.RECID = id;
        ata.rec.ADRNR = adr;
        ata.rec.AKTID = akt;
        ata.rec.PRID = material;
        ata.rec.PDATE = dayNumber({2026, 11, 2});
        ASSERT_EQ(ata.add(), NoError);
    }

    // Loads a record for change the way a form does.
    template <class R> void loadForChange(File<R>& f, const char* key) {
        ASSERT_EQ(f.get(*R::table().key(key)), NoError);
        SnapLinkingFields(f);
    }

    std::string countsOf() {
        std::string out;
        for (const char* t :
             {"QXADRESS", "QXADRAKT", "QXADRTKP", "QXAKTATM", "QXADRBRA", "QXADRORT", "QXADRSTR"})
            out += std::string(t) + "=" + std::to_string(files().byName(t)->records()) + " ";
        return out;
    }
    // Numbers of the rows of `table` whose `field` equals `value`, in physical order.
    std::vector<std::string> column(const char* table, const char* field) {
        RecordFile& f = *files().byName(table);
        std::vector<std::string> out;
        f.set();
        while (f.next() == NoError)
            out.push_back(f.text(field));
        return out;
    }
    void deleteAddress(std::int32_t nr) {
        auto& adr = files().QXADRESS;
        adr.rec.ADRNR = nr;
        ASSERT_EQ(adr.get(*Address::table().key("QXADRES1")), NoError);
    }
};

using IntegrityOnEachStore = test::OnEachStore<IntegrityTest>;
VELKORA_ON_EACH_STORE(IntegrityOnEachStore);

TEST_P(IntegrityOnEachStore, DeletingAnAddressCascadesToActivitiesMaterialsAndContacts) {
    deleteAddress(1);
    EXPECT_EQ(DeleteWithIntegrity(files().QXADRESS), 0);
    EXPECT_TRUE(prompts.prompts().empty());
    EXPECT_EQ(countsOf(), "QXADRESS=2 QXADRAKT=1 QXADRTKP=1 QXAKTATM=1 QXADRBRA=3 QXADRORT=1 QXADRSTR=3 ");
    EXPECT_EQ(column("QXAKTATM", "ATA:RECID"), std::vector<std::string>{"200"});
    EXPECT_EQ(column("QXADRTKP", "TKP:ADRNR"), std::vector<std::string>{"2"});
}

TEST_P(IntegrityOnEachStore, TheDependantsBuffersAreGivenBackAsTheyWere) {
    files().QXADRTKP.rec.NAME1 = "shown in another window";
    files().QXADRTKP.rec.ADRNR = 2;
    deleteAddress(1);
    EXPECT_EQ(DeleteWithIntegrity(files().QXADRESS), 0);
    EXPECT_EQ(files().QXADRTKP.rec.NAME1, "shown in another window");
    EXPECT_EQ(files().QXADRTKP.rec.ADRNR, 2);
}

TEST_F(IntegrityTest, AFailureAtAnyStepOfTheCascadeLeavesEveryFileUnchanged) {
    const std::string before = countsOf();
    const struct {
        const char* table;
        const char* when;
        const char* target;
    } steps[] = {
        {"QXAKTATM", "OLD.AKTID = 11", "QXAKTATM"}, // materials of the second activity
        {"QXADRAKT", "OLD.AKTID = 11", "QXADRAKT"}, // the second activity
        {"QXADRTKP", "OLD.TKPNR = 2", "QXADRTKP"},  // the second contact
        {"QXAKTATM", "OLD.AKTID = 0", "QXAKTATM"},  // the address's own material row
        {"QXADRESS", "1", "QXADRESS"},              // the address itself
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.table) + " " + step.when);
        sql(step.table, std::string("CREATE TRIGGER injected BEFORE DELETE ON ") + step.table + " WHEN " +
                            step.when + " BEGIN SELECT RAISE(ABORT, 'injected'); END");
        prompts.clear();
        deleteAddress(1);
        EXPECT_EQ(DeleteWithIntegrity(files().QXADRESS), 1);
        ASSERT_EQ(prompts.prompts().size(), 1u);
        EXPECT_EQ(prompts.last().text,
                  std::string(step.target) +
                      ": injected (1811)|An error was experienced when attempting to delete "
                      "this record.");
        EXPECT_EQ(prompts.last().caption, "Delete Operation Error");
        EXPECT_EQ(countsOf(), before);
        sql(step.table, "DROP TRIGGER injected");
    }
}

TEST_P(IntegrityOnEachStore, AnIndustryInUseCannotBeDeleted) {
    auto& bra = files().QXADRBRA;
    bra.rec.BRANCHE = "edv";
    ASSERT_EQ(bra.get(*Industry::table().key("QXADRBR1")), NoError);
    EXPECT_EQ(DeleteWithIntegrity(bra), 1);
    EXPECT_EQ(prompts.last().text,
              "QXADRESS|File has references on this record.|This record cannot be deleted while "
              "these references exist.");
    EXPECT_EQ(prompts.last().caption, "Referential Integrity Delete Error");
    EXPECT_EQ(bra.records(), 3);

    bra.rec.BRANCHE = " -";
    ASSERT_EQ(bra.get(*Industry::table().key("QXADRBR1")), NoError);
    EXPECT_EQ(DeleteWithIntegrity(bra), 0);
    EXPECT_EQ(bra.records(), 2);
}

TEST_P(IntegrityOnEachStore, RenamingAnIndustryCarriesTheCodeToItsAddresses) {
    auto& bra = files().QXADRBRA;
    bra.rec.BRANCHE = "EDV";
    loadForChange(bra, "QXADRBR1");
    bra.rec.BRANCHE = "IT";
    EXPECT_EQ(UpdateWithIntegrity(bra, true), 0);
    EXPECT_EQ(column("QXADRESS", "ADR:BRANCHE"), (std::vector<std::string>{"IT", "IT", "BAU"}));
}

TEST_P(IntegrityOnEachStore, RenamingAPlaceKeyCarriesItToItsStreets) {
    auto& ort = files().QXADRORT;
    ort.rec.OKEY = "K1";
    loadForChange(ort, "QXADROR3");
    ort.rec.OKEY = "K9";
    EXPECT_EQ(UpdateWithIntegrity(ort, false), 0);
    EXPECT_EQ(column("QXADRSTR", "STR:OKEY"), (std::vector<std::string>{"K9", "K9", "K2"}));
}

TEST_P(IntegrityOnEachStore, RenumberingAnAddressMovesAllItsDependants) {
    deleteAddress(1);
    SnapLinkingFields(files().QXADRESS);
    files().QXADRESS.rec.ADRNR = 50;
    EXPECT_EQ(UpdateWithIntegrity(files().QXADRESS, true), 0);
    EXPECT_EQ(column("QXADRAKT", "AKT:ADRNR"), (std::vector<std::string>{"50", "50", "2"}));
    EXPECT_EQ(column("QXADRTKP", "TKP:ADRNR"), (std::vector<std::string>{"50", "50", "2"}));
    EXPECT_EQ(column("QXAKTATM", "ATA:ADRNR"), (std::vector<std::string>{"50", "50", "50", "50", "2"}));
}

TEST_F(IntegrityTest, AFailedPropagationRollsBackAndRestoresTheOldKey) {
    sql("QXADRSTR", "CREATE TRIGGER injected BEFORE UPDATE ON QXADRSTR WHEN OLD.STRASSE = 'Hohe Straße' "
                    "BEGIN SELECT RAISE(ABORT, 'injected'); END");
    auto& ort = files().QXADRORT;
    ort.rec.OKEY = "K1";
    loadForChange(ort, "QXADROR3");
    ort.rec.OKEY = "K9";
    ort.rec.VORWAHL = "0221 9";
    EXPECT_EQ(UpdateWithIntegrity(ort, true), 1);
    EXPECT_EQ(prompts.last().text,
              "QXADRSTR: injected (1811)|An error was experienced when attempting to update "
              "this record.");
    EXPECT_EQ(ort.rec.OKEY, "K1");
    EXPECT_EQ(column("QXADRORT", "ORT:OKEY"), std::vector<std::string>{"K1"});
    EXPECT_EQ(column("QXADRORT", "ORT:VORWAHL"), std::vector<std::string>{"0221"});
    EXPECT_EQ(column("QXADRSTR", "STR:OKEY"), (std::vector<std::string>{"K1", "K1", "K2"}));
    // The buffer still saves once the obstacle is gone.
    sql("QXADRSTR", "DROP TRIGGER injected");
    ort.rec.OKEY = "K9";
    EXPECT_EQ(UpdateWithIntegrity(ort, true), 0);
    EXPECT_EQ(column("QXADRSTR", "STR:OKEY"), (std::vector<std::string>{"K9", "K9", "K2"}));
}

TEST_P(IntegrityOnEachStore, DeletingAnActivityOrMaterialCascadesToMaterialRows) {
    auto& akt = files().QXADRAKT;
    akt.rec.AKTID = 10;
    ASSERT_EQ(akt.get(*Activity::table().key("QXADRAK6")), NoError);
    EXPECT_EQ(DeleteWithIntegrity(akt), 0);
    EXPECT_EQ(column("QXAKTATM", "ATA:RECID"), (std::vector<std::string>{"102", "103", "200"}));

    auto& atm = files().QXATTMAT;
    atm.rec.PRID = "PROSPEKT";
    ASSERT_EQ(atm.add(), NoError);
    EXPECT_EQ(DeleteWithIntegrity(atm), 0);
    EXPECT_EQ(column("QXAKTATM", "ATA:RECID"), std::vector<std::string>{"103"});
}

} // namespace
} // namespace velkora::data
