// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A start-up whose music player never comes back from its file, for the
// autoplay guard's test: autoplay_child INI MODE, MODE "hang" (the player
// never returns) or "crash" (it takes the process down). The background
// service loads with the settings of INI, as the program's start does.
#include <QApplication>
#include <QByteArray>
#include <cstdlib>
#include <unistd.h>

#include "Fakes.h"
#include "MainFrame.h"
#include "Messages.h"
#include "SettingsStore.h"

namespace {

class BrokenPlayer final : public numora::MusicPlayer {
public:
    explicit BrokenPlayer(bool hang) : hang_(hang) {}
    void SetFileName(const QString& path) override { file_ = path; }
    QString FileName() const override { return file_; }
    void Play() override {
        if (!hang_) std::abort();  // as a decoder that crashes takes the process down
        for (;;) ::pause();
    }
    void Stop() override {}
    void SetVolume(int) override {}
    int Volume() const override { return 0; }
    void SetMuted(bool) override {}
    bool Muted() const override { return false; }

private:
    bool hang_;
    QString file_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    QApplication app(argc, argv);
    numora::QtSettingsStore settings{QString::fromLocal8Bit(argv[1])};
    numora::testing::FakeDialogs dialogs;
    numora::testing::FakeLauncher launcher;
    numora::testing::FakeClipboard clipboard;
    BrokenPlayer music(QByteArray(argv[2]) == "hang");
    numora::Services services{settings, dialogs, launcher, music, clipboard};
    numora::MainFrame frame(services);
    numora::Messages messages(services, frame);
    messages.load();
    return 0;  // a player that plays: never here
}
