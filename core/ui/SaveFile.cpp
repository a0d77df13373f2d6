// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SaveFile.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QWidget>

#include "Services.h"

namespace numora {

WriteResult SaveBytes(const QString& path, const QByteArray& bytes) {
    return WriteWholeFile(QFile::encodeName(path).toStdString(),
                          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString SaveFailedText(const QString& prefix, const QString& path, const WriteResult& result) {
    return prefix + QDir::toNativeSeparators(path) + QLatin1Char('\n') +
           QString::fromStdString(WriteFailureReason(result));
}

void SaveWithDialog(QWidget* parent, Dialogs& dialogs, const SaveRequest& request,
                    const std::function<std::optional<WriteResult>(QString& path)>& save) {
    const QPointer<QWidget> window(parent);
    QString suggested = request.suggested;
    while (true) {
        QString path = dialogs.SaveFileName(parent, request.title, request.filter, suggested);
        if (path.isEmpty() || (parent && !window)) return;
        const std::optional<WriteResult> saved = save(path);
        if (!saved || saved->ok() || (parent && !window)) return;
        dialogs.Message(parent, SaveFailedText(request.failurePrefix, path, *saved), QStringLiteral("Numora错误报告"),
                        MsgIcon::Exclamation, MsgButtons::Ok);
        if (parent && !window) return;
        suggested = path;  // another folder or name, starting from this one
    }
}

}  // namespace numora
