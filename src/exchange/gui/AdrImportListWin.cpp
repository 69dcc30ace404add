#include "exchange/gui/AdrImportListWin.h"

#include "app/gui/Procedures.h"
#include "exchange/ImportRun.h"
#include "i18n/Messages.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"
#include "shared/Text.h"
#include "ui/browse/DbaseSource.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLayout>
#include <QProgressDialog>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>

namespace velkora::exchange {
namespace {

constexpr const char* kDesignFormat =
    "12L(2)F*J~ ..~L(1)@n3@60L(1)|M*~NAME0~@s32@120L(1)|M*~NAME1~@s40@90L(1)|M*~NAME2~@s40@"
    "22L(1)|M*~LD~@s3@40L(1)|M*~PLZ~@s7@80L(1)|M*~ORT~@s40@90L(1)|M*~STRASSE~@s40@"
    "60L(1)|M*~LAND~@s40@70L(1)|M*~TEL~@s24@70L(1)|M*~FAX~@s24@100L(1)|M*~EMAIL~@s64@"
    "50L(1)|M*~BRANCHE~@s16@70L(1)|M*~ZUSATZ~@s40@120L(1)|M*~BEMERK~@s80@";
// Failed rows listed by name in the closing message; the rest are counted.
constexpr std::size_t kFailuresShown = 10;

enum Icons { Unchecked = 1, Clean = 2, Duplicates = 3 };

browse::BrowseDeclaration importListDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::AdressImportList;
    d.designFormat = kDesignFormat;
    d.columns = {
        {{"ADR1:ADRNR", "Check", "@n3"}, " .."},
        {{"ADR1:NAME0", "Anrede", "@s32"}, ""},
        {{"ADR1:NAME1", "Name 1", "@s40"}, ""},
        {{"ADR1:NAME2", "Name 2", "@s40"}, ""},
        {{"ADR1:LD", "LD", "@s3"}, ""},
        {{"ADR1:PLZ", "PLZ", "@s7"}, ""},
        {{"ADR1:ORT", "Ort", "@s40"}, ""},
        {{"ADR1:STRASSE", "Strasse", "@s40"}, ""},
        {{"ADR1:LAND", "Land", "@s40"}, ""},
        {{"ADR1:TEL", "Telefon", "@s24"}, ""},
        {{"ADR1:FAX", "Fax", "@s24"}, ""},
        {{"ADR1:EMAIL", "E-Mail", "@s64"}, ""},
        {{"ADR1:BRANCHE", "Branche", "@s16"}, ""},
        {{"ADR1:ZUSATZ", "Zusatz", "@s40"}, ""},
        {{"ADR1:BEMERK", "Bemerkung", "@s80"}, ""},
    };
    d.buildRow = [columns = d.columns](const browse::BrowseSource& s) {
        browse::BrowseRow row = browse::pictureRow(columns, s);
        const CheckMark mark = checkMarkOf(s.field("ADR1:ADRNR"));
        row.cells[0].text.clear();
        row.cells[0].icon = mark == CheckMark::Unchecked ? Unchecked
                            : mark == CheckMark::Clean   ? Clean
                                                         : Duplicates;
        return row;
    };
    QStyle* style = QApplication::style();
    d.icons = {style->standardIcon(QStyle::SP_MessageBoxQuestion),
               style->standardIcon(QStyle::SP_DialogApplyButton),
               style->standardIcon(QStyle::SP_MessageBoxWarning)};
    d.files = {&data::files().QXADRESS, &data::files().QXADRTKP};
    d.tabs = {{"TAB:1", "Import"}};
    d.deleteRow = [](browse::BrowseSource& s) {
        auto& rows = static_cast<browse::DbaseSource&>(s);
        return !rows.remove(rows.position());
    };
    return d;
}

// A progress window for a long step; the step calls it between batches.
class Progress {
public:
    Progress(QWidget* over, const char* title) : dialog_(over) {
        dialog_.setObjectName("ProcessingWin");
        dialog_.setWindowTitle(title);
        dialog_.setRange(0, 1000);
        dialog_.setMinimumDuration(0);
        dialog_.setWindowModality(Qt::WindowModal);
        i18n::TranslateWindow(&dialog_, false);
    }
    ProgressCallback callback() {
        return [this](double done) {
            dialog_.setValue(static_cast<int>(done * 1000));
            QCoreApplication::processEvents();
            return !dialog_.wasCanceled();
        };
    }

private:
    QProgressDialog dialog_;
};

} // namespace

