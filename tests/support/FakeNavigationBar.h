#pragma once
// The frame's navigation buttons as a test sees them: enabled states and tooltips.

#include "app/gui/Navigation.h"

#include <map>

namespace velkora::test {

class FakeNavigationBar : public app::NavigationBar {
public:
    FakeNavigationBar() { app::setFrameNavigation(this); }
    ~FakeNavigationBar() override { app::setFrameNavigation(nullptr); }
    FakeNavigationBar(const FakeNavigationBar&) = delete;
    FakeNavigationBar& operator=(const FakeNavigationBar&) = delete;

    void setNavigationEnabled(int code, bool enabled) override { enabled_[code] = enabled; }
    void setNavigationToolTip(int code, const QString& tip) override { tips_[code] = tip; }
    bool isNavigationEnabled(int code) const override {
        const auto it = enabled_.find(code);
        return it != enabled_.end() && it->second;
    }
    QString tip(int code) const {
        const auto it = tips_.find(code);
        return it == tips_.end() ? QString() : it->second;
    }
    // Presses a button as the frame does: to the form on top, when enabled.
    void press(int code) const {
        if (isNavigationEnabled(code))
            if (app::NavigationTarget* target = app::navigationOverride())
                target->navigate(code);
    }

private:
    std::map<int, bool> enabled_;
    std::map<int, QString> tips_;
};

} // namespace velkora::test
