// velkora-dial "NUMBER": dials NUMBER through the desktop's tel: handler
// (xdg-open). Exit status 0 when the handler took the number, 2 for a wrong
// call or a number without digits, otherwise the handler's own status. A
// failure's reason goes to standard error, for the person reading it: Velkora,
// which starts the dialler, shows it in a message box.

#include "dialler/TelUri.h"

#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kCannotOpen = 3;

int openWithDesktop(const std::string& uri) {
    // An argument vector, never a shell: the URI stays one word whatever it holds.
    std::string program = "xdg-open";
    std::string argument = uri;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return kCannotOpen;
    return WEXITSTATUS(status);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: velkora-dial \"Rufnummer\"\n");
        return 2;
    }
    const std::string number = velkora::dial::numberFromArgument(argv[1]);
    const auto uri = velkora::dial::telUri(number);
    if (!uri) {
        std::fprintf(stderr, "Keine wählbare Rufnummer: %s\n", number.c_str());
        return 2;
    }
    const int status = openWithDesktop(*uri);
    if (status < 0) {
        std::fprintf(stderr, "Die Rufnummer %s wurde nicht gewählt: xdg-open kann nicht gestartet werden.\n",
                     number.c_str());
        return kCannotOpen;
    }
    if (status != 0)
        std::fprintf(stderr,
                     "Die Rufnummer %s wurde nicht gewählt (xdg-open: %d).\n"
                     "Ist für tel:-Verweise ein Telefonieprogramm eingerichtet?\n",
                     number.c_str(), status);
    return status;
}
