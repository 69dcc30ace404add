#include "documents/lists/MailingListWin.h"

#include "app/gui/Procedures.h"
#include "documents/lists/AsciiExportWin.h"
#include "documents/lists/MailMergePrintWin.h"
#include "ui/browse/DbaseSource.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <filesystem>

namespace velkora::documents {
namespace {} // namespace

browse::BrowseDeclaration mailingListDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::MailingList;
    d.designFormat = "50L(2)|M~Anrede~@s40@130L(2)|M~Name 1~@s64@100L(2)|M~Name 2~@s64@"
                     "20L(2)|M~LD~@s3@32L(2)|M~PLZ~@s8@70L(2)|M~Ort~@s40@80L(2)|M~Strasse~@s40@"
                     "60L(2)|M~Land~@s40@36R(2)|M~Adr-Nr.~@s10@50L(2)|M~K-Anrede~@s32@"
                     "80L(2)|M~K-Name 1~@s64@70L(2)|M~K-Name 2~@s64@50L(2)|M~K-Art~@s24@"
                     "70L(2)|M~Position~@s48@";
    d.columns = {{{"M:NAME0", "Anrede", "@s40"}, ""},    {{"M:NAME1", "Name 1", "@s64"}, ""},
                 {{"M:NAME2", "Name 2", "@s64"}, ""},    {{"M:LD", "LD", "@s3"}, ""},
                 {{"M:PLZ", "PLZ", "@s8"}, ""},          {{"M:ORT", "Ort", "@s40"}, ""},
                 {{"M:STRASSE", "Strasse", "@s40"}, ""}, {{"M:LAND", "Land", "@s40"}, ""},
                 {{"M:ADRNR", "Adr-Nr.", "@s10"}, ""},   {{"M:KNAME0", "K-Anrede", "@s32"}, ""},
                 {{"M:KNAME1", "K-Name 1", "@s64"}, ""}, {{"M:KNAME2", "K-Name 2", "@s64"}, ""},
                 {{"M:KTART", "K-Art", "@s24"}, ""},     {{"M:ABTPOS", "Position", "@s48"}, ""}};
    // The file's own order: a mailing list is printed and exported as written.
    d.keyOrder = browse::SortOrder{"", "M:NAME1", 1};
    d.fixedOrder = true;
    d.tabs = {{"TAB:1", "Empfänger"}};
    return d;
}

ExportFileChooser& exportFileChooser() {
    static ExportFileChooser chooser = [](QWidget* over) -> std::optional<std::string> {
        // The dialog may move the working directory; the program's files are found from it.
        const QString working = QDir::currentPath();
        const QString file =
            QFileDialog::getSaveFileName(over, QString(), QString(), "ASCII (*.csv *.txt *.CSV *.TXT)");
        QDir::setCurrent(working);
        return file.isEmpty() ? std::nullopt : std::optional<std::string>(file.toStdString());
    };
    return chooser;
}

MailingListWin::MailingListWin(std::string mailingList, QWidget* parent)
    : BrowseWindow(mailingListDeclaration(), std::make_unique<browse::DbaseSource>(mailingList, "M"), parent),
      list_(std::move(mailingList)) {
    setWindowTitle("Serienbriefliste");
    for (QPushButton* button : {insertButton(), changeButton(), deleteButton()})
        button->hide();
    connect(addExtraButton("PRINT", "Drucken...", "Serienbriefe oder Liste drucken"), &QPushButton::clicked,
            this, &MailingListWin::print);
    connect(addExtraButton("EXPORT", "Export...", "Liste als ASCII-Datei exportieren"), &QPushButton::clicked,
            this, &MailingListWin::exportList);
    resize(sizeHint());
    openBrowse();
    const std::string file = std::filesystem::path(files::DbfTable::tableFileName(list_)).filename().string();
    setWindowTitle(windowTitle() + " [" + QString::fromStdString(file) + "]");
}

QSize MailingListWin::sizeHint() const {
    return QSize{900, 460}.expandedTo(minimumSizeHint());
}

MailingListWin::~MailingListWin() = default;

void MailingListWin::print() {
    // Over the frame: the frame turns off its child windows, this one among them, while the options run.
    MailMergePrintWin::run(list_, window());
}

void MailingListWin::exportList() {
    if (const auto target = exportFileChooser()(this))
        AsciiExportWin::run(list_, *target, this);
}

} // namespace velkora::documents
