#include "reports/gui/ReportPrinting.h"

#include "app/gui/ProgramPrinter.h"
#include "reports/AddressListReport.h"
#include "reports/gui/PrintPreviewWin.h"
#include "reports/gui/ReportProgressWin.h"
#include "reports/pages/ReportPainter.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <QPrintDialog>
#include <QPrinter>

namespace velkora::reports {
namespace {

bool previewWanted() {
    return trim(profile::read(appState().STARTINI, "SETUP", "LstPrnPreview", "0")) == "1";
}

// Prints on the caller's printer as it is, or on the program printer the
// pages the user chose in the print dialog.
bool printOn(const PrintedReport& printed, QPrinter* printer, QWidget* parent) {
    const int count = static_cast<int>(printed.pages.size());
    if (printer != nullptr) {
        printer->setFullPage(true);
        return printPages(printed, *printer);
    }
    QPrinter& chosen = app::programPrinter();
    chosen.setFromTo(1, count);
    chosen.setPrintRange(QPrinter::AllPages);
    if (!reportPrintDialog()(chosen, count, parent))
        return false;
    chosen.setFullPage(true);
    if (chosen.printRange() == QPrinter::PageRange)
        return printPages(printed, chosen, chosen.fromPage() - 1, chosen.toPage() - 1);
    return printPages(printed, chosen);
}

} // namespace

ReportPrintDialog& reportPrintDialog() {
    static ReportPrintDialog dialog = [](QPrinter& printer, int pageCount, QWidget* parent) {
        QPrintDialog ask(&printer, parent);
        ask.setObjectName("ReportPrintDialog");
        ask.setMinMax(1, pageCount);
        ask.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                       QAbstractPrintDialog::PrintShowPageSize);
        return ask.exec() == QDialog::Accepted;
    };
    return dialog;
}

bool printReport(ReportGenerator& generator, QPrinter* printer, QWidget* parent) {
    if (!ReportProgressWin::run(generator, parent))
        return false;
    const PrintedReport printed = layOutReport(generator.report());
    if (!previewWanted())
        return printOn(printed, printer, parent);
    PrintPreviewWin preview(
        printed, [&](QWidget* over) { return printOn(printed, printer, over); }, parent);
    return preview.exec() == QDialog::Accepted;
}

bool printAddressList(const std::string& mailingFile, const std::string& title, bool withContacts,
                      QPrinter* printer, QWidget* parent) {
    AddressListReport report(mailingFile, title, withContacts);
    return printReport(report, printer, parent);
}

bool printActivityList(const ActivitySelection& selection, QPrinter* printer, QWidget* parent) {
    ActivityListReport report(selection, activities::readKinds(appState().WORKINI),
                              activities::readPriorities(appState().WORKINI));
    return printReport(report, printer, parent);
}

} // namespace velkora::reports
