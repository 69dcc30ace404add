// The two format dialogs driven by their controls.

#include "ui/layout/FormatDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

using namespace velkora::layout;

namespace {

FormatSession session() {
    FormatSession s;
    s.designed = *parseListFormat("22L(1)|M*~Land~@s3@90L(1)|M*~Name~@s39@28L(1)|M*~Vorwahl~@s7@");
    s.format = s.designed;
    s.fields = {{"LND:LD", "Land", "@s3L"},
                {"LND:LAND", "Name", "@s39L"},
                {"LND:VORWAHL", "Vorwahl", "@s7L"},
                {"LND:EXTRA", "Extra", "@n3"}};
    s.lineHeight = 18;
    return s;
}

// Runs `steps` on the dialog once it is shown.
void whenShown(const std::function<void(QWidget*)>& steps) {
    QTimer::singleShot(0, [steps] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        steps(dialog);
    });
}

template <class W> W* child(QWidget* dialog, const char* name) {
    auto* w = dialog->findChild<W*>(name);
    if (w == nullptr)
        qFatal("no control %s", name);
    return w;
}

} // namespace

class FormatDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void listFormatEditsTheCurrentColumn() {
        FormatSession s = session();
        whenShown([](QWidget* d) {
            QCOMPARE(d->windowTitle(), QString("List Format"));
            QCOMPARE(child<QPushButton>(d, "MOVELEFT")->text(), QString("<.."));
            QCOMPARE(child<QPushButton>(d, "MOVERIGHT")->toolTip(), QString("Move Right"));
            QCOMPARE(child<QCheckBox>(d, "FIX")->toolTip(),
                     QString("Fix all columns to the left when horizontal Scrolling"));
            auto* header = child<QLineEdit>(d, "HEADER");
            QCOMPARE(header->text(), QString("Name"));
            QCOMPARE(header->maxLength(), 20);
            header->clear();
            QTest::keyClicks(header, "Landesname");
            child<QSpinBox>(d, "WIDTH")->setValue(120);
            child<QCheckBox>(d, "ULINE")->setChecked(true);
            QTest::mouseClick(child<QPushButton>(d, "MOVERIGHT"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(d, "MOVERIGHT"), Qt::LeftButton); // past the end: beep only
            QTest::mouseClick(child<QPushButton>(d, "OK"), Qt::LeftButton);
        });
        QVERIFY(runListFormatDialog(s, 1, nullptr));
        QCOMPARE(QString::fromStdString(listFormatText(s.format)),
                 QString("22L(1)|M*~Land~@s3@28L(1)|M*~Vorwahl~@s7@#3#120L(1)|M*_~Landesname~@s39@#2#"));
    }

    void standardGoesBackToTheDesign() {
        FormatSession s = session();
        s.format.columns.pop_back();
        whenShown([](QWidget* d) {
            QCOMPARE(child<QPushButton>(d, "STANDARD")->toolTip(), QString("Reset to default settings"));
            QTest::mouseClick(child<QPushButton>(d, "STANDARD"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(d, "OK"), Qt::LeftButton);
        });
        QVERIFY(runListFormatDialog(s, 0, nullptr));
        QCOMPARE(listFormatText(s.format), listFormatText(s.designed));
    }

    void closingWithoutOkKeepsTheFormat() {
        FormatSession s = session();
        whenShown([](QWidget* d) {
            child<QSpinBox>(d, "WIDTH")->setValue(5);
            qobject_cast<QDialog*>(d)->reject();
        });
        QVERIFY(!runListFormatDialog(s, 0, nullptr));
        QCOMPARE(s.format.columns[0].width, 22);
    }

    void formatListboxShowsAndHidesColumns() {
        FormatSession s = session();
        whenShown([](QWidget* d) {
            QCOMPARE(d->windowTitle(), QString("Format Listbox..."));
            auto* shown = child<QTreeWidget>(d, "DISPLAYLIST");
            auto* available = child<QTreeWidget>(d, "FIELDLIST");
            QCOMPARE(shown->headerItem()->text(0), QString("Column"));
            QCOMPARE(available->headerItem()->text(0), QString("Field"));
            QCOMPARE(shown->topLevelItemCount(), 3);
            QCOMPARE(available->topLevelItemCount(), 1);
            available->setCurrentItem(available->topLevelItem(0));
            QTest::mouseClick(child<QPushButton>(d, "ADDCOLUMN"), Qt::LeftButton);
            QCOMPARE(shown->topLevelItemCount(), 4);
            shown->setCurrentItem(shown->topLevelItem(0));
            QTest::mouseClick(child<QPushButton>(d, "HIDECOLUMN"), Qt::LeftButton);
            QCOMPARE(available->topLevelItem(0)->text(1), QString("LND:LD"));
            child<QCheckBox>(d, "VSCROLL")->setChecked(false);
            child<QSpinBox>(d, "LINEHEIGHT")->setValue(24);
            QTest::mouseClick(child<QPushButton>(d, "CLOSE"), Qt::LeftButton);
        });
        QVERIFY(runFormatListboxDialog(s, nullptr));
        QCOMPARE(QString::fromStdString(listFormatText(s.format)),
                 QString("90L(1)|M*~Name~@s39@#2#28L(1)|M*~Vorwahl~@s7@#3#60L(1)|M*~Extra~@n3@#4#"));
        QVERIFY(!s.vscroll);
        QCOMPARE(s.lineHeight, 24);
    }
};

QTEST_MAIN(FormatDialogsTest)
#include "FormatDialogsTest.moc"
