#pragma once
// How a list and the form it calls talk to each other: the list sets the
// request right before the call and reads the response and the navigation
// code right after it. A form's save-and-navigate buttons leave the code of
// the frame toolbar button that was pressed (2000 to 2009), which makes the
// list move and open the form again.
//
// Forms plug in by procedure name, so a list can be built and used before
// its form exists:
//
//   velkora::browse::registerForm("qxUpdateAdressMain", [](int request) {
//       return UpdateAdressDialog(request).exec() == QDialog::Accepted ? RequestCompleted
//                                                                      : RequestCancelled;
//   });

#include <functional>
#include <string>

namespace velkora::browse {

enum Request : int { InsertRecord = 1, ChangeRecord = 2, DeleteRecord = 3, SelectRecord = 4 };
enum Response : int { RequestCompleted = 1, RequestCancelled = 2 };

struct FormExchange {
    int request = 0;
    int response = 0;
    int navigation = 0; // cleared by the list before each call
};
// The process-wide values.
FormExchange& formExchange();

// A form: runs modally for `request` on the record buffer of its file and
// returns the response. It may leave a navigation code in formExchange().
using FormProcedure = std::function<int(int request)>;

void registerForm(const std::string& procedure, FormProcedure form);
void unregisterForm(const std::string& procedure);
// Runs the form of `procedure`; without one the warning ProcedureToDo is
// shown and the request counts as cancelled.
int callForm(const std::string& procedure, int request);

} // namespace velkora::browse
