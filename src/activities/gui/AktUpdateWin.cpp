#include "activities/gui/AktUpdateWin.h"

#include "activities/ActivityLists.h"
#include "activities/ActivityTexts.h"
#include "activities/DocumentPath.h"
#include "activities/gui/DocumentOpener.h"
#include "activities/gui/LampIcons.h"
#include "data/FileServices.h"
#include "i18n/Messages.h"
#include "shared/AppState.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"
#include "shared/Prompter.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"
#include "ui/form/FormLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace velkora::activities {
namespace {

constexpr int kNoToDo = 254;
const QString kGeneral = "Allgemein";

template <class W> W* find(const form::RecordForm& f, const char* name) {
    return qobject_cast<W*>(f.control(name));
}

data::Activity& activity() {
    return data::files().QXADRAKT.rec;
}

std::vector<std::string> names(const ValueList& list) {
    std::vector<std::string> out;
    for (const auto& entry : list)
        out.push_back(entry.name);
    return out;
}

// The due-date, priority and remind controls follow the to-do switch; the
// days follow the remind box as well.
void enableToDo(form::RecordForm& f) {
    const bool todo = find<QCheckBox>(f, "LN:TODO")->isChecked();
    const bool remind = find<QCheckBox>(f, "AKT:ERLIST")->isChecked();
    for (const char* name : {"AKT:EDATUM", "LN:AKTPRIO", "AKT:ERLIST"})
        f.control(name)->setEnabled(todo);
    f.control("AKT:ETAGE")->setEnabled(todo && remind);
}

void switchToDo(form::RecordForm& f, bool on) {
    auto* due = find<QLineEdit>(f, "AKT:EDATUM");
    auto* priority = find<QComboBox>(f, "LN:AKTPRIO");
    if (on) {
        if (priority->currentIndex() < 0)
            priority->setCurrentIndex(1); // "Normal"
        if (!parseDate(due->text().toStdString()).value_or(0))
            due->setText(QString::fromStdString(formatDate("@d17B", today())));
    } else {
        priority->setCurrentIndex(-1);
        due->clear();
        find<QCheckBox>(f, "AKT:ERLIST")->setChecked(false);
        find<QLineEdit>(f, "AKT:ETAGE")->setText("0");
    }
    enableToDo(f);
}

void switchRemind(form::RecordForm& f, bool on) {
    if (!on)
        find<QLineEdit>(f, "AKT:ETAGE")->setText("0");
    enableToDo(f);
}

std::optional<form::LookupValue> chooseDocument(QWidget* over, const std::string& current) {
    const QString folder = QString::fromStdString(appState().DOCSPATH);
    const QString start =
        current.empty() ? folder : QString::fromStdString(documentPath(current, appState().DOCSPATH));
    const auto chosen = documentChooser()(over, folder, start);
    if (!chosen)
        return std::nullopt;
    const std::string path = cutChars(chosen->toStdString(), 254);
    return form::LookupValue{path, {}};
}

// The open button beside the pick button of the document entry.
void addOpenButton(form::RecordForm& f) {
    auto* docname = find<QLineEdit>(f, "AKT:DOCNAME");
    QPushButton* open = form::plainButton("BUTTONOPENFILE", "Dokument", "Dokument öffnen");
    form::addBeside(&f, f.control("BUTTONPICKFILE"), open);
    open->setEnabled(false);
    QObject::connect(docname, &QLineEdit::textChanged, open,
                     [open](const QString& text) { open->setEnabled(!text.trimmed().isEmpty()); });
    QObject::connect(open, &QPushButton::clicked, docname,
                     [docname] { openActivityDocument(docname->text().toStdString()); });
}

void build(form::RecordForm& f) {
    find<QLineEdit>(f, "LS:ADRESSE")->setReadOnly(true);
    for (const char* stamp : {"AKT:ADATUM", "AKT:AUHR"})
        find<QLineEdit>(f, stamp)->setReadOnly(true);
    find<QLineEdit>(f, "LS:ADRESSE")->setMaxLength(120);
    addOpenButton(f);
    QObject::connect(find<QCheckBox>(f, "LN:TODO"), &QCheckBox::clicked, &f,
                     [&f](bool on) { switchToDo(f, on); });
    QObject::connect(find<QCheckBox>(f, "AKT:ERLIST"), &QCheckBox::clicked, &f,
                     [&f](bool on) { switchRemind(f, on); });
}

void prime(data::RecordFile&) {
    activity().DATUM = today();
    activity().UHR = clockNow();
}

// The address the activity belongs to: its own, or the one selected last.
void showAddress(form::RecordForm& f) {
    const std::int32_t adrnr = activity().ADRNR != 0 ? activity().ADRNR : appState().ADRNR;
    auto& adr = data::files().QXADRESS;
    adr.clear();
    adr.rec.ADRNR = adrnr;
    if (adr.get(*data::Address::table().key("QXADRES1")) != data::NoError)
        adr.clear();
    auto* address = find<QLineEdit>(f, "LS:ADRESSE");
    address->setText(QString::fromStdString(addressLine(adr.rec)));
    address->setCursorPosition(0); // the name first, not the end of the line
    if (f.request() == browse::InsertRecord)
        activity().ADRNR = adr.rec.ADRNR;
}

void entered(form::RecordForm& f) {
    showAddress(f);
    const int kind =
        f.request() == browse::InsertRecord ? rememberedKind(appState().WORKINI) : activity().AKTART;
    find<QComboBox>(f, "LN:AKTART")->setCurrentIndex(kind - 1);
    auto* priority = find<QComboBox>(f, "LN:AKTPRIO");
    for (int i = 0; i < priority->count(); ++i)
        priority->setItemIcon(i, lampIcon(priorityLamp(i + 1)));
    const bool todo = activity().AKTPRI > 0 && activity().AKTPRI < kNoToDo;
    priority->setCurrentIndex(todo ? activity().AKTPRI - 1 : -1);
    find<QCheckBox>(f, "LN:TODO")->setChecked(todo);
    enableToDo(f);
}

std::optional<form::SaveOutcome> check(form::RecordForm&) {
    if (activity().ADRNR != 0)
        return std::nullopt;
    beep();
    i18n::ShowMessage("M.AKT_NOADRS", Icon::Exclamation, "No Address");
    return form::SaveOutcome::GiveUp;
}

void complete(form::RecordForm& f) {
    auto& akt = activity();
    akt.AUSER.clear();
    akt.ADATUM = today();
    akt.AUHR = formatTime("@T01B", clockNow());
    const int kind = find<QComboBox>(f, "LN:AKTART")->currentIndex() + 1;
    if (kind > 0)
        akt.AKTART = static_cast<std::uint8_t>(kind);
    if (f.request() == browse::InsertRecord)
        akt.AKTID = data::NextNumber(f.file(), "AKT:QXADRAK6", "AKT:AKTID", "");
    const int priority = find<QComboBox>(f, "LN:AKTPRIO")->currentIndex() + 1;
    const bool todo = find<QCheckBox>(f, "LN:TODO")->isChecked() && priority > 0;
    akt.AKTPRI = static_cast<std::uint8_t>(todo ? priority : kNoToDo);
    // An alarm shows the remark: without one there is nothing to raise.
    const bool alarm = !trim(akt.ALARM).empty() && !trim(akt.BEMERK).empty();
    akt.ALARM = alarm ? "1" : " ";
    if (kind > 0)
        rememberKind(appState().WORKINI, kind);
}

} // namespace

