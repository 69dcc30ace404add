#include "ui/browse/BrowseWindow.h"

#include "app/gui/HelpWindow.h"
#include "app/gui/WindowPosition.h"
#include "data/StandardWarnings.h"
#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace velkora::browse {
namespace {

constexpr const char* kIconHeader = " ..";

QPushButton* makeButton(QWidget* parent, const std::string& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromStdString(name));
    button->setAutoDefault(false);
    return button;
}

struct ToolbarTip {
    int code;
    const char* text;
};
constexpr ToolbarTip kToolbarTips[] = {
    {app::NavBottom, "zur letzen Datenseite springen"},
    {app::NavTop, "zur ertsten Datenseite springen"},
    {app::NavPageDown, "zur nächsten Datenseite springen"},
    {app::NavPageUp, "zur vorherigen Datenseite springen"},
    {app::NavDown, "zum nächsten Datensatz springen"},
    {app::NavUp, "zum vorherigen Datensatz springen"},
    {app::NavInsert, "neuen Datensatz anlegen"},
};

// The font style bits of a list layout ("XploreStyle-").
struct StyleBit {
    long bit;
    bool (QFont::*get)() const;
    void (QFont::*set)(bool);
};
const StyleBit kStyleBits[] = {
    {1, &QFont::bold, &QFont::setBold},
    {2, &QFont::italic, &QFont::setItalic},
    {4, &QFont::underline, &QFont::setUnderline},
    {8, &QFont::strikeOut, &QFont::setStrikeOut},
};

std::optional<Scroll> scrollStep(ListAction action) {
    static constexpr std::pair<ListAction, Scroll> kSteps[] = {
        {ListAction::OneUp, Scroll::OneUp},   {ListAction::OneDown, Scroll::OneDown},
        {ListAction::PageUp, Scroll::PageUp}, {ListAction::PageDown, Scroll::PageDown},
        {ListAction::Top, Scroll::Top},       {ListAction::Bottom, Scroll::Bottom},
    };
    for (const auto& [listAction, step] : kSteps)
        if (listAction == action)
            return step;
    return std::nullopt;
}

} // namespace

