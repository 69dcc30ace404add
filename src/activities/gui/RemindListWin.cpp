#include "activities/gui/RemindListWin.h"

#include "activities/gui/LampIcons.h"
#include "app/gui/WindowPosition.h"
#include "data/FileServices.h"
#include "i18n/Translation.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"
#include "shared/Clock.h"
#include "shared/Pictures.h"
#include "shared/Prompter.h"
#include "ui/browse/FormRequest.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velkora::activities {
namespace {

constexpr int kRefillMs = 60 * 1000;
enum Column { DateColumn, KindColumn, TitleColumn, AddressColumn };
constexpr int kAktidRole = Qt::UserRole + 1;

} // namespace

bool openActivity(std::int32_t aktid) {
    form::FormFiles files;
    if (!files.open({&data::files().QXADRAKT, &data::files().QXADRESS}))
        return false;
    auto& akt = data::files().QXADRAKT;
    akt.clear();
    akt.rec.AKTID = aktid;
    if (aktid == 0 || akt.get(*data::Activity::table().key("QXADRAK6")) != data::NoError) {
        beep(2);
        return false;
    }
    return browse::callForm("qxUpdateAkt", browse::ChangeRecord) == browse::RequestCompleted;
}

RemindListWin::RemindListWin(QWidget* parent)
    : QWidget(parent), list_(new QTreeWidget(this)), timer_(new QTimer(this)) {
    setObjectName("RemindListWin");
    setWindowTitle("RemindListWin");
    list_->setObjectName("RLIST");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(4);
    list_->setHeaderHidden(true);
    const int unit = fontMetrics().averageCharWidth();
    // The designed widths in dialog units, about a quarter of a character each.
    for (auto [column, width] : {std::pair{DateColumn, 54}, {KindColumn, 43}, {TitleColumn, 94}})
        list_->setColumnWidth(column, width * unit / 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_);
    connect(list_, &QTreeWidget::itemActivated, this, [this] { openSelected(); });
    connect(timer_, &QTimer::timeout, this, &RemindListWin::refill);
    filesOpen_ = files_.open({&data::files().QXADRAKT, &data::files().QXADRESS, &data::files().QXADRTKP});
    if (!filesOpen_)
        return; // the application has ended
    i18n::TranslateWindow(this, false);
    resize(sizeHint());
    timer_->start(kRefillMs);
    refill();
}

RemindListWin::~RemindListWin() = default;

QSize RemindListWin::sizeHint() const {
    int width = 0;
    for (int column : {DateColumn, KindColumn, TitleColumn})
        width += list_->columnWidth(column);
    constexpr int kAddressChars = 40;
    width += kAddressChars * fontMetrics().averageCharWidth() + 2 * list_->frameWidth() + 8;
    return {width, 260};
}

void RemindListWin::refill() {
    if (!filesOpen_)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::int32_t selected =
        list_->currentItem() ? list_->currentItem()->data(0, kAktidRole).toInt() : -1;
    rows_ = readReminders(today(), readKinds(appState().WORKINI), i18n::TranslateText("P.10_BDate"));
    list_->clear();
    QTreeWidgetItem* reselect = nullptr;
    for (const ReminderRow& row : rows_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(DateColumn, QString::fromStdString(formatDate("@d17B", row.date)));
        item->setTextAlignment(DateColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setIcon(DateColumn, lampIcon(static_cast<Lamp>(row.lamp)));
        item->setText(KindColumn, QString::fromStdString(row.kind));
        item->setText(TitleColumn, QString::fromStdString(row.title));
        item->setText(AddressColumn, QString::fromStdString(row.address));
        item->setData(0, kAktidRole, row.aktid);
        if (row.aktid != 0 && row.aktid == selected)
            reselect = item;
    }
    QApplication::restoreOverrideCursor();
    if (rows_.empty()) {
        // Nothing to remind of: the list goes (once the current event is done).
        QTimer::singleShot(0, this, [this] { app::outerWindow(this)->close(); });
        return;
    }
    list_->setCurrentItem(reselect ? reselect : list_->topLevelItem(0));
}

bool RemindListWin::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        refill();
    return QWidget::event(event);
}

void RemindListWin::openSelected() {
    QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr) {
        beep(2);
        return;
    }
    const std::int32_t aktid = item->data(0, kAktidRole).toInt();
    if (aktid == 0)
        return; // a birthday
    if (openActivity(aktid))
        refill();
}

void RemindListWin::closeEvent(QCloseEvent* event) {
    timer_->stop();
    files_.close();
    filesOpen_ = false;
    QWidget::closeEvent(event);
}

} // namespace velkora::activities
