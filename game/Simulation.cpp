#include "game/Simulation.h"

#include <QPainter>
#include <cmath>

#include "game/Clip.h"
#include "game/Game.h"
#include "game/Screens.h"

namespace valdorn {
namespace {

QString number(double value) {
    if (!std::isfinite(value)) return "null";
    return formatNumber(value);
}

QString quoted(const QString& text) {
    QString out = "\"";
    for (QChar c : text) {
        if (c == '"' || c == '\\')
            out += '\\', out += c;
        else if (c.unicode() < 0x20)
            out += QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
        else
            out += c;
    }
    return out + "\"";
}

QString value(const Value& v) { return v ? number(*v) : QStringLiteral("null"); }

void listObjects(const DisplayObject& object, const QString& prefix, QStringList& out) {
    for (DisplayObject* child : object.children()) {
        QString path = prefix;
        if (!child->name().isEmpty()) {
            path = prefix.isEmpty() ? child->name() : prefix + "/" + child->name();
            const QPointF origin = child->stageTransform().map(QPointF(0, 0));
            QString entry = QString("{\"path\":%1,\"visible\":%2,\"x\":%3,\"y\":%4,\"sx\":%5,\"sy\":%6,"
                                    "\"rotation\":%7,\"alpha\":%8")
                                .arg(quoted(path), child->visible() ? "true" : "false", number(origin.x()),
                                     number(origin.y()), number(child->scaleX()), number(child->scaleY()),
                                     number(child->rotation()), number(child->alpha()));
            if (Clip* clip = child->asClip()) entry += QString(",\"frame\":%1").arg(clip->currentFrame());
            out << entry + "}";
        }
        listObjects(*child, path, out);
    }
}

}  // namespace

Simulation::Simulation(const AssetLibrary& assets, quint64 seed, SaveStore* store)
    : services_(seed, store), game_(makeGame(services_, assets)) {}

Simulation::~Simulation() = default;

void Simulation::tick(int count) {
    for (int i = 0; i < count; ++i) {
        services_.setTick(game_->tickCount() + 1);
        game_->tick();
    }
}

void Simulation::move(double x, double y) { game_->pointerMoved(QPointF(x, y)); }
void Simulation::press() { game_->pointerPressed(); }
void Simulation::release() { game_->pointerReleased(); }

void Simulation::click(double x, double y) {
    move(x, y);
    press();
    release();
}

void Simulation::keyDown(int code) { game_->keyDown(code); }
void Simulation::keyUp(int code) { game_->keyUp(code); }

QString Simulation::stateJson() {
    QStringList vars;
    for (const QString& name : SharedVariables::knownNames())
        vars << quoted(name) + ":" + value(game_->vars().get(name));
    QStringList objects;
    listObjects(game_->root(), QString(), objects);
    QStringList sounds;
    for (const auto& event : services_.takeSounds()) {
        QString entry = QString("{\"tick\":%1,\"sound\":%2").arg(event.tick).arg(quoted(event.sound));
        if (event.sound != "stop-all") entry += QString(",\"times\":%1").arg(event.times);
        sounds << entry + "}";
    }
    return QString("{\"tick\":%1,\"screen\":%2,\"vars\":{%3},\"store\":{\"counter\":%4},\"cursor\":%5,"
                   "\"objects\":[%6],\"sounds\":[%7],\"urls\":%8,\"particles\":%9}")
        .arg(game_->tickCount())
        .arg(game_->screen())
        .arg(vars.join(','), value(services_.saveStore().counter()),
             game_->cursorVisible() ? "\"shown\"" : "\"hidden\"", objects.join(','), sounds.join(','))
        .arg(services_.urlsOpened())
        .arg(game_->particleCount());
}

QImage Simulation::render(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    renderer_.render(painter, game_->root(), image.size());
    return image;
}

}  // namespace valdorn
