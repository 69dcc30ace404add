#include "cli/Cli.h"
#include "reports/PdfOutput.h"
#include "reports/pages/PdfFile.h"

#include <iostream>

int main(int argc, char** argv) {
    velkora::reports::pdfOutput() = velkora::reports::writePdf;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = velkora::cli::runCli(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
