#include "app/gui/QtPrompter.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace velkora;

class QtPrompterTest : public QObject {
    Q_OBJECT

private slots:
    void boxShowsCaptionLinesIconAndButtons() {
        std::unique_ptr<QMessageBox> box(
            app::buildMessageBox({"Message \"Warn:IMP_Start\" not found.||start import?", "IMP_Start",
                                  Icon::Exclamation, ButtonYes | ButtonNo, ButtonNo}));
        QCOMPARE(box->windowTitle(), QString("IMP_Start"));
        QCOMPARE(box->text(), QString("Message \"Warn:IMP_Start\" not found.\n\nstart import?"));
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->buttons().size(), 2);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
        QCOMPARE(box->escapeButton(), box->button(QMessageBox::No));
    }

    void emptySetShowsOkAndEveryBitHasItsButton() {
        std::unique_ptr<QMessageBox> ok(app::buildMessageBox({"x", "y", Icon::Information, 0, 0}));
        QCOMPARE(ok->buttons().size(), 1);
        QVERIFY(ok->button(QMessageBox::Ok));
        std::unique_ptr<QMessageBox> all(app::buildMessageBox({"x", "y", Icon::Stop, 255, 0}));
        QCOMPARE(all->buttons().size(), 8);
        QCOMPARE(all->icon(), QMessageBox::Critical);
        QCOMPARE(all->defaultButton(), all->button(QMessageBox::Ok)); // 0: the first button
    }

    void askReturnsTheButtonPressed() {
        app::QtPrompter prompter;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(QMessageBox::Retry)->click();
        });
        const unsigned pressed =
            prompter.ask({"MAPI Error", "MAPI_Error02", Icon::Exclamation, ButtonRetry | ButtonCancel, 0});
        QCOMPARE(pressed, unsigned(ButtonRetry));
    }
};

QTEST_MAIN(QtPrompterTest)
#include "QtPrompterTest.moc"
