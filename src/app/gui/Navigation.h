#pragma once
// The frame toolbar's record-navigation buttons (controls 2000 to 2012).
// The frame does not act on them: it forwards each press to the active child
// window, which implements NavigationTarget. Lists and forms set the buttons'
// enabled state and tooltips through frameNavigation().

#include <QString>

namespace velkora::app {

enum NavigationCode : int {
    NavInsert = 2000,
    NavChange = 2001,
    NavDelete = 2002,
    NavSelect = 2003,
    NavBottom = 2004,
    NavTop = 2005,
    NavPageDown = 2006,
    NavPageUp = 2007,
    NavDown = 2008,
    NavUp = 2009,
    NavLocate = 2010,
    NavHistory = 2011,
    NavHelp = 2012,
};
inline constexpr int kFirstNavigationCode = NavInsert;
inline constexpr int kLastNavigationCode = NavHelp;

// Implemented by a list or form widget that follows the frame toolbar.
class NavigationTarget {
public:
    virtual ~NavigationTarget() = default;
    virtual void navigate(int code) = 0;
};

// The frame's navigation buttons as a window sees them.
class NavigationBar {
public:
    virtual ~NavigationBar() = default;
    virtual void setNavigationEnabled(int code, bool enabled) = 0;
    virtual void setNavigationToolTip(int code, const QString& tip) = 0;
    virtual bool isNavigationEnabled(int code) const = 0;
};

// The frame's buttons, or nullptr when no frame runs (a window tested alone).
NavigationBar* frameNavigation();
void setFrameNavigation(NavigationBar* bar);

// While it lives, presses go to `target` instead of the active child window
// (a form running on top of its list).
class NavigationOverride {
public:
    explicit NavigationOverride(NavigationTarget* target);
    ~NavigationOverride();
    NavigationOverride(const NavigationOverride&) = delete;
    NavigationOverride& operator=(const NavigationOverride&) = delete;

private:
    NavigationTarget* previous_;
};
// The target set by the innermost NavigationOverride, or nullptr.
NavigationTarget* navigationOverride();

} // namespace velkora::app
