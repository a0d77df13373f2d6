// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The per-user settings store: text values addressed by section and key
// under the application "Numora". Readers convert the text themselves; the
// typed readers below return the caller's default for text they cannot read.
#pragma once

#include <QMap>
#include <QString>
#include <functional>
#include <memory>

#include "FileWriter.h"

class QLockFile;

namespace numora {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or `defaultValue` when the key or its section is absent.
    // Reading never creates a key.
    virtual QString ReadSetting(const QString& section, const QString& key,
                                const QString& defaultValue) const = 0;
    // Stores the text; nothing is written when the stored text is already equal.
    virtual void WriteSetting(const QString& section, const QString& key, const QString& value) = 0;
    // Deletes every section and key of the application.
    virtual void EraseAllSettings() = 0;
};

// Typed readers over the text forms of the store.
// Whole numbers ("0", "2"); a stored value that is not a whole number in the
// 32-bit range reads as `defaultValue`.
int ReadWholeSetting(const SettingsStore& store, const QString& section, const QString& key,
                     int defaultValue);
// Single-precision numbers (positions in twips, "1000", "7680.5").
float ReadSingleSetting(const SettingsStore& store, const QString& section, const QString& key,
                        float defaultValue);
// Truth values: "True"/"False" (any letter case) or a number, nonzero meaning true.
bool ReadTruthSetting(const SettingsStore& store, const QString& section, const QString& key,
                      bool defaultValue);
// The text forms written for truth values and numbers.
QString TruthText(bool value);          // "True" / "False"
QString SingleText(float value);        // the single-precision number text ("1000", "7.5")

// The real store: an INI file as QSettings reads it, user scope,
// organisation and application "Numora" ($XDG_CONFIG_HOME/Numora/Numora.ini
// on Linux). Every write writes the whole file through FileWriter: whole or
// not at all, the old file kept on a failure.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // A store on an explicit INI file (tests, tools).
    explicit QtSettingsStore(const QString& iniPath);
    ~QtSettingsStore() override;

    QString ReadSetting(const QString& section, const QString& key,
                        const QString& defaultValue) const override;
    void WriteSetting(const QString& section, const QString& key, const QString& value) override;
    void EraseAllSettings() override;

    QString fileName() const;
    // Number of times a changed value was handed to the file (for tests of
    // the write-only-on-change rule).
    int writeCount() const { return writes_; }

    // Why values could not be saved: the file or its folder cannot be
    // written (for want of permission, of disk space or of the folder;
    // ReadOnly for any other reason), or the
    // file's lock ("<file>.lock") could not be taken in time (a live holder
    // that does not let go, or something in its place that cannot be
    // removed). The program goes on with the values in memory.
    enum class SaveProblem { ReadOnly, Locked, NoPermission, DiskFull, NoFolder };
    using ProblemHandler = std::function<void(SaveProblem problem, const QString& file)>;
    // Called once per store, at the first write that could not be saved.
    void setProblemHandler(ProblemHandler handler);
    // False once a write could not be saved.
    bool saving() const { return !reported_; }
    // How long a write waits for a lock held by another live process.
    static constexpr int kLockWaitMs = 600;

private:
    struct Impl;
    bool lockReady(QLockFile& lock);
    static SaveProblem ProblemOf(const WriteResult& result);
    void report(SaveProblem problem);

    std::unique_ptr<Impl> impl_;
    ProblemHandler problemHandler_;
    int writes_ = 0;
    bool reported_ = false;
    bool lockStuck_ = false;  // a lock already waited out once: later writes do not wait
};

// The message that tells the user, once per run, that the settings cannot
// be saved and where.
QString SaveProblemText(QtSettingsStore::SaveProblem problem, const QString& file);

// An in-memory store for tests; records every write that changed a value.
class MemorySettingsStore final : public SettingsStore {
public:
    QString ReadSetting(const QString& section, const QString& key,
                        const QString& defaultValue) const override;
    void WriteSetting(const QString& section, const QString& key, const QString& value) override;
    void EraseAllSettings() override;

    bool contains(const QString& section, const QString& key) const;
    int writeCount() const { return writes_; }
    int eraseCount() const { return erases_; }
    const QMap<QString, QString>& values() const { return values_; }  // "Section/Key" -> text

private:
    QMap<QString, QString> values_;
    int writes_ = 0;
    int erases_ = 0;
};

}  // namespace numora