BrowseWindow::BrowseWindow(BrowseDeclaration declaration, std::unique_ptr<BrowseSource> source,
                           QWidget* parent)
    : QWidget(parent), declaration_(std::move(declaration)), source_(std::move(source)),
      list_(new BrowseList), sheet_(new QTabWidget(this)), searchPrompt_(new QLabel(this)),
      searchEntry_(new QLineEdit(this)), keysTimer_(new QTimer(this)) {
    setObjectName(QString::fromStdString(declaration_.procedure));
    sortField_ = declaration_.keyOrder.empty() ? 1 : 0;
    if (!declaration_.buildRow) {
        declaration_.buildRow = [columns = declaration_.columns](const BrowseSource& s) {
            return pictureRow(columns, s);
        };
    }
    page_ = std::make_unique<BrowsePage>(*source_, declaration_.buildRow);
    // The designed columns show the headers of the column table.
    designed_ = layout::parseListFormat(declaration_.designFormat).value_or(layout::ListFormat{});
    for (std::size_t i = 0; i < designed_.columns.size(); ++i) {
        const int field = designed_.fieldOf(i);
        if (field >= 1 && field <= static_cast<int>(declaration_.columns.size())) {
            const auto& column = declaration_.columns[static_cast<std::size_t>(field - 1)];
            designed_.columns[i].header = column.listHeader.empty() ? column.header : column.listHeader;
        }
    }

    // The list's design name: "?Browse:1" is BROWSE:1, "?LIST" is LIST.
    QString listName = QString::fromStdString(declaration_.listName).toUpper();
    if (listName.startsWith('?'))
        listName.remove(0, 1);
    list_->setObjectName(listName);
    list_->setIcons(declaration_.icons);
    list_->setFormat(designed_);
    sheet_->setObjectName("CURRENTTAB");
    if (declaration_.tabs.empty())
        declaration_.tabs.push_back({"TAB:1", QString()});
    for (const auto& tab : declaration_.tabs) {
        auto* pageWidget = new QWidget;
        pageWidget->setObjectName(QString::fromStdString(tab.name));
        auto* box = new QVBoxLayout(pageWidget);
        box->setContentsMargins(2, 2, 2, 2);
        sheet_->addTab(pageWidget, tab.text);
    }
    moveListToTab(0);
    connect(sheet_, &QTabWidget::currentChanged, this, &BrowseWindow::moveListToTab);

    searchPrompt_->setObjectName("LS:SEARCHPROMPT");
    searchEntry_->setObjectName("LS:SEARCHSTRING");
    searchEntry_->setMaxLength(static_cast<int>(Locator::kMaxChars));
    searchPrompt_->setBuddy(searchEntry_);
    // The prompt is the sort column's (translated) heading, set at run time:
    // not a design text of its own.
    i18n::setControlType(searchPrompt_, i18n::VariableStringControl);
    const std::string& prefix = declaration_.buttonPrefix;
    const std::string& suffix = declaration_.buttonSuffix;
    insert_ = makeButton(this, prefix + "INSERT" + suffix, "New");
    change_ = makeButton(this, prefix + "CHANGE" + suffix, "Change");
    delete_ = makeButton(this, prefix + "DELETE" + suffix, "Delete");
    close_ = makeButton(this, "CLOSE", "Close");
    help_ = makeButton(this, "HELP", "Help");
    config_ = makeButton(this, "BRWCFGBUTTON", "Format...");
    config_->setToolTip("Spalten einstellen (Alt+F12)");
    if (declaration_.select != SelectButton::None) {
        select_ = makeButton(this, "SELECT", "Select");
        connect(select_, &QPushButton::clicked, this, &BrowseWindow::select);
    }
    if (declaration_.embedded) {
        // The window around it has these; hidden and nameless, so its own are found.
        for (QWidget* own :
             std::initializer_list<QWidget*>{searchPrompt_, searchEntry_, close_, help_, config_}) {
            own->hide();
            own->setObjectName(QString());
        }
        sheet_->setObjectName(QString());
        sheet_->widget(0)->setObjectName(QString());
        sheet_->tabBar()->hide();
    }

    auto* locatorRow = new QHBoxLayout;
    locatorRow->addWidget(searchPrompt_);
    locatorRow->addWidget(searchEntry_, 1);
    locatorRow->addStretch(1);
    locatorRow->addWidget(config_);
    auto* buttonRow = new QHBoxLayout;
    extraButtons_ = new QHBoxLayout;
    buttonRow->addLayout(extraButtons_);
    buttonRow->addStretch(1);
    if (select_ != nullptr)
        buttonRow->addWidget(select_);
    for (auto* button : {insert_, change_, delete_, close_, help_})
        buttonRow->addWidget(button);
    auto* main = new QVBoxLayout(this);
    main->addWidget(sheet_, 1);
    main->addLayout(locatorRow);
    main->addLayout(buttonRow);

    keysTimer_->setSingleShot(true);
    keysTimer_->setInterval(0);
    connect(keysTimer_, &QTimer::timeout, this, &BrowseWindow::catchUp);
    connect(list_, &BrowseList::action, this, &BrowseWindow::act);
    connect(list_, &BrowseList::movesDone, this, &BrowseWindow::showPendingMoves);
    connect(list_, &BrowseList::rowChosen, this, [this](int row) {
        catchUp();
        page_->select(row);
        pageMoved();
    });
    connect(list_, &BrowseList::headerClicked, this, &BrowseWindow::sortBy);
    connect(list_, &BrowseList::thumbMoved, this, [this](int percent) {
        catchUp();
        page_->thumb(percent);
        pageMoved();
    });
    connect(list_, &BrowseList::pageSizeChanged, this, &BrowseWindow::pageSizeChanged);
    connect(list_, &BrowseList::locatorBackspace, this, [this] {
        showPendingMoves();
        locator_.backspace();
        searchEntry_->setText(QString::fromStdString(locator_.text()));
        scheduleLocate();
    });
    connect(list_, &BrowseList::locatorTyped, this, [this](const QString& text) {
        showPendingMoves();
        locator_.append(text.toStdString());
        searchEntry_->setText(QString::fromStdString(locator_.text()));
        scheduleLocate();
    });
    connect(searchEntry_, &QLineEdit::returnPressed, this, [this] {
        locator_.set(searchEntry_->text().toStdString());
        searchEntry_->setModified(false);
        locate();
    });
    connect(searchEntry_, &QLineEdit::editingFinished, this, [this] {
        if (!searchEntry_->isModified())
            return;
        searchEntry_->setModified(false);
        locator_.set(searchEntry_->text().toStdString());
        locate();
    });
    connect(insert_, &QPushButton::clicked, this, [this] { ask(InsertRecord); });
    connect(change_, &QPushButton::clicked, this, [this] { ask(ChangeRecord); });
    connect(delete_, &QPushButton::clicked, this, [this] { ask(DeleteRecord); });
    connect(close_, &QPushButton::clicked, this, &BrowseWindow::closeList);
    connect(help_, &QPushButton::clicked, this, &BrowseWindow::helpRequested);
    connect(config_, &QPushButton::clicked, this, &BrowseWindow::openColumnDialog);
    list_->table()->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_->table()->horizontalHeader(), &QWidget::customContextMenuRequested, this,
            &BrowseWindow::openListboxDialog);
    showSortMarker();
    showLocatorPrompt();
    updateButtons();
}

