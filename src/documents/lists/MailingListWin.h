#pragma once
// The browse of one mailing list (MailingListWin): its rows in file order,
// read a page at a time from the dBase file, with "Print" and "Export".
// The frame opens it on the mailing file in effect (documents::mailingFile()).

#include "ui/browse/BrowseWindow.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace velkora::documents {

browse::BrowseDeclaration mailingListDeclaration();

// Asks for the file the ASCII export writes; nullopt when the user cancels.
// Replaceable, so tests answer without a file dialog.
using ExportFileChooser = std::function<std::optional<std::string>(QWidget* over)>;
ExportFileChooser& exportFileChooser();

class MailingListWin : public browse::BrowseWindow {
    Q_OBJECT
public:
    // `mailingList`: the table's full name, with or without ".DBF".
    explicit MailingListWin(std::string mailingList, QWidget* parent = nullptr);
    ~MailingListWin() override;

    // The size the frame first shows it in.
    QSize sizeHint() const override;

private:
    void print();
    void exportList();

    std::string list_;
};

} // namespace velkora::documents
