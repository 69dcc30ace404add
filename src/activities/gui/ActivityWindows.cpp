#include "activities/gui/AktListWin.h"
#include "activities/gui/AktUpdateWin.h"
#include "activities/gui/Calendar.h"
#include "activities/gui/RemindListWin.h"
#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "ui/browse/FormRequest.h"

namespace velkora::activities {

void registerActivityWindows() {
    app::registerWindow(app::procedures::ActivityList, app::Instances::Single, [] { return new AktListWin; });
    app::registerWindow(app::procedures::ReminderList, app::Instances::Single,
                        [] { return new RemindListWin; });
    app::registerWindow(app::procedures::Calendar, app::Instances::Single, [] { return new Calendar; });
    browse::registerForm("qxUpdateAkt", qxUpdateAkt);
}

} // namespace velkora::activities
