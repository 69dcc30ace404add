#include "app/gui/MainFrame.h"

#include "app/gui/FrameIcons.h"
#include "app/gui/HelpWindow.h"
#include "app/gui/Procedures.h"
#include "app/gui/ProgramPrinter.h"
#include "app/gui/ReorganiseDialog.h"
#include "app/gui/WindowPosition.h"
#include "i18n/ControlTexts.h"
#include "i18n/Translation.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace velkora::app {
namespace {

constexpr const char* kFrameSection = "Main";

// The commands each single-instance window disables while it is open. A
// helper (the calendar) serves the lists and forms: its button stays in use
// while it is open, so that a second press brings it forward, and while a
// form runs, whose field it fills.
struct SingleInstance {
    const char* procedure;
    std::vector<const char*> commands;
    bool helper = false;
};
const std::vector<SingleInstance>& singleInstances() {
    static const std::vector<SingleInstance> all = {
        {procedures::Settings, {"PRGSET"}},
        {procedures::AddressList, {"ADRBUTTON", "ADRESSLIST"}},
        {procedures::ContactList, {"TKPBUTTON", "ADRESSTKPLIST"}},
        {procedures::ActivityList, {"AKTBUTTON", "ADRESSAKTLIST"}},
        {procedures::ReminderList, {"REMINDER"}},
        {procedures::Calendar, {"CALENDAR"}, true},
        {procedures::DocumentPreparation, {"PRNBUTTON"}},
        {procedures::TranslationList, {"SERVICETRANSLATION"}},
    };
    return all;
}

// The navigation buttons in toolbar order with their codes, icons and design texts.
struct NavigationButton {
    const char* name;
    int code;
    FrameIcon icon;
    const char* text;
};
const std::vector<NavigationButton>& navigationButtons() {
    static const std::vector<NavigationButton> all = {
        {"TBARBRWTOP", NavTop, FrameIcon::First, "First page"},
        {"TBARBRWPAGEUP", NavPageUp, FrameIcon::Prior, "Previous page"},
        {"TBARBRWUP", NavUp, FrameIcon::Up, "Previous record"},
        {"TBARBRWLOCATE", NavLocate, FrameIcon::Find, "Locate record"},
        {"TBARBRWDOWN", NavDown, FrameIcon::Down, "Next record"},
        {"TBARBRWPAGEDOWN", NavPageDown, FrameIcon::Next, "Next page"},
        {"TBARBRWBOTTOM", NavBottom, FrameIcon::Last, "Last page"},
        {"TBARBRWSELECT", NavSelect, FrameIcon::Mark, "Select This Record"},
        {"TBARBRWINSERT", NavInsert, FrameIcon::Insert, "Insert a New Record"},
        {"TBARBRWCHANGE", NavChange, FrameIcon::Edit, "Edit This Record"},
        {"TBARBRWDELETE", NavDelete, FrameIcon::Delete, "Delete This Record"},
        {"TBARBRWHISTORY", NavHistory, FrameIcon::Ditto, "Previous value"},
        {"TBARBRWHELP", NavHelp, FrameIcon::Help, "Get Help"},
    };
    return all;
}

// The five window buttons take their tips from message identifiers.
struct WindowButton {
    const char* name;
    const char* tipKey;
    const char* tip; // kept when the translation table lacks the key
};
const std::vector<WindowButton>& windowButtons() {
    static const std::vector<WindowButton> all = {
        {"ADRBUTTON", "P.20_Adressenliste", "Adressenliste"},
        {"TKPBUTTON", "P.20_Kontakte", "Kontakte"},
        {"AKTBUTTON", "P.20_Aktivitaeten", "Aktivitaeten"},
        {"REMINDER", "P.25_RemindListWin", "Erinnerungen"},
        {"CALENDAR", "P.25_Calendar", "Kalender"},
    };
    return all;
}

QLabel* statusField(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    i18n::setControlType(label, i18n::VariableStringControl);
    return label;
}

void addTo(QWidget* menuOrBar, QAction* action) {
    menuOrBar->addAction(action);
}

} // namespace

