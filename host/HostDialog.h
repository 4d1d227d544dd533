#pragma once
// What the program's four windows share: a fixed-size dialog with a caption, a client area of given
// size, the button-face background and the default font. Esc does nothing (none of the windows has a
// cancel button), so a window closes only by its own button or the ordinary close commands, all of
// which pass through closeEvent.

#include <QDialog>

class HostDialog : public QDialog {
    Q_OBJECT
public:
    HostDialog(const QString& caption, QSize clientSize, Qt::WindowFlags flags, QWidget* parent = nullptr);

    // Opens `window` modally as a window owned by `owner`: it stays in front of the owner and has no
    // task-bar entry of its own. Returns when it has closed, however that happened.
    static void execOwnedBy(QDialog& window, QWidget& owner);

    // The desktop and the primary screen's work area.
    static QRect desktopRect();
    static QRect workArea();

protected:
    // Places the window, called each time it is about to be shown; the default does nothing. A window
    // manager frames a window only after it first appears, so this runs again once the real frame is
    // known: placing and sizing rules count with the outer size.
    virtual void placeOnShow() {}

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    [[nodiscard]] QMargins frameMargins() const;
    void place();

    QMargins placedWithFrame_;
};

// Window-manager hints for the windows: title bar, system menu and close box, plus what is named.
namespace valdorn::flags {
inline constexpr Qt::WindowFlags kCloseOnly = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}