AdrImportListWin::AdrImportListWin(const std::string& exchangeName, QWidget* parent)
    : BrowseWindow(importListDeclaration(), std::make_unique<browse::DbaseSource>(exchangeName, "ADR1"),
                   parent),
      exchangeName_(exchangeName), duplicateList_(new QTableWidget(0, 6)) {
    setObjectName("AdrImportListWin");
    setWindowTitle("Import List");
    auto* check = addExtraButton("?CHECK", "Check", "Check for duplicates");
    auto* ok = addExtraButton("?OK", "OK", "Import the rows");
    connect(check, &QPushButton::clicked, this, &AdrImportListWin::check);
    connect(ok, &QPushButton::clicked, this, &AdrImportListWin::import);

    auto* group = new QGroupBox("Duplicates");
    group->setObjectName("GROUP:DUPLICATES");
    duplicateList_->setObjectName("?DUPLIST");
    duplicateList_->setHorizontalHeaderLabels({"No.", "Name 1", "Name 2", "PLZ", "Ort", "Strasse"});
    duplicateList_->verticalHeader()->hide();
    duplicateList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    duplicateList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    duplicateList_->horizontalHeader()->setStretchLastSection(true);
    duplicateList_->setMinimumHeight(110);
    group->setMaximumHeight(170);
    auto* box = new QVBoxLayout(group);
    box->addWidget(duplicateList_);
    sheet()->widget(0)->layout()->addWidget(group);
    i18n::TranslateListHeaders(duplicateList_);
    resize(sizeHint());
    openBrowse();
}

void AdrImportListWin::selectionChanged() {
    showDuplicates(static_cast<std::uint32_t>(std::stoul("0" + source().position())));
}

void AdrImportListWin::viewEmpty() {
    showDuplicates(0);
}

void AdrImportListWin::showDuplicates(std::uint32_t row) {
    auto& adr = data::files().QXADRESS;
    const auto [begin, end] = duplicates_.equal_range(row);
    duplicateList_->setRowCount(static_cast<int>(std::distance(begin, end)));
    int line = 0;
    for (auto it = begin; it != end; ++it, ++line) {
        adr.clear();
        adr.rec.ADRNR = it->second;
        adr.get(*data::Address::table().key("QXADRES1"));
        const std::string cells[] = {std::to_string(it->second),
                                     adr.rec.NAME1,
                                     adr.rec.NAME2,
                                     adr.rec.PLZ,
                                     adr.rec.ORT,
                                     adr.rec.STRASSE};
        for (int c = 0; c < 6; ++c)
            duplicateList_->setItem(line, c, new QTableWidgetItem(QString::fromStdString(cells[c])));
    }
    duplicateList_->resizeColumnsToContents();
}

void AdrImportListWin::check() {
    Progress progress(this, "Check");
    DuplicateFinder finder;
    if (finder.load(data::files().QXADRESS, progress.callback()) != data::NoError)
        return;
    files::DbfTable table;
    if (table.open(exchangeName_, files::DbfTable::Access::Write)) {
        i18n::ShowMessage("M.FIL_ERROR", Icon::Stop, "Import File");
        return;
    }
    const CheckOutcome out = checkExchange(table, finder, progress.callback());
    table.close();
    duplicates_.clear();
    for (const Duplicate& d : out.duplicates)
        duplicates_.emplace(d.row, d.adrnr);
    refresh();
    selectionChanged();
}

void AdrImportListWin::import() {
    if (i18n::ShowMessage("M.IMP_Start", Icon::Exclamation, "start import?", ButtonYes | ButtonNo) !=
        ButtonYes)
        return;
    files::DbfTable table;
    if (table.open(exchangeName_, files::DbfTable::Access::Read)) {
        i18n::ShowMessage("M.FIL_ERROR", Icon::Stop, "Import File");
        return;
    }
    ImportOutcome out;
    {
        Progress progress(this, "Import");
        out = importExchange(table, data::files().QXADRESS, data::files().QXADRTKP,
                             importContactKind(appState().WORKINI), progress.callback());
    }
    // Nothing disappears unnoticed: the rows not imported are named with their reason.
    Prompt done =
        i18n::messagePrompt("M.IMP_Done", out.failed.empty() ? Icon::Information : Icon::Exclamation,
                            "%1 rows imported, %2 not imported.");
    done.text = replaceAll(replaceAll(done.text, "%1", std::to_string(out.imported)), "%2",
                           std::to_string(out.failed.size()));
    for (std::size_t i = 0; i < out.failed.size() && i < kFailuresShown; ++i)
        done.text +=
            "|" + std::to_string(out.failed[i].row) + " " + out.failed[i].name1 + ": " + out.failed[i].reason;
    if (out.failed.size() > kFailuresShown)
        done.text += "|...";
    prompter().ask(done);
    close();
}

} // namespace velkora::exchange