MainFrame::MainFrame(const StartSwitches& switches, QWidget* parent)
    : QMainWindow(parent), switches_(switches) {
    setObjectName("Main");
    setWindowTitle("Velkora");
    setWindowIcon(frameIcon(FrameIcon::Application));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName("MDIAREA");
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    modalWaiting_.push_back(mdi_);
    buildMenus();
    buildToolBars();
    buildStatusBar();

    // A timer outside 1 to 100 hundredths would be set to one second: it is one second.
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, [this] {
        updateClock();
        updateCommands();
    });
    timer_->start();
    connect(&windowEvents(), &WindowEvents::windowsChanged, this, &MainFrame::updateCommands);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainFrame::updateCommands);

    setWindowHost(this);
    setFrameNavigation(this);
    setModalFrame(this);
    navGroup_->setVisible(switches_.toolBarNav != 0);
    updateClock();
    updateCommands();
    resize(1024, 700);
}

MainFrame::~MainFrame() {
    // The children that go with the frame must not call back into it.
    disconnect(&windowEvents(), nullptr, this, nullptr);
    disconnect(mdi_, nullptr, this, nullptr);
    setWindowHost(nullptr);
    setFrameNavigation(nullptr);
    setModalFrame(nullptr);
}

QAction* MainFrame::command(const char* name) const {
    return findChild<QAction*>(name);
}

QAction* MainFrame::navigationCommand(int code) const {
    const auto it = navigation_.find(code);
    return it != navigation_.end() ? it->second : nullptr;
}

QAction* MainFrame::addCommand(QWidget* menuOrBar, const char* name, const char* text,
                               void (MainFrame::*slot)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    addTo(menuOrBar, action);
    return action;
}

QAction* MainFrame::addWindowCommand(QWidget* menuOrBar, const char* name, const char* text,
                                     const char* procedure) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [procedure] { openWindow(procedure); });
    addTo(menuOrBar, action);
    return action;
}

void MainFrame::buildMenus() {
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("FILE");
    modalWaiting_.push_back(file);
    addCommand(file, "PRGSET", "Settings...", &MainFrame::openSettings);
    addCommand(file, "PRINTSETUP", "Print Setup ...", &MainFrame::printSetup);
    file->addSeparator();
    addWindowCommand(file, "ADRESSLIST", "Adressenliste", procedures::AddressList);
    addWindowCommand(file, "ADRESSTKPLIST", "Kontakte", procedures::ContactList);
    addWindowCommand(file, "ADRESSAKTLIST", "Aktivitaeten", procedures::ActivityList);
    QMenu* extra = file->addMenu("Zusatzdaten");
    extra->setObjectName("ADRESSENZUSATZDATEN");
    addWindowCommand(extra, "BRANCHENLIST", "Branchen", procedures::IndustryList);
    addWindowCommand(extra, "LANDLIST", "Laender", procedures::CountryList);
    addCommand(extra, "ORTLIST", "Orte", &MainFrame::openPlaceList);
    addWindowCommand(extra, "ATTMATLIST", "AttMaterial", procedures::MaterialList);
    file->addSeparator();
    QAction* exit = file->addAction("Exit");
    exit->setObjectName("EXIT");
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu("Edit");
    edit->setObjectName("EDIT");
    const struct {
        const char* name;
        const char* text;
        const char* slot;
        QKeySequence::StandardKey key;
    } editCommands[] = {{"CUT", "Cut", "cut", QKeySequence::Cut},
                        {"COPY", "Copy", "copy", QKeySequence::Copy},
                        {"PASTE", "Paste", "paste", QKeySequence::Paste}};
    for (const auto& c : editCommands) {
        auto* action = edit->addAction(c.text);
        action->setObjectName(c.name);
        action->setShortcut(c.key);
        // The focused field handles its own keys; the menu item is for the mouse.
        action->setShortcutContext(Qt::WidgetShortcut);
        const char* slot = c.slot;
        connect(action, &QAction::triggered, this, [this, slot] { editCommand(slot); });
    }

    QMenu* service = menuBar()->addMenu("Service");
    service->setObjectName("SERVICE");
    modalWaiting_.push_back(service);
    addWindowCommand(service, "ADRADRMMERGE", "AdrMailMerge", procedures::MailMergeList);
    addWindowCommand(service, "SERVICETEMPLATES", "Templates", procedures::TemplateService);
    addWindowCommand(service, "SERVICETRANSLATION", "Translation", procedures::TranslationList);
    addWindowCommand(service, "DATAIMPORT", "DataImport", procedures::DataImport);
    addWindowCommand(service, "DATAEXPORT", "DataExport", procedures::DataExport);
    addCommand(service, "SERVICEDATAUTIL", "DataUtil", &MainFrame::reorganiseAddresses);

    QMenu* window = menuBar()->addMenu("Window");
    window->setObjectName("WINDOW");
    modalWaiting_.push_back(window);
    connect(window->addAction("Tile"), &QAction::triggered, this, &MainFrame::tile);
    connect(window->addAction("Cascade"), &QAction::triggered, this,
            [this] { arrange(&QMdiArea::cascadeSubWindows); });
    addCommand(window, "ARRANGE", "Arrange Icons", &MainFrame::arrangeIcons);
    window->actions()[0]->setObjectName("TILE");
    window->actions()[1]->setObjectName("CASCADE");
    window->addSeparator();
    QAction* alarm = window->addAction("Alarm");
    alarm->setObjectName("GN:SHOWALARM");
    alarm->setCheckable(true);
    alarm->setChecked(appState().SHOWALARM != 0);
    connect(alarm, &QAction::toggled, this, &MainFrame::toggleAlarm);

    QMenu* help = menuBar()->addMenu("Help");
    help->setObjectName("HELP");
    const struct {
        const char* name;
        const char* text;
        const char* page;
    } helpCommands[] = {{"HELPINDEX", "Contents", "contents"},
                        {"HELPSEARCH", "Search for Help On...", "search"},
                        {"HELPONHELP", "How to Use Help", "onhelp"}};
    for (const auto& c : helpCommands) {
        auto* action = help->addAction(c.text);
        action->setObjectName(c.name);
        const char* page = c.page;
        connect(action, &QAction::triggered, this, [this, page] { showHelp(page); });
    }
    help->actions()[0]->setShortcut(QKeySequence::HelpContents);
}

