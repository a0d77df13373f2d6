// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// QtMusicPlayer: the background-music player of the application, a
// MusicPlayer over QMediaPlayer and QAudioOutput on Qt Multimedia's default
// backend (GStreamer on Linux). It plays WAV, MP3 and MIDI files; with no
// sound card the backend plays silently to the end.
//
// A file that cannot be played (missing, unreadable, empty, not audio,
// damaged: SoundFile.h checks its structure before the decoder sees it) is
// never an exception or a crash: the player reports it once, through
// `failed`, for each file name it is given, and stays silent.
//
// The media player lives on a thread of its own (one for all players, for
// the life of the process), and every call here only hands it work: a
// decoder that never returns (a damaged file the checks let through) cannot
// freeze the windows, and the end of the program waits for it at most
// kShutdownMs (shutDown).
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include "Services.h"

class QThread;

namespace numora {

class MusicBackend;

class QtMusicPlayer final : public QObject, public MusicPlayer {
    Q_OBJECT

public:
    explicit QtMusicPlayer(QObject* parent = nullptr);
    // Shuts the player down (shutDown).
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

    // As the media player last reported it.
    bool isPlaying() const { return playing_; }
    // The current file could not be opened or decoded.
    bool hasFailed() const { return failed_; }

    // Stops the music and unloads the file on the player's thread, waiting
    // at most `timeoutMs`. False when the media player did not
    // finish in time (a decoder that never returns): it is then left behind
    // as it is, never touched again, and the process should end without the
    // libraries' own teardown (abandoned()). Later calls do nothing.
    bool shutDown(int timeoutMs = kShutdownMs);
    bool abandoned() const { return abandoned_; }
    static constexpr int kShutdownMs = 1000;

    // What the media player holds, asked on its thread (tests).
    struct BackendState {
        QUrl source;
        float volume = 0;
        bool muted = false;
    };
    BackendState backendState() const;

signals:
    // The file given last cannot be played; emitted at most once per file
    // name given, always after SetFileName has returned.
    void failed(const QString& path);
    // The file given last has played to its end.
    void finished(const QString& path);
    // Playing started or stopped.
    void playingChanged(bool playing);
    // The file given last plays: the decoder has given sound (its position
    // moved on, or it holds the media in its buffer). Once per file name.
    void running(const QString& path);

private:
    void report(quint64 generation, int what);
    void backendPlaying(quint64 generation, bool playing);
    void setPlaying(bool playing);
    void fail(quint64 generation);
    template <class Work>
    void post(Work work);

    QThread* thread_ = nullptr;
    MusicBackend* backend_ = nullptr;
    QString file_;
    quint64 generation_ = 0;  // counts the file names given
    int volume_ = 0;
    bool muted_ = false;
    bool playing_ = false;
    QString reported_;  // the file whose failure was last reported
    bool failed_ = false;
    bool runningTold_ = false;
    bool abandoned_ = false;
};

}  // namespace numora
