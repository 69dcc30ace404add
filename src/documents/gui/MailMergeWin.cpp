#include "documents/gui/MailMergeWin.h"

#include "addresses/AddressQueues.h"
#include "addresses/ValueLists.h"
#include "addresses/gui/StatusIcons.h"
#include "app/gui/ModalRun.h"
#include "app/gui/WindowPosition.h"
#include "data/FileServices.h"
#include "documents/MailingFile.h"
#include "documents/MailingListCreate.h"
#include "documents/SelectionRun.h"
#include "documents/gui/RecordsProgressWin.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"
#include "ui/form/FormHelp.h"
#include "ui/form/FormLayout.h"
#include "ui/form/PictureEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velkora::documents {
namespace {

using form::addField;
using form::named;

constexpr const char* kSection = "AdrMMerge";
constexpr int kNameChars = 39;
constexpr int kRangeNameChars = 20;
constexpr int kDepartmentChars = 47;

// The comparisons are no design text: filled after the window is translated.
void addComparisons(QComboBox* box, std::initializer_list<Comparison> offered) {
    for (const Comparison c : offered)
        box->addItem(c == Comparison::AtLeast ? " >="
                     : c == Comparison::Equal ? " ="
                                              : " <=",
                     static_cast<int>(c));
}

Comparison comparisonOf(const QComboBox* box) {
    return static_cast<Comparison>(box->currentData().toInt());
}

QLineEdit* entry(const char* name, int maxChars) {
    auto* edit = named(new QLineEdit, name);
    edit->setMaxLength(maxChars);
    return edit;
}

std::string textOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

std::int32_t storedNumber(const form::PictureEdit* edit) {
    const auto stored = edit->storedValue();
    return stored ? static_cast<std::int32_t>(std::atol(stored->c_str())) : 0;
}

// A "from ... to ..." row: the prompt, the first entry, "bis" and the second.
void addRange(QGridLayout* grid, int row, const QString& prompt, QWidget* from, QWidget* to) {
    addField(grid, row, 0, prompt, from);
    addField(grid, row, 2, "bis", to);
}

} // namespace

MailMergeWin::MailMergeWin(QWidget* parent) : QDialog(parent) {
    setObjectName(kSection);
    setWindowTitle("Serienbrief-Auswahl");
    setWindowFlag(Qt::Window);

    name_ = entry("LS:MAILFILENAME", kNameChars);
    auto* newName = form::plainButton("BUTTONNEWNAME", "Neuer Name", "Einen neuen Namen eingeben");
    auto* pick =
        form::plainButton("BUTTONFILE", "Liste wählen...", "Eine vorhandene Serienbriefliste wählen");
    auto* top = new QGridLayout;
    addField(top, 0, 0, "Serienbriefliste", name_);
    top->addWidget(newName, 0, 2);
    top->addWidget(pick, 0, 3);
    top->setColumnStretch(1, 1);

    tabs_ = named(new QTabWidget, "SHEET1");
    tabs_->addTab(buildGeneral(), "Allgemein");
    tabs_->addTab(buildExtended(), "Erweitert");

    auto* createButton = new QPushButton("Erstellen");
    createButton->setObjectName("CREATE");
    createButton->setDefault(true);
    auto* cancel = new QPushButton("Abbrechen");
    cancel->setObjectName("CANCEL");
    auto* help = new QPushButton("Hilfe");
    help->setObjectName("HELP");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {createButton, cancel, help})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    connect(newName, &QPushButton::clicked, this, [this] {
        name_->clear();
        name_->setFocus();
    });
    connect(pick, &QPushButton::clicked, this, &MailMergeWin::chooseFile);
    connect(createButton, &QPushButton::clicked, this, &MailMergeWin::create);
    connect(cancel, &QPushButton::clicked, this, [this] { finish(browse::RequestCancelled); });
    connect(help, &QPushButton::clicked, this, [] { form::showHelp(kSection); });

    i18n::TranslateWindow(this, false);
    fillLists();
}

