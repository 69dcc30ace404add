#include "documents/gui/TemplateChoice.h"

#include <QHeaderView>

namespace velkora::documents {

TemplateChoice::TemplateChoice(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("RTFTMPLNAME");
    setColumnCount(3);
    setHeaderLabels({"Vorlage", "Datei", "Nr."});
    setRootIsDecorated(false);
    // Room for a handful of templates; a longer list scrolls.
    setMinimumHeight(fontMetrics().height() * 6);
    setMaximumHeight(fontMetrics().height() * 9);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(1, QHeaderView::Stretch);
}

void TemplateChoice::fill(const std::string& tmplPath, const std::string& preferred) {
    templates_ = listTemplates(tmplPath);
    clear();
    for (const TemplateEntry& entry : templates_)
        addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(entry.TMPLNAME),
                                             QString::fromStdString(entry.TMPLFILENAME),
                                             QString::number(entry.TMPLSORTID)}));
    resizeColumnToContents(0);
    const TemplateEntry* entry = findTemplate(templates_, preferred);
    const int row = entry ? static_cast<int>(entry - templates_.data()) : (templates_.empty() ? -1 : 0);
    if (row >= 0)
        setCurrentItem(topLevelItem(row));
}

const TemplateEntry* TemplateChoice::chosen() const {
    const int row = currentItem() ? indexOfTopLevelItem(currentItem()) : -1;
    return row >= 0 && row < static_cast<int>(templates_.size()) ? &templates_[row] : nullptr;
}

} // namespace velkora::documents
