// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameGeometry.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <algorithm>

#include "DesktopPlatform.h"
#include "FrameTray.h"
#include "PixelGeometry.h"
#include "SettingsStore.h"
#include "Twips.h"
#include "WindowPlace.h"

namespace numora {
namespace {

const QString kSettings = QStringLiteral("Settings");

// Pixels of a restored window's top edge that stay on screen, so that its
// title bar can still be grabbed.
constexpr int kTitleGrip = 40;

}  // namespace

FrameGeometry::FrameGeometry(QMainWindow& frame, SettingsStore& settings, FrameTray& tray)
    : frame_(frame), settings_(settings), tray_(tray) {}

int FrameGeometry::stateCode() const {
    if (tray_.holdsFrame()) return 1;
    const Qt::WindowStates state = frame_.windowState();
    if (state & Qt::WindowMinimized) return 1;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return 2;
    return 0;
}

void FrameGeometry::setStateCode(int code) {
    // Minimizing with a notification area hides the frame there, on every
    // platform (a Wayland compositor does not say when it minimized one).
    if (code == 1 && tray_.takeFrame()) return;
    Qt::WindowStates state =
        frame_.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (code == 1) state |= Qt::WindowMinimized;
    if (code == 2) state |= Qt::WindowMaximized;
    frame_.setWindowState(state);
    if (code != 1 && tray_.holdsFrame()) tray_.giveBack();
}

void FrameGeometry::applyStoredState() {
    int code = ReadWholeSetting(settings_, kSettings, QStringLiteral("MainState"), 2);
    if (code < 0 || code > 2) code = 2;  // not a state the frame writes: the default
    setStateCode(code);
    if (code == 0) applyStoredNormalGeometry();
}

void FrameGeometry::applyStoredNormalGeometry() {
    // Read before the state changes: leaving the maximized state stores the
    // geometry the frame has at that moment.
    const float left = ReadSingleSetting(settings_, kSettings, QStringLiteral("MainLeft"), 1000);
    const float top = ReadSingleSetting(settings_, kSettings, QStringLiteral("MainTop"), 1000);
    const float width = ReadSingleSetting(settings_, kSettings, QStringLiteral("MainWidth"), 7680);
    const float height = ReadSingleSetting(settings_, kSettings, QStringLiteral("MainHeight"), 5475);
    setStateCode(0);
    // Left and top place the window's outer frame; width and height are the
    // window's own size (both as Qt's move() and resize() take them, so what
    // is stored comes back unchanged).
    const PixelBox stored{TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
    QScreen* screen = QGuiApplication::screenAt(QPoint(stored.left, stored.top));
    if (!screen) screen = frame_.screen() ? frame_.screen() : QGuiApplication::primaryScreen();
    // The frame cannot be smaller than its menus, toolbar and status bar need.
    const QSize least = frame_.minimumSizeHint().expandedTo(frame_.minimumSize());
    PixelBox placed{stored.left, stored.top, std::max(stored.width, least.width()),
                    std::max(stored.height, least.height())};
    if (screen) placed = ReachableBox(placed, ToBox(screen->availableGeometry()), kTitleGrip, true);
    placed.width = std::max(placed.width, 1);
    placed.height = std::max(placed.height, 1);
    if (CurrentDesktopAbilities().placesWindows) frame_.move(placed.left, placed.top);
    frame_.resize(placed.width, placed.height);
    if (!(placed == stored)) store();
}

void FrameGeometry::store() {
    // A place the desktop chose is not the user's: the stored one stays.
    if (CurrentDesktopAbilities().placesWindows) {
        settings_.WriteSetting(kSettings, QStringLiteral("MainLeft"), PixelsToTwipsText(frame_.pos().x()));
        settings_.WriteSetting(kSettings, QStringLiteral("MainTop"), PixelsToTwipsText(frame_.pos().y()));
    }
    settings_.WriteSetting(kSettings, QStringLiteral("MainWidth"), PixelsToTwipsText(frame_.width()));
    settings_.WriteSetting(kSettings, QStringLiteral("MainHeight"), PixelsToTwipsText(frame_.height()));
}

void FrameGeometry::storeState() {
    const int state = stateCode();
    settings_.WriteSetting(kSettings, QStringLiteral("MainState"), QString::number(state));
    if (state == 0) store();
}

}  // namespace numora
