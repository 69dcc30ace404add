#include "activities/gui/AktListWin.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"

namespace velkora::activities {

void registerActivityWindows() {
    app::registerWindow(app::procedures::ActivityList, app::Instances::Single, [] { return new AktListWin; });
}

} // namespace velkora::activities
