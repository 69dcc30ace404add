#pragma once
// Drives a modal window from inside its event loop: the steps run once the
// window is shown, as a user would act on it.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace velkora::test {

// Runs `steps` on the next modal window that opens (nested windows too),
// once it is the active window (where a user's keys go).
inline void whenModal(std::function<void(QWidget*)> steps) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QWidget* before = QApplication::activeModalWidget();
    QObject::connect(timer, &QTimer::timeout, [timer, before, steps = std::move(steps)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before || !modal->isVisible() || !modal->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        steps(modal);
    });
    timer->start();
}

} // namespace velkora::test
