// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// QtMusicPlayer: the background-music player of the application, a
// MusicPlayer over QMediaPlayer and QAudioOutput on Qt Multimedia's default
// backend (GStreamer on Linux). It plays WAV, MP3 and MIDI files; with no
// sound card the backend plays silently to the end.
//
// A file that cannot be played (missing, unreadable, empty, not audio) is
// never an exception or a crash: the player reports it once, through
// `failed`, for each file name it is given, and stays silent.
#pragma once

#include <QObject>
#include <QString>

#include "Services.h"

class QAudioOutput;
class QMediaPlayer;

namespace numora {

class QtMusicPlayer final : public QObject, public MusicPlayer {
    Q_OBJECT

public:
    explicit QtMusicPlayer(QObject* parent = nullptr);
    ~QtMusicPlayer() override;

    // Stops what plays and loads `path` (not yet playing: Play starts it).
    // The empty name stops the music and unloads the file.
    void SetFileName(const QString& path) override;
    QString FileName() const override { return file_; }
    // Starts the loaded file from where it stands (from the start after it
    // played to its end or was stopped); nothing without a playable file.
    void Play() override;
    void Stop() override;
    // Hundredths of a decibel, -10000 (silence) to 0 (full volume); values
    // beyond are clamped.
    void SetVolume(int hundredthsDb) override;
    int Volume() const override { return volume_; }
    void SetMuted(bool muted) override;
    bool Muted() const override { return muted_; }

    // The linear volume (0 to 1) the audio output gets for a volume in
    // hundredths of a decibel: 10^(hundredthsDb / 2000), 0 at -10000 and below.
    static float LinearVolume(int hundredthsDb);

    bool isPlaying() const;
    // The current file could not be opened or decoded.
    bool hasFailed() const { return failed_; }

    // The Qt objects underneath (tests, and a window showing progress).
    QMediaPlayer* mediaPlayer() const { return player_; }
    QAudioOutput* audioOutput() const { return output_; }

signals:
    // The file given last cannot be played; emitted at most once per file
    // name given, always after SetFileName has returned.
    void failed(const QString& path);
    // The file given last has played to its end.
    void finished(const QString& path);
    // Playing started or stopped.
    void playingChanged(bool playing);

private:
    void fail(quint64 generation);

    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    QString file_;
    quint64 generation_ = 0;  // counts the file names given
    int volume_ = 0;
    bool muted_ = false;
    QString reported_;  // the file whose failure was last reported
    bool failed_ = false;
};

}  // namespace numora
