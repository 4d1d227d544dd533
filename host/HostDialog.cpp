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
        placeOnShow();
}
