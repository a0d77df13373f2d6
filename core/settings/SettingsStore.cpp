// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>

#include "NumberText.h"
#include "SettingText.h"

namespace numora {

namespace {

QString Path(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

}  // namespace

int ReadWholeSetting(const SettingsStore& store, const QString& section, const QString& key,
                     int defaultValue) {
    QString text = store.ReadSetting(section, key, QString::number(defaultValue));
    return ParseWholeSetting(text.toStdString()).value_or(defaultValue);
}

float ReadSingleSetting(const SettingsStore& store, const QString& section, const QString& key,
                        float defaultValue) {
    QString text = store.ReadSetting(section, key, SingleText(defaultValue));
    return ParseSingleSetting(text.toStdString()).value_or(defaultValue);
}

bool ReadTruthSetting(const SettingsStore& store, const QString& section, const QString& key,
                      bool defaultValue) {
    QString text = store.ReadSetting(section, key, TruthText(defaultValue));
    return ParseTruthSetting(text.toStdString()).value_or(defaultValue);
}

QString TruthText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

QString SingleText(float value) { return QString::fromStdString(numora::SingleNumberText(value)); }

// ---------------------------------------------------------------------------

struct QtSettingsStore::Impl {
    QSettings settings;
    Impl() : settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Numora"), QStringLiteral("Numora")) {}
    explicit Impl(const QString& path) : settings(path, QSettings::IniFormat) {}
};

QtSettingsStore::QtSettingsStore() : impl_(std::make_unique<Impl>()) {}
QtSettingsStore::QtSettingsStore(const QString& iniPath) : impl_(std::make_unique<Impl>(iniPath)) {}
QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::ReadSetting(const QString& section, const QString& key,
                                     const QString& defaultValue) const {
    QVariant v = impl_->settings.value(Path(section, key));
    if (!v.isValid()) return defaultValue;
    // A hand-edited value with commas comes back as a list: give it back as text.
    if (v.metaType().id() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

void QtSettingsStore::setProblemHandler(ProblemHandler handler) { problemHandler_ = std::move(handler); }

void QtSettingsStore::report(SaveProblem problem) {
    if (reported_) return;
    reported_ = true;
    if (problemHandler_) problemHandler_(problem, fileName());
}

// QSettings waits on "<file>.lock" without a time limit while it writes, and
// takes a lock file it cannot read for a live one until it is 30 s old; a
// folder in its place it never gets past. So before each write the lock is
// tried here with a short wait: a broken lock (unreadable, or not a file) is
// removed, a lock a live process keeps longer than a write takes lets the
// write be skipped. Only a lock that is free is left to QSettings.
bool QtSettingsStore::lockReady() {
    const QString lockPath = fileName() + QStringLiteral(".lock");
    const QFileInfo info(lockPath);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        // Never a lock file of ours: a link, or a folder (removed only when empty).
        if (info.isDir() && !info.isSymLink())
            QDir().rmdir(lockPath);
        else
            QFile::remove(lockPath);
        if (QFileInfo(lockPath).exists() || QFileInfo(lockPath).isSymLink()) return false;
    }
    QLockFile lock(lockPath);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (lock.tryLock(lockStuck_ ? 0 : kLockWaitMs)) {
            lock.unlock();
            lockStuck_ = false;
            return true;
        }
        // Cannot be created at all (a read-only folder): QSettings fails at
        // once too, and the failed write is reported as such.
        if (lock.error() != QLockFile::LockFailedError) return true;
        qint64 pid = 0;
        QString host, app;
        // This process never keeps the lock between writes: a lock in its
        // name is left from an earlier process that had the same number.
        if (lock.getLockInfo(&pid, &host, &app) && pid != QCoreApplication::applicationPid())
            break;                   // a live holder: skip this write
        lock.removeStaleLockFile();  // garbage, or not really held

    }
    lockStuck_ = true;
    return false;
}

void QtSettingsStore::WriteSetting(const QString& section, const QString& key, const QString& value) {
    QSettings& s = impl_->settings;
    // The file's current content, not only what this process wrote: another
    // instance may have changed it. Costs a look at the file's time and size
    // when nothing changed.
    s.sync();
    const QString path = Path(section, key);
    QVariant old = s.value(path);
    if (old.isValid() && old.metaType().id() == QMetaType::QString && old.toString() == value) return;
    if (!lockReady()) {
        report(SaveProblem::Locked);
        return;
    }
    s.setValue(path, value);
    s.sync();  // written through a temporary file and renamed into place
    ++writes_;
    if (s.status() == QSettings::AccessError || !s.isWritable()) report(SaveProblem::ReadOnly);
}

void QtSettingsStore::EraseAllSettings() {
    QSettings& s = impl_->settings;
    if (!lockReady()) {
        report(SaveProblem::Locked);
        return;
    }
    s.clear();
    s.sync();
    ++writes_;
    if (s.status() == QSettings::AccessError || !s.isWritable()) report(SaveProblem::ReadOnly);
}

QString SaveProblemText(QtSettingsStore::SaveProblem problem, const QString& file) {
    const QString where = QDir::toNativeSeparators(file);
    if (problem == QtSettingsStore::SaveProblem::Locked)
        return QString::fromUtf8("无法保存设置！\n设置文件") + where +
               QString::fromUtf8("被锁定（") + where + QString::fromUtf8(".lock）。\n"
               "Numora将继续运行，但本次运行中的设置更改可能不会被保存。");
    return QString::fromUtf8("无法保存设置！\n设置文件") + where +
           QString::fromUtf8("或其所在的文件夹不可写入。\n"
                             "Numora将继续运行，但本次运行中的设置更改不会被保存，"
                             "也无法检测是否已有另一个Numora正在运行。");
}

QString QtSettingsStore::fileName() const { return impl_->settings.fileName(); }

// ---------------------------------------------------------------------------

QString MemorySettingsStore::ReadSetting(const QString& section, const QString& key,
                                         const QString& defaultValue) const {
    auto it = values_.constFind(Path(section, key));
    return it == values_.constEnd() ? defaultValue : *it;
}

void MemorySettingsStore::WriteSetting(const QString& section, const QString& key, const QString& value) {
    const QString path = Path(section, key);
    auto it = values_.constFind(path);
    if (it != values_.constEnd() && *it == value) return;
    values_.insert(path, value);
    ++writes_;
}

void MemorySettingsStore::EraseAllSettings() {
    values_.clear();
    ++erases_;
}

bool MemorySettingsStore::contains(const QString& section, const QString& key) const {
    return values_.contains(Path(section, key));
}

}  // namespace numora
