#include "reports/PdfOutput.h"

namespace velkora::reports {

PdfOutput& pdfOutput() {
    static PdfOutput output;
    return output;
}

} // namespace velkora::reports
