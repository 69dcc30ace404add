#include "addresses/ContactRows.h"

#include "addresses/ContactWrites.h"
#include "addresses/ValueLists.h"
#include "data/Errors.h"
#include "data/FileServices.h"
#include "shared/Text.h"

namespace velkora::addresses {
namespace {

// Widths of the list columns (QK:AKART, QK:AKTEL, QK:AKFAX, QK:AKEMAIL, QK:AKTEXT).
constexpr std::size_t kKindChars = 30;
constexpr std::size_t kPhoneChars = 24;
constexpr std::size_t kEmailChars = 60;
constexpr std::size_t kTextChars = 128;

// Empty parts leave no double blanks behind.
void appendWord(std::string& text, const std::string& word) {
    if (word.empty())
        return;
    if (!text.empty())
        text += ' ';
    text += word;
}

} // namespace

void ContactRows::describe(ContactRow& row, bool edited) const {
    const data::ContactPerson& p = row.person;
    row.kindText = cutChars(entryName(kinds_, p.KTART), kKindChars);
    row.telText = cutChars(p.TEL, kPhoneChars);
    row.faxText = cutChars(p.FAX, kPhoneChars);
    row.emailText = cutChars(p.EMAIL, kEmailChars);
    // Rows as read show "position, names remark"; rows edited in the form
    // list the four parts with single blanks.
    std::string text = clip(p.ABTPOS);
    if (!edited && !text.empty())
        text += ',';
    for (const std::string* part : {&p.NAME1, &p.NAME2, &p.BEMERK})
        appendWord(text, clip(*part));
    row.text = cutChars(text, kTextChars);
}

bool ContactRows::load(data::File<data::ContactPerson>& file, std::int32_t adrnr) {
    rows_.clear();
    deleted_.clear();
    const data::KeyDef& key = *data::ContactPerson::table().key("QXADRTK1");
    file.clear();
    file.rec.ADRNR = adrnr;
    file.setPrefix(key, 1);
    for (;;) {
        const int error = file.next();
        if (error == data::RecordNotAvailable)
            return true;
        if (error != data::NoError)
            return false;
        if (file.rec.ADRNR != adrnr)
            return true;
        ContactRow row;
        row.person = file.rec;
        row.recno = file.position();
        row.key = ++lastKey_;
        describe(row, false);
        rows_.push_back(std::move(row));
    }
}

std::size_t ContactRows::append(const data::ContactPerson& person) {
    ContactRow row;
    row.person = person;
    row.pending = true;
    row.key = ++lastKey_;
    describe(row, true);
    rows_.push_back(std::move(row));
    return rows_.size() - 1;
}

std::optional<std::size_t> ContactRows::indexOf(std::uint32_t key) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].key == key)
            return i;
    return std::nullopt;
}

void ContactRows::change(std::size_t index, const data::ContactPerson& person) {
    ContactRow& row = rows_.at(index);
    row.person = person;
    row.pending = true;
    describe(row, true);
}

void ContactRows::remove(std::size_t index) {
    const ContactRow& row = rows_.at(index);
    deleted_.push_back({row.recno, row.person.ADRNR, row.person.TKPNR});
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

bool ContactRows::writeRow(data::File<data::ContactPerson>& file, ContactRow& row, std::int32_t adrnr) {
    if (row.recno == 0) {
        if (addNumberedContact(file, row.person, adrnr) != data::NoError)
            return false;
    } else if (file.reget(row.recno) != data::NoError ||
               putEditedContact(file, row.person) != data::NoError) {
        return false;
    }
    row.person = file.rec;
    row.recno = file.position();
    row.pending = false;
    return true;
}

bool ContactRows::write(data::File<data::ContactPerson>& file, std::int32_t adrnr,
                        std::int32_t renumberedFrom) {
    bool ok = true;
    for (ContactRow& row : rows_)
        if (row.pending && !writeRow(file, row, adrnr))
            ok = false;

    std::vector<DeletedContact> failed;
    for (const DeletedContact& gone : deleted_) {
        if (gone.recno == 0)
            continue;
        // The record number may meanwhile hold another contact: only the
        // one that was read is deleted.
        if (file.reget(gone.recno) != data::NoError)
            continue;
        // A renumbered address took its contacts along to the new number.
        const bool sameAddress =
            file.rec.ADRNR == gone.adrnr || (gone.adrnr == renumberedFrom && file.rec.ADRNR == adrnr);
        if (!sameAddress || file.rec.TKPNR != gone.tkpnr)
            continue;
        if (file.erase() != data::NoError) {
            ok = false;
            failed.push_back(gone);
        }
    }
    deleted_ = std::move(failed);
    return ok;
}

} // namespace velkora::addresses
