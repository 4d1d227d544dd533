// Start-up: the application, the game data, the four windows; the run ends when the gate closes.

#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <exception>

#include "game/AssetLibrary.h"
#include "host/Application.h"
#include "host/GameData.h"
#include "host/HostWindows.h"
#include "host/Unit_pass1.h"

namespace {

// Start-up failures end the program before any window shows: the message on stderr and in a box.
int failStartUp(const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(valdorn::errorBoxText(message)));
    QMessageBox::critical(nullptr, valdorn::kApplicationTitle, valdorn::errorBoxText(message));
    return 1;
}

QIcon applicationIcon(const valdorn::AssetLibrary& assets) {
    QIcon icon;
    for (const QString& name : assets.imageNames()) {
        if (name.startsWith(QStringLiteral("icon/app-")))
            icon.addPixmap(QPixmap::fromImage(assets.image(name)));
    }
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    // The gate's closing ends the run, also while modal windows still stand in front of it.
    app.setQuitOnLastWindowClosed(false);

    valdorn::AssetLibrary assets;
    if (const auto error = valdorn::loadGameData(assets))
        return failStartUp(*error);
    app.setWindowIcon(applicationIcon(assets));

    try {
        valdorn::HostWindows windows(assets);
        QObject::connect(Form_Pass, &QDialog::finished, &app, &QCoreApplication::quit);
        Form_Pass->show();
        return app.exec();
    } catch (const std::exception& error) {
        return failStartUp(QString::fromUtf8(error.what()));
    }
}
