// valdorn5-container as the build and a developer use it: info prints the container's fields,
// unpack then pack gives back the very same container, and bad input prints the reader's message
// with a non-zero exit.
#include "host/Container.h"
#include "host/SwfMovie.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

using namespace valdorn;
using ::testing::HasSubstr;

namespace {

// The tool is built beside the headless driver; the container is left beside the program.
const QString kTool = QFileInfo(VALDORN5_SIM_PATH).dir().filePath("valdorn5-container");
const QString kContainer = QFileInfo(VALDORN5_EXE_PATH).dir().filePath("valdorn5.container");

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

ToolRun tool(const QStringList& arguments) {
    QProcess process;
    process.start(kTool, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << kTool.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

}  // namespace

TEST(ContainerTool, infoPrintsTheContainersFields) {
    const ToolRun run = tool({"info", kContainer});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto container = Container::read(readAll(kContainer));
    ASSERT_TRUE(container);
    const std::string n = std::to_string(container->movie.size());
    for (const std::string& line : std::vector<std::string>{"magic: 0x55665566\n", "movie length N: " + n + "\n", "movie signature: FWS\n", "movie version: 9\n",
          "movie file length: " + n + "\n", "stage: 14000 x 11000 twips (700 x 550 px)\n", "frame rate: 30\n",
          "frame count: 16\n", "  photo/level6.jpg ", "  fire.jpg 93\n",
          "property block: offset " + std::to_string(8 + container->movie.size()) + ", 470 bytes\n",
          "first value: 0x00000900\n", "surface: 18733 x 14658 HIMETRIC (708 x 554 px)\n", "values: 24\n",
          "  1 type 8 L 2 \"\"\n", "  4 type 8 L 14 \"Window\"\n", "  10 type 8 L 0 (no text)\n",
          "  18 type 13 00000000000000000000000000000000\n", "  24 type 8 L 12 \"false\"\n"})
        EXPECT_THAT(run.out, HasSubstr(line));
}

TEST(ContainerTool, unpackThenPackGivesBackTheSameContainer) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString items = dir.filePath("items"), packed = dir.filePath("packed.container");
    ToolRun run = tool({"unpack", kContainer, items});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(readAll(QDir(items).filePath("photo/level1.jpg")) ==
                readAll(QStringLiteral(VALDORN5_SOURCE_DIR "/assets/data/photo/level1.jpg")));
    run = tool({"pack", items, packed});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(readAll(packed) == readAll(kContainer));
}

// Bad invocations and bad files: the message on standard error, the exit code, nothing on stdout.
struct BadRun {
    const char* name;
    std::function<QStringList(const QTemporaryDir&)> arguments;
    int exitCode;
    const char* message;
    friend void PrintTo(const BadRun& c, std::ostream* os) { *os << c.name; }
};

class ContainerToolError : public ::testing::TestWithParam<BadRun> {};

TEST_P(ContainerToolError, printsTheReasonAndFails) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ToolRun run = tool(GetParam().arguments(dir));
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_THAT(run.err, HasSubstr(GetParam().message));
    EXPECT_EQ(run.out, "");
}

namespace {
QString fileWith(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath("input.container");
    writeAll(path, bytes);
    return path;
}
QByteArray containerWith(const std::vector<SwfItem>& items) {
    return Container{SwfMovie::build(items), PropertyBlock::standard()}.write();
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Errors, ContainerToolError,
    ::testing::Values(
        BadRun{"noArguments", [](const QTemporaryDir&) { return QStringList{}; }, 2, "usage: valdorn5-container"},
        BadRun{"unknownCommand", [](const QTemporaryDir&) { return QStringList{"list", kContainer}; }, 2, "usage:"},
        BadRun{"missingFile", [](const QTemporaryDir& d) { return QStringList{"info", d.filePath("none")}; }, 1, "none"},
        BadRun{"wrongMagic",
               [](const QTemporaryDir& d) { return QStringList{"info", fileWith(d, QByteArray("MZ\x90\x00 not a container", 20))}; },
               1, "magic at offset 0: "},
        BadRun{"trailingBytes",
               [](const QTemporaryDir& d) { return QStringList{"info", fileWith(d, containerWith({{"a", "1"}}) + "x")}; },
               1, "1 bytes follow the last property value"},
        BadRun{"packAMissingFolder", [](const QTemporaryDir& d) { return QStringList{"pack", d.filePath("none"), d.filePath("c")}; },
               1, "not a folder"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ContainerTool, unpackWritesNothingOutsideItsFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString input = dir.filePath("input.container");
    writeAll(input, containerWith({{"ok.txt", "1"}, {"../escaped", "2"}}));
    const ToolRun run = tool({"unpack", input, dir.filePath("out")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr("item name \"../escaped\" is not a relative path"));
    EXPECT_FALSE(QFile::exists(dir.filePath("escaped")));
}
