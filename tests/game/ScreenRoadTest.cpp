// The whole road through the screens with the headless driver, as a player would take it: title,
// shop, levels 1 to 6 with their complete screens, the final screen and back to the shop; then a
// second run of the program on the same save store. The hunt's completion is stood in for by
// `goto` to the level's next screen.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "game/ScreenIds.h"

namespace valdorn {
namespace {

// Runs the driver on `script` with the save store in `storeFolder`; one JSON object per `state`.
std::vector<QJsonObject> runDriver(const QString& script, const QString& storeFolder) {
    QProcess driver;
    driver.start(VALDORN5_SIM_PATH, {"--seed", "7", "--store", storeFolder});
    if (!driver.waitForStarted()) return {};
    driver.write(script.toUtf8());
    driver.closeWriteChannel();
    if (!driver.waitForFinished(120'000)) return {};
    EXPECT_EQ(driver.exitCode(), 0) << driver.readAllStandardError().toStdString();
    std::vector<QJsonObject> states;
    for (const QByteArray& line : driver.readAllStandardOutput().split('\n'))
        if (!line.trimmed().isEmpty()) states.push_back(QJsonDocument::fromJson(line).object());
    return states;
}

QStringList soundNames(const QJsonObject& state) {
    QStringList names;
    for (const QJsonValue& sound : state["sounds"].toArray()) names << sound["sound"].toString();
    return names;
}

bool hasObject(const QJsonObject& state, const QString& path) {
    for (const QJsonValue& object : state["objects"].toArray())
        if (object["path"].toString() == path) return object["visible"].toBool();
    return false;
}

TEST(ScreenRoadTest, titleShopAllSixLevelsFinalAndBackToTheShopThenARestart) {
    QString script = "tick 41\nstate\n"        // title
                     "click 612 470\ntick 2\nstate\n"  // play: the shop, its music started
                     "click 150 125\nstate\n";        // level 1
    for (int level = 1; level <= 5; ++level)
        script += QString("goto %1\nstate\nclick 349 337\nstate\n").arg(screens::huntScreen(level) + 1);
    script += "goto 15\ntick 29\nstate\n"  // final, the closing sound
              "click 350 520\ntick 2\nstate\n";
    QTemporaryDir store;
    const auto states = runDriver(script, store.path());
    ASSERT_EQ(states.size(), 3u + 2 * 5 + 2);

    EXPECT_EQ(states[0]["screen"].toInt(), screens::kTitle);
    EXPECT_TRUE(hasObject(states[0], "how"));
    EXPECT_TRUE(states[0]["vars"]["pask"].isNull());

    EXPECT_EQ(states[1]["screen"].toInt(), screens::kShop);
    EXPECT_EQ(soundNames(states[1]), QStringList({"stop-all", "shop-music"}));
    EXPECT_TRUE(hasObject(states[1], "lvls/level1"));
    EXPECT_FALSE(hasObject(states[1], "lvls/level2"));

    EXPECT_EQ(states[2]["screen"].toInt(), screens::huntScreen(1));
    EXPECT_EQ(soundNames(states[2]), QStringList({"stop-all", "music-1"}));

    for (int level = 1; level <= 5; ++level) {
        SCOPED_TRACE(level);
        const QJsonObject& complete = states[3 + 2 * (level - 1)];
        const QJsonObject& next = states[4 + 2 * (level - 1)];
        EXPECT_EQ(complete["screen"].toInt(), screens::huntScreen(level) + 1);
        EXPECT_EQ(complete["vars"]["pask"].toDouble(), level + 1);
        EXPECT_EQ(complete["store"]["counter"].toDouble(), level + 1);
        EXPECT_EQ(complete["cursor"].toString(), "shown");
        EXPECT_EQ(next["screen"].toInt(), screens::huntScreen(level + 1));
    }

    const QJsonObject& final = states[13];
    EXPECT_EQ(final["screen"].toInt(), screens::kFinal);
    EXPECT_EQ(soundNames(final), QStringList({"stop-all", "closing"}));
    EXPECT_EQ(final["store"]["counter"].toDouble(), 6);

    const QJsonObject& shop = states[14];
    EXPECT_EQ(shop["screen"].toInt(), screens::kShop);
    EXPECT_EQ(soundNames(shop), QStringList({"stop-all", "shop-music"}));
    for (int level = 1; level <= 6; ++level) EXPECT_TRUE(hasObject(shop, QString("lvls/level%1").arg(level)));

    // The program again, on the same store: the title loads level 6 and the shop offers all six.
    const auto again = runDriver("tick 41\nstate\nclick 612 470\nstate\n", store.path());
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0]["vars"]["pask"].toDouble(), 6);
    EXPECT_TRUE(hasObject(again[1], "lvls/level6"));
}

}  // namespace
}  // namespace valdorn
