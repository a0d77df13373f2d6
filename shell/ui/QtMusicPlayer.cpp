// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtMusicPlayer.h"

#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QSemaphore>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <memory>

#include "SoundFile.h"

namespace numora {

namespace {
constexpr int kSilence = -10000;
// What the backend reports of the file it was given last.
enum Report { kFailed, kEnded, kRunning };
}  // namespace

// The media player and its audio output, on the player's own thread. Every
// report carries the number of the file name it is about, so the owner can
// drop what concerns a file it has given up.
class MusicBackend : public QObject {
    Q_OBJECT

public:
    void init() {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
        connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
            if (error != QMediaPlayer::NoError) emit report(generation_, kFailed);
        });
        connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::InvalidMedia) emit report(generation_, kFailed);
            if (status == QMediaPlayer::EndOfMedia) emit report(generation_, kEnded);
            if (status == QMediaPlayer::BufferedMedia) reportRunning();
        });
        connect(player_, &QMediaPlayer::positionChanged, this, [this](qint64 position) {
            if (position > 0) reportRunning();
        });
        connect(player_, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
            emit playing(generation_, state == QMediaPlayer::PlayingState);
        });
    }
    void load(quint64 generation, const QUrl& source) {
        generation_ = generation;
        running_ = false;
        player_->stop();
        player_->setSource(source);
    }
    void play() {
        if (player_->mediaStatus() == QMediaPlayer::EndOfMedia) player_->setPosition(0);
        player_->play();
    }
    void stop() { player_->stop(); }
    void setVolume(float volume) { output_->setVolume(volume); }
    void setMuted(bool muted) { output_->setMuted(muted); }
    QtMusicPlayer::BackendState state() const { return {player_->source(), output_->volume(), output_->isMuted()}; }
    // Stops and unloads; the last work of the thread.
    void teardown() {
        player_->disconnect(this);
        player_->stop();
        player_->setSource(QUrl());
        delete player_;
        delete output_;
        player_ = nullptr;
        output_ = nullptr;
    }

signals:
    void report(quint64 generation, int what);
    void playing(quint64 generation, bool playing);

private:
    void reportRunning() {
        if (running_) return;
        running_ = true;
        emit report(generation_, kRunning);
    }

    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    quint64 generation_ = 0;
    bool running_ = false;
};

namespace {

// The media players' thread, one for the process and never ended: what the
// media libraries create on it for themselves (their devices, their event
// sources) must not outlive the thread it belongs to, so a second player
// finds them working. It ends with the process.
QThread* MusicThread() {
    static QThread* const thread = [] {
        auto* t = new QThread;
        t->setObjectName(QStringLiteral("MusicPlayer"));
        t->start();
        return t;
    }();
    return thread;
}

}  // namespace

QtMusicPlayer::QtMusicPlayer(QObject* parent) : QObject(parent) {
    thread_ = MusicThread();
    backend_ = new MusicBackend;
    backend_->moveToThread(thread_);
    connect(backend_, &MusicBackend::report, this, &QtMusicPlayer::report);
    connect(backend_, &MusicBackend::playing, this, &QtMusicPlayer::backendPlaying);
    post([volume = LinearVolume(volume_), muted = muted_](MusicBackend& b) {
        b.init();
        b.setVolume(volume);
        b.setMuted(muted);
    });
}

QtMusicPlayer::~QtMusicPlayer() { shutDown(); }

template <class Work>
void QtMusicPlayer::post(Work work) {
    if (!backend_) return;
    QMetaObject::invokeMethod(backend_, [b = backend_, work = std::move(work)]() mutable { work(*b); },
                              Qt::QueuedConnection);
}

bool QtMusicPlayer::shutDown(int timeoutMs) {
    if (!thread_) return !abandoned_;
    // Nothing the backend still says reaches this object.
    disconnect(backend_, nullptr, this, nullptr);
    auto done = std::make_shared<QSemaphore>();
    post([done](MusicBackend& b) {
        b.teardown();
        b.deleteLater();
        done->release();
    });
    // A media player that does not return keeps its thread, which ends
    // with the process.
    if (!done->tryAcquire(1, timeoutMs)) abandoned_ = true;
    backend_ = nullptr;
    thread_ = nullptr;
    setPlaying(false);
    return !abandoned_;
}

QtMusicPlayer::BackendState QtMusicPlayer::backendState() const {
    BackendState state;
    if (backend_)
        QMetaObject::invokeMethod(backend_, [&state, b = backend_] { state = b->state(); },
                                  Qt::BlockingQueuedConnection);
    return state;
}

float QtMusicPlayer::LinearVolume(int hundredthsDb) {
    if (hundredthsDb <= kSilence) return 0.0f;
    if (hundredthsDb >= 0) return 1.0f;
    return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}

void QtMusicPlayer::SetFileName(const QString& path) {
    const quint64 generation = ++generation_;
    failed_ = false;
    runningTold_ = false;
    file_ = path;
    setPlaying(false);
    if (path != reported_) reported_.clear();
    if (path.isEmpty()) {
        post([generation](MusicBackend& b) { b.load(generation, QUrl()); });
        return;
    }
    const QFileInfo info(path);
    // Nothing the backend could play, or a file whose structure is damaged,
    // which the decoder must never see: say so once the caller has
    // returned, as the backend does for a file it cannot decode.
    if (!info.isFile() || !info.isReadable() || info.size() == 0 ||
        CheckSoundFile(QFile::encodeName(info.absoluteFilePath()).toStdString()).damaged) {
        post([generation](MusicBackend& b) { b.load(generation, QUrl()); });
        failed_ = true;
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
    post([generation, url = QUrl::fromLocalFile(info.absoluteFilePath())](MusicBackend& b) {
        b.load(generation, url);
    });
}

void QtMusicPlayer::report(quint64 generation, int what) {
    if (generation != generation_ || file_.isEmpty()) return;
    switch (what) {
    case kFailed:
        fail(generation);
        break;
    case kEnded:
        if (!failed_) emit finished(file_);
        break;
    case kRunning:
        if (!failed_ && !runningTold_) {
            runningTold_ = true;
            emit running(file_);
        }
        break;
    }
}

void QtMusicPlayer::backendPlaying(quint64 generation, bool playing) {
    if (generation == generation_) setPlaying(playing);
}

void QtMusicPlayer::setPlaying(bool playing) {
    if (playing == playing_) return;
    playing_ = playing;
    emit playingChanged(playing);
}

void QtMusicPlayer::fail(quint64 generation) {
    if (generation != generation_ || failed_ || file_.isEmpty()) return;
    failed_ = true;
    Stop();
    // The backend may report one bad file several times (an error, then
    // the invalid media status, also after a reload): say it once.
    if (reported_ == file_) return;
    reported_ = file_;
    emit failed(file_);
}

void QtMusicPlayer::Play() {
    if (file_.isEmpty() || failed_) return;
    post([](MusicBackend& b) { b.play(); });
}

void QtMusicPlayer::Stop() {
    post([](MusicBackend& b) { b.stop(); });
    setPlaying(false);
}

void QtMusicPlayer::SetVolume(int hundredthsDb) {
    volume_ = std::clamp(hundredthsDb, kSilence, 0);
    post([volume = LinearVolume(volume_)](MusicBackend& b) { b.setVolume(volume); });
}

void QtMusicPlayer::SetMuted(bool muted) {
    muted_ = muted;
    post([muted](MusicBackend& b) { b.setMuted(muted); });
}

}  // namespace numora

#include "QtMusicPlayer.moc"
