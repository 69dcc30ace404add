#include "data/RecordFile.h"

#include "DataFixture.h"
#include "shared/Dates.h"

#include <cstdlib>
#include <fstream>

namespace velkora::data {
namespace {

using test::DataFixture;

class RecordFileTest : public DataFixture {
protected:
    template <class R> void createOpen(File<R>& f) {
        ASSERT_EQ(f.create(), NoError) << errorText();
        ASSERT_EQ(f.open(), NoError) << errorText();
    }
    void addAddress(File<Address>& f, std::int32_t nr, const std::string& name) {
        f.clear();
        f.rec.ADRNR = nr;
        f.rec.NAME1 = name;
        ASSERT_EQ(f.add(), NoError) << errorText();
    }
    std::vector<std::string> namesInKey(File<Address>& f, const char* key) {
        std::vector<std::string> names;
        f.set(*Address::table().key(key));
        while (f.next() == NoError)
            names.push_back(f.rec.NAME1);
        return names;
    }
};

using RecordFileOnEachStore = test::OnEachStore<RecordFileTest>;
VELKORA_ON_EACH_STORE(RecordFileOnEachStore);

TEST_P(RecordFileOnEachStore, AddGetPutEraseThroughTheBuffer) {
    File<Address> adr;
    createOpen(adr);
    addAddress(adr, 7, "Ärzte GmbH");
    adr.clear();
    adr.rec.ADRNR = 7;
    ASSERT_EQ(adr.get(*Address::table().key("QXADRES1")), NoError);
    EXPECT_EQ(adr.rec.NAME1, "Ärzte GmbH");
    adr.rec.ORT = "Köln";
    ASSERT_EQ(adr.put(), NoError);
    const RecordPosition pos = adr.position();
    adr.clear();
    ASSERT_EQ(adr.reget(pos), NoError);
    EXPECT_EQ(adr.rec.ORT, "Köln");
    EXPECT_EQ(adr.records(), 1);
    ASSERT_EQ(adr.erase(), NoError);
    EXPECT_EQ(adr.reget(pos), RecordNotFound);
    addAddress(adr, 8, "Nachfolger");
    EXPECT_NE(adr.position(), pos); // a list holding the old position never reads the new record
    EXPECT_EQ(adr.reget(pos), RecordNotFound);
    ASSERT_EQ(adr.erase(), NoError);
    adr.rec.ADRNR = 7;
    EXPECT_EQ(adr.get(*Address::table().key("QXADRES1")), RecordNotFound);
    EXPECT_EQ(errorCode(), RecordNotFound);
}

TEST_P(RecordFileOnEachStore, UniqueKeysRefuseDuplicatesCaseInsensitively) {
    File<Address> adr;
    createOpen(adr);
    addAddress(adr, 1, "A");
    adr.clear();
    adr.rec.ADRNR = 1;
    EXPECT_EQ(adr.add(), DuplicateKeyError);
    EXPECT_EQ(errorKey(), "ADR:QXADRES1");

    File<User> usr;
    createOpen(usr);
    usr.rec = {1, "meier", "x"};
    ASSERT_EQ(usr.add(), NoError);
    usr.rec = {2, "MEIER", "X"};
    EXPECT_EQ(usr.add(), DuplicateKeyError); // name and second code only once
    EXPECT_EQ(errorKey(), "USR:QXACKUS2");
    usr.rec = {3, "Meier", "y"};
    EXPECT_EQ(usr.add(), NoError);
    usr.rec.PUSR = "X"; // a changed record too: the name and code of the first
    EXPECT_EQ(usr.put(), DuplicateKeyError);
    EXPECT_EQ(errorKey(), "USR:QXACKUS2");
}

TEST_P(RecordFileOnEachStore, TextKeysFoldCaseAndUmlautsLikeGermanLists) {
    File<Address> adr;
    createOpen(adr);
    const char* names[] = {"Zander", "müller", "Mueller", "Muller", "Müller",
                           "MÜLLER", "Straße", "Strasse", "apfel"};
    std::int32_t nr = 0;
    for (const char* n : names)
        addAddress(adr, ++nr, n);
    // Names equal but for case and umlauts sort together, in number order.
    EXPECT_EQ(namesInKey(adr, "QXADRES2"),
              (std::vector<std::string>{"apfel", "Mueller", "müller", "Muller", "Müller", "MÜLLER", "Straße",
                                        "Strasse", "Zander"}));
}

TEST_P(RecordFileOnEachStore, PositioningAtValuesForwardsAndBackwards) {
    File<Address> adr;
    createOpen(adr);
    for (int i = 1; i <= 9; ++i)
        addAddress(adr, i * 10, "N" + std::to_string(i));
    const KeyDef& key = *Address::table().key("QXADRES1");
    adr.rec.ADRNR = 35;
    adr.set(key, true);
    ASSERT_EQ(adr.next(), NoError);
    EXPECT_EQ(adr.rec.ADRNR, 40);
    ASSERT_EQ(adr.next(), NoError);
    EXPECT_EQ(adr.rec.ADRNR, 50);
    ASSERT_EQ(adr.previous(), NoError);
    EXPECT_EQ(adr.rec.ADRNR, 40);
    adr.rec.ADRNR = 40;
    adr.set(key, true);
    ASSERT_EQ(adr.previous(), NoError);
    EXPECT_EQ(adr.rec.ADRNR, 40); // at or before
    adr.set(key);
    ASSERT_EQ(adr.previous(), NoError);
    EXPECT_EQ(adr.rec.ADRNR, 90);
    adr.rec.ADRNR = 95;
    adr.set(key, true);
    EXPECT_EQ(adr.next(), RecordNotAvailable);
    EXPECT_EQ(adr.rec.ADRNR, 95); // the buffer is left as it was
}

TEST_P(RecordFileOnEachStore, ActivitiesListNewestFirstAndEqualTimesByNumber) {
    File<Activity> akt;
    createOpen(akt);
    const std::int32_t day = dayNumber({2026, 12, 1});
    const struct {
        std::int32_t id, adr, date, time;
    } rows[] = {
        {3, 1, day, 500}, {1, 1, day, 500}, {2, 1, day + 1, 100}, {4, 2, day + 5, 0}, {5, 1, day, 900}};
    for (const auto& r : rows) {
        akt.clear();
        akt.rec.AKTID = r.id;
        akt.rec.ADRNR = r.adr;
        akt.rec.DATUM = r.date;
        akt.rec.UHR = r.time;
        ASSERT_EQ(akt.add(), NoError);
    }
    std::vector<std::int32_t> ids;
    akt.clear();
    akt.rec.ADRNR = 1;
    akt.setPrefix(*Activity::table().key("QXADRAK1"), 1);
    while (akt.next() == NoError && akt.rec.ADRNR == 1)
        ids.push_back(akt.rec.AKTID);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{2, 5, 1, 3}));
}

