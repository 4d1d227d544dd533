#include "host/GameSurface.h"

#include <QPainter>

#include "game/Game.h"
#include "game/Services.h"

GameSurface::GameSurface(const valdorn::AssetLibrary&, QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

GameSurface::~GameSurface() = default;

int GameSurface::FrameNum() const { return 0; }

void GameSurface::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), Qt::white); }
void GameSurface::mouseMoveEvent(QMouseEvent*) {}
void GameSurface::mousePressEvent(QMouseEvent*) {}
void GameSurface::mouseReleaseEvent(QMouseEvent*) {}
void GameSurface::keyPressEvent(QKeyEvent*) {}
void GameSurface::keyReleaseEvent(QKeyEvent*) {}
void GameSurface::focusOutEvent(QFocusEvent*) {}
bool GameSurface::focusNextPrevChild(bool) { return false; }
void GameSurface::advanceClock() {}
