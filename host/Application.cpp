#include "host/Application.h"

#include <QMessageBox>
#include <exception>

namespace valdorn {
namespace {

void showErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, errorBoxText(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

ErrorSink& sink() {
    static ErrorSink current;
    return current;
}

}  // namespace

QString errorBoxText(const QString& message) {
    constexpr char16_t kFullStop = u'.';
    if (!message.isEmpty() && message.back().unicode() > kFullStop)
        return message + QChar(kFullStop);
    return message;
}

void setErrorSink(ErrorSink newSink) { sink() = std::move(newSink); }

void reportError(const QString& message) {
    if (sink())
        sink()(message);
    else
        showErrorBox(message);
}

void reportCurrentException() {
    try {
        throw;
    } catch (const std::exception& error) {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        reportError(QStringLiteral("Unknown error"));
    }
}

void runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        reportCurrentException();
    }
}

}  // namespace valdorn

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        valdorn::reportCurrentException();
        return false;
    }
}
