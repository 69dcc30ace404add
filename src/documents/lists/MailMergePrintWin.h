#pragma once
// The print options of a mailing list (PrnMMerge), opened from its browse:
// either the address list printed as a report, or one letter per row from a
// template, opened in LibreOffice or printed at once, and optionally
// recorded as activities. "Create" runs the choice; after the letters the
// window closes.
//
//   MailMergePrintWin::run(mailingFilePath("Kunden"), this);

#include <QDialog>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace velkora::documents {

class TemplateChoice;

class MailMergePrintWin : public QDialog {
    Q_OBJECT
public:
    // `mailingList`: the table's full name, with or without ".DBF".
    explicit MailMergePrintWin(std::string mailingList, QWidget* parent = nullptr);

    // Shows the window over the others until it closes.
    static void run(const std::string& mailingList, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void reevaluate();
    void choosePrinter();
    void create();
    bool tooManyDocuments() const;
    void printList();
    void makeDocuments();

    std::string list_;
    QCheckBox* printList_;
    TemplateChoice* templates_;
    QLineEdit* title_;
    QCheckBox* directPrint_;
    QSpinBox* copies_;
    QCheckBox* autoCopies_;
    QLineEdit* device_;
    QPushButton* printer_;
    QCheckBox* saveActivity_;
    QPushButton* create_;
    QPushButton* cancel_;
    QPushButton* help_;
};

} // namespace velkora::documents
