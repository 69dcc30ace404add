#pragma once
// The mail-field picker (ShowMailFlds): the placeholders of the mailing
// file with their descriptions. "Select" puts the chosen placeholder on the
// clipboard, to be pasted into the template open in Writer.

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace velkora::documents {

class MailFieldsWin : public QWidget {
    Q_OBJECT
public:
    explicit MailFieldsWin(QWidget* parent = nullptr);

private:
    void select();

    QTreeWidget* list_;
    QLabel* clipboard_;
    QPushButton* select_;
    QPushButton* close_;
};

} // namespace velkora::documents
