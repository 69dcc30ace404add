#pragma once
// The frame toolbar while a form is open. Its navigation buttons turn into
// save-and-navigate buttons: pressing one saves the form and leaves the
// button's code for the list, which moves and opens the form again. Which
// buttons a form offers depends on its request: an insert can only go on to
// the next new record, a change can move anywhere.

#include "app/gui/Navigation.h"

#include <QString>

namespace velkora::form {

// True when `code` saves and navigates in a form opened for `request`.
bool isSaveAndNavigate(int request, int code);

// The tooltip of a save-and-navigate button (empty for other codes).
QString saveAndNavigateTip(int request, int code);

// Sets the frame's buttons for a form opened for `request`: every button off
// but previous value (2011), the save-and-navigate buttons of the request on
// with their tooltips, help (2012) as the form's own help button.
void showFormNavigation(app::NavigationBar& bar, int request, bool helpEnabled);

// Every navigation button off (a form page on which they mean nothing).
void disableNavigation(app::NavigationBar& bar);

} // namespace velkora::form
