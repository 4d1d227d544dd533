#pragma once
// The application object and the one place where errors become the user's error box.
//
// An exception escaping an event handler (a button, a window's show or close handler, the watch tick)
// is caught once, shown in a message box captioned with the application title, and the program
// carries on in the state it was in. Throwing through Qt's own frames is not supported, so our
// handlers are connected through `guarded`, which catches at the handler's edge; Application::notify
// is the net under everything else.

#include <QApplication>
#include <QString>
#include <functional>

namespace valdorn {

// The application title: the caption of the error box. Kept as our own constant rather than Qt's
// application display name, which Qt would append to every window caption.
inline const QString kApplicationTitle = QStringLiteral("Вальдорн 5");

// The error box's text: the message, with a full stop appended when its last character's code is
// above the full stop's own (46). An empty message stays empty.
[[nodiscard]] QString errorBoxText(const QString& message);

// Where reported errors go. By default a modal box (caption kApplicationTitle, error icon, OK) owned
// by the active window; tests install a recorder. Passing an empty function restores the box.
using ErrorSink = std::function<void(const QString& message)>;
void setErrorSink(ErrorSink sink);
void reportError(const QString& message);

// Reports the exception being handled; call only inside a catch block.
void reportCurrentException();

// Runs `handler`; an exception leaving it is reported and goes no further.
void runGuarded(const std::function<void()>& handler);

// Wraps a handler for connecting to a signal, so that its exceptions never unwind through Qt.
template <class Handler>
auto guarded(Handler handler) {
    return [handler = std::move(handler)]() { runGuarded(handler); };
}

}  // namespace valdorn

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Delivers every event; an exception escaping a receiver is reported once and swallowed.
    bool notify(QObject* receiver, QEvent* event) override;
};
