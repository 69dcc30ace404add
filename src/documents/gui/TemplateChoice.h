#pragma once
// The list of letter templates the document windows choose from (design name
// RTFTMPLNAME): the template folder's RTF files with name, file and number,
// rebuilt when a window opens, preselected with the template used last.

#include "documents/TemplateList.h"

#include <QTreeWidget>
#include <string>
#include <vector>

namespace velkora::documents {

class TemplateChoice : public QTreeWidget {
    Q_OBJECT
public:
    explicit TemplateChoice(QWidget* parent = nullptr);

    // Reads the template folder and selects `preferred` (or the first template).
    void fill(const std::string& tmplPath, const std::string& preferred);
    // The template chosen; nullptr when there is none.
    const TemplateEntry* chosen() const;

private:
    std::vector<TemplateEntry> templates_;
};

} // namespace velkora::documents