QWidget* MailMergeWin::buildGeneral() {
    numberFrom_ = named(new form::PictureEdit("n_8B"), "LN:ADRNRVON");
    numberTo_ = named(new form::PictureEdit("n_8B"), "LN:ADRNRBIS");
    nameFrom_ = entry("LS:NAMEVON", kRangeNameChars);
    nameTo_ = entry("LS:NAMEBIS", kRangeNameChars);
    statusFrom_ = named(new QComboBox, "LN:ADRSTATVON");
    statusTo_ = named(new QComboBox, "LN:ADRSTATBIS");
    addressType_ = named(new QComboBox, "LN:ADRART");
    industry_ = named(new QComboBox, "LS:BRANCHE");
    country_ = entry("LS:LD", 3);
    postalFrom_ = entry("LS:PLZVON", 8);
    postalTo_ = entry("LS:PLZBIS", 8);
    firstCompare_ = named(new QComboBox, "LN:EKONTCMP");
    firstContact_ = named(new form::PictureEdit("@d17B"), "LD:EKONT");
    lastCompare_ = named(new QComboBox, "LN:LKONTCMP");
    lastContact_ = named(new form::PictureEdit("@d17B"), "LD:LKONT");

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addRange(grid, 0, "ADRNR", numberFrom_, numberTo_);
    addRange(grid, 1, "NAME1", nameFrom_, nameTo_);
    addRange(grid, 2, "STATUS", statusFrom_, statusTo_);
    addField(grid, 3, 0, "ADRART", addressType_);
    addField(grid, 4, 0, "BRANCHE", industry_, 3);
    addField(grid, 5, 0, "LD", country_);
    addRange(grid, 6, "PLZ", postalFrom_, postalTo_);
    auto dateRow = [grid](int row, const QString& prompt, QComboBox* compare, QWidget* date) {
        auto* both = new QHBoxLayout;
        both->setContentsMargins(0, 0, 0, 0);
        both->addWidget(compare);
        both->addWidget(date, 1);
        auto* holder = new QWidget;
        holder->setLayout(both);
        addField(grid, row, 0, prompt, holder);
        return holder;
    };
    dateRow(7, "ERSTKONTAKT", firstCompare_, firstContact_);
    dateRow(8, "LETZTKONTAKT", lastCompare_, lastContact_);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(9, 1);
    return page;
}

QWidget* MailMergeWin::buildExtended() {
    features_ = named(new QGroupBox("Merkmale"), "LN:ADRMERKM");
    features_->setCheckable(true);
    features_->setChecked(false);
    auto* featureGrid = new QGridLayout(features_);
    for (std::size_t n = 0; n < feature_.size(); ++n) {
        const std::string name = "LA:ADRMERK_" + std::to_string(n + 1);
        // The design text; the work file's feature labels replace it.
        feature_[n] = named(new QCheckBox(QString("QXM_%1").arg(n + 1)), name.c_str());
        featureGrid->addWidget(feature_[n], static_cast<int>(n % 4), static_cast<int>(n / 4));
    }
    auto* logic = named(new QWidget, "LN:ADRMLOGIC");
    auto* logicRow = new QHBoxLayout(logic);
    logicRow->setContentsMargins(0, 0, 0, 0);
    featuresOr_ = named(new QRadioButton("ODER"), "RADIO:OR");
    featuresAnd_ = named(new QRadioButton("UND"), "RADIO:AND");
    featuresOr_->setChecked(true);
    logicRow->addWidget(featuresOr_);
    logicRow->addWidget(featuresAnd_);
    logicRow->addStretch();
    featureGrid->addWidget(logic, 4, 0, 1, 2);
    featureNumberCompare_ = named(new QComboBox, "LN:ADRMERKNCMP");
    featureNumber_ = named(new form::PictureEdit("@n-14.2"), "LN:ADRMERKN");
    auto* numberRow = new QHBoxLayout;
    auto* numberLabel = new QLabel("QXM_N");
    numberLabel->setObjectName("LN:ADRMERKN:PROMPT");
    numberLabel->setBuddy(featureNumber_);
    numberRow->addWidget(numberLabel);
    numberRow->addWidget(featureNumberCompare_);
    numberRow->addWidget(featureNumber_, 1);
    featureGrid->addLayout(numberRow, 5, 0, 1, 2);

    contacts_ = named(new QGroupBox("Kontakte"), "LN:TKPFLAG");
    contacts_->setCheckable(true);
    contacts_->setChecked(false);
    contactType_ = named(new QComboBox, "LN:TKPART");
    department_ = entry("LS:TKPABTPOS", kDepartmentChars);
    onlyEmail_ = named(new QCheckBox("OnlyeMail"), "LN:TKPEMAIL");
    onlyFax_ = named(new QCheckBox("OnlyFax"), "LN:TKPFAX");
    auto* contactGrid = new QGridLayout(contacts_);
    addField(contactGrid, 0, 0, "KONTAKT", contactType_);
    addField(contactGrid, 1, 0, "ABTPOS", department_);
    contactGrid->addWidget(onlyEmail_, 2, 1);
    contactGrid->addWidget(onlyFax_, 3, 1);
    contactGrid->setColumnStretch(1, 1);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(features_);
    layout->addWidget(contacts_);
    layout->addStretch();
    return page;
}

