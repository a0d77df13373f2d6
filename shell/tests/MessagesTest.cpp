// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The background-music service: autoplay at load, the message for a file
// that cannot be played, the title animation and the window's life; and the
// real player on Qt Multimedia: WAV, MP3 and MIDI files written here play to
// their end without a sound card, broken files are reported once and never
// crash, and the volume in hundredths of a decibel reaches the audio output.
#include <QAudioOutput>
#include <QFile>
#include <QMediaPlayer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "AutoplayGuard.h"
#include "Fakes.h"
#include "MainFrame.h"
#include "Messages.h"
#include "QtMusicPlayer.h"
#include "ShellTest.h"
#include "frmOption.h"

using namespace numora;
using numora::testing::FakeServices;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

void Put(QByteArray& b, quint32 v, int bytes, bool bigEndian) {
    for (int i = 0; i < bytes; ++i) b.append(char(v >> (8 * (bigEndian ? bytes - 1 - i : i))));
}

// 16-bit mono PCM: a 440 Hz tone.
QByteArray Wav(double seconds) {
    const int rate = 22050, samples = int(rate * seconds);
    QByteArray data;
    for (int i = 0; i < samples; ++i) Put(data, quint16(qint16(8000 * std::sin(2 * M_PI * 440 * i / rate))), 2, false);
    QByteArray b("RIFF");
    Put(b, 36 + data.size(), 4, false);
    b += "WAVEfmt ";
    for (auto [v, n] : {std::pair{16, 4}, {1, 2}, {1, 2}, {rate, 4}, {rate * 2, 4}, {2, 2}, {16, 2}}) Put(b, v, n, false);
    b += "data";
    Put(b, data.size(), 4, false);
    return b + data;
}

// MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz, 417 bytes each) whose side
// information and main data are all zero: a valid stream of silence.
QByteArray Mp3(int frames) {
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF), frame[1] = char(0xFB), frame[2] = char(0x90), frame[3] = char(0xC4);
    return frame.repeated(frames);
}

// A format-0 standard MIDI file: two quarter notes on a piano at 120 beats a minute.
QByteArray Midi() {
    const unsigned char track[] = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xC0, 0x00,
                                   0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0x90, 64, 100,
                                   0x60, 0x80, 64, 0, 0x00, 0xFF, 0x2F, 0x00};
    QByteArray b("MThd");
    for (auto [v, n] : {std::pair{6, 4}, {0, 2}, {1, 2}, {96, 2}}) Put(b, v, n, true);
    b += "MTrk";
    Put(b, sizeof track, 4, true);
    return b + QByteArray(reinterpret_cast<const char*>(track), sizeof track);
}

QByteArray Junk(int size) {
    QByteArray b;
    for (int i = 0; i < size; ++i) b.append(char((i * 7919 + 13) % 251));
    return b;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
}

constexpr int kPlayTimeoutMs = 20000;

}  // namespace

class MessagesTest : public QObject {
    Q_OBJECT

private slots:
    void autoplay_data();
    void autoplay();
    void autoplayGuardAfterAPlayerThatNeverCameBack_data();
    void autoplayGuardAfterAPlayerThatNeverCameBack();
    void titleCycles();
    void closeBoxKeepsMusicStopAndCloseEnds();
};

void MessagesTest::autoplay_data() {
    QTest::addColumn<QString>("startWhileApply");  // "" = absent
    QTest::addColumn<QString>("file");             // "present", "missing", "" (absent) or "empty"
    QTest::addColumn<bool>("plays");
    QTest::addColumn<bool>("message");

    QTest::newRow("1 with a file") << "1" << "present" << true << false;
    QTest::newRow("1 with a missing file") << "1" << "missing" << false << true;
    QTest::newRow("1 with no file stored") << "1" << "" << false << false;
    QTest::newRow("1 with an empty name") << "1" << "empty" << false << false;
    QTest::newRow("0") << "0" << "present" << false << false;
    QTest::newRow("absent") << "" << "present" << false << false;
    QTest::newRow("2") << "2" << "present" << false << false;
    QTest::newRow("True is no number") << "True" << "present" << false << false;
}