BrowseWindow::~BrowseWindow() = default;

QPushButton* BrowseWindow::addExtraButton(const char* name, const QString& text, const QString& tip) {
    QPushButton* button = makeButton(this, name, text);
    button->setToolTip(tip);
    extraButtons_->addWidget(button);
    return button;
}

void BrowseWindow::moveListToTab(int index) {
    QWidget* pageWidget = sheet_->widget(index);
    if (pageWidget == nullptr || list_->parentWidget() == pageWidget)
        return;
    if (placement_.isEmpty()) {
        pageWidget->layout()->addWidget(list_);
        return;
    }
    list_->setParent(pageWidget);
    list_->setGeometry(placement_);
    list_->show();
}

void BrowseWindow::placeList(const QRect& placement) {
    if (!declaration_.remembersPlacement || placement.width() <= 0 || placement.height() <= 0)
        return;
    placement_ = placement;
    QWidget* pageWidget = list_->parentWidget();
    pageWidget->layout()->removeWidget(list_);
    // The sheet grows so that the whole list stays in sight.
    pageWidget->setMinimumSize(placement.x() + placement.width(), placement.y() + placement.height());
    list_->setGeometry(placement);
}

void BrowseWindow::applyListLook(const layout::ListLayout& look) {
    if (!look.font.empty() && look.point > 0) {
        QFont font(QString::fromStdString(look.font), look.point);
        for (const auto& style : kStyleBits)
            (font.*style.set)((look.style & style.bit) != 0);
        list_->table()->setFont(font);
    }
    list_->setTextColour(look.color);
    list_->setLineHeight(look.lineHeight);
    list_->setScrollBars(look.hscroll, look.vscroll);
}

void BrowseWindow::closeList() {
    app::outerWindow(this)->close();
}

