// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Messages: the background-music service window ("Numora 后台服务"). It is
// the home of the application's music player (the `music` of the services):
// on load it starts the last chosen music when the user asked for that, it
// tells the user once when a music file cannot be played, and its title
// cycles through zero, one and two trailing blanks while it is shown.
//
// Life cycle: the start-up self-test creates and loads it, then shows it; it
// lives until the exit sequence calls stopAndClose(). Its own close box only
// puts it away (the music keeps playing); it never refuses to close, so it
// cannot hold up the application's quit.
#pragma once

#include <QString>
#include <QWidget>

#include "Services.h"

class QLabel;
class QTimer;
class QToolButton;

namespace numora {

class MainFrame;

// The main frame's status text while a music file is set:
// "Numora -- Kestrane (背景音乐:" + path + ")".
QString MusicStatusText(const QString& path);
// The status text without music: "Numora -- Kestrane".
QString PlainStatusText();

class Messages : public QWidget {
    Q_OBJECT

public:
    // The window is created hidden and not yet loaded. When the services'
    // player is a QtMusicPlayer, a file it cannot play is reported with
    // "媒体文件不存在！" (once for each file given to it).
    Messages(Services& services, MainFrame& frame, QWidget* parent = nullptr);
    ~Messages() override;

    // Load: when `MusicStartWhileApply` reads exactly 1, gives the player the
    // stored `FileName` and starts it, and shows the file in the frame's
    // status bar; a stored file that cannot be opened gives "媒体文件不存在！".
    // The autoplay is recorded in the store until the music runs
    // (AutoplayGuard); when an earlier start left that record, nothing plays,
    // autoplay is turned off and a message names the file.
    // Runs once; showing the window runs it when nobody did before.
    void load();
    bool isLoaded() const { return loaded_; }

    // The exit sequence's unload: stops the music (the player gets the empty
    // file name), stops the title animation and closes the window for good.
    void stopAndClose();

    static QString initialTitle();
    // One step of the title animation (the timer's slot).
    void animateTitle();
    static constexpr int kTitleTickMs = 200;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void reportUnplayable();
    void autoplayDone();
    void refresh();
    void applyStoredSound();
    void play();

    Services& services_;
    MainFrame& frame_;
    QTimer* titleTimer_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QToolButton* playButton_ = nullptr;
    QToolButton* stopButton_ = nullptr;
    QString autoplaying_;  // the start-up music, until it runs
    bool loaded_ = false;
    bool closing_ = false;
};

}  // namespace numora
