#include "addresses/contacts/Dialling.h"

#include "app/InstallLayout.h"
#include "dialler/TelUri.h"
#include "shared/ProfileFile.h"
#include "shared/Prompter.h"
#include "shared/Text.h"

#include <QCoreApplication>
#include <QProcess>

namespace velkora::addresses {
namespace {

constexpr const char* kDiallerName = "velkora-dial"; // the caption of its failures
constexpr std::size_t kPrefixChars = 3;

// The user pressed the dial button and waits for the telephone: a failure is told in a box.
void tellFailure(const std::string& reason) {
    ask(reason, kDiallerName, Icon::Exclamation);
}

// What the dialler wrote to standard error, each line on a line of the box.
std::string reasonOfFailure(QProcess& dialler) {
    std::string reason;
    for (const QByteArray& line : dialler.readAllStandardError().trimmed().split('\n'))
        reason += (reason.empty() ? "" : "|") + line.trimmed().toStdString();
    return reason.empty() ? dialler.errorString().toStdString() : reason;
}

} // namespace

DialSettings readDialSettings(const std::string& workIni) {
    DialSettings settings;
    settings.enabled = profile::readInt(workIni, "DEFAULT", "TAPIDialing", 0) != 0;
    if (settings.enabled)
        settings.prefix = cutChars(profile::read(workIni, "DEFAULT", "DialPrefix"), kPrefixChars);
    return settings;
}

std::string dialArgument(const std::string& prefix, const std::string& number) {
    const std::string stored = clip(number);
    if (dial::isInternationalNumber(stored))
        return "\"" + dial::plusNotation(stored) + "\"";
    return "\"" + clip(prefix) + stored + "\"";
}

void dial(const DialSettings& settings, const std::string& number) {
    // QProcess hands the argument to the program as one word of its
    // argument vector: quotes, blanks and ";" in a stored number stay text.
    auto* dialler = new QProcess(QCoreApplication::instance()); // outlives the window
    dialler->setProgram(QString::fromStdString(app::diallerProgram()));
    dialler->setArguments({QString::fromStdString(dialArgument(settings.prefix, number))});
    dialler->setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(dialler, &QProcess::finished, dialler,
                     [dialler](int exitCode, QProcess::ExitStatus status) {
                         dialler->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0)
                             tellFailure(reasonOfFailure(*dialler));
                     });
    QObject::connect(dialler, &QProcess::errorOccurred, dialler, [dialler](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash ends in finished() as well
        dialler->deleteLater();
        tellFailure("Das Wählprogramm kann nicht gestartet werden:|" + dialler->program().toStdString() +
                    "|" + dialler->errorString().toStdString());
    });
    dialler->start();
}

} // namespace velkora::addresses
