// The real program in a real X server (Xvfb): keys typed through the X test extension (xdotool),
// windows found by their captions, and the game window closed the way a window manager closes it.
// Without a window manager the work area is the whole screen and windows have no frame, so the game
// window's size by the rule is exact.

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <memory>
#include <optional>

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;
// The size rule for a 1024-pixel work area: round(1024 x 680 / 550) = 1266 wide, 1024 high.
constexpr int kGameClientWidth = 1266;

const QString kGateName = QStringLiteral("^Вальдорн 5 \\(допуск\\)$");
const QString kBriefingName = QStringLiteral("^Вальдорн 5   Интро$");
const QString kGameName = QStringLiteral("^Вальдорн 5$");

class Xvfb {
public:
    // Starts a server on a free display; false when it would not start.
    bool start(const QString& executable) {
        process_.start(executable, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                    QStringLiteral("0"),
                                    QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight),
                                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        const QDeadlineTimer deadline(15000);
        QByteArray out;
        while (!out.contains('\n') && !deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
            process_.waitForReadyRead(200);
            out += process_.readAllStandardOutput();
        }
        if (!out.contains('\n'))
            return false;
        display_ = QStringLiteral(":") + QString::fromLatin1(out.trimmed());
        return true;
    }
    ~Xvfb() {
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
    }
    const QString& display() const { return display_; }

private:
    QProcess process_;
    QString display_;
};

// Runs xdotool against the test's display; returns its output.
class XdoTool {
public:
    explicit XdoTool(QString display) : display_(std::move(display)) {}

    QString run(const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display_);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("xdotool"), arguments);
        process.waitForFinished(15000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    // The visible windows whose caption matches `pattern` (an extended regular expression).
    QStringList visibleWindows(const QString& pattern) const {
        const QString out = run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                 pattern});
        return out.isEmpty() ? QStringList() : out.split(u'\n');
    }

    std::optional<quint32> waitForWindow(const QString& pattern, int timeoutMs = 20000) const {
        const QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            const QStringList found = visibleWindows(pattern);
            if (found.size() == 1)
                return found.front().toUInt();
            QTest::qWait(100);
        }
        return std::nullopt;
    }

    QRect geometry(quint32 window) const {
        QRect rect;
        const QString out = run({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
        for (const QString& line : out.split(u'\n')) {
            const QStringList pair = line.split(u'=');
            if (pair.size() != 2)
                continue;
            const int value = pair[1].toInt();
            if (pair[0] == u"X")
                rect.moveLeft(value);
            else if (pair[0] == u"Y")
                rect.moveTop(value);
            else if (pair[0] == u"WIDTH")
                rect.setWidth(value);
            else if (pair[0] == u"HEIGHT")
                rect.setHeight(value);
        }
        return rect;
    }

    void typeInto(quint32 window, const QString& text) const {
        run({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
        if (!text.isEmpty())
            run({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
    }

    void key(const QString& name) const { run({QStringLiteral("key"), name}); }

private:
    QString display_;
};

// What a window manager does and xdotool cannot: ask a window to close, read who owns a window.
class XConnection {
public:
    explicit XConnection(const QString& display) : connection_(xcb_connect(qPrintable(display), nullptr)) {}
    ~XConnection() { xcb_disconnect(connection_); }
    bool ok() const { return xcb_connection_has_error(connection_) == 0; }

    void askToClose(quint32 window) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = atom("WM_PROTOCOLS");
        message.data.data32[0] = atom("WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

    // The window that `window` is transient for (stays in front of, shares the task-bar entry of); 0 if none.
    quint32 transientFor(quint32 window) {
        const auto cookie = xcb_get_property(connection_, 0, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
            xcb_get_property_reply(connection_, cookie, nullptr), &free);
        if (!reply || xcb_get_property_value_length(reply.get()) < 4)
            return 0;
        return *static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    }

private:
    xcb_atom_t atom(const char* name) {
        const auto cookie = xcb_intern_atom(connection_, 0, static_cast<uint16_t>(strlen(name)), name);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(connection_, cookie, nullptr), &free);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    xcb_connection_t* connection_;
};

// Wrong password, right one in lower case with Enter, Enter through the briefing, the game window
// sized by the rule, close it: the process ends with exit code 0.
TEST(RealWindowsEndToEndTest, passwordBriefingGameWindowAndCloseEndTheRun) {
    const QString xvfbPath = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfbPath.isEmpty())
        GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps.sh installs it)";
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        << "xdotool is not installed (scripts/install-deps.sh installs it)";

    Xvfb server;
    ASSERT_TRUE(server.start(xvfbPath)) << "Xvfb did not start";
    const XdoTool xdo(server.display());
    XConnection x(server.display());
    ASSERT_TRUE(x.ok());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), server.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(VALDORN5_EXE_PATH), QStringList());
    ASSERT_TRUE(program.waitForStarted(10000));
    struct Reaper {
        QProcess& process;
        ~Reaper() {
            if (process.state() != QProcess::NotRunning) {
                process.kill();
                process.waitForFinished(5000);
            }
        }
    } reaper{program};

    // Only the gate at start.
    const auto gate = xdo.waitForWindow(kGateName);
    ASSERT_TRUE(gate) << "the gate did not appear";
    EXPECT_EQ(xdo.visibleWindows(QStringLiteral("Вальдорн")).size(), 1);
    EXPECT_EQ(xdo.geometry(*gate).size(), QSize(472, 334));

    // A wrong password leaves the gate as it was.
    xdo.typeInto(*gate, QStringLiteral("wrong password"));
    xdo.key(QStringLiteral("Return"));
    QTest::qWait(700);
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_TRUE(xdo.visibleWindows(kBriefingName).isEmpty());
    EXPECT_EQ(xdo.visibleWindows(kGateName).size(), 1);

    // The right one, typed in lower case, then Enter: the briefing, owned by the gate.
    xdo.typeInto(*gate, QStringLiteral("k7w31motr4px8hf"));
    xdo.key(QStringLiteral("Return"));
    const auto briefing = xdo.waitForWindow(kBriefingName);
    ASSERT_TRUE(briefing) << "the briefing did not appear after the right password";
    EXPECT_EQ(x.transientFor(*briefing), *gate);
    EXPECT_EQ(xdo.geometry(*briefing).size(), QSize(428, 288));
    EXPECT_TRUE(xdo.visibleWindows(kGameName).isEmpty());

    // Enter closes the briefing; the game window follows, sized and placed by the rule.
    xdo.typeInto(*briefing, QString());
    xdo.key(QStringLiteral("Return"));
    const auto game = xdo.waitForWindow(kGameName);
    ASSERT_TRUE(game) << "the game window did not appear after the briefing";
    EXPECT_TRUE(xdo.visibleWindows(kBriefingName).isEmpty());
    EXPECT_EQ(x.transientFor(*game), *gate);
    EXPECT_EQ(x.transientFor(*gate), 0u) << "the gate carries the run's one task-bar entry";
    EXPECT_EQ(xdo.geometry(*game),
              QRect((kScreenWidth - kGameClientWidth) / 2, 0, kGameClientWidth, kScreenHeight));

    // Closing the game window ends the run.
    x.askToClose(*game);
    ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end after the game window closed";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace
