#include "ui/form/FormNavigation.h"

#include "i18n/ControlTexts.h"
#include "ui/browse/FormRequest.h"

#include <array>

namespace velkora::form {
namespace {

using namespace app;

struct SaveButton {
    int code;
    const char* tip;
};

constexpr const char* kSaveAndNew = "Speichern und einen neuen Datensatz anlegen";

// An insert goes on to a new record whichever of the two is pressed.
constexpr std::array kInsertButtons{
    SaveButton{NavDown, kSaveAndNew},
    SaveButton{NavInsert, kSaveAndNew},
};

constexpr std::array kChangeButtons{
    SaveButton{NavBottom, "Speichern und zum letzten Datensatz springen"},
    SaveButton{NavTop, "Speichern und zum ersten Datensatz springen"},
    SaveButton{NavPageDown, "Speichern und eine Seite vor springen"},
    SaveButton{NavPageUp, "Speichern und eine Seite zurück springen"},
    SaveButton{NavDown, "Speichern und zum nächsten Datensatz springen"},
    SaveButton{NavUp, "Speichern und zum vorherigen Datensatz springen"},
    SaveButton{NavInsert, kSaveAndNew},
};

template <std::size_t N> const SaveButton* find(const std::array<SaveButton, N>& buttons, int code) {
    for (const SaveButton& b : buttons)
        if (b.code == code)
            return &b;
    return nullptr;
}

const SaveButton* saveButton(int request, int code) {
    if (request == browse::InsertRecord)
        return find(kInsertButtons, code);
    if (request == browse::ChangeRecord)
        return find(kChangeButtons, code);
    return nullptr;
}

QString tipText(const SaveButton& b) {
    return QString::fromStdString(i18n::translated(i18n::ButtonControl, b.tip));
}

} // namespace

bool isSaveAndNavigate(int request, int code) {
    return saveButton(request, code) != nullptr;
}

QString saveAndNavigateTip(int request, int code) {
    const SaveButton* b = saveButton(request, code);
    return b ? tipText(*b) : QString();
}

void disableNavigation(NavigationBar& bar) {
    for (int code = kFirstNavigationCode; code <= kLastNavigationCode; ++code)
        bar.setNavigationEnabled(code, false);
}

void showFormNavigation(NavigationBar& bar, int request, bool helpEnabled) {
    for (int code = kFirstNavigationCode; code <= kLastNavigationCode; ++code) {
        const SaveButton* b = saveButton(request, code);
        bar.setNavigationEnabled(code, b != nullptr);
        if (b)
            bar.setNavigationToolTip(code, tipText(*b));
    }
    bar.setNavigationEnabled(NavHistory, true);
    bar.setNavigationEnabled(NavHelp, helpEnabled);
}

} // namespace velkora::form
