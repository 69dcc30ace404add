#pragma once
// The data-store services every window uses: the process-wide files with
// their record buffers and open counters, opening and closing through the
// counters, writes and deletes that carry through to dependent tables inside
// one transaction, and record numbering.
//
//   auto& adr = files().QXADRESS;
//   if (!OpenRecordFile(adr)) return;       // the application has ended
//   ... adr.rec ...
//   SnapLinkingFields(adr);                  // right after loading for change
//   switch (UpdateWithIntegrity(adr, true)) { case 0: saved; case 1: failed; case 2: changed elsewhere }
//   DeleteWithIntegrity(adr);                // 0 deleted, 1 not deleted
//   adr.rec.ADRNR = NextNumber(adr, "ADR:QXADRES1", "ADR:ADRNR", "");
//   CloseRecordFile(adr);

#include "data/RecordFile.h"
#include "data/Tables.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace velkora::data {

// The record files of the process, one buffer each.
struct Files {
    File<Address> QXADRESS;
    File<ContactPerson> QXADRTKP;
    File<Activity> QXADRAKT;
    File<Country> QXADRLND;
    File<Place> QXADRORT;
    File<Street> QXADRSTR;
    File<Industry> QXADRBRA;
    File<Material> QXATTMAT;
    File<MaterialSent> QXAKTATM;
    File<User> QXACKUSR;
    File<Translation> qxTRL;

    // A file by table name or prefix; nullptr when unknown.
    RecordFile* byName(std::string_view nameOrPrefix);
};
Files& files();

// Opens through the file's counter. False when the file could not be opened:
// the warning was shown and the application ended.
bool OpenRecordFile(RecordFile& file, bool createAllowed = true);
void CloseRecordFile(RecordFile& file);

// The files a window or form works with, opened through their counters
// while it runs and closed together when it ends (or is destroyed).
class OpenedFiles {
public:
    OpenedFiles() = default;
    ~OpenedFiles() { close(); }
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;

    // Opens each file in order; false as soon as one cannot be opened (the
    // warning was shown and the application has ended), and those this call
    // opened are closed again.
    bool open(const std::vector<RecordFile*>& files);
    void close();

private:
    std::vector<RecordFile*> open_;
};

enum UpdateResult : int { Saved = 0, Failed = 1, ChangedByOtherStation = 2 };

// Writes the buffer back, carrying a changed linking field to the dependants.
int UpdateWithIntegrity(RecordFile& table, bool fromForm);
// Deletes the record in the buffer with its dependants, or refuses: 0 deleted, 1 not.
int DeleteWithIntegrity(RecordFile& table);
// Remembers the linking field of the record just loaded for change.
void SnapLinkingFields(RecordFile& table);

// The next free number of an auto-numbered field, e.g.
//   NextNumber(tkp, "TKP:QXADRTK1", "TKP:TKPNR", "TKP:ADRNR = 12")
// Leading key components before the number come from the buffer; the buffer is left as it was.
std::int32_t NextNumber(RecordFile& file, std::string_view key, std::string_view numberField,
                        std::string_view filter);

} // namespace velkora::data
