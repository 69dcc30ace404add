#include "documents/lists/AsciiExportWin.h"

#include "app/gui/ModalRun.h"
#include "documents/FileErrorMessage.h"
#include "i18n/gui/WindowTranslator.h"
#include "ui/form/FormLayout.h"

#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace velkora::documents {
namespace {

constexpr const char* kTitle = "ASCII Export";
// Rows per batch: a few milliseconds of writing between two looks at the events.
constexpr std::uint32_t kBatchRows = 2000;

} // namespace

AsciiExportWin::AsciiExportWin(QWidget* parent)
    : QDialog(parent), progress_(new QProgressBar(this)), batches_(new QTimer(this)) {
    setObjectName("AsciiExportWin");
    setWindowTitle(kTitle);
    progress_->setObjectName("PROGRESS");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    i18n::TranslateWindow(this, false);
    connect(batches_, &QTimer::timeout, this, &AsciiExportWin::writeBatch);
}

AsciiExportWin::~AsciiExportWin() = default;

void AsciiExportWin::run(const std::string& mailingList, const std::string& target, QWidget* over) {
    AsciiExportWin window(over);
    if (const files::FileError error = window.export_.open(mailingList, target)) {
        showFileError(error, kTitle);
        return;
    }
    form::centreOver(&window, over);
    app::ModalRun run(&window);
    connect(&window, &QDialog::finished, &window, [&run] { run.quit(); });
    window.show();
    window.batches_->start(0);
    run.exec();
}

void AsciiExportWin::writeBatch() {
    if (const files::FileError error = export_.step(kBatchRows)) {
        failed(error);
        return;
    }
    const std::uint32_t total = export_.total();
    progress_->setValue(total == 0 ? 100 : static_cast<int>(std::uint64_t(export_.passed()) * 100 / total));
    if (export_.done()) {
        batches_->stop();
        accept();
    }
}

void AsciiExportWin::failed(const files::FileError& error) {
    batches_->stop();
    showFileError(error, kTitle);
    reject();
}

} // namespace velkora::documents
