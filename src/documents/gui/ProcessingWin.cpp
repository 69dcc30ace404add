#include "documents/gui/ProcessingWin.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace velkora::documents {
namespace {
constexpr int kQXRTFNEWFILESize = 254;
constexpr qint64 kRepaintMs = 50; // keeps the window alive without slowing the run
} // namespace

ProcessingWin::ProcessingWin(std::string outputFile, std::string templateFile, std::uint8_t hide,
                             QWidget* parent)
    : QDialog(parent), outputFile_(std::move(outputFile)), templateFile_(std::move(templateFile)),
      hide_(hide), fileName_(new QLineEdit(this)), progress_(new QProgressBar(this)),
      ok_(new QPushButton("OK", this)) {
    setObjectName("ProcessingWin");
    setWindowTitle("ProcessTplFile");
    setModal(true);
    fileName_->setObjectName("QXRTFNEWFILE");
    fileName_->setReadOnly(true);
    fileName_->setMaxLength(kQXRTFNEWFILESize);
    fileName_->setMinimumWidth(360);
    progress_->setObjectName("PROGRESSNEWFILE");
    progress_->setRange(0, 1);
    progress_->setValue(0);
    ok_->setObjectName("OKBUTTON");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileName_);
    layout->addWidget(progress_);
    layout->addWidget(ok_, 0, Qt::AlignRight);
    connect(ok_, &QPushButton::clicked, this, &ProcessingWin::process);
}

TemplateResult ProcessingWin::run(const std::string& outputFile, const std::string& templateFile,
                                  std::uint8_t hide, QWidget* parent) {
    ProcessingWin window(outputFile, templateFile, hide, parent);
    if (hide != 0)
        window.process();
    else
        window.exec();
    return window.result();
}

void ProcessingWin::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    // The first control has the focus; the run starts as if OK were pressed.
    fileName_->setFocus();
    QMetaObject::invokeMethod(ok_, &QPushButton::click, Qt::QueuedConnection);
}

void ProcessingWin::process() {
    if (running_)
        return;
    running_ = true;
    ok_->setEnabled(false);
    sinceRepaint_.start();
    result_ = ProcessTplFile(outputFile_, templateFile_, hide_, this);
    running_ = false;
    if (isVisible())
        QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
}

void ProcessingWin::opened(const std::string& outputName, bool) {
    fileName_->setText(QString::fromStdString(outputName));
    fileName_->setCursorPosition(0);
}

void ProcessingWin::setRange(std::uint64_t total) {
    total_ = total;
    done_ = 0;
    progress_->setRange(0, static_cast<int>(std::min<std::uint64_t>(total, INT_MAX)));
    progress_->setValue(0);
}

void ProcessingWin::advance(std::uint64_t by) {
    done_ = std::min(total_, done_ + by);
    progress_->setValue(static_cast<int>(std::min<std::uint64_t>(done_, INT_MAX)));
    if (hide_ == 0 && sinceRepaint_.elapsed() >= kRepaintMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceRepaint_.restart();
    }
}

void ProcessingWin::closed() {
    progress_->setValue(progress_->maximum());
}

} // namespace velkora::documents
