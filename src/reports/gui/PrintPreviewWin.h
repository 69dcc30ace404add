#pragma once
// The print preview: the pages of a generated report one at a time, with
// "Next Page(s)", "Previous Page(s)", a jump to a page by its number, the
// zoom choices and a button that prints the report. Only the page shown is
// drawn, so the first page is there at once however long the report is.

#include "reports/pages/ReportPages.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace velkora::reports {

class PrintPreviewWin : public QDialog {
    Q_OBJECT
public:
    // The zoom choices in the order the list offers them.
    enum Zoom { NoZoom, PageWidth, Zoom50, Zoom75, Zoom100, Zoom200, Zoom300 };

    // `print` prints the report when the user asks for it; true when it did.
    PrintPreviewWin(const PrintedReport& printed, std::function<bool(QWidget*)> print,
                    QWidget* parent = nullptr);

    int currentPage() const { return page_; } // 0-based
    // The resolution the page is drawn at for the zoom chosen.
    double pageDpi() const;
    QSize sizeHint() const override { return {900, 860}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPage(int page);
    void askForPage();
    void redraw();

    const PrintedReport& printed_;
    std::function<bool(QWidget*)> print_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* jump_;
    QComboBox* zoom_;
    QPushButton* printButton_;
    QPushButton* close_;
    QLabel* pageNumber_;
    QScrollArea* scroll_;
    QLabel* pageView_;
    int page_ = 0;
};

} // namespace velkora::reports
