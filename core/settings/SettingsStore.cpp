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
#include <algorithm>
#include <cctype>
#include <optional>
#include <sys/stat.h>

#include "FileWriter.h"
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

namespace {

// A key or a section name as QSettings writes it in an INI file: letters,
// digits, "_", "-" and "." as they are, anything else as %XX or %UXXXX.
QByteArray IniKey(const QString& key) {
    if (key == QLatin1String("General")) return "%General";
    QByteArray out;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-' ||
            u == '.')
            out += static_cast<char>(u);
        else if (u <= 0xff)
            out += '%' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else
            out += "%U" + QByteArray::number(u, 16).rightJustified(4, '0').toUpper();
    }
    return out;
}

// A text value as QSettings reads it back unchanged: as it is (UTF-8) where
// nothing in it means more to QSettings, as QSettings itself writes such
// values (so "LoadAlready=True" stays greppable); otherwise in quotes (so
// commas, semicolons and blanks at the ends stay), with backslash escapes
// for quotes, backslashes and control characters. A leading "@" is doubled.
QByteArray IniValue(const QString& value) {
    const QByteArray utf8 = (value.startsWith(QLatin1Char('@')) ? QStringLiteral("@") + value : value).toUtf8();
    const bool plain = !utf8.isEmpty() && utf8.front() != ' ' && utf8.back() != ' ' &&
                       std::none_of(utf8.cbegin(), utf8.cend(), [](char c) {
                           const auto u = static_cast<unsigned char>(c);
                           return u < 0x20 || u == 0x7f || c == '"' || c == '\\' || c == ',' || c == ';';
                       });
    if (plain) return utf8;
    QByteArray out = "\"";
    bool afterHex = false;  // a hex digit after "\x.." would join the escape
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        const bool hexDigit = std::isxdigit(u) != 0;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7f || (afterHex && hexDigit)) {
            out += "\\x" + QByteArray::number(u, 16);
            afterHex = true;
            continue;
        } else {
            out += c;
        }
        afterHex = false;
    }
    return out + '"';
}

// The whole INI file of `values` ("Section/Key" -> text), section by section.
QByteArray IniText(const QMap<QString, QString>& values) {
    QByteArray out;
    QString section;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString group = it.key().left(std::max<qsizetype>(slash, 0));
        if (it == values.cbegin() || group != section) {
            if (it != values.cbegin()) out += '\n';
            out += '[' + (group.isEmpty() ? QByteArray("General") : IniKey(group)) + "]\n";
            section = group;
        }
        out += IniKey(it.key().mid(slash + 1)) + '=' + IniValue(it.value()) + '\n';
    }
    return out;
}

// What tells one state of a file from another: the same name, inode, size
// and time of change to the nanosecond.
struct FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec changed{};
    bool operator==(const FileState& o) const {
        return device == o.device && inode == o.inode && size == o.size && changed.tv_sec == o.changed.tv_sec &&
               changed.tv_nsec == o.changed.tv_nsec;
    }
};

FileState StateOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

