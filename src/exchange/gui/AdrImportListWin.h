#pragma once
// The check list of the rows read into the exchange file: each row with its
// check mark, the existing addresses a duplicate check found for the
// selected row below, Check, Delete and OK, which imports every row and
// closes the window.
//
//   app::openWindow(procedures::AdressImportList, [name] { return new AdrImportListWin(name); });

#include "exchange/DuplicateCheck.h"
#include "ui/browse/BrowseWindow.h"

#include <cstdint>
#include <map>
#include <string>

class QTableWidget;

namespace velkora::exchange {

class AdrImportListWin : public browse::BrowseWindow {
    Q_OBJECT
public:
    explicit AdrImportListWin(const std::string& exchangeName, QWidget* parent = nullptr);
    // Wide enough for names, place and street at first sight.
    QSize sizeHint() const override { return {900, 540}; }

    // The addresses found for each row by the last check.
    const std::multimap<std::uint32_t, std::int32_t>& duplicates() const { return duplicates_; }
    void check();
    void import();

protected:
    void selectionChanged() override;
    void viewEmpty() override;

private:
    void showDuplicates(std::uint32_t row);

    std::string exchangeName_;
    QTableWidget* duplicateList_;
    std::multimap<std::uint32_t, std::int32_t> duplicates_;
};

} // namespace velkora::exchange