void BrowseWindow::openBrowse() {
    if (!declaration_.embedded) {
        i18n::TranslateWindow(this, false);
        app::RestoreWindowPosition(this, declaration_.procedure);
    }
    restored_ = layout::restoreListLayout(app::windowFile(), declaration_.procedure, declaration_.listName,
                                          declaration_.designFormat, currentLayout());
    applyListLook(restored_);
    placeList({restored_.xpos, restored_.ypos, restored_.width, restored_.height});
    // After the font: the columns' widths in pixels follow from it.
    list_->setFormat(layout::parseListFormat(restored_.format).value_or(designed_));
    // The headings are translated as designed; marker and prompt follow.
    list_->setSortMarker(0, false);
    i18n::TranslateListHeaders(list_->table());
    const int field = std::abs(restored_.prevCol);
    if (field >= 1 && field <= static_cast<int>(declaration_.columns.size())) {
        sortField_ = field;
        descending_ = restored_.prevCol < 0;
    }
    showSortMarker();
    showLocatorPrompt();
    page_->setPageSize(list_->visibleRows());
    opened_ = true;
    reopenView();
    page_->top();
    pageMoved();
}

SortOrder BrowseWindow::currentOrder() const {
    if (sortField_ == 0)
        return {declaration_.keyOrder, {}, 0}; // no locator field: the key order does not locate
    return sortOrder(declaration_.columns[static_cast<std::size_t>(sortField_ - 1)], descending_,
                     declaration_.sortMappings);
}

void BrowseWindow::reopenView() {
    const auto order = currentOrder();
    if (!source_->open(order.expression))
        data::ShowStandardWarning(data::Warn::ViewOpenError);
}

void BrowseWindow::showSortMarker() {
    list_->setSortMarker(sortField_, descending_);
}

// The sort column's header without its marker: as the list shows it, or
// from the column table when the user has hidden that column.
QString BrowseWindow::sortHeader() const {
    if (sortField_ == 0)
        return {};
    const int index = list_->format().indexOfField(sortField_);
    if (index >= 0)
        return QString::fromStdString(list_->format().columns[static_cast<std::size_t>(index)].header);
    const auto& column = declaration_.columns[static_cast<std::size_t>(sortField_ - 1)];
    return QString::fromStdString(column.listHeader.empty() ? column.header : column.listHeader);
}

void BrowseWindow::showLocatorPrompt() {
    const QString header = sortHeader();
    const bool shown = !header.isEmpty() && header != kIconHeader && !declaration_.embedded;
    searchPrompt_->setText(header.trimmed() + ":");
    searchPrompt_->setVisible(shown);
    searchEntry_->setVisible(shown);
}

void BrowseWindow::sortBy(int field) {
    if (field < 1 || field > static_cast<int>(declaration_.columns.size()))
        return;
    catchUp();
    if (field == sortField_) {
        descending_ = !descending_;
    } else {
        sortField_ = field;
        descending_ = false;
    }
    locator_.clear();
    searchEntry_->clear();
    showSortMarker();
    showLocatorPrompt();
    if (!opened_)
        return;
    const BrowseRow* row = page_->currentRow();
    const std::string position = row != nullptr ? row->position : std::string();
    reopenView();
    if (position.empty())
        page_->top();
    else
        page_->resetTo(position);
    pageMoved();
}

void BrowseWindow::scheduleLocate() {
    // Restarted by every key: the page is read once the typing pauses, not per key.
    locatePending_ = true;
    keysTimer_->start();
}

void BrowseWindow::catchUp() {
    keysTimer_->stop();
    if (locatePending_)
        locate();
    showPendingMoves();
}

void BrowseWindow::showPendingMoves() {
    if (pendingMoves_.empty())
        return;
    page_->scroll(std::exchange(pendingMoves_, {}));
    pageMoved();
}

void BrowseWindow::locate() {
    locatePending_ = false;
    if (!opened_)
        return;
    showPendingMoves();
    const auto order = currentOrder();
    const std::string text = clip(locator_.text());
    std::optional<std::vector<std::string>> values;
    if (!order.locatorField.empty())
        values = declaration_.locate ? declaration_.locate(order.locatorField, text)
                                     : std::optional<std::vector<std::string>>({text});
    reopenView();
    if (values) {
        page_->locate(*values);
    } else if (const BrowseRow* row = page_->currentRow()) {
        const std::string position = row->position;
        page_->resetTo(position);
    } else {
        page_->top();
    }
    pageMoved();
}