// A stored value as the readers get it: a hand-edited value with commas
// comes back from QSettings as a list; it is given back as text.
QString AsText(const QVariant& v) {
    if (v.metaType().id() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

}  // namespace

// QSettings reads the file; it is never handed a value, so it never writes
// (Qt 6.4's INI writer keeps a file cut short by a full disk as if it were
// whole). The store writes the file itself, whole or not at all.
struct QtSettingsStore::Impl {
    QSettings settings;
    // Every value, since this store last wrote the file (or tried to: values
    // that could not be saved stay here), while the file is still what it
    // wrote then (`written`); otherwise the file is read again.
    std::optional<QMap<QString, QString>> values;
    FileState written;

    Impl() : settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Numora"), QStringLiteral("Numora")) {}
    explicit Impl(const QString& path) : settings(path, QSettings::IniFormat) {}

    // The values the file holds now.
    QMap<QString, QString> current() {
        if (values && StateOf(settings.fileName()) == written) return *values;
        values.reset();
        settings.sync();
        QMap<QString, QString> all;
        for (const QString& key : settings.allKeys()) all.insert(key, AsText(settings.value(key)));
        return all;
    }

    // Keeps `all` and writes it as the whole file.
    WriteResult write(const QMap<QString, QString>& all) {
        values = all;
        const QString file = settings.fileName();
        const WriteResult result = WriteWholeFile(QFile::encodeName(file).toStdString(), IniText(all).toStdString());
        written = StateOf(file);
        return result;
    }
};

QtSettingsStore::QtSettingsStore() : impl_(std::make_unique<Impl>()) {}
QtSettingsStore::QtSettingsStore(const QString& iniPath) : impl_(std::make_unique<Impl>(iniPath)) {}
QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::ReadSetting(const QString& section, const QString& key,
                                     const QString& defaultValue) const {
    const QString path = Path(section, key);
    if (impl_->values) return impl_->values->value(path, defaultValue);
    const QVariant v = impl_->settings.value(path);
    return v.isValid() ? AsText(v) : defaultValue;
}

void QtSettingsStore::setProblemHandler(ProblemHandler handler) { problemHandler_ = std::move(handler); }

void QtSettingsStore::report(SaveProblem problem) {
    if (reported_) return;
    reported_ = true;
    if (problemHandler_) problemHandler_(problem, fileName());
}

// Writers of the file (QSettings in other programs too) hold "<file>.lock"
// while they write. It is taken here with a short wait: a broken lock
// (unreadable, or not a file) is removed, a lock a live process keeps
// longer than a write takes lets the write be skipped. `lock` is held on
// success (or nothing, where no lock can be made: the write then fails
// with its own reason).
bool QtSettingsStore::lockReady(QLockFile& lock) {
    QDir().mkpath(QFileInfo(fileName()).absolutePath());  // a first write makes the folder
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
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (lock.tryLock(lockStuck_ ? 0 : kLockWaitMs)) {
            lockStuck_ = false;
            return true;
        }
        // Cannot be created at all (a read-only folder): the write fails at
        // once too, and is reported with its reason.
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
    // The file's current content, not only what this process wrote: another
    // instance may have changed it. Costs a look at the file's state when
    // nothing changed.
    QMap<QString, QString> all = impl_->current();
    const QString path = Path(section, key);
    const auto old = all.constFind(path);
    if (old != all.cend() && *old == value) return;
    QLockFile lock(fileName() + QStringLiteral(".lock"));
    if (!lockReady(lock)) {
        report(SaveProblem::Locked);
        return;
    }
    all.insert(path, value);
    ++writes_;
    if (const WriteResult result = impl_->write(all); !result.ok()) report(ProblemOf(result));
}

void QtSettingsStore::EraseAllSettings() {
    QLockFile lock(fileName() + QStringLiteral(".lock"));
    if (!lockReady(lock)) {
        report(SaveProblem::Locked);
        return;
    }
    ++writes_;
    if (const WriteResult result = impl_->write({}); !result.ok()) report(ProblemOf(result));
}

QtSettingsStore::SaveProblem QtSettingsStore::ProblemOf(const WriteResult& result) {
    switch (result.failure) {
        case WriteFailure::DiskFull: return SaveProblem::DiskFull;
        case WriteFailure::NoPermission: return SaveProblem::NoPermission;
        case WriteFailure::NoFolder: return SaveProblem::NoFolder;
        default: return SaveProblem::ReadOnly;
    }
}

QString SaveProblemText(QtSettingsStore::SaveProblem problem, const QString& file) {
    const QString where = QDir::toNativeSeparators(file);
    if (problem == QtSettingsStore::SaveProblem::Locked)
        return QString::fromUtf8("无法保存设置！\n设置文件") + where +
               QString::fromUtf8("被锁定（") + where + QString::fromUtf8(".lock）。\n"
               "Numora将继续运行，但本次运行中的设置更改可能不会被保存。");
    const char* reason = nullptr;
    switch (problem) {
        case QtSettingsStore::SaveProblem::NoPermission: reason = "没有写入权限"; break;
        case QtSettingsStore::SaveProblem::DiskFull: reason = "磁盘空间不足"; break;
        case QtSettingsStore::SaveProblem::NoFolder: reason = "文件夹不存在"; break;
        default: break;
    }
    const QString cannot = reason ? QString::fromUtf8("无法写入：") + QString::fromUtf8(reason) + QString::fromUtf8("。\n")
                                  : QString::fromUtf8("或其所在的文件夹不可写入。\n");
    return QString::fromUtf8("无法保存设置！\n设置文件") + where + cannot +
           QString::fromUtf8("Numora将继续运行，但本次运行中的设置更改不会被保存，"
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
