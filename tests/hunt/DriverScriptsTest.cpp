// The example scripts in scripts/ run through the headless driver and show the hunt's figures in its
// JSON: spring, zoom steps, window size and style, visibility and cursor, cursor timer, Tab.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <functional>

namespace valdorn {
namespace {

// One `state` line: the named objects by path, and the whole line.
struct State {
    QJsonObject line;
    QJsonObject object(const QString& path) const {
        for (const QJsonValue& o : line["objects"].toArray())
            if (o["path"].toString() == path) return o.toObject();
        ADD_FAILURE() << "no object " << path.toStdString();
        return {};
    }
    double number(const QString& path, const char* field) const { return object(path)[field].toDouble(); }
    bool visible(const QString& path) const { return object(path)["visible"].toBool(); }
    QString cursor() const { return line["cursor"].toString(); }
    QJsonValue var(const char* name) const { return line["vars"].toObject()[name]; }
};

std::vector<State> run(const QString& script) {
    QProcess sim;
    sim.start(VALDORN5_SIM_PATH, {QString(VALDORN5_SOURCE_DIR) + "/tests/hunt/scripts/" + script});
    EXPECT_TRUE(sim.waitForFinished(60000));
    EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
    std::vector<State> states;
    for (const QByteArray& line : sim.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty()) states.push_back({QJsonDocument::fromJson(line).object()});
    return states;
}

struct ScriptCase {
    const char* script;
    size_t states;
    std::function<void(const std::vector<State>&)> check;
};

void PrintTo(const ScriptCase& c, std::ostream* out) { *out << c.script; }

class DriverScript : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(DriverScript, showsTheHuntFigures) {
    const ScriptCase& c = GetParam();
    const auto states = run(c.script);
    ASSERT_EQ(states.size(), c.states);
    c.check(states);
}

const ScriptCase kScripts[] = {
    {"spring.sim", 25,
     [](const auto& s) {
         // A jump of 100 px from x = 372.
         const auto covered = [&](size_t tick) { return (s[tick - 1].number("zoom2", "x") - 372) / 100; };
         EXPECT_NEAR(covered(1), 0.30, 1e-9);
         EXPECT_NEAR(covered(2), 0.69, 1e-9);
         EXPECT_NEAR(covered(5), 1.26, 0.005);
         for (size_t tick = 20; tick <= 25; ++tick) EXPECT_NEAR(covered(tick), 1, 0.01) << tick;
     }},
    {"zoom.sim", 4,
     [](const auto& s) {
         const double steps[] = {325, 412.5, 456.25};
         for (size_t i = 0; i < 3; ++i) {
             EXPECT_DOUBLE_EQ(s[i].number("zoom/image", "sx"), steps[i]);
             EXPECT_EQ(s[i].var("levelscale").toDouble(), 1);
         }
         EXPECT_NEAR(s[3].number("zoom/image", "sx"), 100, 1e-6) << "Space: 150 -> 50";
     }},
    {"window.sim", 2,
     [](const auto& s) {
         EXPECT_NEAR(s[0].number("zoom3/scope", "sx"), 100.0 * 110 / 70, 1e-9);
         EXPECT_EQ(s[0].number("zoom3/scope", "frame"), 4);
         EXPECT_EQ(s[1].number("zoom3/scope", "sx"), 100);
         EXPECT_EQ(s[1].number("zoom3/scope", "frame"), 1);
     }},
    {"visibility.sim", 3,
     [](const auto& s) {
         EXPECT_TRUE(s[0].visible("zoom4"));
         EXPECT_EQ(s[0].cursor(), "hidden");
         EXPECT_FALSE(s[1].visible("zoom4"));
         EXPECT_EQ(s[1].cursor(), "shown");
         EXPECT_TRUE(s[2].visible("zoom4"));
         EXPECT_EQ(s[2].cursor(), "hidden");
     }},
    {"cursortimer.sim", 3,
     [](const auto& s) {
         EXPECT_EQ(s[0].cursor(), "shown");
         EXPECT_EQ(s[1].cursor(), "hidden");
         EXPECT_EQ(s[1].line["tick"].toInt(), 75);
         EXPECT_EQ(s[2].cursor(), "shown");
     }},
    {"tab.sim", 2,
     [](const auto& s) {
         EXPECT_EQ(s[0].line["screen"].toInt(), 3);
         EXPECT_EQ(s[0].number("cheat", "frame"), 2);
         EXPECT_EQ(s[1].number("cheat", "frame"), 5);
     }},
};

INSTANTIATE_TEST_SUITE_P(Hunt, DriverScript, ::testing::ValuesIn(kScripts),
                         [](const ::testing::TestParamInfo<ScriptCase>& p) {
                             return QString(p.param.script).section('.', 0, 0).toStdString();
                         });

}  // namespace
}  // namespace valdorn