void BrowseWindow::setLocatorText(const std::string& text) {
    locator_.set(text);
    searchEntry_->setText(QString::fromStdString(locator_.text()));
    searchEntry_->setModified(false);
}

void BrowseWindow::showRecord(const std::string& position) {
    if (!opened_ || closing_)
        return;
    catchUp();
    reopenView();
    page_->resetTo(position);
    pageMoved();
}

int BrowseWindow::runSelection() {
    selecting_ = true;
    response_ = RequestCancelled;
    updateButtons();
    if (closing_)
        return response_;
    // Over the form that asked, which waits for the answer; the toolbar
    // serves the list meanwhile.
    setWindowFlag(Qt::Dialog);
    setWindowModality(Qt::ApplicationModal);
    app::NavigationOverride toolbarToThisList(this);
    QEventLoop loop;
    connect(this, &BrowseWindow::closed, &loop, &QEventLoop::quit);
    show();
    activateWindow();
    updateToolbar();
    loop.exec();
    return response_;
}

void BrowseWindow::select() {
    if (select_ == nullptr || !select_->isEnabled() || closing_)
        return;
    catchUp();
    const ReadResult read = page_->regetCurrent();
    if (read == ReadResult::Error) {
        readFailed();
        return;
    }
    if (read == ReadResult::End) { // gone meanwhile: show what is there now
        refresh();
        return;
    }
    rowSelected();
    response_ = RequestCompleted;
    closeList();
}

void BrowseWindow::refresh() {
    if (!opened_ || closing_)
        return;
    catchUp();
    const BrowseRow* row = page_->currentRow();
    const std::string position = row != nullptr ? row->position : std::string();
    reopenView();
    if (position.empty())
        page_->top();
    else
        page_->resetTo(position);
    pageMoved();
}

void BrowseWindow::pageSizeChanged(int rows) {
    catchUp(); // steps taken so far count in the page size they were meant for
    page_->setPageSize(rows);
    if (!opened_ || page_->empty())
        return;
    const std::string first = page_->rows().front().position;
    const std::string current = page_->currentRow()->position;
    page_->resetTo(first);
    const auto& shown = page_->rows();
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i].position == current)
            page_->select(static_cast<int>(i));
    pageMoved();
}

void BrowseWindow::act(ListAction action) {
    if (!opened_ || closing_)
        return;
    if (const auto step = scrollStep(action)) {
        if (locatePending_) // typed before this key
            locate();
        if (*step == Scroll::Top || *step == Scroll::Bottom)
            pendingMoves_.clear(); // the page starts afresh: earlier steps no longer matter
        pendingMoves_.push_back(*step);
        if (list_->movesFollow())
            keysTimer_->start();
        else
            showPendingMoves();
        return;
    }
    catchUp();
    switch (action) {
    case ListAction::Insert:
        if (insert_->isEnabled())
            ask(InsertRecord);
        return;
    case ListAction::Delete:
        if (delete_->isEnabled())
            ask(DeleteRecord);
        return;
    case ListAction::Change:
        if (change_->isEnabled())
            ask(ChangeRecord);
        return;
    case ListAction::Format:
        openColumnDialog();
        return;
    case ListAction::Help:
        helpRequested();
        return;
    default:
        return;
    }
}

void BrowseWindow::pageMoved() {
    list_->showPage(*page_);
    if (page_->failed()) {
        readFailed();
        return;
    }
    if (page_->empty()) {
        source_->clearRecord();
        if (selected_ != std::string()) {
            selected_ = std::string();
            viewEmpty();
        }
    } else {
        if (page_->regetCurrent() == ReadResult::Error) {
            readFailed();
            return;
        }
        const std::string& position = page_->currentRow()->position;
        if (position != selected_) {
            selected_ = position;
            selectionChanged();
        }
    }
    updateButtons();
}

void BrowseWindow::readFailed() {
    if (closing_)
        return;
    data::ShowStandardWarning(data::Warn::RecordFetchError, source_->fileName());
    QTimer::singleShot(0, close_, &QPushButton::click);
}

