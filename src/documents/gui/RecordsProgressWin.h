#pragma once
// The progress window of the runs over many records (the mail-merge
// selection, the document run): "Processing Records", the share done as
// "N3" percent followed by "% Completed", and a cancel button. It drives the
// run a batch at a time from a timer, so the program stays responsive, and
// returns when the run has ended or the user cancelled it.
//
//   RecordsProgressWin::run([&] { return selection.step(kSelectionBatch); },
//                           [&] { return selection.percent(); }, this);

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

namespace velkora::documents {

class RecordsProgressWin : public QDialog {
    Q_OBJECT
public:
    // `step` does one batch and tells whether there is more; `percent` the share done.
    RecordsProgressWin(std::function<bool()> step, std::function<double()> percent,
                       QWidget* parent = nullptr);

    // Runs to the end; false when the user cancelled.
    static bool run(std::function<bool()> step, std::function<double()> percent, QWidget* parent = nullptr);

private:
    void nextBatch();
    void showPercent();

    std::function<bool()> step_;
    std::function<double()> percent_;
    QLabel* text_;
    QPushButton* cancel_;
    QTimer* timer_;
    bool cancelled_ = false;
};

} // namespace velkora::documents
