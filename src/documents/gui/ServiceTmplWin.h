#pragma once
// The template service (TmplService): the letter templates, a new empty
// template or a chosen one opened in LibreOffice Writer, with the mail-field
// picker beside it to paste placeholders from.

#include "documents/TemplateList.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace velkora::documents {

// Asks the name of a new template (nullopt: cancelled); tests replace it.
using TemplateNamePrompt = std::function<std::optional<QString>(QWidget* over)>;
TemplateNamePrompt& templateNamePrompt();

// Opens a template for editing: Writer, or the desktop without LibreOffice.
void openTemplate(const std::string& path);

class ServiceTmplWin : public QWidget {
    Q_OBJECT
public:
    explicit ServiceTmplWin(QWidget* parent = nullptr);

private:
    void fill(const std::string& select = {});
    void createTemplate();
    void changeTemplate();
    void edit(const std::string& path);

    std::vector<TemplateEntry> templates_;
    QTreeWidget* list_;
    QPushButton* insert_;
    QPushButton* change_;
    QPushButton* close_;
};

} // namespace velkora::documents
