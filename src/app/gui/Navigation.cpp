#include "app/gui/Navigation.h"

namespace velkora::app {
namespace {

NavigationBar*& bar() {
    static NavigationBar* current = nullptr;
    return current;
}

NavigationTarget*& overrideTarget() {
    static NavigationTarget* current = nullptr;
    return current;
}

} // namespace

NavigationBar* frameNavigation() {
    return bar();
}

void setFrameNavigation(NavigationBar* b) {
    bar() = b;
}

NavigationOverride::NavigationOverride(NavigationTarget* target) : previous_(overrideTarget()) {
    overrideTarget() = target;
}

NavigationOverride::~NavigationOverride() {
    overrideTarget() = previous_;
}

NavigationTarget* navigationOverride() {
    return overrideTarget();
}

} // namespace velkora::app
