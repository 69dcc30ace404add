#include "exchange/gui/DataImportWin.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "exchange/ExchangeReading.h"
#include "exchange/gui/AdrImportListWin.h"
#include "i18n/Messages.h"
#include "i18n/Translation.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"
#include "shared/Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velkora::exchange {
namespace {

constexpr const char* kRequiredMark = "[!]  ";

QTableWidget* table(const char* name, const QStringList& headings) {
    auto* t = new QTableWidget(0, static_cast<int>(headings.size()));
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headings);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setCell(QTableWidget* t, int row, int column, const std::string& text) {
    t->setItem(row, column, new QTableWidgetItem(QString::fromStdString(text)));
}

QLabel* prompt(const char* text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

DataImportWin::DataImportWin(QWidget* parent)
    : QWidget(parent), pages_(new QStackedWidget), format_(new QButtonGroup(this)), file_(new QLineEdit),
      delFix_(new QButtonGroup(this)), delimiter_(new QLineEdit), header_(new QCheckBox("Header")),
      quotes_(new QCheckBox("RemoveQuotes")), oem_(new QCheckBox("OEM")),
      columns_(table("?ASCLIST", {"Column", "No.", "Position", "Length"})),
      fields_(table("?DBFLIST", {"Column", "Field", "Name"})), fixedPosition_(new QSpinBox),
      fixedLength_(new QSpinBox), takeFixed_(new QPushButton("Take")), status_(new QLabel),
      progress_(new QProgressBar), back_(new QPushButton("< Back")), next_(new QPushButton("Next >")),
      cancel_(new QPushButton("Cancel")) {
    setObjectName("DataImportWin");
    setWindowTitle("Data Import");
    pages_->addWidget(filePage());
    pages_->addWidget(mappingPage());
    pages_->addWidget(readingPage());
    back_->setObjectName("?BACK");
    next_->setObjectName("?NEXT");
    cancel_->setObjectName("?CANCEL");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    connect(back_, &QPushButton::clicked, this, &DataImportWin::back);
    connect(next_, &QPushButton::clicked, this, &DataImportWin::next);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        if (!reading_)
            close();
    });
    i18n::TranslateWindow(this, false);
    i18n::TranslateListHeaders(columns_);
    i18n::TranslateListHeaders(fields_);
    showPage(0);
    resize(700, 480);
}

QWidget* DataImportWin::filePage() {
    auto* page = new QWidget;
    page->setObjectName("PAGE:1");
    auto* formatBox = new QGroupBox("Format");
    formatBox->setObjectName("GROUP:FORMAT");
    auto* formats = new QVBoxLayout(formatBox);
    const char* names[] = {"ASCII (Text)", "DBF (dBase III)", "Outlook", "vCard"};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(names[i]);
        radio->setObjectName(QString("?LN:IMPORTFORMAT:%1").arg(i + 1));
        format_->addButton(radio, i);
        formats->addWidget(radio);
    }
    format_->button(0)->setChecked(true);

    file_->setObjectName("?LS:IMPORTFILE");
    file_->setMaxLength(254);
    auto* lookup = new QPushButton("...");
    lookup->setObjectName("?LOOKUPFILE");
    auto* textBox = new QGroupBox("Text file");
    textBox->setObjectName("GROUP:TEXT");
    auto* delimited = new QRadioButton("Delimited");
    delimited->setObjectName("?LN:DELFIXFLAG:1");
    auto* fixed = new QRadioButton("FixedLength");
    fixed->setObjectName("?LN:DELFIXFLAG:2");
    delFix_->addButton(delimited, 0);
    delFix_->addButton(fixed, 1);
    delimited->setChecked(true);
    delimiter_->setObjectName("?LS:DELIMITER");
    delimiter_->setMaxLength(3);
    delimiter_->setText(";");
    delimiter_->setMaximumWidth(60);
    header_->setObjectName("?LN:ASCHEAD");
    quotes_->setObjectName("?LN:QTSFLAG");
    oem_->setObjectName("?LN:OEMFLAG");
    auto* text = new QGridLayout(textBox);
    text->addWidget(delimited, 0, 0);
    text->addWidget(prompt("Delimiter:", delimiter_), 0, 1);
    text->addWidget(delimiter_, 0, 2);
    text->addWidget(fixed, 1, 0);
    text->addWidget(header_, 2, 0);
    text->addWidget(quotes_, 3, 0);
    text->addWidget(oem_, 4, 0);
    text->setColumnStretch(3, 1);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(prompt("File:", file_));
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(lookup);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(formatBox);
    layout->addLayout(fileRow);
    layout->addWidget(textBox);
    layout->addStretch(1);
    connect(lookup, &QPushButton::clicked, this, &DataImportWin::chooseFile);
    connect(format_, &QButtonGroup::idClicked, this, &DataImportWin::updateFormatControls);
    connect(delFix_, &QButtonGroup::idClicked, this, &DataImportWin::updateFormatControls);
    return page;
}

