// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtMusicPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace numora {

namespace {
constexpr int kSilence = -10000;
}

QtMusicPlayer::QtMusicPlayer(QObject* parent) : QObject(parent) {
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(this);
    output_->setVolume(LinearVolume(volume_));
    output_->setMuted(muted_);
    player_->setAudioOutput(output_);

    const auto failCurrent = [this] { fail(generation_); };
    connect(player_, &QMediaPlayer::errorOccurred, this, [failCurrent](QMediaPlayer::Error error) {
        if (error != QMediaPlayer::NoError) failCurrent();
    });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this, failCurrent](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia) failCurrent();
        if (status == QMediaPlayer::EndOfMedia && !file_.isEmpty() && !failed_) emit finished(file_);
    });
    connect(player_, &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState state) { emit playingChanged(state == QMediaPlayer::PlayingState); });
}

QtMusicPlayer::~QtMusicPlayer() {
    // Quiet teardown: no signal reaches a listener that is going away too.
    player_->disconnect(this);
    player_->stop();
    player_->setSource(QUrl());
}

float QtMusicPlayer::LinearVolume(int hundredthsDb) {
    if (hundredthsDb <= kSilence) return 0.0f;
    if (hundredthsDb >= 0) return 1.0f;
    return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}

void QtMusicPlayer::SetFileName(const QString& path) {
    ++generation_;
    failed_ = false;
    player_->stop();
    file_ = path;
    if (path != reported_) reported_.clear();
    if (path.isEmpty()) {
        player_->setSource(QUrl());
        return;
    }
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() || info.size() == 0) {
        // Nothing the backend could play; say so once the caller has returned,
        // as the backend does for a file it cannot decode.
        player_->setSource(QUrl());
        failed_ = true;
        const quint64 generation = generation_;
        QMetaObject::invokeMethod(
            this,
            [this, generation, path] {
                if (generation == generation_ && reported_ != path) {
                    reported_ = path;
                    emit failed(path);
                }
            },
            Qt::QueuedConnection);
        return;
    }
    player_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
}

void QtMusicPlayer::fail(quint64 generation) {
    if (generation != generation_ || failed_ || file_.isEmpty()) return;
    failed_ = true;
    player_->stop();
    // The backend may report one bad file several times (an error, then
    // the invalid media status, also after a reload): say it once.
    if (reported_ == file_) return;
    reported_ = file_;
    emit failed(file_);
}

void QtMusicPlayer::Play() {
    if (file_.isEmpty() || failed_) return;
    if (player_->mediaStatus() == QMediaPlayer::EndOfMedia) player_->setPosition(0);
    player_->play();
}

void QtMusicPlayer::Stop() { player_->stop(); }

void QtMusicPlayer::SetVolume(int hundredthsDb) {
    volume_ = std::clamp(hundredthsDb, kSilence, 0);
    output_->setVolume(LinearVolume(volume_));
}

void QtMusicPlayer::SetMuted(bool muted) {
    muted_ = muted;
    output_->setMuted(muted);
}

bool QtMusicPlayer::isPlaying() const { return player_->playbackState() == QMediaPlayer::PlayingState; }

}  // namespace numora
