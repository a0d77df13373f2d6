// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The seams every window is handed: settings, dialogs, the launcher of
// programs and documents, the music player and the clipboard. Real
// implementations wrap Qt; tests hand in fakes that record calls and return
// scripted answers, so no test ever waits on a modal dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "MessageIcon.h"

class QImage;
class QWidget;

namespace numora {

class SettingsStore;

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

// Earlier entries an input box offers, newest first.
struct InputHistory {
    QStringList entries;          // the text each puts into the field
    QStringList items;            // how the drop-down shows each
    std::function<void()> clear;  // the clear command: forgets them all
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box; returns the button pressed (Cancel when closed).
    // `defaultButton` is the button Enter presses (the first one when absent).
    virtual MsgAnswer Message(QWidget* parent, const QString& text, const QString& title,
                              MessageIcon icon, MsgButtons buttons = MsgButtons::Ok,
                              std::optional<MsgAnswer> defaultButton = std::nullopt) = 0;
    // A modal input box; nullopt when the user cancels.
    virtual std::optional<QString> InputBox(QWidget* parent, const QString& prompt,
                                            const QString& title, const QString& defaultText) = 0;
    // A file-open dialog; an empty text when the user cancels.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& directory) = 0;
    // A file-save dialog; an empty text when the user cancels.
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& directory) = 0;
    // A modal input box whose field also offers earlier entries (Up and Down
    // walk them, a drop-down lists them); nullopt when the user cancels.
    // Without an override, the plain input box.
    virtual std::optional<QString> HistoryInputBox(QWidget* parent, const QString& prompt, const QString& title,
                                                   const QString& defaultText, const InputHistory& history) {
        (void)history;
        return InputBox(parent, prompt, title, defaultText);
    }
};

enum class OpenResult { Opened, NotFound, Failed };

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts a program detached, without a shell; false when it could not start.
    virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
    // Opens a document with the desktop's associated program.
    virtual OpenResult OpenDocument(const QString& path) = 0;
    // The same, told to `done` once the outcome is known: the desktop's
    // opener may fail after it has started (no program for the type, an
    // empty XDG_DATA_DIRS), and that is reported as Failed then. `done` is
    // called at most once, perhaps before this returns.
    virtual void OpenDocumentThen(const QString& path, std::function<void(OpenResult)> done) {
        done(OpenDocument(path));
    }
    // The full path of an executable found on PATH, or an empty text.
    virtual QString FindExecutable(const QString& name) = 0;
    // The folder of the program's own files (the help document), without a
    // trailing separator: ProgramDataFolder() of the running executable.
    virtual QString ProgramFolder() = 0;
    // The path of the running program's own executable.
    virtual QString ProgramPath() = 0;
};

class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    // An empty file name stops the music and unloads the file.
    virtual void SetFileName(const QString& path) = 0;
    virtual QString FileName() const = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    // Volume in hundredths of a decibel: 0 is full volume, -10000 silence.
    virtual void SetVolume(int hundredthsDb) = 0;
    virtual int Volume() const = 0;
    virtual void SetMuted(bool muted) = 0;
    virtual bool Muted() const = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const QString& text) = 0;
    virtual QString Text() const = 0;
    virtual void SetImage(const QImage& image) = 0;
};

struct Services {
    SettingsStore& settings;
    Dialogs& dialogs;
    Launcher& launcher;
    MusicPlayer& music;
    Clipboard& clipboard;
};

// The folder that holds the program's data files for an executable in
// `executableFolder`: the installed data folder (<prefix>/share/numora for
// <prefix>/bin) when it exists, otherwise the executable's own folder (the
// build tree, or a copy that keeps everything in one folder).
QString ProgramDataFolder(const QString& executableFolder);

// The window a message box belongs to: `requested` when it is on screen;
// otherwise the window the user sees on top (an open modal dialog, then a
// visible window kept above the others such as the start-up window, then
// the active window, then any visible window), so that a message never
// opens hidden behind a window that stays on top. nullptr when no window is
// visible.
QWidget* MessageOwner(QWidget* requested);

// The Qt implementations. Their dialogs open above MessageOwner(parent),
// kept on top like it when it is, and take the keyboard focus; message and
// input boxes are placed over the window `parent` belongs to (PlaceOver).
class QtDialogs final : public Dialogs {
public:
    MsgAnswer Message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                      MsgButtons buttons, std::optional<MsgAnswer> defaultButton) override;
    std::optional<QString> InputBox(QWidget* parent, const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& directory) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& directory) override;
    std::optional<QString> HistoryInputBox(QWidget* parent, const QString& prompt, const QString& title,
                                           const QString& defaultText, const InputHistory& history) override;
};

class QtLauncher final : public Launcher {
public:
    bool StartDetached(const QString& program, const QStringList& arguments) override;
    OpenResult OpenDocument(const QString& path) override;
    void OpenDocumentThen(const QString& path, std::function<void(OpenResult)> done) override;
    QString FindExecutable(const QString& name) override;
    QString ProgramFolder() override;
    QString ProgramPath() override;
};

class QtClipboard final : public Clipboard {
public:
    void SetText(const QString& text) override;
    QString Text() const override;
    void SetImage(const QImage& image) override;
};

// Keeps the player's state without playing anything; the real player comes
// with the background-music window.
class SilentMusicPlayer final : public MusicPlayer {
public:
    void SetFileName(const QString& path) override { file_ = path; playing_ = false; }
    QString FileName() const override { return file_; }
    void Play() override { playing_ = !file_.isEmpty(); }
    void Stop() override { playing_ = false; }
    void SetVolume(int hundredthsDb) override { volume_ = hundredthsDb; }
    int Volume() const override { return volume_; }
    void SetMuted(bool muted) override { muted_ = muted; }
    bool Muted() const override { return muted_; }
    bool playing() const { return playing_; }

private:
    QString file_;
    int volume_ = 0;
    bool muted_ = false;
    bool playing_ = false;
};

}  // namespace numora
