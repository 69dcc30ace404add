#pragma once
// The progress window of a report being generated: "Generating Report",
// the share of the source read as "N% Completed" and a cancel button. The
// report is generated a batch per turn of the event loop, so the window
// (and every other) answers the user meanwhile.
//
//   if (ReportProgressWin::run(generator, this)) preview(generator.report());

#include "reports/Report.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace velkora::reports {

class ReportProgressWin : public QDialog {
    Q_OBJECT
public:
    explicit ReportProgressWin(ReportGenerator& generator, QWidget* parent = nullptr);

    // Generates the whole report; false when the user cancelled or the
    // source could not be read (nothing is to be printed then).
    static bool run(ReportGenerator& generator, QWidget* parent = nullptr);

private:
    void nextBatch();
    void showPercent(double percent);

    ReportGenerator& generator_;
    QProgressBar* thermometer_;
    QLabel* percentText_;
    QPushButton* cancel_;
    QString completed_; // "% Completed", translated
};

} // namespace velkora::reports
