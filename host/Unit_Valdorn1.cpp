#include "host/Unit_Valdorn1.h"

#include <QCloseEvent>
#include <QTimer>

#include "host/Application.h"
#include "host/GameSurface.h"
#include "host/ShadowLabel.h"
#include "host/Unit_Text2.h"
#include "host/Unit_pass1.h"
#include "host/WindowPlacement.h"

TForm_Main* Form_Main = nullptr;

namespace valdorn {

QString bonusCode() {
    QString code = CodePrefix.toString();
    for (const qsizetype at : CodePositions)
        code += CodeAlphabet[at];
    return code;
}

}  // namespace valdorn

TForm_Main::TForm_Main(const valdorn::AssetLibrary& assets, QWidget* parent)
    : HostDialog(valdorn::kApplicationTitle, QSize(714, 560), Qt::Dialog | valdorn::flags::kCloseOnly, parent) {
    setObjectName(QStringLiteral("Form_Main"));

    Flash = new GameSurface(assets, this);
    Flash->setObjectName(QStringLiteral("Flash"));
    Flash->setGeometry(rect().adjusted(valdorn::kSurfaceMargin, valdorn::kSurfaceMargin, -valdorn::kSurfaceMargin,
                                       -valdorn::kSurfaceMargin));
    Flash->setFocus();
    frameNum_ = [this] { return Flash->FrameNum(); };

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(valdorn::kWatchIntervalMs);
    // Qt does not deliver a timer's tick again while its handler still runs (say, inside the error box
    // of a failed read), so boxes cannot pile up one per second.
    connect(Timer1, &QTimer::timeout, this, valdorn::guarded([this] { Timer1Timer(); }));
    Timer1->start();
}

void TForm_Main::FormShow() {
    const auto workAreaHeight = static_cast<quint16>(workArea().height());
    const auto frameWidth = static_cast<quint16>(frameGeometry().width() - width());
    const int frameHeight = frameGeometry().height() - height();
    setWindowState(Qt::WindowNoState);
    const QSize outer = valdorn::placement::gameOuterSize(workAreaHeight, frameWidth);
    setFixedSize(outer.width() - frameWidth, outer.height() - frameHeight);
}

void TForm_Main::placeOnShow() {
    valdorn::runGuarded([this] { FormShow(); });
    move(valdorn::placement::centredOver(workArea(), frameGeometry().size(), desktopRect()));
}

void TForm_Main::FormClose() {
    if (Form_Pass)
        Form_Pass->close();
}

void TForm_Main::closeEvent(QCloseEvent* event) {
    valdorn::runGuarded([this] { FormClose(); });
    HostDialog::closeEvent(event);
}

void TForm_Main::resizeEvent(QResizeEvent* event) {
    HostDialog::resizeEvent(event);
    Flash->setGeometry(rect().adjusted(valdorn::kSurfaceMargin, valdorn::kSurfaceMargin, -valdorn::kSurfaceMargin,
                                       -valdorn::kSurfaceMargin));
}

void TForm_Main::Timer1Timer() {
    if (frameNum_() != valdorn::kFinalScreen)
        return;
    Timer1->stop();
    showCompletion();
}

void TForm_Main::showCompletion() {
    Form_Text2->Label4->setText(valdorn::bonusCode());
    Form_Text2->setWindowTitle(QStringLiteral("Вальдорн-5 ") + valdorn::bonusCode());
    execOwnedBy(*Form_Text2, *this);
}
