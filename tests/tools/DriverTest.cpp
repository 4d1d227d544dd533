// The headless driver as a reviewer uses it: a script in, JSON lines out, clear errors with exit 2,
// and a save store that outlives the run when given a folder.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct DriverRun {
    int exitCode;
    QStringList lines;
    QString errors;
};

DriverRun runDriver(const QByteArray& script, QStringList args = {}) {
    QProcess process;
    process.start(VALDORN5_SIM_PATH, args);
    process.write(script);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

QJsonObject parse(const QString& line) { return QJsonDocument::fromJson(line.toUtf8()).object(); }

TEST(Driver, scriptRoundTripPrintsTheStateAsJson) {
    const DriverRun run = runDriver("# a comment\n\ntick 60\nset punktid 12.5\nstate\nstore counter 3\ngoto 1\ntick\nstate\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 2);
    const QJsonObject first = parse(run.lines[0]);
    EXPECT_EQ(first["tick"].toInt(), 60);
    EXPECT_EQ(first["screen"].toInt(), 1);
    EXPECT_EQ(first["vars"].toObject()["punktid"].toDouble(), 12.5);
    EXPECT_TRUE(first["vars"].toObject()["pask"].isNull());
    EXPECT_TRUE(first["store"].toObject()["counter"].isNull());
    EXPECT_EQ(first["cursor"].toString(), "shown");
    bool sawCheat = false;
    for (const auto& entry : first["objects"].toArray())
        if (const QJsonObject object = entry.toObject(); object["path"].toString() == "cheat") {
            sawCheat = true;
            EXPECT_EQ(object["x"].toDouble(), 1146.4);
            EXPECT_EQ(object["frame"].toInt(), 1);
        }
    EXPECT_TRUE(sawCheat);
    const QJsonObject second = parse(run.lines[1]);
    EXPECT_EQ(second["tick"].toInt(), 61);
    EXPECT_EQ(second["vars"].toObject()["pask"].toDouble(), 3);
    EXPECT_EQ(second["store"].toObject()["counter"].toDouble(), 3);
}

TEST(Driver, badLinesStopWithTheirNumberAndExitCodeTwo) {
    const std::pair<const char*, const char*> cases[] = {
        {"tick\nfly 3\n", "line 2: unknown command fly"},
        {"move 1\n", "line 1: usage: move X Y"},
        {"move a b\n", "line 1: coordinates must be numbers"},
        {"tick -1\n", "line 1: tick count"},
        {"goto 16\n", "line 1: screen must be"},
        {"set nosuch 1\n", "line 1: unknown variable nosuch"},
        {"set punktid lots\n", "line 1: value must be"},
        {"store counter nan\n", "line 1: counter must be"},
        {"key sideways 9\n", "line 1: usage: key"},
        {"render 0 10 /tmp/x.png\n", "line 1: size must be"},
        {"move inf 3\n", "line 1: coordinates must be numbers"},
    };
    for (const auto& [script, message] : cases) {
        const DriverRun run = runDriver(script);
        EXPECT_EQ(run.exitCode, 2) << script;
        EXPECT_TRUE(run.errors.contains(message)) << script << " gave " << run.errors.toStdString();
    }
}

TEST(Driver, storeFolderKeepsTheCounterBetweenRuns) {
    QTemporaryDir dir;
    ASSERT_EQ(runDriver("store counter 4\n", {"--store", dir.path()}).exitCode, 0);
    const DriverRun run = runDriver("tick 60\nstate\n", {"--store", dir.path()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(parse(run.lines[0])["vars"].toObject()["pask"].toDouble(), 4);
}

TEST(Driver, rendersThePictureToAFile) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/frame.png";
    ASSERT_EQ(runDriver(QString("tick 2\nrender 643 520 %1\n").arg(file).toUtf8()).exitCode, 0);
    QImage image(file);
    EXPECT_EQ(image.size(), QSize(643, 520));
}

TEST(Driver, sameSeedSameScriptSameOutput) {
    const QByteArray script = "tick 50\nclick 100 100\ntick 10\nkey down 9\ntick 3\nstate\n";
    EXPECT_EQ(runDriver(script, {"--seed", "42"}).lines, runDriver(script, {"--seed", "42"}).lines);
}

}  // namespace