void MainFrame::buildToolBars() {
    QToolBar* windows = addToolBar("Windows");
    windows->setObjectName("TOOLBAR");
    windows->setMovable(false);
    windows->setIconSize(QSize(24, 24));
    const struct {
        const char* name;
        FrameIcon icon;
        const char* procedure;
    } buttons[] = {{"ADRBUTTON", FrameIcon::Addresses, procedures::AddressList},
                   {"TKPBUTTON", FrameIcon::Contacts, procedures::ContactList},
                   {"AKTBUTTON", FrameIcon::Activities, procedures::ActivityList},
                   {"REMINDER", FrameIcon::Reminder, procedures::ReminderList},
                   {"CALENDAR", FrameIcon::Calendar, procedures::Calendar},
                   {"PRNBUTTON", FrameIcon::Document, procedures::DocumentPreparation}};
    for (const auto& b : buttons) {
        QAction* action = addWindowCommand(windows, b.name, "", b.procedure);
        action->setIcon(frameIcon(b.icon));
    }
    command("PRNBUTTON")->setText("Dokument erstellen");
    for (const auto& b : windowButtons())
        command(b.name)->setToolTip(b.tip);

    navGroup_ = addToolBar("Navigation");
    navGroup_->setObjectName("NAVGROUP");
    navGroup_->setMovable(false);
    navGroup_->setIconSize(QSize(24, 24));
    for (const auto& b : navigationButtons()) {
        auto* action = navGroup_->addAction(frameIcon(b.icon), b.text);
        action->setObjectName(b.name);
        const int code = b.code;
        connect(action, &QAction::triggered, this, [this, code] { forwardNavigation(code); });
        navigation_[code] = action;
        if (code == NavBottom || code == NavUp || code == NavSelect)
            navGroup_->addSeparator();
    }
}