void BrowseWindow::ask(int request) {
    if (declaration_.form.empty() || inForm_ || !opened_)
        return;
    catchUp();
    inForm_ = true;
    for (;;) {
        if (request == InsertRecord) {
            source_->clearRecord();
        } else {
            if (page_->empty())
                break;
            const ReadResult read = page_->regetCurrent();
            if (read == ReadResult::Error) {
                inForm_ = false;
                readFailed();
                return;
            }
            if (read == ReadResult::End) { // gone meanwhile: show what is there now
                refresh();
                break;
            }
        }
        const int response = callForm(declaration_.form, request);
        if (response == RequestCompleted) {
            if (request == DeleteRecord) {
                page_->removeCurrent();
            } else if (const std::string position = source_->formPosition(); !position.empty()) {
                reopenView();
                // Moving on from the form starts from the page the user saw:
                // the saved record keeps its row, so "next" on the last row
                // shifts the page by one record.
                page_->resetTo(position, formExchange().navigation != 0 ? page_->current() : 0);
            }
            pageMoved();
            if (closing_)
                break;
            formCompleted(request);
        }
        if (!followNavigation(request))
            break;
    }
    inForm_ = false;
    updateButtons();
}

// After a form returns with a navigation code: moves as the toolbar button
// would and tells whether the form opens again (with the request to use).
bool BrowseWindow::followNavigation(int& request) {
    switch (formExchange().navigation) {
    case app::NavInsert:
        request = InsertRecord;
        return true;
    case app::NavDown:
        if (request == InsertRecord)
            return true;
        page_->scroll(Scroll::OneDown);
        break;
    case app::NavBottom:
        page_->bottom();
        break;
    case app::NavTop:
        page_->top();
        break;
    case app::NavPageDown:
        page_->scroll(Scroll::PageDown);
        break;
    case app::NavPageUp:
        page_->scroll(Scroll::PageUp);
        break;
    case app::NavUp:
        page_->scroll(Scroll::OneUp);
        break;
    default:
        return false;
    }
    request = ChangeRecord;
    pageMoved();
    return !page_->empty() && !closing_;
}

void BrowseWindow::navigate(int code) {
    // The toolbar buttons that act as the list's own keys and buttons do.
    static constexpr std::pair<int, ListAction> kActions[] = {
        {app::NavInsert, ListAction::Insert}, {app::NavChange, ListAction::Change},
        {app::NavDelete, ListAction::Delete}, {app::NavBottom, ListAction::Bottom},
        {app::NavTop, ListAction::Top},       {app::NavPageDown, ListAction::PageDown},
        {app::NavPageUp, ListAction::PageUp}, {app::NavDown, ListAction::OneDown},
        {app::NavUp, ListAction::OneUp},      {app::NavHelp, ListAction::Help},
    };
    for (const auto& [navigation, action] : kActions) {
        if (navigation == code) {
            act(action);
            return;
        }
    }
    if (code == app::NavSelect)
        select();
    else if (code == app::NavLocate)
        locateRequested();
}

void BrowseWindow::helpRequested() {
    app::openHelp("contents");
}

void BrowseWindow::updateButtons() {
    // An empty view leaves only New: nothing to change or delete.
    const bool rows = !page_->empty();
    const bool form = !declaration_.form.empty();
    change_->setEnabled(rows && form);
    delete_->setEnabled(rows && form);
    insert_->setEnabled(form && insertAllowed());
    if (select_ != nullptr)
        select_->setEnabled(rows && (selecting_ || declaration_.select == SelectButton::Always));
    updateToolbar();
}

bool BrowseWindow::isActiveBrowse() const {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sub->mdiArea() != nullptr && sub->mdiArea()->activeSubWindow() == sub;
    return isActiveWindow();
}

