#pragma once
// The mailing lists in MailPath (MailMergeListWin), where mail merge starts:
// "New" opens the selection window that writes a list, "Change" checks the
// selected list and shows it in the mailing-list browse. The list is read
// again whenever a window closes, so a list just written appears.

#include "ui/browse/BrowseWindow.h"

namespace velkora::documents {

browse::BrowseDeclaration mailMergeListDeclaration();

class MailMergeListWin : public browse::BrowseWindow {
    Q_OBJECT
public:
    explicit MailMergeListWin(QWidget* parent = nullptr);
    ~MailMergeListWin() override;

    // The size the frame first shows it in.
    QSize sizeHint() const override;

    // Reads the mailing lists of MailPath again.
    void rebuild();

protected:
    int runForm(int request) override;

private:
    // Takes the selected list as the mailing file and shows it, once it opens.
    void showSelectedList();

    QMetaObject::Connection windowsChanged_;
};

} // namespace velkora::documents