void MainFrame::buildStatusBar() {
    actPath_ = statusField(this, "LS:ACTPATH");
    workPath_ = statusField(this, "QXWORKPATH");
    date_ = statusField(this, "DATE");
    time_ = statusField(this, "TIME");
    for (QLabel* path : {actPath_, workPath_}) {
        path->setMinimumWidth(120);
        path->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    statusBar()->addPermanentWidget(actPath_, 2);
    statusBar()->addPermanentWidget(workPath_, 2);
    statusBar()->addPermanentWidget(date_);
    statusBar()->addPermanentWidget(time_);
}

void MainFrame::open() {
    RestoreWindowPosition(this, kFrameSection);
    i18n::TranslateWindow(this, true);
    setToolBarTips();
    updateCommands();
    QMainWindow::show();
    // The first-open requests run once the frame's event loop runs.
    QTimer::singleShot(0, this, [this] {
        if (switches_.openRmdList)
            command("REMINDER")->trigger();
        if (switches_.openAdrList)
            command("ADRBUTTON")->trigger();
    });
}

void MainFrame::setToolBarTips() {
    for (const auto& b : windowButtons()) {
        // The keys are the menu's texts, with their shortcut markers.
        const std::string tip = withoutMnemonic(i18n::TranslateText(b.tipKey));
        if (!tip.empty())
            command(b.name)->setToolTip(QString::fromStdString(tip));
    }
}

void MainFrame::updateCommands() {
    for (const auto& single : singleInstances()) {
        const bool open = runningWindow(single.procedure) != nullptr;
        for (const char* name : single.commands)
            command(name)->setEnabled(single.helper || (!open && !modal_));
    }
    if (!runningWindow(procedures::AddressList) && !runningWindow(procedures::ContactList) &&
        !runningWindow(procedures::ActivityList)) {
        appState().ADRNR = 0;
        appState().TKPNR = 0;
    }
    // The settings switch alarms on and off as well.
    command("GN:SHOWALARM")->setChecked(appState().SHOWALARM != 0);
    const QString current = QDir::currentPath();
    actPath_->setText(current);
    actPath_->setToolTip(current);
    workPath_->setText(QString::fromStdString(appState().WORKPATH));
    workPath_->setToolTip(workPath_->text());
}

void MainFrame::updateClock() {
    date_->setText(QString::fromStdString(formatDate("@d17", today())));
    time_->setText(QString::fromStdString(formatTime("@T01", clockNow())));
}

void MainFrame::forwardNavigation(int code) {
    NavigationTarget* target = navigationOverride();
    if (!target)
        if (QMdiSubWindow* active = mdi_->activeSubWindow())
            target = dynamic_cast<NavigationTarget*>(active->widget());
    if (target)
        target->navigate(code);
    returnToModal();
}

void MainFrame::returnToModal() {
    // A click on the toolbar or a menu made the frame active; the user goes
    // on typing in the form.
    if (QWidget* modal = modalWindow(); modal != nullptr && modal->isVisible()) {
        modal->raise();
        modal->activateWindow();
    }
}

void MainFrame::enterModal() {
    focusBeforeModal_ = focusWidget();
    modal_ = true;
    enableWaitingParts(false);
    updateCommands();
}

void MainFrame::leaveModal() {
    modal_ = false;
    enableWaitingParts(true);
    updateCommands();
    if (focusBeforeModal_ != nullptr)
        focusBeforeModal_->setFocus();
}

void MainFrame::enableWaitingParts(bool enabled) {
    for (QWidget* part : modalWaiting_) {
        if (auto* menu = qobject_cast<QMenu*>(part))
            menu->menuAction()->setEnabled(enabled); // greyed in the menu bar, does not open
        else
            part->setEnabled(enabled);
    }
}

void MainFrame::setNavigationEnabled(int code, bool enabled) {
    if (QAction* action = navigationCommand(code))
        action->setEnabled(enabled);
}

void MainFrame::setNavigationToolTip(int code, const QString& tip) {
    if (QAction* action = navigationCommand(code))
        action->setToolTip(tip);
}

bool MainFrame::isNavigationEnabled(int code) const {
    const QAction* action = navigationCommand(code);
    return action != nullptr && action->isEnabled();
}

QWidget* MainFrame::show(QWidget* window, const std::string& procedure) {
    // Every window the frame shows keeps its place in the window file.
    window->setProperty("velkoraSection", QString::fromStdString(procedure));
    window->installEventFilter(this);
    // A tool window (the calendar) serves the forms as well, which the area
    // waits behind while they run: it floats over the frame instead.
    if (window->windowType() == Qt::Tool) {
        window->setParent(this, window->windowFlags());
        RestoreWindowPosition(window, procedure);
        window->show();
        window->activateWindow();
        return window;
    }
    QMdiSubWindow* sub = mdi_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(window->windowIcon().isNull() ? windowIcon() : window->windowIcon());
    // A window that closes itself takes its sub-window with it.
    connect(window, &QObject::destroyed, sub, &QObject::deleteLater);
    RestoreWindowPosition(window, procedure);
    // A window that shows beside the user's work (the alarm note) leaves
    // the active window and its focus where they are.
    if (window->testAttribute(Qt::WA_ShowWithoutActivating)) {
        QMdiSubWindow* active = mdi_->activeSubWindow();
        sub->show(); // the area activates every child it shows
        if (active != nullptr)
            mdi_->setActiveSubWindow(active);
        sub->raise(); // in sight over the active one
        keepInside(sub);
        return sub;
    }
    sub->show();
    keepInside(sub);
    window->setFocus();
    return sub;
}

void MainFrame::tile() {
    QList<QMdiSubWindow*> shown;
    QSize needed;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->isMinimized() || !sub->isVisible())
            continue;
        sub->showNormal();
        shown << sub;
        needed = needed.expandedTo(sub->minimumSizeHint());
    }
    // The grid with the most columns whose cells still give every window
    // its smallest size: wide lists lie one above the other.
    const QSize area = mdi_->maximumViewportSize();
    const int count = static_cast<int>(shown.size());
    for (int columns = count; columns >= 1; --columns) {
        const int rows = (count + columns - 1) / columns;
        const QSize cell(area.width() / columns, area.height() / rows);
        if (cell.width() < needed.width() || cell.height() < needed.height())
            continue;
        for (int i = 0; i < count; ++i)
            shown[i]->setGeometry(
                QRect(QPoint(i % columns * cell.width(), i / columns * cell.height()), cell));
        return;
    }
    arrange(&QMdiArea::tileSubWindows); // too many to lie side by side: they overlap, in sight
}