QWidget* DataImportWin::mappingPage() {
    auto* page = new QWidget;
    page->setObjectName("PAGE:2");
    fixedPosition_->setObjectName("?LN:FLPOS");
    fixedLength_->setObjectName("?LN:FLLEN");
    fixedPosition_->setRange(1, 1024);
    fixedLength_->setRange(0, 254);
    takeFixed_->setObjectName("?BUTTONTAKEFL");
    auto* assign = new QPushButton("Assign >");
    assign->setObjectName("?BUTTONA2D");
    auto* remove = new QPushButton("< Remove");
    remove->setObjectName("?BUTTOND2A");
    auto* fixedRow = new QHBoxLayout;
    fixedRow->addWidget(prompt("Position:", fixedPosition_));
    fixedRow->addWidget(fixedPosition_);
    fixedRow->addWidget(prompt("Length:", fixedLength_));
    fixedRow->addWidget(fixedLength_);
    fixedRow->addWidget(takeFixed_);
    fixedRow->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(assign);
    middle->addWidget(remove);
    middle->addStretch(1);
    auto* lists = new QHBoxLayout;
    lists->addWidget(columns_, 1);
    lists->addLayout(middle);
    lists->addWidget(fields_, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(lists, 1);
    layout->addLayout(fixedRow);
    connect(assign, &QPushButton::clicked, this, &DataImportWin::assignColumn);
    connect(remove, &QPushButton::clicked, this, &DataImportWin::removeAssignment);
    connect(takeFixed_, &QPushButton::clicked, this, &DataImportWin::takeFixedColumn);
    connect(columns_, &QTableWidget::itemSelectionChanged, this, &DataImportWin::selectedColumnChanged);
    return page;
}

QWidget* DataImportWin::readingPage() {
    auto* page = new QWidget;
    page->setObjectName("PAGE:3");
    status_->setObjectName("LS:STATUS");
    status_->setWordWrap(true);
    progress_->setObjectName("?PROGRESS");
    progress_->setRange(0, 100);
    auto* layout = new QVBoxLayout(page);
    layout->addStretch(1);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addStretch(1);
    return page;
}

int DataImportWin::page() const {
    return pages_->currentIndex() + 1;
}

ImportOptions DataImportWin::options() const {
    ImportOptions o;
    o.format = static_cast<ImportFormat>(std::max(0, format_->checkedId()));
    o.file = file_->text().toStdString();
    o.delimited = delFix_->checkedId() != 1;
    o.delimiter = delimiter_->text().toStdString();
    if (o.delimiter.empty())
        o.delimiter = ";";
    o.header = header_->isChecked();
    o.removeQuotes = quotes_->isChecked();
    o.oem = oem_->isChecked();
    o.fixed = fixed_;
    return o;
}

void DataImportWin::chooseFile() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, QString(), QString::fromStdString(appState().MAILPATH),
                                     "ASCII Import (*.csv *.txt *.asc *.CSV *.TXT *.ASC);;dBase (*.dbf "
                                     "*.DBF);;vCard (*.vcf *.VCF);;(*.*) (*)");
    if (!chosen.isEmpty())
        file_->setText(chosen);
}

void DataImportWin::updateFormatControls() {
    const bool text = format_->checkedId() == 0;
    for (QAbstractButton* b : delFix_->buttons())
        b->setEnabled(text);
    delimiter_->setEnabled(text && delFix_->checkedId() == 0);
    header_->setEnabled(text);
    quotes_->setEnabled(text && delFix_->checkedId() == 0);
    oem_->setEnabled(format_->checkedId() != 1);
    const bool fixedColumns = text && delFix_->checkedId() == 1;
    fixedPosition_->setEnabled(fixedColumns);
    fixedLength_->setEnabled(fixedColumns);
    takeFixed_->setEnabled(fixedColumns);
}

void DataImportWin::showPage(int page) {
    pages_->setCurrentIndex(page);
    back_->setEnabled(page == 1);
    next_->setEnabled(page < 2);
    updateFormatControls();
}

void DataImportWin::next() {
    if (pages_->currentIndex() == 0) {
        if (!loadColumns())
            return;
        showPage(1);
    } else if (pages_->currentIndex() == 1) {
        // Rows without name 1 are dropped: without a column for it nothing would be read.
        if (mapping_.column[ef::NAME1] == 0) {
            i18n::ShowMessage("M.IMP_NoName1", Icon::Exclamation, "Assign a column to name 1.");
            return;
        }
        showPage(2);
        read();
    }
}

void DataImportWin::back() {
    showPage(0);
}

