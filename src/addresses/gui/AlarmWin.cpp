#include "addresses/gui/AlarmWin.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/FieldTypes.h"
#include "shared/Prompter.h"
#include "shared/Text.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

namespace velkora::addresses {
std::string& alarmText() {
    static std::string text;
    return text;
}

void showAlarm(const std::string& flag, const std::string& remark) {
    const char* procedure = app::procedures::Alarm;
    // A note without a remark would be an empty window that only takes room.
    if (!trim(flag).empty() && !trim(remark).empty()) {
        beep();
        alarmText() = toCStringField(remark, 255);
        if (app::runningWindow(procedure) != nullptr)
            app::postToWindow(procedure, app::NotifyEvent);
        else
            app::openWindow(procedure);
    } else {
        closeAlarm();
    }
}

void closeAlarm() {
    if (QWidget* window = app::runningWindow(app::procedures::Alarm))
        app::outerWindow(window)->close();
}

AlarmWin::AlarmWin(QWidget* parent) : QWidget(parent), text_(new QLabel(this)) {
    setObjectName("AlarmWin");
    setWindowTitle("Alarm");
    auto* image = new QLabel(this);
    image->setObjectName("IMAGE1");
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    image->setAlignment(Qt::AlignTop);
    text_->setObjectName("LS:ALARMSTRING");
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setMinimumWidth(240);
    auto* box = new QHBoxLayout(this);
    box->addWidget(image);
    box->addWidget(text_, 1);
    resize(320, 110);
    i18n::TranslateWindow(this, false);
    showText();
    // The note shows beside the list: the keys and the frame's buttons stay
    // with the list, which goes on moving through the records.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void AlarmWin::showText() {
    text_->setText(QString::fromStdString(alarmText()));
}

bool AlarmWin::event(QEvent* event) {
    if (event->type() == app::NotifyEvent) {
        showText();
        return true;
    }
    return QWidget::event(event);
}

void AlarmWin::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        alarmText().clear();
    }
    event->accept();
}

} // namespace velkora::addresses
