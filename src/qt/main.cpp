// zarvokan: the game.
//
//   zarvokan [ARGUMENTS...]                 plays; the game sees ARGUMENTS as its command line
//   zarvokan --script FILE [--shots DIR]   plays a scenario file through the real widgets,
//                                          offscreen, on the virtual clock
#include <QApplication>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "app/Game.h"
#include "forms/Scheduler.h"
#include "qt/Binder.h"
#include "qt/Look.h"
#include "qt/QtPlatform.h"
#include "qt/RealTimeClock.h"
#include "qt/ScriptDriver.h"
#include "script/Scenario.h"

namespace {

// Everything after the program's name, as the person typed it: taken before
// Qt removes the options it knows.
std::string commandLineOf(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

struct ScriptArgs {
    std::filesystem::path file;
    std::optional<std::filesystem::path> shots;
};

// The script mode's arguments; nothing when the program is not in script mode.
std::optional<ScriptArgs> scriptArgs(int argc, char** argv, bool& malformed) {
    malformed = false;
    if (argc < 2 || std::strcmp(argv[1], "--script") != 0) return std::nullopt;
    ScriptArgs args;
    if (argc == 3) {
        args.file = argv[2];
    } else if (argc == 5 && std::strcmp(argv[3], "--shots") == 0) {
        args.file = argv[2];
        args.shots = argv[4];
    } else {
        malformed = true;
    }
    return args;
}

int play(int argc, char** argv) {
    const std::string commandLine = commandLineOf(argc, argv);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    front::installLook(app);
    forms::Scheduler scheduler;
    front::QtPlatform platform(commandLine);
    game::Game game(platform, scheduler);
    front::Binder binder(game);
    front::RealTimeClock clock(scheduler);
    game.start();
    return app.exec();
}

QtMessageHandler defaultHandler = nullptr;

// Offscreen there is no window manager, and the platform says so on every
// raise and mouse grab; the rest of Qt's messages go out as usual.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (defaultHandler) defaultHandler(type, context, message);
}

int runScript(int argc, char** argv, const ScriptArgs& args) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    front::installLook(app);
    script::RunOptions options;
    options.programDir = QCoreApplication::applicationDirPath().toStdString();
    options.out = &std::cout;
    front::ScriptDriver driver(args.shots);
    return script::runScenarioFiles({args.file}, options, driver);
}

}  // namespace

int main(int argc, char** argv) {
    bool malformed = false;
    const auto script = scriptArgs(argc, argv, malformed);
    if (malformed) {
        std::cerr << "usage: zarvokan --script FILE [--shots DIR]\n";
        return 2;
    }
    return script ? runScript(argc, argv, *script) : play(argc, argv);
}
