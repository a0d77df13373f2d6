// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AutoplayGuard.h"

#include "SettingsStore.h"

namespace numora {

QString AutoplayGuard::section() { return QStringLiteral("Texts"); }
QString AutoplayGuard::key() { return QStringLiteral("AutoplayStarting"); }

QString AutoplayGuard::unfinished() const { return store_.ReadSetting(section(), key(), QString()); }

void AutoplayGuard::begin(const QString& file) { store_.WriteSetting(section(), key(), file); }

void AutoplayGuard::end() {
    // Only a record is cleared: an emptied store (the Options reset) stays empty.
    if (!unfinished().isEmpty()) store_.WriteSetting(section(), key(), QString());
}

QString AutoplayGuard::SkippedText(const QString& file) {
    return QString::fromUtf8("上次启动时自动播放的背景音乐“") + file +
           QString::fromUtf8("”没有正常开始播放（Numora意外退出或失去了响应），本次启动不再播放它。\n"
                             "已取消“程序启动后自动播放”，可以在“选项”窗口中重新选中。");
}

}  // namespace numora
