#pragma once
// Drives a modal window from inside its event loop: the steps run once the
// window is shown, as a user would act on it.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace velkora::test {

// Runs `steps` on the next modal window that opens (nested windows too),
// once it is the active window (where a user's keys go).
inline void whenModal(std::function<void(QWidget*)> steps) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    // Guarded: a closed form's memory may hold the next form.
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QObject::connect(timer, &QTimer::timeout, [timer, before, steps = std::move(steps)] {
        QWidget* modal = QApplication::activeModalWidget();
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
