#pragma once
// The address list of a mailing file: one address band per row in file
// order and, when asked for, a contact band for each contact person of the
// row's address (QXADRTKP in the order of kind and number).
//
//   AddressListReport list("/mail/KUNDEN", "Kunden 2026", true);
//   if (list.generateAll()) paint(list.report());

#include "data/FileServices.h"
#include "data/View.h"
#include "documents/MailingFile.h"
#include "reports/Report.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velkora::reports {

class AddressListReport : public ReportGenerator {
public:
    // `mailingFile`: the file's full name, with or without ".DBF".
    AddressListReport(std::string mailingFile, std::string title, bool withContacts);

    bool step() override;
    double percent() const override;
    bool failed() const override { return failed_; }
    Report& report() override { return report_; }

private:
    bool open();
    void addAddress(const documents::MailingRecord& row);
    using ContactsByAddress = std::map<std::int32_t, std::vector<data::ContactPerson>>;
    ContactsByAddress contactsOf(const std::vector<documents::MailingRecord>& rows);
    void addContact(const data::ContactPerson& contact);

    std::string fileName_;
    bool withContacts_;
    Report report_;
    documents::MailingFile mailing_;
    data::OpenedFiles files_;
    std::optional<data::View> contacts_;
    std::uint32_t rowsRead_ = 0;
    bool opened_ = false;
    bool done_ = false;
    bool failed_ = false;
    std::string labelNumber_;
    std::string labelTel_;
    std::string labelFax_;
    std::string labelEmail_;
};

} // namespace velkora::reports
