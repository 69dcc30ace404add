#include "documents/SelectionRun.h"

#include "addresses/AddressQueues.h"
#include "addresses/ValueLists.h"
#include "data/KeyReader.h"
#include "data/RecordFields.h"
#include "data/expr/Evaluator.h"
#include "documents/MailingFile.h"
#include "documents/MailingRows.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"

#include <optional>

namespace velkora::documents {

using data::Address;
using data::ContactPerson;

struct SelectionRun::State {
    data::File<Address> adr;
    data::File<ContactPerson> tkp;
    data::RecordFields adrFields{adr};
    data::RecordFields tkpFields{tkp};
    std::optional<data::KeyReader> addresses;
    std::optional<data::KeyReader> contacts;
    expr::Evaluator evaluator;
    std::optional<expr::Expression> a;
    std::optional<expr::Expression> c;
    std::vector<std::string> addressTypes;
    std::vector<std::string> contactTypes;

    // True when the compiled condition gives "1"; an error is left in the evaluator.
    bool selects(const expr::Expression& condition) { return evaluator.evaluate(condition) == "1"; }
};

namespace {

// A read that ends where its visitor says.
constexpr std::size_t kUnlimited = std::size_t{1} << 30;
// One selected address in this many read, or more: the contacts are read in one stretch.
constexpr std::size_t kDenseShare = 4;

std::string_view typeText(const std::vector<std::string>& texts, int type) {
    if (type < 1 || type > static_cast<int>(texts.size()))
        return {};
    return texts[static_cast<std::size_t>(type - 1)];
}

} // namespace

SelectionRun::SelectionRun(std::string addressCondition, std::string contactCondition, std::string docTitle)
    : addressCondition_(std::move(addressCondition)), contactCondition_(std::move(contactCondition)),
      docTitle_(std::move(docTitle)) {}

SelectionRun::~SelectionRun() = default;

bool SelectionRun::fail(int code, const std::string& text) {
    failed_ = true;
    ended_ = true;
    ask("[" + std::to_string(code) + "] " + text, "Processing Records", Icon::Stop);
    return false;
}

bool SelectionRun::start() {
    state_ = std::make_unique<State>();
    State& s = *state_;
    if (const int code = s.adr.open(); code != data::NoError)
        return fail(code, data::errorText());
    total_ = s.adr.records();
    s.addresses.emplace(s.adr, *Address::table().key("QXADRES1"));
    s.evaluator.bindRecord(s.adrFields);
    s.evaluator.bind("ADR:MEMO", s.adr.rec.MEMO);
    if (!addressCondition_.empty()) {
        s.a.emplace(addressCondition_);
        if (!s.a->ok())
            return fail(expr::number(s.a->errorCode()), s.a->errorText());
    }
    if (!contactCondition_.empty()) {
        if (const int code = s.tkp.open(); code != data::NoError)
            return fail(code, data::errorText());
        s.contacts.emplace(s.tkp, *ContactPerson::table().key("QXADRTK2"));
        s.evaluator.bindRecord(s.tkpFields);
        s.evaluator.bind("TKP:MEMO", s.tkp.rec.MEMO);
        s.c.emplace(contactCondition_);
        if (!s.c->ok())
            return fail(expr::number(s.c->errorCode()), s.c->errorText());
    }
    s.addressTypes = addresses::loadAddressTypes(appState().WORKINI);
    s.contactTypes = addresses::loadContactKinds(appState().WORKINI);
    return true;
}

bool SelectionRun::step(std::size_t addresses) {
    if (ended_ || !state_)
        return false;
    State& s = *state_;
    selected_.clear();
    const std::int64_t readBefore = read_;
    bool evaluated = true;
    const int code = s.addresses->read(addresses, [&] {
        ++read_;
        if (s.a && !s.selects(*s.a)) {
            evaluated = s.evaluator.errorCode() == expr::ErrorCode::None;
            return evaluated;
        }
        selected_.push_back(s.adr.rec);
        return true;
    });
    if (!evaluated)
        return fail(expr::number(s.evaluator.errorCode()), s.evaluator.errorText());
    if (code != data::NoError)
        return fail(code, data::errorText());
    if (!writeRows(static_cast<std::size_t>(read_ - readBefore)))
        return false;
    ended_ = s.addresses->atEnd();
    if (ended_)
        if (const files::FileError error = mailingFile().flush())
            return fail(error.code, error.text);
    return !ended_;
}

bool SelectionRun::writeRows(std::size_t batchRead) {
    State& s = *state_;
    MailingFile& mailing = mailingFile();
    auto add = [&] {
        if (const files::FileError error = mailing.add())
            return fail(error.code, error.text);
        ++written_;
        return true;
    };
    auto fillAddress = [&](const Address& address) {
        mailing.clear();
        fillAddressFields(address, typeText(s.addressTypes, address.ADRART), docTitle_, mailing.rec);
        mailing.rec.AUSER.clear();
        mailing.rec.ADATUM.clear();
        mailing.rec.AUHR.clear();
    };
    if (!s.c) {
        for (const Address& address : selected_) {
            fillAddress(address);
            if (!add())
                return false;
        }
        return true;
    }
    if (selected_.empty())
        return true;
    // The contacts of the batch's selected addresses, both in address-number
    // order: one read over their stretch of the contact file when most
    // addresses were selected, one short read per address when few were.
    std::size_t next = 0;
    std::optional<std::size_t> filled; // the selected address the row holds
    std::int32_t last = 0;
    bool ok = true;
    auto visit = [&] {
        const std::int32_t adrnr = s.tkp.rec.ADRNR;
        if (adrnr > last)
            return false;
        while (selected_[next].ADRNR < adrnr)
            ++next;
        if (selected_[next].ADRNR != adrnr)
            return true;
        if (!s.selects(*s.c)) {
            if (s.evaluator.errorCode() != expr::ErrorCode::None)
                ok = fail(expr::number(s.evaluator.errorCode()), s.evaluator.errorText());
            return ok;
        }
        if (filled != next) {
            fillAddress(selected_[next]);
            filled = next;
        }
        fillContactFields(s.tkp.rec, typeText(s.contactTypes, s.tkp.rec.KTART), mailing.rec);
        ok = add();
        return ok;
    };
    auto readFrom = [&](std::int32_t first, std::int32_t upTo) {
        last = upTo;
        s.contacts->startAt({std::int64_t{first}});
        const int code = s.contacts->read(kUnlimited, visit);
        if (ok && code != data::NoError)
            return fail(code, data::errorText());
        return ok;
    };
    if (selected_.size() * kDenseShare >= batchRead)
        return readFrom(selected_.front().ADRNR, selected_.back().ADRNR);
    for (const Address& address : selected_)
        if (!readFrom(address.ADRNR, address.ADRNR))
            return false;
    return true;
}

bool SelectionRun::runToEnd() {
    if (!start())
        return false;
    while (step(kSelectionBatch)) {
    }
    return !failed_;
}

double SelectionRun::percent() const {
    if (total_ <= 0)
        return ended_ ? 100.0 : 0.0;
    return 100.0 * static_cast<double>(read_) / static_cast<double>(total_);
}

} // namespace velkora::documents
