#pragma once
// The game without a window: the whole game with recording services, driven call by call. The
// headless driver and the tests use it to play scripted input tick by tick and read the state back.

#include <QImage>
#include <QString>
#include <memory>

#include "game/RecordingServices.h"
#include "game/Renderer.h"

namespace valdorn {

class AssetLibrary;
class Game;

class Simulation {
public:
    // `store` null: the save store lives in memory. Both must outlive the simulation.
    Simulation(const AssetLibrary& assets, quint64 seed = 1, SaveStore* store = nullptr);
    ~Simulation();

    Game& game() { return *game_; }
    RecordingServices& services() { return services_; }

    void tick(int count = 1);
    void move(double x, double y);
    void press();
    void release();
    void click(double x, double y);
    void keyDown(int code);
    void keyUp(int code);

    // One line of JSON: tick, screen, variables, store, cursor, named objects, sounds since the last
    // call, addresses opened, live particles.
    QString stateJson();
    QImage render(int width, int height);

private:
    RecordingServices services_;
    std::unique_ptr<Game> game_;
    Renderer renderer_;
};

}  // namespace valdorn
