// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Messages.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "AutoplayGuard.h"
#include "MainFrame.h"
#include "QtMusicPlayer.h"
#include "SettingsStore.h"
#include "frmOption.h"

#include <algorithm>
#include <cmath>

namespace numora {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr char kTitle[] = "Numora 后台服务";
constexpr char kUnplayable[] = "媒体文件不存在！";

}  // namespace

QString PlainStatusText() { return QStringLiteral("Numora -- Kestrane"); }

QString MusicStatusText(const QString& path) {
    return PlainStatusText() + U(" (背景音乐:") + path + QLatin1Char(')');
}

Messages::Messages(Services& services, MainFrame& frame, QWidget* parent)
    // A tool window of the frame: no taskbar or window list shows it.
    : QWidget(parent, Qt::Tool), services_(services), frame_(frame) {
    setObjectName(QStringLiteral("Messages"));
    setWindowTitle(initialTitle());

    // The player's face: the file it holds, play and stop.
    fileLabel_ = new QLabel;
    fileLabel_->setObjectName(QStringLiteral("MediaFile"));
    fileLabel_->setMinimumWidth(180);
    fileLabel_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    playButton_ = new QToolButton;
    playButton_->setObjectName(QStringLiteral("MediaPlay"));
    playButton_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    playButton_->setToolTip(U("播放"));
    stopButton_ = new QToolButton;
    stopButton_->setObjectName(QStringLiteral("MediaStop"));
    stopButton_->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    stopButton_->setToolTip(U("停止"));
    connect(playButton_, &QToolButton::clicked, this, [this] {
        play();
        refresh();
    });
    connect(stopButton_, &QToolButton::clicked, this, [this] {
        services_.music.Stop();
        refresh();
    });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 8, 8, 8);
    row->addWidget(playButton_);
    row->addWidget(stopButton_);
    row->addWidget(fileLabel_, 1);

    titleTimer_ = new QTimer(this);
    titleTimer_->setInterval(kTitleTickMs);
    connect(titleTimer_, &QTimer::timeout, this, &Messages::animateTitle);

    // The real player finds out only while opening or decoding that a file
    // cannot be played; it says so once per file. The message waits for the
    // event loop, not inside the player's own notification.
    if (auto* player = dynamic_cast<QtMusicPlayer*>(&services_.music)) {
        connect(
            player, &QtMusicPlayer::failed, this,
            [this](const QString& path) {
                autoplayDone();
                // A refused file is not named as the music that plays.
                if (frame_.simpleText() == MusicStatusText(path)) frame_.setSimpleText(PlainStatusText());
                if (!closing_ && path == services_.music.FileName()) reportUnplayable();
            },
            Qt::QueuedConnection);
        connect(player, &QtMusicPlayer::running, this, &Messages::autoplayDone);
        connect(player, &QtMusicPlayer::finished, this, &Messages::autoplayDone);
        connect(player, &QtMusicPlayer::playingChanged, this, &Messages::refresh);
    }
    refresh();
}

Messages::~Messages() = default;

QString Messages::initialTitle() { return U(kTitle); }

void Messages::load() {
    if (loaded_) return;
    loaded_ = true;
    SettingsStore& store = services_.settings;
    if (ReadWholeSetting(store, QStringLiteral("Checks"), QStringLiteral("MusicStartWhileApply"), 0) != 1) return;
    AutoplayGuard guard(store);
    // The last autoplay never got its music running: whatever the decoder
    // did to that run, it does not do it again.
    if (const QString unfinished = guard.unfinished(); !unfinished.isEmpty()) {
        guard.end();
        store.WriteSetting(QStringLiteral("Checks"), QStringLiteral("MusicStartWhileApply"), QStringLiteral("0"));
        services_.dialogs.Message(isVisible() ? this : nullptr, AutoplayGuard::SkippedText(unfinished),
                                  QStringLiteral("Numora"), MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    const QString name = store.ReadSetting(QStringLiteral("Texts"), QStringLiteral("FileName"), QString());
    if (!name.isEmpty()) {
        const QFileInfo info(name);
        if (!info.isFile() || !info.isReadable()) {
            // Not handed to the player: the stored name stays stored, nothing plays.
            reportUnplayable();
            return;
        }
    }
    // Recorded before the player gets the file; the real player clears it
    // once the music runs or it gives up on the file, any other at once.
    if (!name.isEmpty()) {
        guard.begin(name);
        autoplaying_ = name;
    }
    services_.music.SetFileName(name);
    play();
    if (!dynamic_cast<QtMusicPlayer*>(&services_.music)) autoplayDone();
    const QString playing = services_.music.FileName();
    if (!playing.isEmpty()) frame_.setSimpleText(MusicStatusText(playing));
    refresh();
}

// The volume and muting the user chose in the Options window, whether or
// not that window was opened in this run.
void Messages::applyStoredSound() {
    SettingsStore& store = services_.settings;
    MusicPlayer& music = services_.music;
    const QString position = store.ReadSetting(QStringLiteral("Sliders"), QStringLiteral("Value"), QString());
    if (!position.isEmpty()) {
        const float value = ReadSingleSetting(store, QStringLiteral("Sliders"), QStringLiteral("Value"), -1.0f);
        if (std::isfinite(value) && value >= 0)
            music.SetVolume(frmOption::VolumeOfPosition(static_cast<int>(std::lround(std::min(value, 15.0f)))));
    }
    music.SetMuted(ReadWholeSetting(store, QStringLiteral("Checks"), QStringLiteral("Mute"), 0) != 0);
}

void Messages::play() {
    applyStoredSound();
    services_.music.Play();
}

// The start-up music runs, or the player has given up on it cleanly.
void Messages::autoplayDone() {
    if (autoplaying_.isEmpty()) return;
    autoplaying_.clear();
    AutoplayGuard(services_.settings).end();
}

void Messages::reportUnplayable() {
    services_.dialogs.Message(isVisible() ? this : nullptr, U(kUnplayable), QStringLiteral("Numora"),
                              MsgIcon::Stop, MsgButtons::Ok);
}

void Messages::stopAndClose() {
    closing_ = true;
    titleTimer_->stop();
    services_.music.SetFileName(QString());
    close();
}

void Messages::animateTitle() {
    QString title = windowTitle() + QLatin1Char(' ');
    if (title.size() > initialTitle().size() + 2) title = initialTitle();
    setWindowTitle(title);
    refresh();
}

void Messages::refresh() {
    const QString file = services_.music.FileName();
    const QString name = QFileInfo(file).fileName();
    fileLabel_->setText(name.isEmpty() ? QStringLiteral("—") : name);
    fileLabel_->setToolTip(file);
    playButton_->setEnabled(!file.isEmpty());
    stopButton_->setEnabled(!file.isEmpty());
}

void Messages::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!loaded_) load();
    refresh();
    titleTimer_->start();
}

void Messages::hideEvent(QHideEvent* event) {
    titleTimer_->stop();
    QWidget::hideEvent(event);
}

}  // namespace numora
