// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a file from a window: the save dialog, the one file writer
// (FileWriter.h: whole or not at all), and on a failure a message that says
// why ("保存文件失败：<path>" and the reason: 磁盘空间不足, 没有写入权限,
// 文件夹不存在), after which the dialog opens again on the name that failed,
// so the user can choose another place at once.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "FileWriter.h"

class QWidget;

namespace numora {

class Dialogs;

// `bytes` into `path`, whole or not at all.
WriteResult SaveBytes(const QString& path, const QByteArray& bytes);

// "<prefix><path>" (native separators), a line feed, and the reason.
QString SaveFailedText(const QString& prefix, const QString& path, const WriteResult& result);

struct SaveRequest {
    QString title;          // the dialog's title
    QString filter;         // its file types
    QString suggested;      // the name it suggests first
    QString failurePrefix;  // the message's text before the path ("保存文件失败：")
};

// Asks for a name and saves with `save` (which may change the name it was
// given, adding a suffix, and gives nullopt when it was abandoned) until the
// file is saved or the user cancels the dialog.
void SaveWithDialog(QWidget* parent, Dialogs& dialogs, const SaveRequest& request,
                    const std::function<std::optional<WriteResult>(QString& path)>& save);

}  // namespace numora