void BrowseWindow::updateToolbar() {
    app::NavigationBar* bar = app::frameNavigation();
    if (bar == nullptr || declaration_.embedded || !isActiveBrowse())
        return;
    bar->setNavigationEnabled(app::NavInsert, insert_->isEnabled());
    bar->setNavigationEnabled(app::NavChange, change_->isEnabled());
    bar->setNavigationEnabled(app::NavDelete, delete_->isEnabled());
    bar->setNavigationEnabled(app::NavSelect, select_ != nullptr && select_->isEnabled());
    bar->setNavigationEnabled(app::NavHistory, false);
    for (const auto& tip : kToolbarTips)
        bar->setNavigationToolTip(tip.code, QString::fromUtf8(tip.text));
}

bool BrowseWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::FocusIn)
        updateToolbar();
    // Inside the frame the toolbar follows whichever child becomes active.
    if (event->type() == QEvent::Show && !followsFrame_) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
            sub != nullptr && sub->mdiArea() != nullptr) {
            followsFrame_ = true;
            connect(sub->mdiArea(), &QMdiArea::subWindowActivated, this, [this, sub](QMdiSubWindow* active) {
                if (active == sub)
                    updateToolbar();
            });
        }
    }
    return QWidget::event(event);
}

layout::ListLayout BrowseWindow::currentLayout() const {
    layout::ListLayout out;
    layout::ListFormat format = list_->format();
    format.normaliseFields();
    out.format = layout::listFormatText(format);
    out.xpos = list_->x();
    out.ypos = list_->y();
    out.width = list_->width();
    out.height = list_->height();
    out.hscroll = list_->table()->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    out.vscroll = !list_->thumbBar()->isHidden();
    out.lineHeight = list_->lineHeight();
    const QFont font = list_->table()->font();
    out.font = font.family().toStdString();
    out.point = font.pointSize();
    out.color = list_->textColour();
    out.style = 0;
    for (const auto& style : kStyleBits)
        if ((font.*style.get)())
            out.style |= style.bit;
    out.prevCol = descending_ ? -sortField_ : sortField_;
    return out;
}

void BrowseWindow::applyFormat(const layout::ListFormat& format) {
    list_->setFormat(format);
    showSortMarker();
    showLocatorPrompt();
    list_->showPage(*page_);
}

layout::FormatSession BrowseWindow::formatSession() const {
    layout::FormatSession session;
    session.format = list_->format();
    session.designed = designed_;
    for (const auto& column : declaration_.columns)
        session.fields.push_back({column.field, column.header, column.picture});
    session.font = list_->table()->font();
    session.lineHeight = list_->lineHeight();
    session.hscroll = list_->table()->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    session.vscroll = !list_->thumbBar()->isHidden();
    session.placement = list_->geometry();
    return session;
}

void BrowseWindow::applySession(const layout::FormatSession& session) {
    list_->table()->setFont(session.font);
    list_->setLineHeight(session.lineHeight);
    list_->setScrollBars(session.hscroll, session.vscroll);
    placeList(session.placement);
    applyFormat(session.format);
}

void BrowseWindow::openColumnDialog() {
    layout::FormatSession session = formatSession();
    const int column = std::max(0, list_->table()->currentIndex().column());
    if (layout::runListFormatDialog(session, column, this))
        applySession(session);
    // The dialog shows plain headers; the marker goes back on the sort column.
    showSortMarker();
}

void BrowseWindow::openListboxDialog() {
    layout::FormatSession session = formatSession();
    if (layout::runFormatListboxDialog(session, this))
        applySession(session);
    showSortMarker();
}

void BrowseWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        keysTimer_->stop();
        locatePending_ = false;
        pendingMoves_.clear();
        browseClosing();
        if (opened_)
            layout::saveListLayout(app::windowFile(), declaration_.procedure, declaration_.listName,
                                   declaration_.designFormat, currentLayout());
        if (!declaration_.embedded)
            app::SaveWindowPosition(this, declaration_.procedure);
        emit closed();
    }
    event->accept();
}

} // namespace velkora::browse
