#pragma once
// A mailing file of three rows in a fresh MailPath, as the template tests use it.

#include "ScriptedPrompter.h"
#include "TempDir.h"
#include "documents/MailingFile.h"
#include "shared/AppState.h"

#include <gtest/gtest.h>

namespace velkora::documents::test {

class MailingFixture : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        appState().MAILPATH = dir.str();
        mailingFile().close();
        mailingFile().resetName();
        mailingFile().clear();
    }
    void TearDown() override {
        mailingFile().close();
        mailingFile().resetName();
        resetAppState();
    }

    static MailingRecord row(std::string name, std::string ort, std::string adrnr) {
        MailingRecord r;
        r.NAME1 = std::move(name);
        r.ORT = std::move(ort);
        r.ADRNR = std::move(adrnr);
        return r;
    }

    // The three recipients every template test runs over.
    void writeThreeRows() {
        MailingRecord first = row("Müller & Söhne {GmbH}", "München", "7");
        first.PLZ = "80331";
        first.STRASSE = "Hauptstraße 1";
        first.ZUSATZ = "a─b";
        first.MEMO = "Zeile 1\r\nZeile 2\tTab";
        for (int i = 0; i < 25; ++i)
            first.BEMERKUNG += "0123456789";
        writeRows({first, row("Schmidt", "Berlin", "8"), row("Weiß", "Köln", "9")});
    }

    void writeRows(const std::vector<MailingRecord>& rows) {
        MailingFile& mailing = mailingFile();
        ASSERT_FALSE(MailingFile::create(mailing.name()));
        ASSERT_FALSE(mailing.open(files::DbfTable::Access::Write));
        for (const MailingRecord& r : rows) {
            mailing.rec = r;
            ASSERT_FALSE(mailing.add());
        }
        mailing.close();
        mailing.clear();
    }

    velkora::test::TempDir dir;
    velkora::test::ScriptedPrompter prompter;
};

} // namespace velkora::documents::test
