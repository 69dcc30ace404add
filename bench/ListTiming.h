#pragma once
// What the list benchmarks share: the time until a user's action has shown
// its page, their median, and a click on a column heading.

#include "ui/browse/BrowseList.h"
#include "ui/browse/BrowseWindow.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace velkora::bench {

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds until `action` has run and every event it caused (the page shown) is handled.
inline double timed(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    QCoreApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline void clickHeader(browse::BrowseWindow& window, int column) {
    auto* header = window.list()->table()->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

} // namespace velkora::bench