TEST_P(RecordFileOnEachStore, OptionalKeysLeaveOutEmptyRecords) {
    File<ContactPerson> tkp;
    createOpen(tkp);
    const struct {
        std::int32_t nr;
        std::uint8_t day, month;
    } rows[] = {{1, 0, 0}, {2, 24, 12}, {3, 1, 3}, {4, 0, 0}};
    for (const auto& r : rows) {
        tkp.clear();
        tkp.rec.ADRNR = 1;
        tkp.rec.TKPNR = r.nr;
        tkp.rec.BDD = r.day;
        tkp.rec.BMM = r.month;
        ASSERT_EQ(tkp.add(), NoError);
    }
    std::vector<std::int32_t> listed;
    tkp.set(*ContactPerson::table().key("QXADRTK7"));
    while (tkp.next() == NoError)
        listed.push_back(tkp.rec.TKPNR);
    EXPECT_EQ(listed, (std::vector<std::int32_t>{3, 2}));

    File<MaterialSent> ata;
    createOpen(ata);
    ata.rec.RECID = 1; // blank material, no date: not in QXAKTAT2
    ASSERT_EQ(ata.add(), NoError);
    ata.clear();
    ata.rec.RECID = 2;
    ata.rec.PDATE = dayNumber({2026, 11, 30});
    ASSERT_EQ(ata.add(), NoError);
    ata.set(*MaterialSent::table().key("QXAKTAT2"));
    ASSERT_EQ(ata.next(), NoError);
    EXPECT_EQ(ata.rec.RECID, 2);
    EXPECT_EQ(ata.rec.PDATE, dayNumber({2026, 11, 30})); // DATE survives the round trip
    EXPECT_EQ(ata.next(), RecordNotAvailable);
}

