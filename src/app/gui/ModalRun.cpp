#include "app/gui/ModalRun.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace velkora::app {
namespace {

ModalFrame*& frame() {
    static ModalFrame* current = nullptr;
    return current;
}

ModalRun*& innermost() {
    static ModalRun* current = nullptr;
    return current;
}

// Popups and tips come and go on their own; the frame turns off its own
// parts; a tool window (the calendar) serves the window on top.
bool waits(const QWidget* w, const QWidget* window) {
    if (w == window || !w->isVisible() || !w->isEnabled() || dynamic_cast<const ModalFrame*>(w))
        return false;
    const Qt::WindowType type = w->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen && type != Qt::Tool;
}

} // namespace

void setModalFrame(ModalFrame* f) {
    frame() = f;
}

ModalRun::ModalRun(QWidget* window) : window_(window), outer_(innermost()) {
    if (outer_ == nullptr && frame() != nullptr)
        frame()->enterModal();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!waits(w, window))
            continue;
        disabled_.emplace_back(w, w->focusWidget());
        w->setEnabled(false);
    }
    innermost() = this;
}

ModalRun::~ModalRun() {
    innermost() = outer_;
    for (auto& [w, focus] : disabled_) {
        if (w == nullptr)
            continue;
        w->setEnabled(true);
        if (focus != nullptr)
            focus->setFocus();
    }
    if (outer_ == nullptr && frame() != nullptr)
        frame()->leaveModal();
}

void ModalRun::exec() {
    if (ended_ || !window_->isVisible())
        return;
    window_->activateWindow();
    loop_.exec();
}

void ModalRun::quit() {
    ended_ = true;
    loop_.quit();
}

QWidget* modalWindow() {
    return innermost() != nullptr ? innermost()->window() : nullptr;
}

QWidget* fieldInUse() {
    QWidget* modal = modalWindow();
    QWidget* field = modal != nullptr ? modal->focusWidget() : QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(field))
        field = combo->lineEdit();
    return field;
}

} // namespace velkora::app
