#include "addresses/contacts/Dialling.h"

#include "dialler/TelUri.h"
#include "shared/AppState.h"
#include "shared/ProfileFile.h"
#include "shared/Text.h"

#include <QCoreApplication>
#include <QProcess>

namespace velkora::addresses {
namespace {

constexpr const char* kDiallerName = "velkora-dial";
constexpr std::size_t kPrefixChars = 3;

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

std::string diallerProgram() {
    const std::string& programFolder = appState().INITPATH;
    if (!programFolder.empty()) {
        const std::string inProgramFolder = joinPath(programFolder, kDiallerName);
        if (fileExists(inProgramFolder))
            return inProgramFolder;
    }
    return joinPath(QCoreApplication::applicationDirPath().toStdString(), kDiallerName);
}

bool dial(const DialSettings& settings, const std::string& number) {
    // QProcess hands the argument to the program as one word of its
    // argument vector: quotes, blanks and ";" in a stored number stay text.
    const QString argument = QString::fromStdString(dialArgument(settings.prefix, number));
    return QProcess::startDetached(QString::fromStdString(diallerProgram()), {argument});
}

} // namespace velkora::addresses
