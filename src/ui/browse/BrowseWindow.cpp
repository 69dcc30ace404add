#include "ui/browse/BrowseWindow.h"

#include "app/gui/HelpWindow.h"
#include "app/gui/WindowPosition.h"
#include "data/StandardWarnings.h"
#include "i18n/gui/WindowTranslator.h"
#include "ui/browse/FormRequest.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace velkora::browse {

// The window's roles live in files of their own: BrowseWindowKeys.cpp
// (paging), BrowseWindowLocator.cpp, BrowseWindowSort.cpp,
// BrowseWindowForms.cpp (form calls, selection), BrowseWindowToolbar.cpp
// and BrowseWindowFormat.cpp (look and format dialogs); the controls are
// built in BrowseControls.cpp. Here: building, opening, showing a page, closing.
BrowseWindow::BrowseWindow(BrowseDeclaration declaration, std::unique_ptr<BrowseSource> source,
                           QWidget* parent)
    : QWidget(parent), declaration_(std::move(declaration)), source_(std::move(source)),
      list_(new BrowseList), keysTimer_(new QTimer(this)) {
    setObjectName(QString::fromStdString(declaration_.procedure));
    // The window's focus is the list's: the first arrow key moves the rows.
    setFocusProxy(list_);
    filesOpen_ = files_.open(declaration_.files);
    if (!declaration_.buildRow) {
        declaration_.buildRow = [columns = declaration_.columns](const BrowseSource& s) {
            return pictureRow(columns, s);
        };
    }
    if (declaration_.tabs.empty())
        declaration_.tabs.push_back({"TAB:1", QString()});
    page_ = std::make_unique<BrowsePage>(*source_, declaration_.buildRow);
    if (declaration_.keyOrder)
        takeKeyOrder();
    designed_ = designedFormat(declaration_);

    // The list's design name: "?Browse:1" is BROWSE:1, "?LIST" is LIST.
    QString listName = QString::fromStdString(declaration_.listName).toUpper();
    if (listName.startsWith('?'))
        listName.remove(0, 1);
    list_->setObjectName(listName);
    list_->setIcons(declaration_.icons);
    list_->setFormat(designed_);
    controls_ = buildBrowseControls(this, declaration_);
    moveListToTab(0);
    connect(controls_.sheet, &QTabWidget::currentChanged, this, &BrowseWindow::moveListToTab);

    connectList();
    connectLocator();
    if (controls_.select != nullptr)
        connect(controls_.select, &QPushButton::clicked, this, &BrowseWindow::select);
    connect(controls_.insert, &QPushButton::clicked, this, [this] { ask(InsertRecord); });
    connect(controls_.change, &QPushButton::clicked, this, [this] { ask(ChangeRecord); });
    connect(controls_.remove, &QPushButton::clicked, this, [this] { ask(DeleteRecord); });
    connect(controls_.close, &QPushButton::clicked, this, &BrowseWindow::closeList);
    connect(controls_.help, &QPushButton::clicked, this, &BrowseWindow::helpRequested);
    connect(controls_.config, &QPushButton::clicked, this, &BrowseWindow::openColumnDialog);
    list_->table()->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_->table()->horizontalHeader(), &QWidget::customContextMenuRequested, this,
            &BrowseWindow::openListboxDialog);
    showSortMarker();
    showLocatorPrompt();
    updateButtons();
}

BrowseWindow::~BrowseWindow() = default;

QPushButton* BrowseWindow::addExtraButton(const char* name, const QString& text, const QString& tip) {
    QPushButton* button = makeBrowseButton(this, name, text);
    button->setToolTip(tip);
    controls_.extraButtons->addWidget(button);
    return button;
}

void BrowseWindow::closeList() {
    app::outerWindow(this)->close();
}

void BrowseWindow::openBrowse() {
    if (!filesOpen_)
        return;
    if (!declaration_.embedded) {
        i18n::TranslateWindow(this, false);
        // Translated texts can be longer than the designed ones: the window
        // never gets narrower than they need (activating measures them anew).
        layout()->activate();
        setMinimumSize(minimumSize().expandedTo(minimumSizeHint()));
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
    if (field >= 1 && field <= static_cast<int>(declaration_.columns.size()) && !declaration_.fixedOrder) {
        sortField_ = field;
        descending_ = restored_.prevCol < 0;
        keyOrder_ = false;
    }
    showSortMarker();
    showLocatorPrompt();
    page_->setPageSize(list_->visibleRows());
    opened_ = true;
    reopenView();
    page_->top();
    pageMoved();
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
    QTimer::singleShot(0, controls_.close, &QPushButton::click);
}

void BrowseWindow::helpRequested() {
    app::openHelp("contents");
}

void BrowseWindow::updateButtons() {
    // An empty view leaves only New: nothing to change or delete.
    const bool rows = !page_->empty();
    const bool form = !declaration_.form.empty();
    controls_.change->setEnabled(rows && form);
    controls_.remove->setEnabled(rows && (form || declaration_.deleteRow));
    controls_.insert->setEnabled(form && insertAllowed());
    if (controls_.select != nullptr)
        controls_.select->setEnabled(rows && (selecting_ || declaration_.select == SelectButton::Always));
    updateToolbar();
}

bool BrowseWindow::isActiveBrowse() const {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sub->mdiArea() != nullptr && sub->mdiArea()->activeSubWindow() == sub;
    return isActiveWindow();
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

void BrowseWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        keysTimer_->stop();
        locatePending_ = false;
        pendingMoves_.clear();
        browseClosing();
        files_.close();
        if (opened_)
            layout::saveListLayout(app::windowFile(), declaration_.procedure, declaration_.listName,
                                   declaration_.designFormat, currentLayout());
        emit closed();
    }
    event->accept();
}

} // namespace velkora::browse
