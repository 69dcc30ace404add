// How the contact list stores what the contact form returned, with the
// standard warnings when the file refuses.

#include "addresses/ContactWrites.h"

#include "DataFixture.h"

namespace velkora::addresses {
namespace {

class ContactWritesTest : public test::DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        ASSERT_TRUE(data::OpenRecordFile(tkp));
        data::ContactPerson first;
        first.ADRNR = 4;
        first.TKPNR = 1;
        first.NAME1 = "Erste";
        first.AUXID = "X1";
        tkp.clear();
        tkp.rec = first;
        ASSERT_EQ(tkp.add(), data::NoError);
    }
    void TearDown() override {
        data::CloseRecordFile(tkp);
        DataFixture::TearDown();
    }
    data::ContactPerson edited(std::int32_t tkpnr, const std::string& name) const {
        data::ContactPerson c;
        c.ADRNR = 4;
        c.TKPNR = tkpnr;
        c.NAME1 = name;
        c.TEL = "0711 / 22-33";
        return c;
    }
    std::vector<std::string> stored() {
        return sql("QXADRTKP", "SELECT NAME1 || '/' || TKPNR || '/' || TFX || '/' || AUXID FROM QXADRTKP "
                               "ORDER BY TKPNR");
    }

    data::File<data::ContactPerson>& tkp = data::files().QXADRTKP;
};

TEST_F(ContactWritesTest, AnAddedContactTakesTheNextNumberOfItsAddress) {
    ASSERT_TRUE(addContact(tkp, edited(77, "Neu")));
    EXPECT_EQ(tkp.rec.TKPNR, 2);
    EXPECT_EQ(stored(), (std::vector<std::string>{"Erste/1//X1", "Neu/2/07112233/"}));
    EXPECT_TRUE(prompts.prompts().empty());
}

TEST_F(ContactWritesTest, AFailedAddIsTriedOnceMoreWhenConfirmed) {
    sql("QXADRTKP", "CREATE TRIGGER injected BEFORE INSERT ON QXADRTKP BEGIN SELECT RAISE(ABORT, 'x'); END");
    prompts.setNextAnswer(ButtonOk);
    EXPECT_FALSE(addContact(tkp, edited(0, "Neu")));
    ASSERT_EQ(prompts.prompts().size(), 1u);
    EXPECT_EQ(prompts.prompts()[0].caption, "Record Insert Error");
    EXPECT_EQ(prompts.beeps(), 2);
    prompts.setNextAnswer(ButtonCancel);
    EXPECT_FALSE(addContact(tkp, edited(0, "Neu")));
    EXPECT_EQ(prompts.beeps(), 2);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(ContactWritesTest, AChangeKeepsWhatTheFormDoesNotShow) {
    ASSERT_TRUE(changeContact(tkp, edited(1, "Geändert")));
    EXPECT_EQ(stored(), std::vector<std::string>{"Geändert/1/07112233/X1"});
}

TEST_F(ContactWritesTest, AContactThatHasGoneIsNotWrittenAgain) {
    sql("QXADRTKP", "DELETE FROM QXADRTKP");
    EXPECT_FALSE(changeContact(tkp, edited(1, "Geändert")));
    ASSERT_EQ(prompts.prompts().size(), 1u);
    EXPECT_EQ(prompts.prompts()[0].caption, "Record Retrieval Error");
    EXPECT_TRUE(stored().empty());
}

TEST_F(ContactWritesTest, DeletingAsksFirst) {
    tkp.clear();
    tkp.rec.ADRNR = 4;
    tkp.rec.TKPNR = 1;
    ASSERT_EQ(tkp.get(*data::ContactPerson::table().key("QXADRTK1")), data::NoError);
    prompts.setNextAnswer(ButtonCancel);
    EXPECT_FALSE(deleteContact(tkp));
    EXPECT_EQ(stored().size(), 1u);
    prompts.setNextAnswer(ButtonOk);
    EXPECT_TRUE(deleteContact(tkp));
    EXPECT_TRUE(stored().empty());
}

} // namespace
} // namespace velkora::addresses
