#pragma once
// Running a report from a window: generated with the progress window, shown
// in the print preview when the setting LstPrnPreview is on, and printed on
// a printer of the system or into a PDF file.
//
// The mail-merge print options call the address list like this:
//
//   QPrinter pdf;  pdf.setOutputFileName("/tmp/liste.pdf");   // or a printer
//   printAddressList(mailingFilePath("KUNDEN"), "Kunden", true, &pdf, this);
//
// Without a printer of its own the report goes to the program printer after
// the print dialog, where the user picks a printer, the pages or a PDF file.

#include "reports/ActivityListReport.h"
#include "reports/Report.h"

#include <functional>
#include <string>

class QPrinter;
class QWidget;

namespace velkora::reports {

// The print dialog for the program printer with the report's page count;
// true when the user chose to print. The platform's dialog unless replaced
// (tests put a stand-in here).
using ReportPrintDialog = std::function<bool(QPrinter& printer, int pageCount, QWidget* parent)>;
ReportPrintDialog& reportPrintDialog();

// Generates and prints; false when nothing was printed (cancelled in the
// progress window, the preview or the print dialog, or the source or the
// printer failed).
bool printReport(ReportGenerator& generator, QPrinter* printer, QWidget* parent);

// The address list of a mailing file (its full name, ".DBF" optional),
// optionally with the contact persons of each address.
bool printAddressList(const std::string& mailingFile, const std::string& title, bool withContacts,
                      QPrinter* printer, QWidget* parent);

// The activity list over the kinds and priorities of the work file.
bool printActivityList(const ActivitySelection& selection, QPrinter* printer, QWidget* parent);

} // namespace velkora::reports
