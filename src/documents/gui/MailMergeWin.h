#pragma once
// The mail-merge selection window: the name of the new mailing list and the
// addresses (tab "Allgemein") and features and contact persons (tab
// "Erweitert") to select for it. "Create" checks the name, settles an
// existing list, and runs the selection with its progress window; when it
// wrote at least one row the window closes with the completed response.
//
//   if (MailMergeWin::run(this) == browse::RequestCompleted) rebuildList();

#include "documents/MailingSelection.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace velkora::form {
class PictureEdit;
}

namespace velkora::documents {

class MailMergeWin : public QDialog {
    Q_OBJECT
public:
    explicit MailMergeWin(QWidget* parent = nullptr);

    // Shows the window over the others until it closes; the response.
    static int run(QWidget* parent = nullptr);

    // What the controls select.
    MailingSelection selection() const;
    int response() const { return response_; }

signals:
    // A mailing list was written (MailPath/name.DBF).
    void listWritten(const QString& fileName);

private:
    QWidget* buildGeneral();
    QWidget* buildExtended();
    void fillLists();
    void chooseFile();
    void create();
    void finish(int response);

    QLineEdit* name_;
    QTabWidget* tabs_;
    form::PictureEdit* numberFrom_;
    form::PictureEdit* numberTo_;
    QLineEdit* nameFrom_;
    QLineEdit* nameTo_;
    QComboBox* statusFrom_;
    QComboBox* statusTo_;
    QComboBox* addressType_;
    QComboBox* industry_;
    QLineEdit* country_;
    QLineEdit* postalFrom_;
    QLineEdit* postalTo_;
    QComboBox* firstCompare_;
    form::PictureEdit* firstContact_;
    QComboBox* lastCompare_;
    form::PictureEdit* lastContact_;
    QGroupBox* features_;
    std::array<QCheckBox*, 8> feature_{};
    QRadioButton* featuresOr_;
    QRadioButton* featuresAnd_;
    QComboBox* featureNumberCompare_;
    form::PictureEdit* featureNumber_;
    QGroupBox* contacts_;
    QComboBox* contactType_;
    QLineEdit* department_;
    QCheckBox* onlyEmail_;
    QCheckBox* onlyFax_;
    int response_ = 2;
};

} // namespace velkora::documents
