#include "reports/pages/PdfFile.h"

#include "reports/pages/ReportPages.h"
#include "reports/pages/ReportPainter.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdio>

namespace velkora::reports {
namespace {

// Fonts need an application object; a command-line run has none and no display.
void ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 3;
    static char name[] = "velkora";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Qt's notes about the desktop it starts without (no runtime folder)
    // are not the program's messages: a script reading standard error
    // must see only those.
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
    // Never destroyed: it lives as long as the program that needed it.
    new QGuiApplication(argc, argv);
    qInstallMessageHandler(before);
}

} // namespace

std::string writePdf(const Report& report, const std::string& file) {
    ensureGuiApplication();
    const PrintedReport printed = layOutReport(report);
    QFile out(QString::fromStdString(file));
    if (!out.open(QIODevice::WriteOnly))
        return file + " (" + out.errorString().toStdString() + ")";
    QPdfWriter pdf(&out);
    pdf.setTitle(printed.title);
    pdf.setCreator("Velkora");
    pdf.setResolution(1200);
    if (!printPages(printed, pdf))
        return file;
    return {};
}

} // namespace velkora::reports
