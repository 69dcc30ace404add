#pragma once
// Reads and drives a list window as a user does: the cells of its table,
// clicks on its headers, its named controls. Test fixtures of lists hold one.

#include "ui/browse/BrowseList.h"
#include "ui/browse/BrowseWindow.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace velkora::test {

// Shows a window as the frame would and waits until it takes keys.
inline bool showForKeys(QWidget* window) {
    window->resize(900, 400);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window) || !QTest::qWaitForWindowActive(window))
        return false;
    QCoreApplication::processEvents();
    return true;
}

template <class Window> class ListDriver {
public:
    Window* showWindow(std::unique_ptr<Window> opened) {
        window = std::move(opened);
        return showForKeys(window.get()) ? window.get() : nullptr;
    }
    void closeWindow() {
        if (window) {
            window->close();
            window.reset();
        }
    }

    QTableView* table() const { return window->list()->table(); }
    QWidget* list() const { return window->template findChild<QWidget*>("BROWSE:1"); }
    template <class W = QWidget> W* control(const char* name) const {
        return window->template findChild<W*>(name);
    }
    QString cell(int row, int column) const { return table()->model()->index(row, column).data().toString(); }
    // The text of display column `column` in the selected row.
    QString selectedText(int column) const { return cell(table()->currentIndex().row(), column); }
    int rows() const { return table()->model()->rowCount(); }
    QStringList column(int column) const {
        QStringList out;
        for (int r = 0; r < rows(); ++r)
            out << cell(r, column).trimmed();
        return out;
    }
    // Clicks the header of display column `column`.
    void clickHeader(int column) const {
        auto* header = table()->horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    QString headerText(int column) const { return window->list()->headerText(column); }

    std::unique_ptr<Window> window;
};

} // namespace velkora::test
