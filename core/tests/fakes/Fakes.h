// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Test doubles for the window seams: they record every call and answer from
// a script, so window tests never wait on a modal dialog or start programs.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>

#include "Services.h"
#include "SettingsStore.h"

namespace numora::testing {

struct RecordedMessage {
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
    std::optional<MsgAnswer> defaultButton;
};

class FakeDialogs final : public Dialogs {
public:
    MsgAnswer Message(QWidget*, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons, std::optional<MsgAnswer> defaultButton) override {
        messages.push_back({text, title, icon, buttons, defaultButton});
        if (!answers.empty()) {
            MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MsgButtons::RetryCancel ? MsgAnswer::Cancel
               : buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                                   : MsgAnswer::Ok;
    }
    std::optional<QString> InputBox(QWidget*, const QString& prompt, const QString& title,
                                    const QString& defaultText) override {
        inputPrompts.push_back(prompt);
        inputTitles.push_back(title);
        inputDefaults.push_back(defaultText);
        std::optional<QString> answer;
        if (!inputs.empty()) {
            answer.swap(inputs.front());
            inputs.pop_front();
        }
        return answer;
    }
    QString OpenFileName(QWidget*, const QString& title, const QString& filter,
                         const QString&) override {
        fileTitles.push_back(title);
        fileFilters.push_back(filter);
        if (files.empty()) return {};
        QString f = files.front();
        files.pop_front();
        return f;
    }

    // The plain input box's script and record, plus the history offered;
    // `clearHistory` presses the clear command before answering.
    std::optional<QString> HistoryInputBox(QWidget* parent, const QString& prompt, const QString& title,
                                           const QString& defaultText, const InputHistory& history) override {
        offeredEntries.push_back(history.entries);
        offeredItems.push_back(history.items);
        if (clearHistory && history.clear) history.clear();
        return InputBox(parent, prompt, title, defaultText);
    }

    QString SaveFileName(QWidget*, const QString& title, const QString& filter, const QString& suggested) override {
        fileTitles.push_back(title);
        fileFilters.push_back(filter);
        saveSuggestions.push_back(suggested);
        if (saveFiles.empty()) return {};
        QString f = saveFiles.front();
        saveFiles.pop_front();
        return f;
    }

    // Scripted answers, taken in order.
    std::deque<MsgAnswer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> files, saveFiles;
    // What was asked.
    QList<RecordedMessage> messages;
    QStringList inputPrompts, inputTitles, inputDefaults, fileTitles, fileFilters;
    QStringList saveSuggestions;  // the name each save dialog suggested
    bool clearHistory = false;
    QList<QStringList> offeredEntries, offeredItems;
};

class FakeLauncher final : public Launcher {
public:
    bool StartDetached(const QString& program, const QStringList& arguments) override {
        started.push_back(program);
        startedArguments.push_back(arguments);
        return startSucceeds;
    }
    OpenResult OpenDocument(const QString& path) override {
        opened.push_back(path);
        return openResult;
    }
    QString FindExecutable(const QString& name) override {
        return onPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    QString ProgramFolder() override { return folder; }
    QString ProgramPath() override { return folder + QStringLiteral("/numora"); }

    bool startSucceeds = true;
    OpenResult openResult = OpenResult::Opened;
    QStringList onPath;
    QString folder = QStringLiteral("/opt/numora");
    QStringList started, opened;
    QList<QStringList> startedArguments;
};

class FakeClipboard final : public Clipboard {
public:
    void SetText(const QString& t) override { text = t; ++sets; }
    QString Text() const override { return text; }
    void SetImage(const QImage& i) override { image = i; }
    QString text;
    QImage image;
    int sets = 0;
};

// Everything a window needs, with fakes behind it.
struct FakeServices {
    MemorySettingsStore settings;
    FakeDialogs dialogs;
    FakeLauncher launcher;
    SilentMusicPlayer music;
    FakeClipboard clipboard;
    Services services{settings, dialogs, launcher, music, clipboard};
};

}  // namespace numora::testing
