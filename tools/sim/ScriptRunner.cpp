#include "tools/sim/ScriptRunner.h"

#include <cmath>

#include "game/Game.h"
#include "game/Simulation.h"

namespace valdorn {
namespace {

constexpr int kMaxTicksPerCommand = 10'000'000;
constexpr int kMaxRenderSide = 8192;  // px

std::optional<double> real(const QString& word) {
    bool ok = false;
    const double v = word.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> integer(const QString& word, int low, int high) {
    bool ok = false;
    const int v = word.toInt(&ok);
    if (!ok || v < low || v > high) return std::nullopt;
    return v;
}

}  // namespace

ScriptRunner::ScriptRunner(Simulation& simulation, SaveStore& store, QTextStream& output)
    : simulation_(simulation), store_(store), output_(output) {}

std::optional<ScriptError> ScriptRunner::run(QTextStream& input) {
    int number = 0;
    QString line;
    while (input.readLineInto(&line)) {
        ++number;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        bool quit = false;
        const QString reason = execute(trimmed.split(' ', Qt::SkipEmptyParts), quit);
        output_.flush();
        if (!reason.isEmpty()) return ScriptError{number, reason};
        if (quit) break;
    }
    return std::nullopt;
}

QString ScriptRunner::execute(const QStringList& words, bool& quit) {
    const QString& command = words[0];
    const qsizetype count = words.size();
    auto expect = [&](qsizetype n, const char* usage) -> QString {
        return count == n ? QString() : QString("usage: %1").arg(usage);
    };
    if (command == "tick") {
        if (count > 2) return "usage: tick [N]";
        int n = 1;
        if (count == 2) {
            const auto v = integer(words[1], 0, kMaxTicksPerCommand);
            if (!v) return QString("tick count must be a whole number from 0 to %1").arg(kMaxTicksPerCommand);
            n = *v;
        }
        simulation_.tick(n);
    } else if (command == "move" || command == "click") {
        if (auto e = expect(3, command == "move" ? "move X Y" : "click X Y"); !e.isEmpty()) return e;
        const auto x = real(words[1]), y = real(words[2]);
        if (!x || !y) return "coordinates must be numbers";
        if (command == "move")
            simulation_.move(*x, *y);
        else
            simulation_.click(*x, *y);
    } else if (command == "press" || command == "release") {
        if (count != 1) return QString("usage: %1").arg(command);
        command == "press" ? simulation_.press() : simulation_.release();
    } else if (command == "key") {
        if (count != 3 || (words[1] != "down" && words[1] != "up")) return "usage: key down|up CODE";
        const auto code = integer(words[2], 0, 0xFFFF);
        if (!code) return "key code must be a whole number from 0 to 65535";
        words[1] == "down" ? simulation_.keyDown(*code) : simulation_.keyUp(*code);
    } else if (command == "goto") {
        if (auto e = expect(2, "goto N"); !e.isEmpty()) return e;
        const auto screen = integer(words[1], 0, kScreenCount - 1);
        if (!screen) return "screen must be a whole number from 0 to 15";
        simulation_.game().goToScreen(*screen);
    } else if (command == "set") {
        if (auto e = expect(3, "set NAME VALUE"); !e.isEmpty()) return e;
        if (!SharedVariables::knownNames().contains(words[1])) return "unknown variable " + words[1];
        if (words[2] == "unset") {
            simulation_.game().vars().unset(words[1]);
        } else {
            const auto v = real(words[2]);
            if (!v) return "value must be a number or unset";
            simulation_.game().vars().set(words[1], *v);
        }
    } else if (command == "store") {
        if (count != 3 || words[1] != "counter") return "usage: store counter VALUE";
        if (words[2] == "absent") {
            store_.setCounter(std::nullopt);
        } else {
            const auto v = real(words[2]);
            if (!v) return "counter must be a number or absent";
            store_.setCounter(*v);
        }
    } else if (command == "state") {
        if (count != 1) return "usage: state";
        output_ << simulation_.stateJson() << '\n';
    } else if (command == "render") {
        if (auto e = expect(4, "render W H FILE"); !e.isEmpty()) return e;
        const auto w = integer(words[1], 1, kMaxRenderSide), h = integer(words[2], 1, kMaxRenderSide);
        if (!w || !h) return QString("size must be whole numbers from 1 to %1").arg(kMaxRenderSide);
        if (!simulation_.render(*w, *h).save(words[3], "PNG")) return "cannot write " + words[3];
    } else if (command == "quit") {
        if (count != 1) return "usage: quit";
        quit = true;
    } else {
        return "unknown command " + command;
    }
    return {};
}

}  // namespace valdorn
