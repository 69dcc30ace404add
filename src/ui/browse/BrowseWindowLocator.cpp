// The list window's locator: the prompt naming the sort column, the entry,
// characters typed on the list, and positioning the view by the text.

#include "i18n/ControlTexts.h"
#include "shared/Text.h"
#include "ui/browse/BrowseWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace velkora::browse {
namespace {

constexpr const char* kIconHeader = " ..";

} // namespace

void BrowseWindow::connectLocator() {
    connect(list_, &BrowseList::locatorBackspace, this, [this] {
        showPendingMoves();
        locator_.backspace();
        controls_.searchEntry->setText(QString::fromStdString(locator_.text()));
        scheduleLocate();
    });
    connect(list_, &BrowseList::locatorTyped, this, [this](const QString& text) {
        showPendingMoves();
        locator_.append(text.toStdString());
        controls_.searchEntry->setText(QString::fromStdString(locator_.text()));
        scheduleLocate();
    });
    connect(controls_.searchEntry, &QLineEdit::returnPressed, this, [this] {
        locator_.set(controls_.searchEntry->text().toStdString());
        controls_.searchEntry->setModified(false);
        locate();
    });
    connect(controls_.searchEntry, &QLineEdit::editingFinished, this, [this] {
        if (!controls_.searchEntry->isModified())
            return;
        controls_.searchEntry->setModified(false);
        locator_.set(controls_.searchEntry->text().toStdString());
        locate();
    });
}

// The sort column's header without its marker: as the list shows it, or
// from the column table when the user has hidden that column.
QString BrowseWindow::sortHeader() const {
    const int index = list_->format().indexOfField(sortField_);
    if (index >= 0)
        return QString::fromStdString(list_->format().columns[static_cast<std::size_t>(index)].header);
    const auto& column = declaration_.columns[static_cast<std::size_t>(sortField_ - 1)];
    // Not on the list, so not translated with its headings: translated here.
    std::vector<std::string> heading{column.listHeader.empty() ? column.header : column.listHeader};
    i18n::translateHeadings(heading);
    return QString::fromStdString(heading.front());
}

void BrowseWindow::showLocatorPrompt() {
    const QString header = sortHeader();
    const bool shown = header != kIconHeader && !declaration_.embedded && !declaration_.fixedOrder;
    controls_.searchPrompt->setText(header.trimmed() + ":");
    controls_.searchPrompt->setVisible(shown);
    controls_.searchEntry->setVisible(shown);
}

void BrowseWindow::scheduleLocate() {
    // Restarted by every key: the page is read once the typing pauses, not per key.
    locatePending_ = true;
    keysTimer_->start();
}

void BrowseWindow::locate() {
    locatePending_ = false;
    if (!opened_)
        return;
    showPendingMoves();
    const SortOrder order = currentOrder();
    const std::string text = clip(locator_.text());
    const auto values = declaration_.fixedOrder ? std::nullopt
                        : declaration_.locate   ? declaration_.locate(order.locatorField, text)
                                                : std::optional<std::vector<std::string>>({text});
    if (!values) { // this column does not locate: the page is read again where it was
        reopenAtSelection();
        return;
    }
    reopenView();
    page_->locate(*values);
    pageMoved();
}

void BrowseWindow::setLocatorText(const std::string& text) {
    locator_.set(text);
    controls_.searchEntry->setText(QString::fromStdString(locator_.text()));
    controls_.searchEntry->setModified(false);
}

} // namespace velkora::browse
