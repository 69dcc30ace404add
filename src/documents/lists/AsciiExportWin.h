#pragma once
// The progress window of the ASCII export ("ASCII Export"): the rows are
// written in batches between the window's events, so it stays responsive;
// it closes when the export is done. A failure shows its message.

#include "documents/AsciiExport.h"

#include <QDialog>
#include <string>

class QProgressBar;
class QTimer;

namespace velkora::documents {

class AsciiExportWin : public QDialog {
    Q_OBJECT
public:
    explicit AsciiExportWin(QWidget* parent = nullptr);
    ~AsciiExportWin() override;

    // Exports `mailingList` to `target` in the window over `over`; returns
    // when the window has closed.
    static void run(const std::string& mailingList, const std::string& target, QWidget* over);

private:
    void writeBatch();
    void failed(const files::FileError& error);

    AsciiExport export_;
    QProgressBar* progress_;
    QTimer* batches_;
};

} // namespace velkora::documents
