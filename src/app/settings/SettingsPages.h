#pragma once
// The pages of the settings window: the entry of each in the navigation
// tree, and the work-file values of the value-list and own-company pages,
// declared once so that building, loading and saving read one list.

#include <QIcon>
#include <string>
#include <vector>

class QLineEdit;
class QWidget;

namespace velkora::app {

// One entry of the navigation tree and the page it shows.
struct SettingsPage {
    const char* entry; // "P.38_OPTIONS": the message key of its text
    int level;         // 1 a group, 2 a page within the group before it
};
// The tree in order, below its root; the page of entry i is page i of the sheet.
const std::vector<SettingsPage>& settingsPages();

// Pages that are not value lists.
enum PageIndex { GeneralPage = 0, OptionsPage = 1, DefaultsPage = 2, SystemPage = 3, CompanyPage = 4 };

// A value of the work file edited in one entry.
struct WorkValue {
    std::string section;
    std::string key;
    int width;          // characters
    const char* prompt; // design text; nullptr: the entry's number
    QIcon icon = {};    // shown beside the entry
};

// The values of the page at `index`; empty for pages that are not of the work file.
std::vector<WorkValue> workValues(int index);

// A value-list or own-company page: a title and a row per value. The
// entries are named "LS:" + the key in capitals ("LS:ADRART1").
QWidget* workValuesPage(const std::vector<WorkValue>& values, std::vector<QLineEdit*>& entries);

} // namespace velkora::app
