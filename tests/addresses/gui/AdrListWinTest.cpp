// The address list driven as a user drives it: typing in the locator,
// clicking headers, paging, New/Change/Delete through a stand-in form,
// the URL button and the alarm note.

#include "../../i18n/MemoryTranslationTable.h"
#include "AddressListFixture.h"
#include "SortIndexes.h"
#include "addresses/gui/AlarmWin.h"
#include "app/gui/MainFrame.h"
#include "app/gui/Navigation.h"
#include "app/gui/WindowPosition.h"
#include "app/gui/WindowRegistry.h"
#include "shared/ProfileFile.h"
#include "ui/browse/FormRequest.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

using velkora::test::AddressListFixture;
using velkora::test::AddressSpec;
namespace browse = velkora::browse;
namespace data = velkora::data;

namespace {

enum DisplayColumn { Status = 0, Name1 = 1, AdrArt = 4, LdPlz = 5, Ort = 6, AdrNr = 11 };

// Records the URLs the desktop was asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() {
        for (const char* scheme : {"http", "https", "ftp", "mailto", "file", "javascript"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override {
        for (const char* scheme : {"http", "https", "ftp", "mailto", "file", "javascript"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

// The frame's navigation buttons as the list sets them.
class FakeBar : public velkora::app::NavigationBar {
public:
    FakeBar() { velkora::app::setFrameNavigation(this); }
    ~FakeBar() override { velkora::app::setFrameNavigation(nullptr); }
    void setNavigationEnabled(int code, bool enabled) override { enabled_[code] = enabled; }
    void setNavigationToolTip(int code, const QString& tip) override { tips_[code] = tip; }
    bool isNavigationEnabled(int code) const override { return enabled_.value(code, true); }
    QString tip(int code) const { return tips_.value(code); }

private:
    QMap<int, bool> enabled_;
    QMap<int, QString> tips_;
};

} // namespace

class AdrListWinTest : public QObject {
    Q_OBJECT
private slots:
    void init() { velkora::addresses::registerAddressWindows(); }
    void cleanup() {
        browse::unregisterForm("qxUpdateAdressMain");
        velkora::addresses::closeAlarm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void opensOnTheFirstPageAndPublishesTheSelection() {
        AddressListFixture f;
        f.addNumbered(60);
        QVERIFY(f.openWindow());
        QVERIFY(f.rows() > 3);
        QVERIFY(f.rows() < 60);
        QCOMPARE(f.headerText(Status), QString("> .."));
        QCOMPARE(f.headerText(Name1), QString("Name 1"));
        QCOMPARE(velkora::appState().ADRNR, 1);
        QVERIFY(!f.control("LS:SEARCHPROMPT")->isVisible()); // sorted by the icon column
    }

    void addsTheEmptyIndustryOnce() {
        AddressListFixture f;
        QVERIFY(f.openWindow());
        f.closeWindow();
        QVERIFY(f.openWindow());
        auto& bra = data::files().QXADRBRA;
        QCOMPARE(bra.records(), std::int64_t{1});
        bra.clear();
        bra.set(*bra.table().key("QXADRBR1"));
        QCOMPARE(bra.next(), 0);
        QCOMPARE(QString::fromStdString(bra.rec.BRANCHE), QString(" -"));
        QCOMPARE(QString::fromStdString(bra.rec.BEZEICHNG), QString(" no Info"));
    }

    void everyColumnSortsByAnIndexTheFileWasMadeWith() {
        AddressListFixture f;
        f.addNumbered(3);
        QCOMPARE(velkora::test::sortsWithoutIndex(velkora::addresses::addressListDeclaration(),
                                                  data::files().QXADRESS),
                 QStringList());
    }

    void headerClicksSortAndToggle() {
        AddressListFixture f;
        f.addAddresses({{"Becker", "D", "50667", "Köln"},
                        {"adler", "D", "80331", "München"},
                        {"Zander", "A", "1010", "Wien"}});
        QVERIFY(f.openWindow());
        f.clickHeader(Name1);
        QCOMPARE(f.headerText(Name1), QString(">Name 1"));
        QCOMPARE(f.cell(0, Name1), QString("adler"));
        QCOMPARE(f.control<QLabel>("LS:SEARCHPROMPT")->text(), QString("Name 1:"));
        f.clickHeader(Name1);
        QCOMPARE(f.headerText(Name1), QString("<Name 1"));
        QCOMPARE(f.cell(0, Name1), QString("Zander"));
        f.clickHeader(Ort);
        QCOMPARE(f.headerText(Ort), QString(">Ort"));
        QCOMPARE(f.headerText(Name1), QString("Name 1"));
        QCOMPARE(f.cell(0, Ort), QString("Köln"));
        QCOMPARE(f.control<QLabel>("LS:SEARCHPROMPT")->text(), QString("Ort:"));
    }

    void typingOnTheListLocates() {
        AddressListFixture f;
        f.addNumbered(80);
        QVERIFY(f.openWindow());
        f.clickHeader(Name1);
        QTest::keyClicks(f.list(), "name 05");
        QCOMPARE(f.control<QLineEdit>("LS:SEARCHSTRING")->text(), QString("name 05"));
        QTRY_COMPARE(f.selectedText(Name1), QString("Name 050"));
        QCOMPARE(velkora::appState().ADRNR, 50);
        QTest::keyClick(f.list(), Qt::Key_Backspace);
        QTest::keyClick(f.list(), Qt::Key_7);
        QTRY_COMPARE(f.selectedText(Name1), QString("Name 070"));
        // Entering a text in the search entry locates as well.
        auto* entry = f.control<QLineEdit>("LS:SEARCHSTRING");
        entry->selectAll();
        QTest::keyClicks(entry, "Name 033");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(f.selectedText(Name1), QString("Name 033"));
        // A header click clears the locator.
        f.clickHeader(Ort);
        QCOMPARE(entry->text(), QString());
    }

    void postalCodeLocator() {
        AddressListFixture f;
        f.addAddresses({{"Null", "0", "1234", "Nullort"},
                        {"Wien", "A", "1010", "Wien"},
                        {"Berlin", "D", "10115", "Berlin"},
                        {"Gleich", "D", "12345", "Gleich"},
                        {"Danach", "D", "12346", "Danach"},
                        {"Dänemark", "DK", "1000", "København"}});
        QVERIFY(f.openWindow());
        f.clickHeader(LdPlz);
        QCOMPARE(f.control<QLabel>("LS:SEARCHPROMPT")->text(), QString("BRW:LDPLZ:"));
        auto* entry = f.control<QLineEdit>("LS:SEARCHSTRING");
        const auto locate = [&](const char* text) {
            entry->setText(text);
            QTest::keyClick(entry, Qt::Key_Return);
            return f.selectedText(LdPlz);
        };
        QCOMPARE(locate("12345"), QString("D 12345")); // default country D
        QCOMPARE(locate("01234"), QString("0 1234"));  // leading zero: country 0
        QCOMPARE(locate("D 10115"), QString("D 10115"));
        QCOMPARE(locate("D 12345x"), QString("D 12346")); // at or after
        QCOMPARE(locate("DK"), QString("DK 1000"));
    }

    void addressTypeLocator() {
        AddressListFixture f;
        f.addAddresses(
            {{"Eins", "D", "1", "", 0, 3}, {"Zwei", "D", "2", "", 0, 2}, {"Drei", "D", "3", "", 0, 1}});
        QVERIFY(f.openWindow());
        f.clickHeader(AdrArt);
        QTest::keyClick(f.list(), Qt::Key_L);
        QTRY_COMPARE(f.selectedText(AdrArt), QString("Lieferant"));
        QTest::keyClick(f.list(), Qt::Key_Backspace);
        QTest::keyClicks(f.list(), "k");
        QTRY_COMPARE(f.selectedText(AdrArt), QString("Kunde"));
    }

    void pagingPastTheEdge() {
        AddressListFixture f;
        f.addNumbered(100);
        QVERIFY(f.openWindow());
        f.clickHeader(AdrNr);
        const int page = f.rows();
        QTest::keyClick(f.list(), Qt::Key_PageDown);
        QCOMPARE(velkora::appState().ADRNR, 1 + page);
        QCOMPARE(f.rows(), page);
        QTest::keyClick(f.list(), Qt::Key_End);
        QCOMPARE(velkora::appState().ADRNR, 100);
        QTest::keyClick(f.list(), Qt::Key_Down); // quiet at the end
        QCOMPARE(velkora::appState().ADRNR, 100);
        QTest::keyClick(f.list(), Qt::Key_Home);
        QCOMPARE(velkora::appState().ADRNR, 1);
        for (int i = 0; i < page; ++i)
            QTest::keyClick(f.list(), Qt::Key_Down);
        QCOMPARE(velkora::appState().ADRNR, 1 + page);
        QCOMPARE(f.cell(0, AdrNr).trimmed(), QString("2"));
        // The frame's toolbar buttons reach the list as navigation codes.
        f.window->navigate(2005);
        QCOMPARE(velkora::appState().ADRNR, 1);
        f.window->navigate(2006);
        QCOMPARE(velkora::appState().ADRNR, 1 + page);
    }

    void newChangeAndDeleteGoThroughTheForm() {
        AddressListFixture f;
        f.addNumbered(5);
        std::vector<int> requests;
        browse::registerForm("qxUpdateAdressMain", [&](int request) {
            requests.push_back(request);
            auto& adr = data::files().QXADRESS;
            switch (request) {
            case browse::InsertRecord:
                adr.rec.ADRNR = 99;
                adr.rec.NAME1 = "Name 000 neu";
                return adr.add() == 0 ? browse::RequestCompleted : browse::RequestCancelled;
            case browse::ChangeRecord:
                adr.rec.NAME1 += " geändert";
                return adr.put() == 0 ? browse::RequestCompleted : browse::RequestCancelled;
            default:
                return adr.erase() == 0 ? browse::RequestCompleted : browse::RequestCancelled;
            }
        });
        QVERIFY(f.openWindow());
        f.clickHeader(Name1);
        QTest::mouseClick(f.control<QPushButton>("INSERT:2"), Qt::LeftButton);
        QCOMPARE(requests, std::vector<int>{browse::InsertRecord});
        QCOMPARE(f.selectedText(Name1), QString("Name 000 neu"));
        QCOMPARE(velkora::appState().ADRNR, 99);
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::keyClick(f.list(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(requests.back(), int(browse::ChangeRecord));
        QCOMPARE(f.selectedText(Name1), QString("Name 001 geändert"));
        QTest::keyClick(f.list(), Qt::Key_Delete);
        QCOMPARE(requests.back(), int(browse::DeleteRecord));
        QCOMPARE(f.selectedText(Name1), QString("Name 002"));
        QCOMPARE(f.rows(), 5);
        QCOMPARE(velkora::appState().ADRNR, 2);
    }

    void urlButtonFollowsAWebAddressEnteredInTheForm() {
        AddressListFixture f;
        f.addAddresses({{"A ohne", "D", "1", ""}, {"B ohne", "D", "2", ""}});
        browse::registerForm("qxUpdateAdressMain", [](int) {
            auto& adr = data::files().QXADRESS;
            adr.rec.URL = adr.rec.URL.empty() ? "www.example.de" : "";
            return adr.put() == 0 ? browse::RequestCompleted : browse::RequestCancelled;
        });
        QVERIFY(f.openWindow());
        auto* url = f.control<QPushButton>("URLBUTTON");
        QVERIFY(!url->isEnabled());
        QTest::mouseClick(f.control<QPushButton>("CHANGE:2"), Qt::LeftButton);
        QVERIFY(url->isEnabled());
        QTest::mouseClick(f.control<QPushButton>("CHANGE:2"), Qt::LeftButton);
        QVERIFY(!url->isEnabled());
    }

    void saveAndNextShiftsThePageAndReopensTheForm() {
        AddressListFixture f;
        f.addNumbered(40);
        std::vector<int> opened;
        browse::registerForm("qxUpdateAdressMain", [&](int request) {
            opened.push_back(data::files().QXADRESS.rec.ADRNR);
            // Saved with save-and-next once, then an ordinary close.
            const bool first = opened.size() == 1;
            browse::formExchange().navigation = first ? 2008 : 0;
            (void)request;
            return first ? browse::RequestCompleted : browse::RequestCancelled;
        });
        QVERIFY(f.openWindow());
        f.clickHeader(AdrNr);
        const int page = f.rows();
        QTest::keyClick(f.list(), Qt::Key_PageDown);
        QTest::keyClick(f.list(), Qt::Key_PageUp); // back on the first row of the first page
        for (int i = 1; i < page; ++i)             // down to its last row
            QTest::keyClick(f.list(), Qt::Key_Down);
        QCOMPARE(velkora::appState().ADRNR, page);
        QTest::mouseClick(f.control<QPushButton>("CHANGE:2"), Qt::LeftButton);
        QCOMPARE(opened, (std::vector<int>{page, page + 1}));
        QCOMPARE(f.cell(0, AdrNr).trimmed(), QString("2")); // one record on, not a page
        QCOMPARE(f.table()->currentIndex().row(), page - 1);
        QCOMPARE(velkora::appState().ADRNR, page + 1);
    }

    // The translator sees the headings and texts as designed: no sort
    // marker in a heading key, no key for the locator prompt, which is the
    // sort column's heading set at run time (this window has no other prompt).
    void writeTrlRecordsOnlyDesignTexts() {
        velkora::test::MemoryTranslations mem;
        AddressListFixture f;
        f.addNumbered(3);
        velkora::appState().WRITETRL = 1;
        QVERIFY(f.openWindow());
        f.clickHeader(Name1);
        f.closeWindow();
        QVERIFY(f.openWindow()); // sorted by "Name 1" from the start
        QStringList keys;
        for (const auto& entry : mem.records)
            keys << QString::fromStdString(entry.first);
        for (const char* designed : {"P.25_ADRESSENLISTE", "P.38_ADRESSEN", "P.09_NEW", "L.NAME 1", "L.ORT"})
            QVERIFY2(keys.contains(designed), designed);
        for (const QString& key : keys) {
            QVERIFY2(!key.contains('>') && !key.contains('<'), qPrintable(key));
            QVERIFY2(!key.startsWith("P.10_"), qPrintable(key));
            QVERIFY2(key != "L. ..", qPrintable(key));
        }
        QCOMPARE(f.headerText(Name1), QString(">Name 1"));
        QCOMPARE(f.control<QLabel>("LS:SEARCHPROMPT")->text(), QString("Name 1:"));
    }

    void translatedSortHeadingShowsWithMarkerAndInThePrompt() {
        velkora::test::MemoryTranslations mem;
        mem.put("L.NAME 1", "Name one");
        mem.put("L. ..", "never");
        AddressListFixture f;
        f.addNumbered(3);
        QVERIFY(f.openWindow());
        QCOMPARE(f.headerText(Status), QString("> .."));
        f.clickHeader(Name1);
        QCOMPARE(f.headerText(Name1), QString(">Name one"));
        QCOMPARE(f.control<QLabel>("LS:SEARCHPROMPT")->text(), QString("Name one:"));
        f.closeWindow();
        QVERIFY(f.openWindow());
        QCOMPARE(f.headerText(Name1), QString(">Name one"));
        QCOMPARE(f.control<QLabel>("LS:SEARCHPROMPT")->text(), QString("Name one:"));
    }

    void emptyListOffersOnlyNew() {
        AddressListFixture f;
        FakeBar bar;
        int calls = 0;
        browse::registerForm("qxUpdateAdressMain", [&](int) {
            ++calls;
            return browse::RequestCancelled;
        });
        QVERIFY(f.openWindow());
        QCOMPARE(f.rows(), 0);
        QVERIFY(f.control<QPushButton>("INSERT:2")->isEnabled());
        QVERIFY(!f.control<QPushButton>("CHANGE:2")->isEnabled());
        QVERIFY(!f.control<QPushButton>("DELETE:2")->isEnabled());
        QTest::keyClick(f.list(), Qt::Key_Delete);
        QTest::keyClick(f.list(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(calls, 0);
        QTest::keyClick(f.list(), Qt::Key_Insert);
        QCOMPARE(calls, 1);
        QCOMPARE(velkora::appState().ADRNR, 0);
        // The frame's New, Change and Delete mirror the window's buttons.
        QVERIFY(bar.isNavigationEnabled(2000));
        QVERIFY(!bar.isNavigationEnabled(2001));
        QVERIFY(!bar.isNavigationEnabled(2002));
        QCOMPARE(bar.tip(2004), QString("zur letzten Datenseite springen"));
        QCOMPARE(bar.tip(2008), QString("zum nächsten Datensatz springen"));
    }

    void withoutAFormTheRequestNamesTheMissingProcedure() {
        AddressListFixture f;
        f.addNumbered(2);
        QVERIFY(f.openWindow());
        QTest::mouseClick(f.control<QPushButton>("CHANGE:2"), Qt::LeftButton);
        QCOMPARE(f.prompter.prompts().size(), std::size_t{1});
        QVERIFY(f.prompter.last().text.starts_with("qxUpdateAdressMain|"));
    }

    void urlButtonFollowsTheAddressAndOpensOnlyWebAddresses() {
        AddressListFixture f;
        f.addAddresses({{"A ohne", "D", "1", ""},
                        {"B web", "D", "2", "", 0, 0, "firma.de"},
                        {"C datei", "D", "3", "", 0, 0, "file:///etc/passwd"},
                        {"D mail", "D", "4", "", 0, 0, "info@firma.de"}});
        UrlCatcher catcher;
        QVERIFY(f.openWindow());
        f.clickHeader(Name1);
        auto* url = f.control<QPushButton>("URLBUTTON");
        QVERIFY(!url->isEnabled());
        QTest::keyClick(f.list(), Qt::Key_Down);
        QVERIFY(url->isEnabled());
        QTest::mouseClick(url, Qt::LeftButton);
        QTest::keyClick(f.list(), Qt::Key_Down);
        QVERIFY(url->isEnabled());
        QTest::mouseClick(url, Qt::LeftButton); // a local file: not opened, a beep
        QCOMPARE(f.prompter.beeps(), 1);
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::mouseClick(url, Qt::LeftButton);
        QCOMPARE(catcher.opened, (QStringList{"http://firma.de", "mailto:info@firma.de"}));
        QTest::keyClick(f.list(), Qt::Key_Home);
        QVERIFY(!url->isEnabled());
    }

    void alarmNoteOpensAndCloses() {
        AddressListFixture f;
        f.addAddresses({{"A Alarm", "D", "1", "", 0, 0, "", "1", "Bitte zurückrufen"},
                        {"B still", "D", "2", ""},
                        {"C Alarm", "D", "3", "", 0, 0, "", "1", "Mahnung offen"}});
        velkora::appState().SHOWALARM = 1;
        QVERIFY(f.openWindow());
        f.clickHeader(Name1);
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::keyClick(f.list(), Qt::Key_Up);
        QVERIFY(f.window->isActiveBrowse());
        QWidget* note = velkora::app::runningWindow("qxShowAlarm");
        QVERIFY(note != nullptr);
        QTRY_COMPARE(note->findChild<QLabel*>("LS:ALARMSTRING")->text(), QString("Bitte zurückrufen"));
        QVERIFY(note->findChild<QLabel*>("IMAGE1") != nullptr);
        const int beeps = f.prompter.beeps();
        // Alone, without the frame, the note is a window of its own, and this
        // platform activates every new window: the user clicks back into the list.
        const auto backToTheList = [&] {
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        };
        backToTheList();
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTRY_VERIFY(velkora::app::runningWindow("qxShowAlarm") == nullptr);
        backToTheList();
        QTest::keyClick(f.list(), Qt::Key_Down);
        note = velkora::app::runningWindow("qxShowAlarm");
        QVERIFY(note != nullptr);
        QTRY_COMPARE(note->findChild<QLabel*>("LS:ALARMSTRING")->text(), QString("Mahnung offen"));
        QCOMPARE(f.prompter.beeps(), beeps + 1);
        // Closing the list closes the note.
        f.closeWindow();
        QTRY_VERIFY(velkora::app::runningWindow("qxShowAlarm") == nullptr);
    }

    void alarmWithoutARemarkShowsNothing() {
        AddressListFixture f;
        f.addAddresses({{"A Alarm", "D", "1", "", 0, 0, "", "1", "Bitte zurückrufen"},
                        {"B leer", "D", "2", "", 0, 0, "", "1", ""},
                        {"C blank", "D", "3", "", 0, 0, "", "1", "   "}});
        velkora::appState().SHOWALARM = 1;
        QVERIFY(f.openWindow());
        f.clickHeader(Name1);
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::keyClick(f.list(), Qt::Key_Up);
        QVERIFY(velkora::app::runningWindow("qxShowAlarm") != nullptr);
        const int beeps = f.prompter.beeps();
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTRY_VERIFY(velkora::app::runningWindow("qxShowAlarm") == nullptr);
        QTest::keyClick(f.list(), Qt::Key_Down);
        QCoreApplication::processEvents();
        QVERIFY(velkora::app::runningWindow("qxShowAlarm") == nullptr);
        QCOMPARE(f.prompter.beeps(), beeps);
    }

    // Inside the frame the note shows beside the list: the keys and the
    // frame's buttons go on moving through the addresses.
    void aListOpenedFromTheFrameTakesTheKeysAtOnce() {
        AddressListFixture f;
        f.addAddresses({{"A", "D", "1", ""}, {"B", "D", "2", ""}});
        velkora::app::MainFrame frame({});
        const auto closeFrame = qScopeGuard([&frame] { frame.close(); });
        frame.open();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QWidget* list = velkora::app::openWindow("qxAdressMain");
        QVERIFY(list != nullptr);
        QVERIFY(list->findChild<QWidget*>("BROWSE:1")->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(velkora::appState().ADRNR, 2);
    }

    void alarmNoteLeavesTheFocusInTheList() {
        AddressListFixture f;
        f.addAddresses({{"A still", "D", "1", ""},
                        {"B Alarm", "D", "2", "", 0, 0, "", "1", "Bitte zurückrufen"},
                        {"C Alarm", "D", "3", "", 0, 0, "", "1", "Mahnung offen"},
                        {"D still", "D", "4", ""}});
        velkora::appState().SHOWALARM = 1;
        velkora::app::MainFrame frame({});
        const auto closeFrame = qScopeGuard([&frame] { frame.close(); });
        frame.open();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QWidget* list = velkora::app::openWindow("qxAdressMain");
        QVERIFY(list != nullptr);
        QWidget* table = list->findChild<QWidget*>("BROWSE:1");
        auto* rows = table->findChild<QTableView*>();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          rows->visualRect(rows->model()->index(0, 1)).center());
        QVERIFY(table->isAncestorOf(QApplication::focusWidget()));
        const auto keyOnFocus = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        keyOnFocus(Qt::Key_Down);
        QCOMPARE(velkora::appState().ADRNR, 2);
        QWidget* note = velkora::app::runningWindow("qxShowAlarm");
        QVERIFY(note != nullptr);
        QCoreApplication::processEvents();
        QCOMPARE(note->findChild<QLabel*>("LS:ALARMSTRING")->text(), QString("Bitte zurückrufen"));
        QVERIFY(table->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(frame.mdiArea()->activeSubWindow()->widget(), list);
        QCOMPARE(frame.mdiArea()->subWindowList(QMdiArea::StackingOrder).last()->widget(), note);
        keyOnFocus(Qt::Key_Down);
        QCOMPARE(velkora::appState().ADRNR, 3);
        QTRY_COMPARE(note->findChild<QLabel*>("LS:ALARMSTRING")->text(), QString("Mahnung offen"));
        frame.command("TBARBRWDOWN")->trigger();
        QCOMPARE(velkora::appState().ADRNR, 4);
        QTRY_VERIFY(velkora::app::runningWindow("qxShowAlarm") == nullptr);
        frame.command("TBARBRWUP")->trigger();
        QCOMPARE(velkora::appState().ADRNR, 3);
        QVERIFY(velkora::app::runningWindow("qxShowAlarm") != nullptr);
    }

    void alarmsSwitchedOffOpenNothing() {
        AddressListFixture f;
        f.addAddresses({{"A Alarm", "D", "1", "", 0, 0, "", "1", "Bitte zurückrufen"}, {"B", "D", "2", ""}});
        velkora::appState().SHOWALARM = 0;
        QVERIFY(f.openWindow());
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::keyClick(f.list(), Qt::Key_Up);
        QCoreApplication::processEvents();
        QVERIFY(velkora::app::runningWindow("qxShowAlarm") == nullptr);
        QCOMPARE(f.prompter.beeps(), 0);
    }

    void sortColumnAndLayoutComeBackAtTheNextOpen() {
        AddressListFixture f;
        f.addAddresses({{"Becker", "D", "50667", "Köln"}, {"adler", "D", "80331", "München"}});
        QVERIFY(f.openWindow());
        f.clickHeader(Ort);
        f.clickHeader(Ort);
        f.closeWindow();
        const std::string file = velkora::app::windowFile();
        QCOMPARE(
            QString::fromStdString(velkora::profile::read(file, "qxAdressMain", "XplorePrevCol-?Browse:1")),
            QString("-7"));
        QVERIFY(f.openWindow());
        QCOMPARE(f.headerText(Ort), QString("<Ort"));
        QCOMPARE(f.cell(0, Ort), QString("München"));
    }

    void statusIconsAndComputedColumns() {
        AddressListFixture f;
        f.addAddresses({{"A", "D", "10115", "Berlin", 2, 1}, {"B", "CH", "8000", "Zürich", 9, 7}});
        QVERIFY(f.openWindow());
        f.clickHeader(Name1);
        const auto* model = f.table()->model();
        QVERIFY(!model->index(0, Status).data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(model->index(1, Status).data(Qt::DecorationRole).isNull()); // status 9: no icon
        QCOMPARE(f.cell(0, AdrArt), QString("Kunde"));
        QCOMPARE(f.cell(1, AdrArt), QString(" ")); // type 7 is not in the list
        QCOMPARE(f.cell(0, LdPlz), QString("D 10115"));
        QCOMPARE(f.cell(1, LdPlz), QString("CH 8000"));
        QVERIFY(model->index(0, Name1).data(Qt::BackgroundRole).isNull());
        QCOMPARE(model->index(1, Name1).data(Qt::BackgroundRole).value<QColor>(), QColor(0xF0, 0xF0, 0xF0));
    }
};

QTEST_MAIN(AdrListWinTest)
#include "AdrListWinTest.moc"
