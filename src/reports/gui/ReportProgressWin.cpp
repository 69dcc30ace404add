#include "reports/gui/ReportProgressWin.h"

#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"
#include "ui/form/FormLayout.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace velkora::reports {

ReportProgressWin::ReportProgressWin(ReportGenerator& generator, QWidget* parent)
    : QDialog(parent), generator_(generator), thermometer_(new QProgressBar), percentText_(new QLabel),
      cancel_(new QPushButton("Cancel")) {
    setObjectName("ReportProgressWin");
    setWindowTitle("Generating Report");
    thermometer_->setObjectName("Progress:Thermometer");
    thermometer_->setRange(0, 100);
    thermometer_->setTextVisible(false);
    percentText_->setObjectName("Progress:PctText");
    percentText_->setAlignment(Qt::AlignCenter);
    cancel_->setObjectName("Progress:Cancel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(thermometer_);
    layout->addWidget(percentText_);
    layout->addWidget(cancel_, 0, Qt::AlignHCenter);
    setMinimumWidth(320);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    i18n::TranslateWindow(this, false);
    completed_ = QString::fromStdString(i18n::translated(i18n::StringControl, "% Completed"));
    showPercent(0);
}

bool ReportProgressWin::run(ReportGenerator& generator, QWidget* parent) {
    ReportProgressWin window(generator, parent);
    form::centreOver(&window, parent);
    QTimer::singleShot(0, &window, &ReportProgressWin::nextBatch);
    return window.exec() == QDialog::Accepted && !generator.failed();
}

void ReportProgressWin::nextBatch() {
    if (!isVisible())
        return; // cancelled meanwhile
    if (!generator_.step()) {
        showPercent(100);
        accept();
        return;
    }
    showPercent(generator_.percent());
    // Queued behind what the user did meanwhile: a click on cancel comes first.
    QTimer::singleShot(0, this, &ReportProgressWin::nextBatch);
}

void ReportProgressWin::showPercent(double percent) {
    const int whole = static_cast<int>(percent);
    thermometer_->setValue(whole);
    percentText_->setText(QString::number(whole) + completed_);
}

} // namespace velkora::reports
