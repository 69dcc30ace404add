// velkora [DIR]         starts in DIR (default: the current folder)
// velkora --demo [DIR]  creates the demo workspace in DIR (default: ~/Velkora-Demo)
//                       if needed, then starts there; the menu entry starts this way

#include "app/DemoWorkspace.h"
#include "app/Startup.h"
#include "app/gui/GuiApplicationEnd.h"
#include "app/gui/MainFrame.h"
#include "app/gui/QtPrompter.h"
#include "app/gui/WindowModules.h"
#include "shared/AppState.h"
#include "shared/ApplicationEnd.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <string>

namespace {

struct Arguments {
    std::string folder;
    bool demo = false;
    bool valid = true;
};

Arguments parse(const QStringList& args) {
    Arguments parsed;
    QStringList rest = args.mid(1);
    if (!rest.isEmpty() && rest.front() == "--demo") {
        parsed.demo = true;
        rest.pop_front();
        parsed.valid = rest.size() <= 1;
        if (rest.isEmpty())
            rest.push_back(QDir::home().filePath("Velkora-Demo"));
    } else {
        parsed.valid = rest.size() <= 1;
    }
    parsed.folder = rest.isEmpty() ? QDir::currentPath().toStdString() : rest.front().toStdString();
    return parsed;
}

// The standard buttons of message boxes and dialogs in the language of the run.
void loadQtTranslation(QApplication& app, QTranslator& translator) {
    const QString lang = velkora::appState().LANGID.empty()
                             ? QString("de")
                             : QString::fromStdString(velkora::appState().LANGID).toLower();
    if (translator.load("qtbase_" + lang, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

// Qt aborts when its window system cannot be reached; say plainly what is
// missing instead. A platform chosen on purpose (offscreen, vnc) is trusted.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
    using namespace velkora;
    if (!displayAvailable()) {
        std::fprintf(stderr, "Velkora needs a display: neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
                             "Start it from a desktop session, or on a virtual display with xvfb-run.\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Velkora");
    // Lets the desktop match the windows to the menu entry and its icon.
    QApplication::setDesktopFileName("org.velkora.Velkora");
    app::QtPrompter prompter;
    setPrompter(&prompter);
    app::installGuiApplicationEnd();

    const Arguments args = parse(QApplication::arguments());
    if (!args.valid) {
        ask("Usage:|velkora [DIR]|velkora --demo [DIR]", "Velkora", Icon::Information);
        return 2;
    }
    if (args.demo) {
        std::string error;
        if (!app::ensureDemoWorkspace(args.folder, error)) {
            ask("Demo workspace:|" + args.folder + "|" + error, "Velkora", Icon::Stop);
            return 1;
        }
    }
    const QString folder = QDir(QString::fromStdString(args.folder)).absolutePath();
    QDir::setCurrent(folder);

    app::registerWindowModules();
    const app::StartupResult startup = app::runStartup(folder.toStdString());
    if (startup.ended || applicationEnded())
        return 1;

    QTranslator qtTranslation;
    loadQtTranslation(application, qtTranslation);
    int status = 0;
    {
        app::MainFrame frame(startup.switches);
        frame.open();
        status = QApplication::exec();
    }
    setPrompter(nullptr);
    // A restart the user chose is no failure.
    return applicationEnded() && !applicationEndReason().empty() ? 1 : status;
}
