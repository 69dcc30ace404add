#pragma once
// "The application ends": one replaceable function, so that tests can see
// that a fatal condition ended the program instead of the process dying.
// Callers return right after calling it, since a test's handler returns.

#include <functional>
#include <string>
#include <string_view>

namespace velkora {

using ApplicationEndHandler = std::function<void(std::string_view reason)>;

// Ends the application; `reason` is the stop text ("Invalid File!"), empty
// for an end the user chose after a message of its own (a restart).
void endApplication(std::string_view reason);
// Installs a handler; an empty one restores the default (exit with status 1).
void setApplicationEndHandler(ApplicationEndHandler handler);
// True once endApplication was called (and the handler returned).
bool applicationEnded();
std::string applicationEndReason();
void resetApplicationEnded();

} // namespace velkora
