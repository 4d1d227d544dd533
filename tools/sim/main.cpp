// valdorn5-sim: runs the game without a window from a script of input and prints its state as JSON.
//   valdorn5-sim [--seed N] [--store DIR] [SCRIPT]
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "game/AssetLibrary.h"
#include "game/Simulation.h"
#include "host/FileSaveStore.h"
#include "host/GameData.h"
#include "tools/sim/ScriptRunner.h"

namespace {

int usage(const QString& reason) {
    QTextStream(stderr) << "valdorn5-sim: " << reason << "\nusage: valdorn5-sim [--seed N] [--store DIR] [SCRIPT]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing text and pictures needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder and complains on stderr when there is none.
    QTemporaryDir runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", runtimeFolder.path().toUtf8());
    QGuiApplication app(argc, argv);

    quint64 seed = 1;
    QString storeFolder, scriptPath;
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == "--seed" && i + 1 < args.size()) {
            bool ok = false;
            seed = args[++i].toULongLong(&ok);
            if (!ok) return usage("--seed needs a whole number");
        } else if (args[i] == "--store" && i + 1 < args.size()) {
            storeFolder = args[++i];
        } else if (args[i].startsWith("--") || !scriptPath.isEmpty()) {
            return usage("unexpected argument " + args[i]);
        } else {
            scriptPath = args[i];
        }
    }

    valdorn::AssetLibrary assets;
    if (auto error = valdorn::loadGameData(assets)) {
        QTextStream(stderr) << "valdorn5-sim: " << *error << '\n';
        return 1;
    }
    QTemporaryDir freshStore;
    valdorn::FileSaveStore store(storeFolder.isEmpty() ? freshStore.path() : storeFolder);

    QFile scriptFile;
    if (scriptPath.isEmpty()) {
        if (!scriptFile.open(stdin, QIODevice::ReadOnly)) return usage("cannot read standard input");
    } else {
        scriptFile.setFileName(scriptPath);
        if (!scriptFile.open(QIODevice::ReadOnly)) return usage("cannot read " + scriptPath);
    }
    QTextStream input(&scriptFile);
    QTextStream output(stdout);

    valdorn::Simulation simulation(assets, seed, &store);
    valdorn::ScriptRunner runner(simulation, store, output);
    if (auto error = runner.run(input)) {
        output.flush();
        QTextStream(stderr) << "line " << error->line << ": " << error->reason << '\n';
        return 2;
    }
    return 0;
}
