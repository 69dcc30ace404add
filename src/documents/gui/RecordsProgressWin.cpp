#include "documents/gui/RecordsProgressWin.h"

#include "app/gui/ModalRun.h"
#include "i18n/Translation.h"
#include "shared/Pictures.h"
#include "ui/form/FormLayout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace velkora::documents {

RecordsProgressWin::RecordsProgressWin(std::function<bool()> step, std::function<double()> percent,
                                       QWidget* parent)
    : QDialog(parent), step_(std::move(step)), percent_(std::move(percent)) {
    setObjectName("ProcessingRecords");
    setWindowTitle("Processing Records");
    text_ = new QLabel("0% Completed");
    text_->setObjectName("STRING1");
    text_->setMinimumWidth(260);
    const std::string cancel = i18n::TranslateText("P.09_CANCEL");
    cancel_ = new QPushButton(QString::fromStdString(cancel.empty() ? "Cancel" : cancel));
    cancel_->setObjectName("CANCEL");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        timer_->stop();
        accept();
    });
    timer_ = new QTimer(this);
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &RecordsProgressWin::nextBatch);
}

void RecordsProgressWin::showPercent() {
    text_->setText(QString::fromStdString(formatNumber("N3", percent_()) + "% Completed"));
}

void RecordsProgressWin::nextBatch() {
    const bool more = step_();
    showPercent();
    if (!more) {
        timer_->stop();
        accept();
    }
}

bool RecordsProgressWin::run(std::function<bool()> step, std::function<double()> percent, QWidget* parent) {
    RecordsProgressWin window(std::move(step), std::move(percent), parent);
    window.setWindowFlag(Qt::Window);
    app::ModalRun modal(&window);
    connect(&window, &QDialog::finished, &window, [&modal] { modal.quit(); });
    window.show();
    form::centreOver(&window, parent);
    window.timer_->start();
    modal.exec();
    return !window.cancelled_;
}

} // namespace velkora::documents
