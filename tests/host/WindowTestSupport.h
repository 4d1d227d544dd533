#pragma once
// What the window tests share: the four windows of one run with a beep counter and an error recorder,
// a way to act inside a modal window's own loop once it has shown, and a watchdog that unwinds the
// modal chain if a test would otherwise hang.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/AssetLibrary.h"
#include "host/Application.h"
#include "host/HostWindows.h"
#include "host/Unit_Text1.h"
#include "host/Unit_Text2.h"
#include "host/Unit_Valdorn1.h"
#include "host/Unit_pass1.h"

namespace valdorn::testing {

// Runs `action` from the event loop shortly after each time `window` is shown, i.e. inside the modal
// loop that shows it.
class OnShown : public QObject {
public:
    OnShown(QWidget* window, std::function<void()> action) : action_(std::move(action)) {
        window->installEventFilter(this);
    }
    int shows() const { return shows_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shows_;
            QTimer::singleShot(0, this, [this] { action_(); });
        }
        return false;
    }

private:
    std::function<void()> action_;
    int shows_ = 0;
};

class HostWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows_ = std::make_unique<HostWindows>(assets_);
        Form_Pass->setBeep([this] { ++beeps; });
        setErrorSink([this](const QString& message) { errors.push_back(message); });
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(15000);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            ADD_FAILURE() << "a modal window was still open when the watchdog fired";
            for (QWidget* window : QApplication::topLevelWidgets())
                window->close();
        });
        watchdog_.start();
    }

    void TearDown() override {
        watchdog_.stop();
        setErrorSink({});
        windows_.reset();
    }

    AssetLibrary assets_;
    int beeps = 0;
    std::vector<QString> errors;

private:
    std::unique_ptr<HostWindows> windows_;
    QTimer watchdog_;
};

}  // namespace valdorn::testing
