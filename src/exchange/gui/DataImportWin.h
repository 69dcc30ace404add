#pragma once
// The import wizard: the file and its format, the mapping of its columns onto
// the address fields, and the reading into the exchange file, after which the
// check list opens on it. Reading shows its progress and can be cancelled;
// the window stays responsive in between.

#include "exchange/ColumnMapping.h"
#include "exchange/ImportSource.h"

#include <QWidget>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

namespace velkora::exchange {

class DataImportWin : public QWidget {
    Q_OBJECT
public:
    explicit DataImportWin(QWidget* parent = nullptr);

    int page() const;
    // The options of the first page as they stand.
    ImportOptions options() const;
    const ColumnMapping& mapping() const { return mapping_; }

private:
    QWidget* filePage();
    QWidget* mappingPage();
    QWidget* readingPage();
    void chooseFile();
    void showPage(int page);
    void next();
    void back();
    // Second page: the columns of the file's first line and the automatic mapping.
    bool loadColumns();
    void showColumns();
    void showMapping();
    void assignColumn();
    void removeAssignment();
    void takeFixedColumn();
    void selectedColumnChanged();
    // Third page: reads the file into the exchange file and opens the check list.
    void read();
    void updateFormatControls();

    QStackedWidget* pages_;
    QButtonGroup* format_;
    QLineEdit* file_;
    QButtonGroup* delFix_;
    QLineEdit* delimiter_;
    QCheckBox* header_;
    QCheckBox* quotes_;
    QCheckBox* oem_;
    QTableWidget* columns_;
    QTableWidget* fields_;
    QSpinBox* fixedPosition_;
    QSpinBox* fixedLength_;
    QPushButton* takeFixed_;
    QLabel* status_;
    QProgressBar* progress_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* cancel_;
    std::vector<ImportColumn> columnList_;
    std::vector<FixedColumn> fixed_;
    ColumnMapping mapping_;
    bool reading_ = false;
    bool cancelled_ = false;
};

} // namespace velkora::exchange