void MainFrame::arrange(void (QMdiArea::*arrangement)()) {
    (mdi_->*arrangement)();
    // The area's arrangements give no window less than its smallest size
    // and so push windows out of sight when they do not fit side by side.
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        keepInside(sub);
}

void MainFrame::keepInside(QMdiSubWindow* sub) {
    if (sub->isMinimized() || sub->isMaximized())
        return;
    const QSize area = mdi_->maximumViewportSize();
    QRect g = sub->geometry();
    g.setSize(g.size().boundedTo(area).expandedTo(sub->minimumSizeHint()));
    g.moveTo(std::clamp(g.x(), 0, std::max(0, area.width() - g.width())),
             std::clamp(g.y(), 0, std::max(0, area.height() - g.height())));
    sub->setGeometry(g);
}

void MainFrame::activate(QWidget* window) {
    if (window->isWindow()) { // a tool window floating over the frame
        window->raise();
        window->activateWindow();
        return;
    }
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->widget() != window)
            continue;
        if (sub->isMinimized())
            sub->showNormal();
        mdi_->setActiveSubWindow(sub);
    }
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched->isWidgetType())
        SaveWindowPosition(static_cast<QWidget*>(watched),
                           watched->property("velkoraSection").toString().toStdString());
    return QMainWindow::eventFilter(watched, event);
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (modalWindow() != nullptr) { // the form on top is finished first
        event->ignore();
        return;
    }
    if (QWidget* alarm = runningWindow(procedures::Alarm))
        alarm->close();
    closeToolWindows();
    mdi_->closeAllSubWindows();
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->isVisible()) { // a child that refuses to close keeps the frame open
            event->ignore();
            return;
        }
    SaveWindowPosition(this, kFrameSection);
    event->accept();
}

void MainFrame::openSettings() {
    if (runningWindow(procedures::Settings))
        return;
    // No list may hold stale values, or a file of the data folder, while the settings change.
    closeToolWindows();
    if (QWidget* alarm = runningWindow(procedures::Alarm))
        alarm->close();
    mdi_->closeAllSubWindows();
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->isVisible()) // a child that refuses to close keeps the settings shut
            return;
    openWindow(procedures::Settings);
}

void MainFrame::closeToolWindows() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && child->windowType() == Qt::Tool)
            child->close();
}

void MainFrame::openPlaceList() {
    const bool withStreets = profile::readInt(appState().STARTINI, "DEFAULT", "AdrStrExt", 0) > 0;
    openWindow(withStreets ? procedures::PlaceListWithStreets : procedures::PlaceList);
}

void MainFrame::printSetup() {
    runPrinterSetup(this);
}

void MainFrame::editCommand(const char* slot) {
    // The menu made the frame active: the field meant is the form's.
    if (QWidget* field = fieldInUse())
        QMetaObject::invokeMethod(field, slot);
    returnToModal();
}

void MainFrame::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->isMinimized())
            continue;
        sub->move(x, mdi_->viewport()->height() - sub->height());
        x += sub->width();
    }
}

void MainFrame::toggleAlarm(bool on) {
    appState().SHOWALARM = on ? 1 : 0;
}

void MainFrame::reorganiseAddresses() {
    runReorganiseDialog(this);
}

void MainFrame::showHelp(const char* page) {
    openHelp(page);
}

} // namespace velkora::app
