#pragma once
// The small window in which the template engine runs: the name of the
// document being written, a progress bar and an OK button. Opening it starts
// the run (by pressing OK for the user), and it closes itself at the end.
// Hidden, it runs the engine without showing anything (mail merge shows its
// own progress window).
//
//   ProcessingWin::run(docsPath + "/17-0001.RTF", templatePath, 0, this);

#include "documents/ProcessTplFile.h"

#include <QDialog>
#include <QElapsedTimer>
#include <cstdint>
#include <string>

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace velkora::documents {

class ProcessingWin : public QDialog, private ProcessProgress {
    Q_OBJECT

public:
    ProcessingWin(std::string outputFile, std::string templateFile, std::uint8_t hide,
                  QWidget* parent = nullptr);

    // Opens the window (unless hidden), runs the engine and returns when the
    // window has closed.
    static TemplateResult run(const std::string& outputFile, const std::string& templateFile,
                              std::uint8_t hide, QWidget* parent = nullptr);

    TemplateResult result() const { return result_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void process();

    void opened(const std::string& outputName, bool hidden) override;
    void setRange(std::uint64_t total) override;
    void advance(std::uint64_t by) override;
    void closed() override;

    std::string outputFile_;
    std::string templateFile_;
    std::uint8_t hide_;
    QLineEdit* fileName_;
    QProgressBar* progress_;
    QPushButton* ok_;
    QElapsedTimer sinceRepaint_;
    std::uint64_t total_ = 0;
    std::uint64_t done_ = 0;
    bool running_ = false;
    bool started_ = false;
    TemplateResult result_ = TemplateResult::Abandoned;
};

} // namespace velkora::documents