bool DataImportWin::loadColumns() {
    if (fixed_.size() != kFixedColumns)
        fixed_.assign(kFixedColumns, FixedColumn{});
    std::string problem;
    const auto source = openImportSource(options(), problem);
    if (!source) {
        ask(problem, "OPEN(AdressASCII)", Icon::Stop);
        return false;
    }
    columnList_ = source->columns();
    mapping_ = automaticMapping(columnList_, translatedDescriptions());
    showColumns();
    showMapping();
    return true;
}

void DataImportWin::showColumns() {
    columns_->setRowCount(static_cast<int>(columnList_.size()));
    for (std::size_t i = 0; i < columnList_.size(); ++i) {
        const int row = static_cast<int>(i);
        const ImportColumn& c = columnList_[i];
        const FixedColumn f = i < fixed_.size() ? fixed_[i] : FixedColumn{};
        setCell(columns_, row, 0, c.name);
        setCell(columns_, row, 1, std::to_string(i + 1));
        setCell(columns_, row, 2, f.position ? std::to_string(f.position) : "");
        setCell(columns_, row, 3, f.length ? std::to_string(f.length) : "");
    }
    columns_->resizeColumnsToContents();
}

void DataImportWin::showMapping() {
    const auto& defs = exchangeFields();
    const std::vector<std::string> descriptions = translatedDescriptions();
    fields_->setRowCount(static_cast<int>(kExchangeFieldCount) - 1);
    for (std::size_t f = 1; f < kExchangeFieldCount; ++f) {
        const int row = static_cast<int>(f) - 1;
        const int c = mapping_.column[f];
        const std::string column = c > 0 && std::size_t(c) <= columnList_.size()
                                       ? columnList_[std::size_t(c) - 1].name
                                       : std::string();
        std::string description = descriptions[f];
        if (description.ends_with(':'))
            description.pop_back();
        setCell(fields_, row, 0, column);
        setCell(fields_, row, 1, (int(f) == ef::NAME1 ? kRequiredMark : "") + description);
        setCell(fields_, row, 2, std::string(defs[f].name));
    }
    fields_->resizeColumnsToContents();
}

void DataImportWin::assignColumn() {
    const int column = columns_->currentRow();
    const int field = fields_->currentRow() + 1;
    if (column < 0 || field < 1)
        return;
    mapping_.assign(field, column + 1);
    showMapping();
    fields_->selectRow(field - 1);
}

void DataImportWin::removeAssignment() {
    const int field = fields_->currentRow() + 1;
    if (field < 1)
        return;
    mapping_.assign(field, 0);
    showMapping();
    fields_->selectRow(field - 1);
}

void DataImportWin::selectedColumnChanged() {
    const int column = columns_->currentRow();
    if (column < 0 || std::size_t(column) >= fixed_.size())
        return;
    fixedPosition_->setValue(std::max(1, fixed_[std::size_t(column)].position));
    fixedLength_->setValue(fixed_[std::size_t(column)].length);
}

void DataImportWin::takeFixedColumn() {
    const int column = columns_->currentRow();
    if (column < 0 || std::size_t(column) >= fixed_.size())
        return;
    fixed_[std::size_t(column)] = {fixedPosition_->value(), fixedLength_->value()};
    columnList_[std::size_t(column)].position = fixedPosition_->value();
    columnList_[std::size_t(column)].length = fixedLength_->value();
    showColumns();
    columns_->selectRow(column);
}

void DataImportWin::read() {
    std::string problem;
    const auto source = openImportSource(options(), problem);
    if (!source) {
        ask(problem, "OPEN(AdressASCII)", Icon::Stop);
        showPage(1);
        return;
    }
    reading_ = true;
    cancelled_ = false;
    status_->setText(QString::fromStdString(clip(i18n::TranslateText("P.02_Reading"))));
    const std::string exchangeName = exchangeFileName(appState().MAILPATH);
    // The file is read in batches; between them the window takes its events
    // (Cancel, repaint), so a large file never freezes it.
    const ReadOutcome out = readIntoExchange(*source, mapping_, exchangeName, [this](double done) {
        progress_->setValue(static_cast<int>(done * 100));
        QCoreApplication::processEvents();
        return !cancelled_;
    });
    reading_ = false;
    switch (out.result) {
    case ReadOutcome::Result::CannotCreate:
    case ReadOutcome::Result::CannotWrite:
        i18n::ShowMessage("M.FIL_ERROR", Icon::Stop, "Import File");
        showPage(1);
        return;
    case ReadOutcome::Result::Cancelled:
        close();
        return;
    case ReadOutcome::Result::Done:
        break;
    }
    app::openWindow(app::procedures::AdressImportList,
                    [exchangeName] { return new AdrImportListWin(exchangeName); });
    close();
}

} // namespace velkora::exchange