void MessagesTest::autoplay() {
    QFETCH(QString, startWhileApply);
    QFETCH(QString, file);
    QFETCH(bool, plays);
    QFETCH(bool, message);
    QTemporaryDir dir;
    const QString present = WriteFile(dir, U("背景.wav"), Wav(0.1));
    const QString path = file == "present" ? present : file == "missing" ? dir.filePath("gone.mp3") : QString();
    FakeServices fake;
    if (!startWhileApply.isEmpty()) fake.settings.WriteSetting("Checks", "MusicStartWhileApply", startWhileApply);
    if (!file.isEmpty()) fake.settings.WriteSetting("Texts", "FileName", path);
    MainFrame frame(fake.services);
    const QString status = frame.simpleText();

    Messages messages(fake.services, frame);
    QVERIFY(!messages.isVisible());
    messages.load();
    messages.show();  // showing after the load loads nothing again
    messages.load();
    QCOMPARE(fake.music.FileName(), plays ? path : QString());
    QCOMPARE(fake.music.playing(), plays);
    QCOMPARE(frame.simpleText(), plays ? U("Numora -- Kestrane (背景音乐:") + path + ")" : status);
    QCOMPARE(fake.dialogs.messages.size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(fake.dialogs.messages[0].text, U("媒体文件不存在！"));
        QCOMPARE(fake.dialogs.messages[0].title, QStringLiteral("Numora"));
        QCOMPARE(fake.dialogs.messages[0].icon, MsgIcon::Stop);
    }
    // The stored name stays stored whatever happened; no autoplay is left unfinished.
    QCOMPARE(fake.settings.ReadSetting("Texts", "FileName", "-"), file.isEmpty() ? "-" : path);
    QCOMPARE(AutoplayGuard(fake.settings).unfinished(), QString());
}

// The start-up music is recorded in the store before the player gets it.
// A player that never returns, or one that takes the process down (each in
// a child process), leaves the record behind: the next start plays nothing,
// names the file, turns autoplay off and starts normally. A player that
// plays clears the record.
void MessagesTest::autoplayGuardAfterAPlayerThatNeverCameBack_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("a player that never returns") << "hang";
    QTest::newRow("a player that crashes the process") << "crash";
}

void MessagesTest::autoplayGuardAfterAPlayerThatNeverCameBack() {
    QFETCH(QString, mode);
    QTemporaryDir dir;
    const QString ini = dir.filePath("Numora.ini");
    const QString music = WriteFile(dir, U("背景.mid"), Midi());
    {
        QtSettingsStore store(ini);
        store.WriteSetting("Checks", "MusicStartWhileApply", "1");
        store.WriteSetting("Texts", "FileName", music);
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(NUMORA_AUTOPLAY_CHILD), {ini, mode});
    QVERIFY(child.waitForStarted());
    if (mode == "hang") {
        // The record is in the store while the player has not come back.
        QTRY_COMPARE_WITH_TIMEOUT(QtSettingsStore(ini).ReadSetting(AutoplayGuard::section(), AutoplayGuard::key(), ""),
                                  music, 20000);
        child.kill();
    }
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    // The next start.
    QtSettingsStore store(ini);
    FakeServices fake;
    Services services{store, fake.dialogs, fake.launcher, fake.music, fake.clipboard};
    MainFrame frame(services);
    Messages messages(services, frame);
    messages.load();
    QCOMPARE(fake.music.FileName(), QString());
    QVERIFY(!fake.music.playing());
    QCOMPARE(fake.dialogs.messages.size(), 1);
    QCOMPARE(fake.dialogs.messages[0].text, AutoplayGuard::SkippedText(music));
    QVERIFY(fake.dialogs.messages[0].text.contains(music));
    QCOMPARE(fake.dialogs.messages[0].title, QStringLiteral("Numora"));
    QCOMPARE(store.ReadSetting("Checks", "MusicStartWhileApply", ""), QStringLiteral("0"));
    QCOMPARE(store.ReadSetting("Texts", "FileName", ""), music);  // the choice stays
    QCOMPARE(AutoplayGuard(store).unfinished(), QString());

    // Autoplay turned on again: the music plays, and the record is gone.
    store.WriteSetting("Checks", "MusicStartWhileApply", "1");
    Messages again(services, frame);
    again.load();
    QVERIFY(fake.music.playing());
    QCOMPARE(fake.dialogs.messages.size(), 1);
    QCOMPARE(AutoplayGuard(store).unfinished(), QString());
}

