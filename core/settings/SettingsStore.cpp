#include "SettingsStore.h"

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

void QtSettingsStore::WriteSetting(const QString& section, const QString& key, const QString& value) {
    const QString path = Path(section, key);
    QVariant old = impl_->settings.value(path);
    if (old.isValid() && old.metaType().id() == QMetaType::QString && old.toString() == value) return;
    impl_->settings.setValue(path, value);
    impl_->settings.sync();  // written through a temporary file and renamed into place
    ++writes_;
}

void QtSettingsStore::EraseAllSettings() {
    impl_->settings.clear();
    impl_->settings.sync();
    ++writes_;
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