void MailMergeWin::fillLists() {
    const std::string& workIni = appState().WORKINI;
    addComparisons(firstCompare_, {Comparison::AtLeast, Comparison::AtMost});
    addComparisons(lastCompare_, {Comparison::AtLeast, Comparison::AtMost});
    addComparisons(featureNumberCompare_, {Comparison::AtLeast, Comparison::Equal, Comparison::AtMost});
    addresses::loadAddressQueues(workIni);
    const std::vector<QIcon> icons = addresses::addressStatusIcons();
    for (QComboBox* box : {statusFrom_, statusTo_})
        for (const addresses::AddressStatus& s : addresses::adrStatusQueue()) {
            const auto icon = static_cast<std::size_t>(s.number - 1);
            box->addItem(icon < icons.size() ? icons[icon] : QIcon(), QString::fromStdString(s.name),
                         s.number);
        }
    statusTo_->setCurrentIndex(statusTo_->count() - 1);

    addressType_->addItem("<...>");
    for (const std::string& type : addresses::adrArtQueue())
        addressType_->addItem(QString::fromStdString(type));

    industry_->addItem("<...>", QString());
    auto& bra = data::files().QXADRBRA;
    if (data::OpenRecordFile(bra)) {
        bra.set(*data::Industry::table().key("QXADRBR1"));
        while (bra.next() == data::NoError)
            industry_->addItem(QString::fromStdString(clip(bra.rec.BRANCHE) + "  " + clip(bra.rec.BEZEICHNG)),
                               QString::fromStdString(bra.rec.BRANCHE));
        data::CloseRecordFile(bra);
    }

    contactType_->addItem("<...>");
    for (const std::string& kind : addresses::loadContactKinds(workIni))
        contactType_->addItem(QString::fromStdString(kind));

    const addresses::FeatureLabels labels = addresses::loadFeatureLabels(workIni);
    for (std::size_t n = 0; n < feature_.size(); ++n) {
        feature_[n]->setText(QString::fromStdString(labels.flags[n]));
        feature_[n]->setEnabled(!labels.flags[n].empty());
    }
    auto* numberLabel = findChild<QLabel*>("LN:ADRMERKN:PROMPT");
    numberLabel->setText(QString::fromStdString(labels.number));
    for (QWidget* w : {static_cast<QWidget*>(numberLabel), static_cast<QWidget*>(featureNumberCompare_),
                       static_cast<QWidget*>(featureNumber_)})
        w->setVisible(!labels.number.empty());
}

MailingSelection MailMergeWin::selection() const {
    MailingSelection s;
    s.statusFrom = statusFrom_->currentData().toInt();
    s.statusTo = statusTo_->currentData().toInt();
    s.numberFrom = storedNumber(numberFrom_);
    s.numberTo = storedNumber(numberTo_);
    s.nameFrom = textOf(nameFrom_);
    s.nameTo = textOf(nameTo_);
    s.addressType = std::max(0, addressType_->currentIndex());
    s.industry = industry_->currentData().toString().toStdString();
    s.country = clip(textOf(country_));
    s.postalFrom = textOf(postalFrom_);
    s.postalTo = textOf(postalTo_);
    s.firstContact = storedNumber(firstContact_);
    s.firstContactCompare = comparisonOf(firstCompare_);
    s.lastContact = storedNumber(lastContact_);
    s.lastContactCompare = comparisonOf(lastCompare_);
    s.features = features_->isChecked();
    for (std::size_t n = 0; n < feature_.size(); ++n)
        s.feature[n] = feature_[n]->isChecked();
    s.featuresAnd = featuresAnd_->isChecked();
    if (!featureNumber_->isHidden())
        s.featureNumber = std::atof(featureNumber_->storedValue().value_or("0").c_str());
    s.featureNumberCompare = comparisonOf(featureNumberCompare_);
    s.contacts = contacts_->isChecked();
    s.contactType = std::max(0, contactType_->currentIndex());
    s.department = textOf(department_);
    s.onlyEmail = onlyEmail_->isChecked();
    s.onlyFax = onlyFax_->isChecked();
    return s;
}

void MailMergeWin::chooseFile() {
    const QString chosen = QFileDialog::getOpenFileName(
        this, windowTitle(), QString::fromStdString(appState().MAILPATH), "Mail (*.dbf *.DBF);;(*.*) (*)");
    if (!chosen.isEmpty())
        name_->setText(QFileInfo(chosen).completeBaseName());
}

void MailMergeWin::create() {
    const ListOpening opening = openMailingList(textOf(name_), ExistingList::Ask);
    if (opening == ListOpening::EmptyName || opening == ListOpening::InvalidName) {
        name_->setFocus();
        return;
    }
    if (opening != ListOpening::Ready)
        return;
    const MailingSelection s = selection();
    SelectionRun selectionRun(addressCondition(s), contactCondition(s), {});
    if (selectionRun.start())
        RecordsProgressWin::run([&] { return selectionRun.step(kSelectionBatch); },
                                [&] { return selectionRun.percent(); }, this);
    MailingFile& mailing = mailingFile();
    const QString fileName = QString::fromStdString(files::DbfTable::tableFileName(mailing.name()));
    mailing.close();
    if (selectionRun.rowsWritten() == 0)
        return;
    emit listWritten(fileName);
    finish(browse::RequestCompleted);
}

void MailMergeWin::finish(int response) {
    response_ = response;
    done(response == browse::RequestCompleted ? Accepted : Rejected);
    // Started by the frame it lies in a child window, which closes with it.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
}

int MailMergeWin::run(QWidget* parent) {
    MailMergeWin window(parent);
    app::RestoreWindowPosition(&window, kSection);
    app::ModalRun modal(&window);
    connect(&window, &QDialog::finished, &window, [&modal] { modal.quit(); });
    window.show();
    window.name_->setFocus();
    modal.exec();
    app::SaveWindowPosition(&window, kSection);
    return window.response();
}

} // namespace velkora::documents