void MessagesTest::titleCycles() {
    FakeServices fake;
    MainFrame frame(fake.services);
    Messages messages(fake.services, frame);
    const QString base = U("Numora 后台服务");
    QCOMPARE(messages.windowTitle(), base);
    QSignalSpy titles(&messages, &QWidget::windowTitleChanged);
    messages.show();
    QTRY_VERIFY_WITH_TIMEOUT(titles.count() >= 4, 3000);
    QStringList seen;
    for (int i = 0; i < 4; ++i) seen << titles[i][0].toString();
    QCOMPARE(seen, (QStringList{base + " ", base + "  ", base, base + " "}));
    messages.hide();  // hidden, the title rests
    const int count = titles.count();
    QTest::qWait(3 * Messages::kTitleTickMs);
    QCOMPARE(titles.count(), count);
}

void MessagesTest::closeBoxKeepsMusicStopAndCloseEnds() {
    FakeServices fake;
    MainFrame frame(fake.services);
    Messages messages(fake.services, frame);
    messages.show();
    fake.music.SetFileName("/m/a.mp3");
    fake.music.Play();
    QVERIFY(messages.close());  // its close box puts it away
    QVERIFY(messages.isHidden());
    QVERIFY(fake.music.playing());
    messages.show();
    messages.stopAndClose();  // the exit sequence
    QVERIFY(messages.isHidden());
    QCOMPARE(fake.music.FileName(), QString());
    QVERIFY(!fake.music.playing());
}

// ---- The real player ----------------------------------------------------------

class QtMusicPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void playsToTheEnd_data();
    void playsToTheEnd();
    void unplayableReportedOnce_data();
    void unplayableReportedOnce();
    void serviceSaysSoOnce_data();
    void serviceSaysSoOnce();
    void volumeInHundredthsOfDecibels_data();
    void volumeInHundredthsOfDecibels();
    void muteAndEmptyNameStop();

private:
    QTemporaryDir dir_;
};

void QtMusicPlayerTest::playsToTheEnd_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("wav") << "tone.wav" << Wav(0.4);
    QTest::newRow("mp3") << U("静音.mp3") << Mp3(25);
    QTest::newRow("midi") << "notes.mid" << Midi();
}

void QtMusicPlayerTest::playsToTheEnd() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = WriteFile(dir_, name, bytes);
    QtMusicPlayer player;
    QSignalSpy finished(&player, &QtMusicPlayer::finished);
    QSignalSpy failed(&player, &QtMusicPlayer::failed);
    QSignalSpy running(&player, &QtMusicPlayer::running);
    player.SetVolume(-500);
    player.SetFileName(path);
    QCOMPARE(player.FileName(), path);
    player.Play();
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1 || failed.count() > 0, kPlayTimeoutMs);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(finished[0][0].toString(), path);
    QCOMPARE(running.count(), 1);  // the decoder gave sound: the autoplay record goes
    QVERIFY(!player.isPlaying());
    // Played again from the start.
    player.Play();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, kPlayTimeoutMs);
}

void QtMusicPlayerTest::unplayableReportedOnce_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");  // null: nothing written
    QTest::newRow("random bytes named .mp3") << "broken.mp3" << Junk(6000);
    QTest::newRow("empty file") << "empty.wav" << QByteArray("");
    QTest::newRow("text named .mid") << "words.mid" << QByteArray("not music at all\n").repeated(50);
    QTest::newRow("missing file") << "missing.wav" << QByteArray();
}

void QtMusicPlayerTest::unplayableReportedOnce() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = bytes.isNull() ? dir_.filePath(name) : WriteFile(dir_, name, bytes);
    QtMusicPlayer player;
    QSignalSpy failed(&player, &QtMusicPlayer::failed);
    QSignalSpy finished(&player, &QtMusicPlayer::finished);
    player.SetFileName(path);
    QCOMPARE(failed.count(), 0);  // reported after the caller has returned
    player.Play();
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kPlayTimeoutMs);
    QCOMPARE(failed[0][0].toString(), path);
    player.Play();  // trying again changes nothing
    QTest::qWait(300);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(player.hasFailed() && !player.isPlaying());
    // The next good file plays.
    player.SetFileName(WriteFile(dir_, "after.wav", Wav(0.2)));
    player.Play();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kPlayTimeoutMs);
    QCOMPARE(failed.count(), 1);
}

