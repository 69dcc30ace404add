#include "ui/form/UpdateForm.h"

#include "app/gui/ModalRun.h"
#include "app/gui/WindowPosition.h"
#include "i18n/Messages.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/Prompter.h"
#include "ui/browse/FormRequest.h"
#include "ui/form/FieldBindings.h"
#include "ui/form/FormHelp.h"
#include "ui/form/FormNavigation.h"
#include "ui/form/RecordSave.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <map>

namespace velkora::form {

using namespace app;

UpdateForm::UpdateForm(std::string procedure, QWidget* parent)
    : QDialog(parent), procedure_(std::move(procedure)) {
    // The previous-value key is the key of virtual-key code DE hex: Ä on a
    // German keyboard, the apostrophe on an English one.
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Adiaeresis, Qt::CTRL | Qt::Key_Apostrophe}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, &UpdateForm::previousValue);
    }
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &UpdateForm::pressHelp);
}

UpdateForm::~UpdateForm() = default;

QHBoxLayout* UpdateForm::formButtonRow(const ButtonNames& names) {
    auto button = [](const char* name, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        return b;
    };
    QPushButton* ok = button(names.ok, "OK");
    ok->setDefault(true);
    QPushButton* cancel = button(names.cancel, "Abbrechen");
    QPushButton* help = button(names.help, "Hilfe");
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : {ok, cancel, help})
        row->addWidget(b);
    setFormButtons(ok, cancel, help);
    return row;
}

void UpdateForm::setFormButtons(QAbstractButton* ok, QAbstractButton* cancel, QAbstractButton* help) {
    ok_ = ok;
    cancel_ = cancel;
    help_ = help;
    connect(ok, &QAbstractButton::clicked, this, &UpdateForm::complete);
    connect(cancel, &QAbstractButton::clicked, this, &UpdateForm::cancel);
    connect(help, &QAbstractButton::clicked, this, [this] { showHelp(procedure_); });
}

int UpdateForm::run() {
    browse::FormExchange& exchange = browse::formExchange();
    request_ = entryRequest_ = exchange.request;
    exchange.request = 0;
    exchange.response = 0;
    response_ = browse::RequestCancelled;
    navigation_ = 0;

    if (openFiles()) {
        loadRecord();
        takeEntryCopy();
        if (request_ == browse::InsertRecord) {
            primeRecord();
            takeEntryCopy();
        }
        if (request_ == browse::DeleteRecord)
            response_ = confirmAndDelete([this] { return deleteRecord(); });
        else
            openWindow();
    }
    closeFiles();

    exchange.response = response_;
    exchange.navigation = navigation_;
    return response_;
}

void UpdateForm::openWindow() {
    if (layout())
        layout()->activate();
    setMinimumSize(sizeHint());
    // Modal to everything but the frame's toolbar and Edit and Help menus,
    // which serve the form while it runs.
    ModalRun run(this);
    const auto quit = connect(this, &QDialog::finished, this, [&run] { run.quit(); });
    NavigationOverride toolbarToThisForm(this);
    // Shown first, so a form without a stored position opens where the
    // platform places it rather than in a corner.
    show();
    RestoreWindowPosition(this, procedure_);
    i18n::TranslateWindow(this, false);
    if (request_ == browse::InsertRecord)
        setWindowTitle(QStringLiteral("* ") + windowTitle());
    applyNavigation();
    if (enterWindow())
        run.exec();
    disconnect(quit);
    SaveWindowPosition(this, procedure_);
    hide();
}

void UpdateForm::applyNavigation() {
    NavigationBar* bar = frameNavigation();
    if (!bar)
        return;
    if (navigationShown_)
        showFormNavigation(*bar, request_, help_ && help_->isEnabled());
    else
        disableNavigation(*bar);
}

void UpdateForm::setNavigationShown(bool shown) {
    navigationShown_ = shown;
    applyNavigation();
}

void UpdateForm::navigate(int code) {
    if (code == NavHistory) {
        previousValue();
    } else if (code == NavHelp) {
        pressHelp();
    } else if (navigationShown_ && isSaveAndNavigate(request_, code)) {
        navigation_ = code;
        complete();
    }
}

void UpdateForm::complete() {
    if (QWidget* invalid = invalidField()) {
        beep();
        i18n::ShowMessage("M.FLD_INVALID", Icon::Exclamation, "Invalid Entry");
        showField(invalid);
        navigation_ = 0;
        return;
    }
    switch (save()) {
    case SaveOutcome::Saved:
        finish(browse::RequestCompleted);
        break;
    case SaveOutcome::Unchanged:
        // The list moves on the navigation code alone; a plain OK completes.
        finish(navigation_ == 0 ? browse::RequestCompleted : browse::RequestCancelled);
        break;
    case SaveOutcome::KeepOpen:
        navigation_ = 0;
        break;
    case SaveOutcome::GiveUp:
        navigation_ = 0;
        finish(browse::RequestCancelled);
        break;
    }
}

void UpdateForm::showField(QWidget* field) {
    // A field on a page not shown: its tab comes forward first.
    for (QTabWidget* tabs : findChildren<QTabWidget*>())
        for (int page = 0; page < tabs->count(); ++page)
            if (tabs->widget(page)->isAncestorOf(field))
                tabs->setCurrentIndex(page);
    field->setFocus();
}

void UpdateForm::cancel() {
    navigation_ = 0;
    finish(browse::RequestCancelled);
}

void UpdateForm::reject() {
    cancel();
}

void UpdateForm::finish(int response) {
    response_ = response;
    done(response == browse::RequestCompleted ? Accepted : Rejected);
}

data::RecordCopy& UpdateForm::lastSaved(const std::string& procedure) {
    static std::map<std::string, data::RecordCopy> saved;
    return saved[procedure];
}

void UpdateForm::previousValue() {
    const data::RecordCopy& last = lastSaved(procedure_);
    const FieldBindings* fields = previousValueFields();
    if (QWidget* focus = focusWidget(); focus && fields && last.data())
        fields->showPrevious(focus, last.data());
}

void UpdateForm::pressHelp() {
    if (help_ && help_->isEnabled())
        help_->click();
}

bool UpdateForm::event(QEvent* e) {
    // Back on top after a nested form or a lookup list: the toolbar is ours again.
    if (e->type() == QEvent::WindowActivate && isVisible())
        applyNavigation();
    return QDialog::event(e);
}

} // namespace velkora::form
