#include "shared/ExternalProgram.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace velkora {

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

int exitStatus(int status) {
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

// Everything the child needs is prepared before fork(): between fork and
// exec only async-signal-safe calls are allowed in a threaded program.
struct Launch {
    std::string path;
    std::vector<std::string> args;
    std::vector<char*> argv;

    Launch(std::string p, const std::vector<std::string>& a) : path(std::move(p)), args(a) {
        argv.push_back(path.data());
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
    }
};

[[noreturn]] void execChild(const Launch& launch, int output, const char* folder) {
    const int input = ::open("/dev/null", O_RDONLY);
    if (input < 0 || output < 0 || ::dup2(input, 0) < 0 || ::dup2(output, 1) < 0 || ::dup2(output, 2) < 0)
        ::_exit(127);
    if (folder && ::chdir(folder) != 0)
        ::_exit(127);
    ::execve(launch.path.c_str(), launch.argv.data(), environ);
    ::_exit(127);
}

} // namespace

std::string findProgram(const std::string& name) {
    if (name.empty())
        return {};
    if (name.find('/') != std::string::npos)
        return isExecutableFile(name) ? name : std::string{};
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
        if (isExecutableFile(candidate))
            return candidate;
    }
    return {};
}

ExternalProgram::~ExternalProgram() {
    if (running())
        stop();
}

bool ExternalProgram::start(const std::string& program, const std::vector<std::string>& args,
                            const ProgramOptions& options) {
    error_.clear();
    status_.reset();
    pid_ = 0;
    std::string path = findProgram(program);
    if (path.empty()) {
        error_ = "program not found: " + program;
        return false;
    }
    const Launch launch(std::move(path), args);
    const std::string output = options.outputFile.empty() ? "/dev/null" : options.outputFile;
    const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (out < 0) {
        error_ = output + ": " + std::strerror(errno);
        return false;
    }
    const char* folder = options.workingFolder.empty() ? nullptr : options.workingFolder.c_str();
    const pid_t child = ::fork();
    if (child == 0)
        execChild(launch, out, folder);
    const int forkError = errno;
    ::close(out);
    if (child < 0) {
        error_ = std::string("fork: ") + std::strerror(forkError);
        return false;
    }
    pid_ = child;
    return true;
}

std::optional<int> ExternalProgram::poll() {
    if (status_ || pid_ <= 0)
        return status_;
    int status = 0;
    const pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == pid_)
        status_ = exitStatus(status);
    else if (done < 0 && errno != EINTR)
        status_ = 127; // reaped elsewhere or gone: it has ended all the same
    return status_;
}

std::optional<int> ExternalProgram::wait(std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    auto pause = std::chrono::milliseconds(1);
    while (!poll() && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    return status_;
}

void ExternalProgram::stop() {
    if (!running())
        return;
    ::kill(pid_, SIGTERM);
    if (!wait(std::chrono::seconds(1))) {
        ::kill(pid_, SIGKILL);
        wait(std::chrono::seconds(5));
    }
}

std::optional<int> runProgram(const std::string& program, const std::vector<std::string>& args,
                              std::chrono::milliseconds timeout, std::string* error,
                              const ProgramOptions& options) {
    ExternalProgram run;
    if (!run.start(program, args, options)) {
        if (error)
            *error = run.error();
        return std::nullopt;
    }
    const std::optional<int> status = run.wait(timeout);
    if (!status) {
        run.stop();
        if (error)
            *error = program + " did not finish in time";
    }
    return status;
}

bool startDetached(const std::string& program, const std::vector<std::string>& args, std::string* error) {
    std::string path = findProgram(program);
    if (path.empty()) {
        if (error)
            *error = "program not found: " + program;
        return false;
    }
    const Launch launch(std::move(path), args);
    const int out = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    // The middle child starts the program in a session of its own and ends
    // at once, so the program is adopted by init and nobody has to reap it.
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::setsid();
        const pid_t program = ::fork();
        if (program == 0)
            execChild(launch, out, nullptr);
        ::_exit(program < 0 ? 1 : 0);
    }
    if (out >= 0)
        ::close(out);
    int status = 0;
    if (middle < 0 || ::waitpid(middle, &status, 0) != middle || exitStatus(status) != 0) {
        if (error)
            *error = "cannot start " + program;
        return false;
    }
    return true;
}

} // namespace velkora