DocumentChooser& documentChooser() {
    static DocumentChooser chooser = [](QWidget* over, const QString& folder, const QString& start) {
        (void)folder; // the start lies in it when there is no document yet
        const QString path =
            QFileDialog::getOpenFileName(over, QString(), start, "MS-Word (*.doc *.DOC);;..(*.*) (*)");
        return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    };
    return chooser;
}

form::RecordFormDeclaration activityFormDeclaration() {
    const std::string& ini = appState().WORKINI;
    form::RecordFormDeclaration d{"qxUpdateAkt", "AktUpdateWin", &data::files().QXADRAKT};
    d.lookups = {&data::files().QXADRESS};
    d.insertTitle = "Aktivität";
    d.changeTitle = "Aktivität";
    form::FieldLookup pick;
    pick.button = "BUTTONPICKFILE";
    pick.find = [](const std::string&) { return std::nullopt; };
    pick.choose = chooseDocument;
    d.fields = {
        {.name = "LS:ADRESSE", .prompt = "Adresse", .unbound = true},
        {.name = "AKT:ADATUM", .prompt = "Geändert", .picture = "@d17B", .tab = kGeneral},
        {.name = "AKT:AUHR", .prompt = "um", .tab = kGeneral},
        {.name = "LN:AKTART",
         .prompt = "AktArt",
         .values = [ini] { return names(readKinds(ini)); },
         .tab = kGeneral,
         .unbound = true},
        {.name = "LN:AKTSTATUS",
         .prompt = "AktStatus",
         .values = [ini] { return names(readStatuses(ini)); },
         .tab = kGeneral,
         .unbound = true},
        {.name = "AKT:TITLE", .prompt = "Doc Titel", .tab = kGeneral},
        {.name = "AKT:DOCNAME", .prompt = "DocFile", .lookup = pick, .tab = kGeneral},
        {.name = "LN:TODO", .prompt = "ToDo", .checkBox = true, .tab = kGeneral, .unbound = true},
        {.name = "AKT:EDATUM", .prompt = "until", .picture = "@d17B", .tab = kGeneral},
        {.name = "LN:AKTPRIO",
         .prompt = "Prio",
         .values = [ini] { return names(readPriorities(ini)); },
         .tab = kGeneral,
         .unbound = true},
        {.name = "AKT:ERLIST", .prompt = "Remind", .checkBox = true, .tab = kGeneral},
        {.name = "AKT:ETAGE", .prompt = "Tage", .picture = "@n2", .tab = kGeneral},
        {.name = "AKT:BEMERK", .prompt = "Bemerkung", .tab = kGeneral},
        {.name = "AKT:ALARM", .prompt = "Alarm", .checkBox = true, .tab = kGeneral},
        {.name = "AKT:AKTDEV", .prompt = "Gerät", .tab = kGeneral},
        {.name = "AKT:DATUM", .prompt = "Datum", .picture = "@d17B", .tab = kGeneral},
        {.name = "AKT:UHR", .prompt = "Uhr", .picture = "@T01B", .tab = kGeneral},
        {.name = "AKT:MEMO", .prompt = "Memo", .tab = "Memo", .multiline = true},
    };
    d.pageNames = {{kGeneral, "TAB:1"}, {"Memo", "TAB2"}};
    d.required = {"AKT:TITLE"};
    d.requiredMessage = "M.AKT_NODATA";
    d.duplicateText = "AktID (Increment)";
    d.prime = prime;
    d.build = build;
    d.entered = entered;
    d.check = check;
    d.complete = complete;
    return d;
}

int qxUpdateAkt(int) {
    return form::RecordForm(activityFormDeclaration()).run();
}

} // namespace velkora::activities
