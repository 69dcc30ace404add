// The list window and the frame toolbar's navigation buttons (2000-2012):
// what the list offers there, and what a press does.

#include "app/gui/ModalRun.h"
#include "i18n/ControlTexts.h"
#include "ui/browse/BrowseWindow.h"

#include <QPushButton>

namespace velkora::browse {
namespace {

struct ToolbarTip {
    int code;
    const char* text;
};
constexpr ToolbarTip kToolbarTips[] = {
    {app::NavBottom, "zur letzten Datenseite springen"},
    {app::NavTop, "zur ersten Datenseite springen"},
    {app::NavPageDown, "zur nächsten Datenseite springen"},
    {app::NavPageUp, "zur vorherigen Datenseite springen"},
    {app::NavDown, "zum nächsten Datensatz springen"},
    {app::NavUp, "zum vorherigen Datensatz springen"},
    {app::NavInsert, "neuen Datensatz anlegen"},
};

} // namespace

void BrowseWindow::updateToolbar() {
    app::NavigationBar* bar = app::frameNavigation();
    if (bar == nullptr || declaration_.embedded || !isActiveBrowse())
        return;
    // A window running on top (a form) has the toolbar until it ends.
    if (QWidget* modal = app::modalWindow(); modal != nullptr && modal != this)
        return;
    // Whatever a form left, the list offers its whole set again: every
    // button, New to Select as the list's own buttons, no previous value.
    for (int code = app::kFirstNavigationCode; code <= app::kLastNavigationCode; ++code)
        bar->setNavigationEnabled(code, code != app::NavHistory);
    bar->setNavigationEnabled(app::NavInsert, controls_.insert->isEnabled());
    bar->setNavigationEnabled(app::NavChange, controls_.change->isEnabled());
    bar->setNavigationEnabled(app::NavDelete, controls_.remove->isEnabled());
    bar->setNavigationEnabled(app::NavSelect, controls_.select != nullptr && controls_.select->isEnabled());
    for (const auto& tip : kToolbarTips)
        bar->setNavigationToolTip(tip.code,
                                  QString::fromStdString(i18n::translated(i18n::ButtonControl, tip.text)));
}

void BrowseWindow::navigate(int code) {
    // The toolbar buttons that act as the list's own keys and buttons do.
    static constexpr std::pair<int, ListAction> kActions[] = {
        {app::NavInsert, ListAction::Insert}, {app::NavChange, ListAction::Change},
        {app::NavDelete, ListAction::Delete}, {app::NavBottom, ListAction::Bottom},
        {app::NavTop, ListAction::Top},       {app::NavPageDown, ListAction::PageDown},
        {app::NavPageUp, ListAction::PageUp}, {app::NavDown, ListAction::OneDown},
        {app::NavUp, ListAction::OneUp},      {app::NavHelp, ListAction::Help},
    };
    for (const auto& [navigation, action] : kActions) {
        if (navigation == code) {
            act(action);
            return;
        }
    }
    if (code == app::NavSelect)
        select();
    else if (code == app::NavLocate)
        locateRequested();
}

} // namespace velkora::browse
