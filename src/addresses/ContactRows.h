#pragma once
// The contact persons of the address in the address form (queue QK): read
// when the form opens, changed in memory only, written to QXADRTKP when the
// address is saved ("Write TKP Data"), the way the contact list writes
// (ContactWrites.h). Rows deleted in the form are kept with their record
// number and identity until then.

#include "data/RecordFile.h"
#include "data/Tables.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velkora::addresses {

struct ContactRow {
    data::ContactPerson person;
    data::RecordPosition recno = 0; // QK:RECNO: where it is stored; 0 = not yet stored
    bool pending = false;           // QK:AKTION: to be written
    // Names the row while the form is open (its index moves when a row
    // above it is deleted); never given to another row of the same rows.
    std::uint32_t key = 0;

    // The list columns: kind, telephone, fax, e-mail, text.
    std::string kindText;
    std::string telText;
    std::string faxText;
    std::string emailText;
    std::string text;
};

struct DeletedContact {
    data::RecordPosition recno = 0; // QK:DEL_RECNO
    std::int32_t adrnr = 0;         // QK:ADRNR_CHECK
    std::int32_t tkpnr = 0;         // QK:TKPNR_CHECK
};

class ContactRows {
public:
    explicit ContactRows(std::vector<std::string> kinds) : kinds_(std::move(kinds)) {}

    // Reads the contact persons of address `adrnr` in contact-number order.
    // False when a read failed with anything but the end of the address's contacts.
    bool load(data::File<data::ContactPerson>& file, std::int32_t adrnr);

    const std::vector<ContactRow>& rows() const { return rows_; }
    const std::vector<DeletedContact>& deleted() const { return deleted_; }
    bool empty() const { return rows_.empty(); }
    std::size_t size() const { return rows_.size(); }

    // The index of the row named `key`; nullopt when it has been deleted.
    std::optional<std::size_t> indexOf(std::uint32_t key) const;

    // A new row from a completed contact form; returns its index.
    std::size_t append(const data::ContactPerson& person);
    void change(std::size_t row, const data::ContactPerson& person);
    void remove(std::size_t row);

    // Writes every pending row and deletes the deleted rows, for address
    // `adrnr` (which had the number `renumberedFrom` when the rows were read,
    // if the save renumbered it). A written row is no longer pending and
    // knows its record, so saving again never adds it twice. False when any
    // write failed.
    bool write(data::File<data::ContactPerson>& file, std::int32_t adrnr, std::int32_t renumberedFrom = 0);

private:
    void describe(ContactRow& row, bool edited) const;
    bool writeRow(data::File<data::ContactPerson>& file, ContactRow& row, std::int32_t adrnr);

    std::vector<std::string> kinds_;
    std::vector<ContactRow> rows_;
    std::vector<DeletedContact> deleted_;
    std::uint32_t lastKey_ = 0;
};

} // namespace velkora::addresses
