// iconforge: renders the drawings of the game's assets.
//
//   iconforge SOURCE_DIR OUTPUT_DIR [--sheet SHEET_DIR]
//
// writes Pictures/<race>/<n>.ico, ui/title.png and ui/logo.png under
// OUTPUT_DIR from SOURCE_DIR (normally assets/src and assets). With --sheet
// it also writes contact sheets of the results into SHEET_DIR.
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "Forge.h"

namespace {

int usage() {
    std::fputs("usage: iconforge SOURCE_DIR OUTPUT_DIR [--sheet SHEET_DIR]\n", stderr);
    return 2;
}

int report(const QStringList& errors) {
    for (const QString& error : errors)
        std::fprintf(stderr, "iconforge: %s\n", qPrintable(error));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QString sheetDir;
    if (const auto at = args.indexOf("--sheet"); at >= 0) {
        if (at + 1 >= args.size()) return usage();
        sheetDir = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 2 || args[0].startsWith("--") || args[1].startsWith("--")) return usage();

    QStringList errors;
    QStringList written;
    if (!iconforge::forge(args[0], args[1], errors, &written)) return report(errors);
    if (!sheetDir.isEmpty()) {
        // Drawing needs no application object; the sheets' labels need fonts,
        // and fonts need one. It never shows a window.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication app(argc, argv);
        if (!iconforge::writeSheets(args[1], sheetDir, errors)) return report(errors);
    }
    std::printf("iconforge: wrote %lld files under %s\n", static_cast<long long>(written.size()),
                qPrintable(args[1]));
    return 0;
}
