#pragma once
// Drives a modal window from inside its event loop: the steps run once the
// window is shown, as a user would act on it.

#include "app/gui/ModalRun.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace velkora::test {

// The window a user has to answer now: a dialog Qt runs modally (a message
// box), otherwise a form or selection list running over the frame.
inline QWidget* answeredWindow() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return app::modalWindow();
}

// Runs `steps` on the next modal window that opens (nested windows too),
// once it is the active window (where a user's keys go).
inline void whenModal(std::function<void(QWidget*)> steps) {
    // Owned by the application: a deferred delete issued inside a window's
    // own event loop may never run when no outer loop follows.
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(5);
    // Guarded: a closed form's memory may hold the next form.
    QPointer<QWidget> before = answeredWindow();
    QObject::connect(timer, &QTimer::timeout, [timer, before, steps = std::move(steps)] {
        QWidget* modal = answeredWindow();
        if (!modal || modal == before || !modal->isVisible())
            return;
        if (!modal->isActiveWindow()) {
            // Opened while another window closed: the platform may leave it inactive.
            modal->activateWindow();
            return;
        }
        timer->stop();
        timer->deleteLater();
        steps(modal);
        // Steps that stopped early (a failed check) must not leave the window waiting.
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

} // namespace velkora::test
