// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameTray.h"

#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTimer>

namespace numora {

FrameTray::FrameTray(QMainWindow* frame, QMenu* menu) : QObject(frame), frame_(frame) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    icon_ = new QSystemTrayIcon(frame->windowIcon(), this);
    icon_->setObjectName(QStringLiteral("TrayForm1"));
    icon_->setToolTip(QStringLiteral("Numora"));
    icon_->setContextMenu(menu);
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) giveBack();
    });
    icon_->show();
}

bool FrameTray::takeFrame() {
    if (!icon_ || removed_) return false;
    holdsFrame_ = true;
    frame_->hide();
    return true;
}

void FrameTray::frameMinimized() {
    if (!icon_ || removed_) return;
    QTimer::singleShot(0, this, [this] {
        if (frame_->isMinimized() && frame_->isVisible() && !removed_) takeFrame();
    });
}

void FrameTray::giveBack() {
    holdsFrame_ = false;
    frame_->setWindowState((frame_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
}

void FrameTray::remove() {
    removed_ = true;
    if (icon_) icon_->hide();
}

}  // namespace numora