void QtMusicPlayerTest::serviceSaysSoOnce_data() {
    QTest::addColumn<bool>("fromOptions");  // else the autoplay at load
    QTest::newRow("autoplay") << false;
    QTest::newRow("chosen in the Options window") << true;
}

void QtMusicPlayerTest::serviceSaysSoOnce() {
    QFETCH(bool, fromOptions);
    const QString broken = WriteFile(dir_, "noise.mp3", Junk(9000));
    FakeServices fake;
    QtMusicPlayer player;
    Services services{fake.settings, fake.dialogs, fake.launcher, player, fake.clipboard};
    fake.settings.WriteSetting("Checks", "MusicStartWhileApply", "1");
    fake.settings.WriteSetting("Texts", "FileName", fromOptions ? QString() : broken);
    MainFrame frame(services);
    Messages messages(services, frame);
    messages.show();  // loads
    if (fromOptions) {
        frmOption options(services, frame);
        fake.dialogs.files.push_back(broken);
        options.chooseMusic();
    }
    QTRY_COMPARE_WITH_TIMEOUT(fake.dialogs.messages.size(), 1, kPlayTimeoutMs);
    QCOMPARE(fake.dialogs.messages[0].text, U("媒体文件不存在！"));
    QCOMPARE(fake.dialogs.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(frame.simpleText(), PlainStatusText());  // the refused file is not named
    QTest::qWait(300);
    QCOMPARE(fake.dialogs.messages.size(), 1);
    QCOMPARE(fake.settings.ReadSetting("Texts", "FileName", ""), broken);
}

void QtMusicPlayerTest::volumeInHundredthsOfDecibels_data() {
    QTest::addColumn<int>("hundredthsDb");
    QTest::addColumn<int>("kept");
    QTest::addColumn<double>("linear");
    QTest::newRow("full") << 0 << 0 << 1.0;
    QTest::newRow("-20 dB") << -2000 << -2000 << 0.1;
    QTest::newRow("-5 dB, slider position 10") << -500 << -500 << 0.562341;
    QTest::newRow("-9 dB, slider position 0") << -900 << -900 << 0.354813;
    QTest::newRow("silence") << -10000 << -10000 << 0.0;
    QTest::newRow("below silence") << -12000 << -10000 << 0.0;
    QTest::newRow("above full") << 300 << 0 << 1.0;
}

void QtMusicPlayerTest::volumeInHundredthsOfDecibels() {
    QFETCH(int, hundredthsDb);
    QFETCH(int, kept);
    QFETCH(double, linear);
    QtMusicPlayer player;
    player.SetVolume(hundredthsDb);
    QCOMPARE(player.Volume(), kept);
    const float volume = player.backendState().volume;
    QVERIFY2(std::abs(volume - linear) < 1e-5, qPrintable(QString::number(volume)));
}

void QtMusicPlayerTest::muteAndEmptyNameStop() {
    QtMusicPlayer player;
    player.SetMuted(true);
    QVERIFY(player.Muted() && player.backendState().muted);
    player.SetFileName(WriteFile(dir_, "long.wav", Wav(5)));
    player.Play();
    QTRY_VERIFY_WITH_TIMEOUT(player.isPlaying(), kPlayTimeoutMs);
    QVERIFY(player.backendState().muted);  // muting outlives the file
    player.SetMuted(false);
    QVERIFY(!player.backendState().muted);
    QSignalSpy finished(&player, &QtMusicPlayer::finished);
    player.SetFileName(QString());
    QVERIFY(!player.isPlaying());
    QVERIFY(player.backendState().source.isEmpty());
    QCOMPARE(player.FileName(), QString());
    player.Play();  // nothing to play
    QTest::qWait(200);
    QVERIFY(!player.isPlaying());
    QCOMPARE(finished.count(), 0);
}

NUMORA_SHELL_TEST(MessagesTest);
NUMORA_SHELL_TEST(QtMusicPlayerTest);

#include "MessagesTest.moc"
