#include "addresses/forms/ContactTab.h"

#include "addresses/TkpExchange.h"
#include "data/StandardWarnings.h"
#include "ui/browse/BrowseWindow.h"
#include "ui/browse/FormRequest.h"
#include "ui/browse/MemorySource.h"

#include <QVBoxLayout>
#include <cstdlib>

namespace velkora::addresses {
namespace {

// The procedure the list calls its form through (registered by the tab).
constexpr const char* kTabForm = "qxUpdateAdressMain:qxUpdateTKP";
// The row's key in the rows; the list keeps the order the rows have.
constexpr const char* kRowField = "QK:ROW";

browse::BrowseDeclaration contactTabDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = "qxUpdateAdressMain";
    d.listName = "?LISTKTP";
    d.designFormat = "42L(1)|M~Art~@s30@54L(1)|M~Telefon~@s24@54L(1)|M~Fax~@s24@70L(1)|M~e-Mail~@s60@"
                     "240L(1)|M~Text~@s128@";
    d.columns = {
        {{"QK:AKART", "Art", "@s30"}, ""},    {{"QK:AKTEL", "Telefon", "@s24"}, ""},
        {{"QK:AKFAX", "Fax", "@s24"}, ""},    {{"QK:AKEMAIL", "e-Mail", "@s60"}, ""},
        {{"QK:AKTEXT", "Text", "@s128"}, ""},
    };
    for (const auto& column : d.columns)
        d.sortMappings.push_back({column.field, kRowField, kRowField, std::string("-") + kRowField, 1});
    // Typing in the list moves nowhere: the rows are few and in their own order.
    d.locate = [](const std::string&, const std::string&) {
        return std::optional<std::vector<std::string>>();
    };
    d.form = kTabForm;
    d.buttonPrefix = "AK";
    d.buttonSuffix = "";
    d.embedded = true;
    return d;
}

browse::MemorySource::Record rowRecord(const ContactRow& row) {
    return {{"QK:AKART", row.kindText},    {"QK:AKTEL", row.telText}, {"QK:AKFAX", row.faxText},
            {"QK:AKEMAIL", row.emailText}, {"QK:AKTEXT", row.text},   {kRowField, std::to_string(row.key)}};
}

} // namespace

ContactTab::ContactTab(QWidget* parent)
    : QWidget(parent), rows_(std::make_unique<ContactRows>(std::vector<std::string>{})) {
    auto source = std::make_unique<browse::MemorySource>(std::set<std::string>{kRowField});
    source_ = source.get();
    list_ = new browse::BrowseWindow(contactTabDeclaration(), std::move(source));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(list_);
    browse::registerForm(kTabForm, [this](int request) { return runForm(request); });
    list_->openBrowse();
}

ContactTab::~ContactTab() {
    browse::unregisterForm(kTabForm);
    list_->close(); // keeps the list's layout
}

void ContactTab::setKinds(std::vector<std::string> kinds) {
    rows_ = std::make_unique<ContactRows>(std::move(kinds));
    showRows();
}

bool ContactTab::load(data::File<data::ContactPerson>& file, std::int32_t adrnr) {
    const bool ok = rows_->load(file, adrnr);
    showRows();
    return ok;
}

void ContactTab::showRows() {
    source_->clear();
    for (const ContactRow& row : rows_->rows())
        source_->add(rowRecord(row));
    list_->navigate(app::NavTop);
}

int ContactTab::runForm(int request) {
    const std::string position = source_->position();
    const auto row = rows_->indexOf(static_cast<std::uint32_t>(std::atol(source_->field(kRowField).c_str())));
    if (request != browse::InsertRecord && !row)
        return browse::RequestCancelled;
    if (request == browse::DeleteRecord) {
        if (data::ShowStandardWarning(data::Warn::StandardDelete) != ButtonOk)
            return browse::RequestCancelled;
        rows_->remove(*row);
        source_->erase(position);
        return browse::RequestCompleted;
    }
    TkpExchange() = row ? rows_->rows()[*row].person : primer_ ? primer_() : data::ContactPerson{};
    const int response = browse::callForm("qxUpdateTKP", request);
    if (response == browse::RequestCompleted) {
        if (row) {
            rows_->change(*row, TkpExchange());
            source_->replace(position, rowRecord(rows_->rows()[*row]));
            source_->setFormPosition(position);
        } else {
            source_->setFormPosition(source_->add(rowRecord(rows_->rows()[rows_->append(TkpExchange())])));
        }
    }
    if (afterForm_)
        afterForm_();
    return response;
}

} // namespace velkora::addresses
