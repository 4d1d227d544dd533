#include "host/HostDialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "game/GameFonts.h"

HostDialog::HostDialog(const QString& caption, QSize clientSize, Qt::WindowFlags flags, QWidget* parent)
    : QDialog(parent, flags) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setSizeGripEnabled(false);
    setFont(valdorn::fonts::tahoma(11));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}

void HostDialog::execOwnedBy(QDialog& window, QWidget& owner) {
    if (window.parentWidget() != &owner)
        window.setParent(&owner, window.windowFlags());
    window.exec();
}

QRect HostDialog::desktopRect() { return QGuiApplication::primaryScreen()->virtualGeometry(); }

QRect HostDialog::workArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

void HostDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void HostDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        place();
}

void HostDialog::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    // While the platform window is being framed it can report a frame smaller than the client; only a
    // real frame counts.
    const QMargins frame = frameMargins();
    const bool realFrame = frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0;
    if (isVisible() && realFrame && frame != placedWithFrame_)
        place();
}

QMargins HostDialog::frameMargins() const {
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
            outer.bottom() - client.bottom()};
}

void HostDialog::place() {
    placedWithFrame_ = frameMargins();
    placeOnShow();
}