TEST_P(RecordFileOnEachStore, PlacesWithTheSamePostalCodeAreBothKept) {
    File<Place> ort;
    createOpen(ort);
    for (const char* name : {"Hamm", "Hammstadt"}) {
        ort.clear();
        ort.rec.LD = "D";
        ort.rec.PLZ = "59063";
        ort.rec.ORT = name;
        ASSERT_EQ(ort.add(), NoError);
    }
    ort.rec.LD = "d";
    ort.rec.PLZ = "59063";
    ort.setPrefix(*Place::table().key("QXADROR1"), 2);
    int found = 0;
    while (ort.next() == NoError && ort.rec.PLZ == "59063")
        ++found;
    EXPECT_EQ(found, 2);
}

TEST_F(RecordFileTest, OpenReportsMissingForeignAndDamagedFiles) {
    File<Address> adr;
    EXPECT_EQ(adr.open(), FileNotFound);
    createOpen(adr);
    EXPECT_EQ(adr.open(), FileAlreadyOpen);
    adr.close();

    sql("QXADRESS", "DROP INDEX QXADRES4");
    EXPECT_EQ(adr.open(), InvalidKeyFile);
    ASSERT_EQ(adr.rebuildKeys(), NoError) << errorText();
    ASSERT_EQ(adr.open(), NoError);
    EXPECT_EQ(adr.check(), NoError) << errorText();
    adr.close();

    sql("QXADRESS", "ALTER TABLE QXADRESS ADD COLUMN EXTRA INTEGER");
    EXPECT_EQ(adr.open(), InvalidRecordDeclaration);

    std::ofstream(dir.file("QXADRLND.TPS")) << "not a record file at all, just text";
    File<Country> lnd;
    EXPECT_EQ(lnd.open(), InvalidRecordDeclaration);
}

TEST_F(RecordFileTest, CheckFindsKeyValuesChangedBehindTheDriver) {
    File<Address> adr;
    createOpen(adr);
    addAddress(adr, 1, "Meyer");
    adr.close();
    sql("QXADRESS", "UPDATE QXADRESS SET NAME1 = 'Schulz'");
    ASSERT_EQ(adr.open(), NoError);
    EXPECT_EQ(adr.check(), InvalidKeyFile);
    ASSERT_EQ(adr.rebuildKeys(), NoError);
    EXPECT_EQ(adr.check(), NoError);
    EXPECT_EQ(namesInKey(adr, "QXADRES2"), std::vector<std::string>{"Schulz"});
}

TEST_F(RecordFileTest, APutWritesOnlyTheFieldsThatChangedAndAlwaysANewVersion) {
    File<Address> adr;
    createOpen(adr);
    addAddress(adr, 1, "Meyer");
    // Triggers of another program note every write of NAME1 or NAME2.
    sql("QXADRESS", "CREATE TABLE written (field TEXT);"
                    "CREATE TRIGGER name1 AFTER UPDATE OF NAME1, _u_NAME1 ON QXADRESS "
                    "BEGIN INSERT INTO written VALUES ('NAME1'); END;"
                    "CREATE TRIGGER name2 AFTER UPDATE OF NAME2, _u_NAME2 ON QXADRESS "
                    "BEGIN INSERT INTO written VALUES ('NAME2'); END;");
    adr.rec.NAME1 = "Müller";
    ASSERT_EQ(adr.put(), NoError) << errorText();
    ASSERT_EQ(adr.put(), NoError) << errorText(); // nothing changed
    EXPECT_EQ(sql("QXADRESS", "SELECT field FROM written"), std::vector<std::string>{"NAME1"});
    EXPECT_EQ(sql("QXADRESS", "SELECT _version || ' ' || _u_NAME1 FROM QXADRESS"),
              std::vector<std::string>{"3 MULLER"});
    EXPECT_EQ(namesInKey(adr, "QXADRES2"), std::vector<std::string>{"Müller"});
}

TEST_P(RecordFileOnEachStore, BulkLoadBuildsKeysOnceAndKeepsNothingOnADuplicate) {
    File<Address> adr;
    createOpen(adr);
    ASSERT_EQ(adr.beginBulkLoad(), NoError);
    for (int i = 1; i <= 100; ++i)
        addAddress(adr, i, "Name " + std::to_string(101 - i));
    ASSERT_EQ(adr.endBulkLoad(), NoError) << errorText();
    EXPECT_EQ(adr.records(), 100);
    EXPECT_EQ(adr.check(), NoError);
    EXPECT_EQ(namesInKey(adr, "QXADRES2").front(), "Name 1");

    // Into a filled file the keys are kept up as the records arrive.
    ASSERT_EQ(adr.beginBulkLoad(), NoError);
    addAddress(adr, 500, "x");
    addAddress(adr, 1, "duplicate number");
    EXPECT_EQ(adr.endBulkLoad(), DuplicateKeyError);
    EXPECT_EQ(errorKey(), "ADR:QXADRES1");
    EXPECT_EQ(adr.records(), 100);
    EXPECT_EQ(adr.check(), NoError);
}

TEST_P(RecordFileOnEachStore, ADuplicateInABulkLoadIntoAnEmptyFileIsFoundWhenTheKeysAreBuilt) {
    File<Address> adr;
    createOpen(adr);
    ASSERT_EQ(adr.beginBulkLoad(), NoError);
    for (int i = 1; i <= 70; ++i)
        addAddress(adr, i % 69 + 1, "Name"); // the last number again
    EXPECT_EQ(adr.endBulkLoad(), DuplicateKeyError);
    EXPECT_EQ(errorKey(), "ADR:QXADRES1");
    EXPECT_EQ(adr.records(), 0);
    adr.close();
    EXPECT_EQ(adr.open(), NoError) << errorText(); // opening checks that every key is there
}

TEST_F(RecordFileTest, BulkLoadNumbersOnAndShowsHeldBackRecordsToEveryRead) {
    File<Address> adr;
    createOpen(adr);
    addAddress(adr, 1, "vorher");
    addAddress(adr, 2, "gelöscht");
    ASSERT_EQ(adr.erase(), NoError); // its position 2 is never given again

    // Texts whose keys differ from them (case, umlauts, ß, trailing blanks)
    // and codes that are their own key; more than one statement's worth.
    const char* names[] = {"müller", "MEYER", "Öl AG", "Straßen GmbH  ", "zoo", "ABC 12"};
    ASSERT_EQ(adr.beginBulkLoad(), NoError);
    for (int i = 0; i < 150; ++i) {
        adr.clear();
        adr.rec.ADRNR = 10 + i;
        adr.rec.NAME1 = names[i % 6];
        adr.rec.ORT = i % 2 ? "köln  " : "KÖLN";
        ASSERT_EQ(adr.add(), NoError) << errorText();
        EXPECT_EQ(adr.position(), 3 + i);
        if (i == 99) { // a read in the middle sees every record added so far
            EXPECT_EQ(adr.records(), 101);
            ASSERT_EQ(adr.reget(50), NoError);
            EXPECT_EQ(adr.rec.ADRNR, 57);
        }
    }
    ASSERT_EQ(adr.endBulkLoad(), NoError) << errorText();
    EXPECT_EQ(adr.records(), 151);
    // The keys and the indexes of the list orders are all back.
    EXPECT_EQ(sql("QXADRESS", "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"),
              std::vector<std::string>{
                  std::to_string(Address::table().keys.size() + Address::table().listOrders.size())});
    EXPECT_EQ(adr.check(), NoError) << errorText(); // every stored key equals fold() of its text
    const auto byName = namesInKey(adr, "QXADRES2");
    EXPECT_EQ(byName.front(), "ABC 12");
    EXPECT_EQ(byName[50], "müller"); // MEYER < MÜLLER (folded MULLER) < ÖL AG (folded OL AG)
    EXPECT_EQ(byName[75], "Öl AG");
    EXPECT_EQ(byName[100], "Straßen GmbH  "); // a CSTRING keeps its blanks; its key does not
    addAddress(adr, 500, "danach");
    EXPECT_EQ(adr.position(), 153);

    ASSERT_EQ(adr.beginBulkLoad(), NoError);
    for (int i = 0; i < 70; ++i)
        addAddress(adr, 1000 + i, "verworfen");
    adr.cancelBulkLoad();
    EXPECT_EQ(adr.records(), 152);
    EXPECT_EQ(adr.check(), NoError);
}

TEST_F(RecordFileTest, TheSqliteShellReadsAndChecksOurFiles) {
    if (std::system("command -v sqlite3 >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no sqlite3 shell";
    File<Address> adr;
    createOpen(adr);
    addAddress(adr, 3, "Größe & Co");
    adr.close();
    const std::string out = dir.file("out.txt");
    const std::string cmd =
        "sqlite3 " + dir.file("QXADRESS.TPS") +
        " 'PRAGMA integrity_check; SELECT ADRNR, NAME1 FROM QXADRESS INDEXED BY QXADRES2;' > " + out;
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(test::readFile(out), "ok\n3|Größe & Co\n");
}

} // namespace
} // namespace velkora::data
