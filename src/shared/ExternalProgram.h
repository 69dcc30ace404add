#pragma once
// Starts the programs Velkora hands work to (the word processor, the mail
// client, the print spooler) with an argument vector, never through a shell,
// so no value the user typed can become part of a command. A run can be
// waited for with a time-out, polled from a window's timer so the window
// stays responsive, or left to the desktop (detached).

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace velkora {

// The full name of `name` on PATH ("" when there is none). A name holding a
// "/" is taken as it is when it is an executable file.
std::string findProgram(const std::string& name);

struct ProgramOptions {
    // Empty: the current folder.
    std::string workingFolder;
    // Standard output and error go here (appended); empty: /dev/null.
    std::string outputFile;
};

class ExternalProgram {
public:
    ExternalProgram() = default;
    // A run still going when its owner goes is stopped: nothing is left
    // running unseen.
    ~ExternalProgram();
    ExternalProgram(const ExternalProgram&) = delete;
    ExternalProgram& operator=(const ExternalProgram&) = delete;

    // False, with error() telling why, when the program is not found or
    // cannot be started.
    bool start(const std::string& program, const std::vector<std::string>& args,
               const ProgramOptions& options = {});
    const std::string& error() const { return error_; }

    // The exit status once the program has ended (128 + signal when it was
    // killed), nullopt while it runs. Never blocks.
    std::optional<int> poll();
    // Waits at most `timeout` for the end; nullopt when it still runs.
    std::optional<int> wait(std::chrono::milliseconds timeout);
    // Asks the program to end, and kills it when it has not within a second.
    void stop();

    bool running() const { return pid_ > 0 && !status_; }

private:
    int pid_ = 0;
    std::optional<int> status_;
    std::string error_;
};

// Runs a program to its end within `timeout`; nullopt when it could not be
// started or did not end in time (it is then stopped). `error` says why.
std::optional<int> runProgram(const std::string& program, const std::vector<std::string>& args,
                              std::chrono::milliseconds timeout, std::string* error = nullptr,
                              const ProgramOptions& options = {});

// Starts a program that lives on by itself (an editor the user works in):
// nobody waits for it and it leaves no zombie behind.
bool startDetached(const std::string& program, const std::vector<std::string>& args,
                   std::string* error = nullptr);

} // namespace velkora
