#pragma once
// Document preparation (qxPreparePrint): a letter for the current address,
// from a template of the template folder, with a title and a name, opened in
// LibreOffice Writer or printed at once, and recorded in the address's
// history. It follows the address and contact lists and stays open for the
// next letter; LibreOffice works while the window stays responsive.

#include "data/Tables.h"
#include "documents/DocumentHandover.h"
#include "documents/Letter.h"
#include "documents/gui/PrinterChoice.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;

namespace velkora::documents {

class TemplateChoice;

class PrintDocWin : public QWidget {
    Q_OBJECT
public:
    explicit PrintDocWin(QWidget* parent = nullptr);
    ~PrintDocWin() override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void readAddress();
    void readContact();
    void proposeName();
    void reevaluate();
    void chooseTemplate();
    void choosePrinter();
    void pin(bool onTop);
    LetterRequest request() const;
    void create();
    void focus(LetterField field);
    void pollHandover();
    void setWorking(bool working);

    std::optional<data::Address> address_;
    std::string templateFile_;
    std::unique_ptr<DocumentHandover> handover_;
    LetterRequest pending_;
    std::int32_t contactNumber_ = 0; // of the contact person the summary shows

    QLineEdit* addressSummary_;
    QCheckBox* takeContact_;
    QLineEdit* contactSummary_;
    TemplateChoice* templateList_;
    QLineEdit* templateName_;
    QLineEdit* title_;
    QLineEdit* prefix_;
    QLineEdit* name_;
    QCheckBox* directPrint_;
    QSpinBox* copies_;
    QLineEdit* device_;
    QCheckBox* autoCopies_;
    QPushButton* printer_;
    QToolButton* pin_;
    QPushButton* create_;
    QPushButton* close_;
    QPushButton* help_;
    QCheckBox* saveActivity_;
    QLabel* working_;
    QProgressBar* progress_;
    QTimer* timer_;
};

} // namespace velkora::documents
