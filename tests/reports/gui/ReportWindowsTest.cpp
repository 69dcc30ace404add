// The report windows driven as a user drives them: the activity list's
// selection, the progress window and its cancel, and the print preview's
// page navigation, page jump, zoom choices and printing.

#include "ModalDriver.h"
#include "PdfText.h"
#include "ReportsFixture.h"
#include "reports/AddressListReport.h"
#include "reports/gui/AktListSelectWin.h"
#include "reports/gui/PrintPreviewWin.h"
#include "reports/gui/ReportPrinting.h"
#include "reports/gui/ReportProgressWin.h"
#include "shared/Clock.h"
#include "shared/ProfileFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QtTest>

using namespace velkora;
using namespace velkora::reports;
using velkora::reports::test::firstOutOfOrder;
using velkora::reports::test::pdfText;
using velkora::test::whenModal;

namespace {

template <class W = QWidget> W* control(QWidget* window, const char* name) {
    W* found = window->findChild<W*>(name);
    if (found == nullptr)
        qWarning("no control %s", name);
    return found;
}

// A report that never ends until cancelled.
class EndlessReport : public ReportGenerator {
public:
    bool step() override {
        ++steps;
        return true;
    }
    double percent() const override { return 42.0; }
    bool failed() const override { return false; }
    Report& report() override { return report_; }
    int steps = 0;

private:
    Report report_;
};

struct WindowsData : reports::test::ReportsData {
    WindowsData() {
        addMeierAndSchulz();
        profile::write(appState().STARTINI, "SETUP", "LstPrnPreview", "1");
        // The print dialog: the user prints into a PDF file.
        reportPrintDialog() = [this](QPrinter& printer, int pageCount, QWidget*) {
            ++printDialogs;
            pagesOffered = pageCount;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            return true;
        };
    }
    ~WindowsData() { reportPrintDialog() = platformDialog; }

    const ReportPrintDialog platformDialog = reportPrintDialog();
    const std::string pdf = dir.file("printed.pdf");
    int printDialogs = 0;
    int pagesOffered = 0;
    FixedClock clock{{{2026, 12, 6}, {9, 0, 0, 0}}};
};

} // namespace

class ReportWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void theSelectionPrintsTheCurrentAddressFromAFirstDateThroughThePreview() {
        WindowsData data;
        bool previewed = false;
        whenModal([&](QWidget* window) {
            QCOMPARE(window->objectName(), QString("AktListSelectWin"));
            QVERIFY(control(window, "LN:SELRECONLY")->isEnabled());
            auto* all = control<QCheckBox>(window, "LN:ALLADRESS");
            QVERIFY(all->isChecked());
            QVERIFY(!control(window, "LS:ADRSTRING1")->isVisible());
            QTest::mouseClick(all, Qt::LeftButton, {}, QPoint(4, all->height() / 2));
            QVERIFY(!all->isChecked());
            QCOMPARE(control<QLabel>(window, "LS:ADRSTRING1")->text(), QString("Meier"));
            QCOMPARE(control<QLabel>(window, "LS:ADRSTRING2")->text(), QString("D 10115 Berlin, Weg 1"));
            QVERIFY(control(window, "LS:ADRSTRING1")->isVisible());
            auto* kinds = control<QComboBox>(window, "LN:AKTART");
            QCOMPARE(kinds->count(), 3);
            QCOMPARE(kinds->itemText(0), QString("Alle"));
            QCOMPARE(control<QComboBox>(window, "LN:AKTPRIO")->itemText(3), QString("Niedrig"));
            auto* from = control<QLineEdit>(window, "LD:DATEVON");
            QTest::keyClicks(from, "05.03.2026");
            auto* title = control<QLineEdit>(window, "LS:LISTTITEL");
            title->selectAll();
            QTest::keyClicks(title, "Meier ab 5.3.");
            whenModal([&](QWidget* preview) {
                QCOMPARE(preview->objectName(), QString("PrintPreviewWin"));
                previewed = true;
                QCOMPARE(control<QLabel>(preview, "PREVIEW:PAGENO")->text(), QString("Seite 1 von 1"));
                QTest::mouseClick(control(preview, "PREVIEW:PRINT"), Qt::LeftButton);
            });
            QTest::mouseClick(control(window, "PRINT"), Qt::LeftButton);
        });
        QVERIFY(AktListSelectWin::run(3, 1, true, nullptr));
        QVERIFY(previewed);
        QCOMPARE(data.printDialogs, 1);
        QCOMPARE(data.pagesOffered, 1);
        const std::string text = pdfText(data.pdf);
        QVERIFY2(firstOutOfOrder(text, {"Meier ab 5.3.", "Meier", "Besuch vor Ort", "Seite 1 von 1"}).empty(),
                 text.c_str());
        // From the first date on, of the current address only.
        QVERIFY2(text.find("Angebot Heizung") == std::string::npos, text.c_str());
        QVERIFY2(text.find("Schulz") == std::string::npos, text.c_str());
    }

    void theSelectedActivityAloneLeavesTheOtherChoicesAside() {
        WindowsData data;
        AktListSelectWin window(3, 1, false, nullptr);
        window.show();
        auto* only = control<QCheckBox>(&window, "LN:SELRECONLY");
        QTest::mouseClick(only, Qt::LeftButton, {}, QPoint(4, only->height() / 2));
        QVERIFY(!control(&window, "LN:ALLADRESS")->isEnabled());
        QVERIFY(!control(&window, "LD:DATEVON")->isEnabled());
        QVERIFY(!control(&window, "LN:AKTART")->isEnabled());
        QTest::mouseClick(control(&window, "LN:MEMOFLAG"), Qt::LeftButton, {}, QPoint(4, 4));
        const auto s = window.selection();
        QVERIFY(s.has_value());
        QCOMPARE(s->aktid, 3);
        QCOMPARE(s->adrnr, 0);
        QVERIFY(s->memo);
        // Without an activity in the list and without an address only all can be listed.
        AktListSelectWin none(0, 0, false, nullptr);
        QVERIFY(!control(&none, "LN:SELRECONLY")->isEnabled());
        QVERIFY(!control(&none, "LN:ALLADRESS")->isEnabled());
        QVERIFY(control<QCheckBox>(&none, "LN:ALLADRESS")->isChecked());
    }

    void aDateThatIsNoDateKeepsTheWindowOpen() {
        WindowsData data;
        AktListSelectWin window(0, 1, false, nullptr);
        window.show();
        QTest::keyClicks(control(&window, "LD:DATEBIS"), "31.02.2026");
        QTest::mouseClick(control(&window, "PRINT"), Qt::LeftButton);
        QVERIFY(window.isVisible());
        QVERIFY(!window.selection().has_value());
    }

    void cancelInTheProgressWindowPrintsNothing() {
        WindowsData data;
        EndlessReport endless;
        whenModal([&](QWidget* window) {
            QCOMPARE(window->windowTitle(), QString("Generating Report"));
            QTRY_VERIFY(endless.steps > 2);
            QCOMPARE(control<QLabel>(window, "Progress:PctText")->text(), QString("42% Completed"));
            QTest::mouseClick(control(window, "Progress:Cancel"), Qt::LeftButton);
        });
        QVERIFY(!printReport(endless, nullptr, nullptr));
        QCOMPARE(data.printDialogs, 0);
        QVERIFY(!QFile::exists(QString::fromStdString(data.pdf)));
    }

    void thePreviewMovesJumpsAndZooms() {
        WindowsData data;
        std::vector<documents::MailingRecord> rows;
        for (int n = 1; n <= 150; ++n)
            rows.push_back(data.mailingRow(std::to_string(n), "Firma " + std::to_string(n), "Ort"));
        AddressListReport report(data.writeMailing("VIELE", rows), "Viele", false);
        QVERIFY(report.generateAll());
        const PrintedReport printed = layOutReport(report.report());
        const int count = static_cast<int>(printed.pages.size());
        QVERIFY(count >= 4);
        int printed_ = 0;
        PrintPreviewWin preview(printed, [&](QWidget*) { return ++printed_ > 0; });
        preview.show();
        auto* pageNo = control<QLabel>(&preview, "PREVIEW:PAGENO");
        QCOMPARE(pageNo->text(), QString("Seite 1 von %1").arg(count));
        QVERIFY(!control(&preview, "PREVIEW:PREVIOUS")->isEnabled());
        QTest::mouseClick(control(&preview, "PREVIEW:NEXT"), Qt::LeftButton);
        QCOMPARE(preview.currentPage(), 1);
        QTest::mouseClick(control(&preview, "PREVIEW:PREVIOUS"), Qt::LeftButton);
        QCOMPARE(preview.currentPage(), 0);

        whenModal([&](QWidget* ask) {
            auto* input = qobject_cast<QInputDialog*>(ask);
            QVERIFY(input);
            QCOMPARE(input->labelText(), QString("Enter a page number from 1 to %1").arg(count));
            auto* spin = ask->findChild<QSpinBox*>();
            spin->selectAll();
            QTest::keyClicks(spin, QString::number(count));
            QTest::keyClick(spin, Qt::Key_Return);
        });
        QTest::mouseClick(control(&preview, "PREVIEW:JUMP"), Qt::LeftButton);
        QCOMPARE(preview.currentPage(), count - 1);
        QCOMPARE(pageNo->text(), QString("Seite %1 von %1").arg(count));
        QVERIFY(!control(&preview, "PREVIEW:NEXT")->isEnabled());

        auto* zoom = control<QComboBox>(&preview, "PREVIEW:ZOOM");
        QStringList choices;
        for (int i = 0; i < zoom->count(); ++i)
            choices << zoom->itemText(i);
        QCOMPARE(choices, QStringList({"No Zoom", "Page Width", "50%", "75%", "100%", "200%", "300%"}));
        auto* page = control<QLabel>(&preview, "PREVIEW:PAGE");
        const auto pageWidth = [page] { return page->pixmap().width(); };
        zoom->setCurrentIndex(PrintPreviewWin::Zoom100);
        const int full = pageWidth();
        QCOMPARE(full, qRound(210 / 25.4 * preview.logicalDpiX()));
        zoom->setCurrentIndex(PrintPreviewWin::Zoom200);
        QVERIFY(qAbs(pageWidth() - 2 * full) <= 2);
        zoom->setCurrentIndex(PrintPreviewWin::Zoom50);
        QVERIFY(qAbs(pageWidth() - full / 2) <= 2);
        auto* viewport = control<QScrollArea>(&preview, "PREVIEW:PAGES")->viewport();
        zoom->setCurrentIndex(PrintPreviewWin::NoZoom);
        QVERIFY(page->pixmap().height() <= viewport->height());
        zoom->setCurrentIndex(PrintPreviewWin::PageWidth);
        QVERIFY(pageWidth() <= viewport->width());
        QVERIFY(pageWidth() > viewport->width() * 3 / 4);

        QTest::mouseClick(control(&preview, "PREVIEW:PRINT"), Qt::LeftButton);
        QCOMPARE(printed_, 1);
        QVERIFY(!preview.isVisible());
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "ReportWindowsTest.moc"
