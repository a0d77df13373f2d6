// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Services.h"

#include "DialogPlace.h"
#include "FieldLimit.h"
#include "HistoryInputDialog.h"
#include "MessageDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace numora {

QWidget* MessageOwner(QWidget* requested) {
    if (requested && requested->isVisible()) return requested->window();
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) return modal;
    QWidget* active = QApplication::activeWindow();
    QWidget* anyVisible = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::ToolTip || w->windowType() == Qt::Popup) continue;
        if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return w;
        if (!anyVisible) anyVisible = w;
    }
    if (active && active->isVisible()) return active;
    return anyVisible;
}

namespace {

// A dialog of `owner`: above it (and on top when the owner is), raised and
// given the focus as soon as it shows.
void OwnDialog(QDialog& dialog, QWidget* owner) {
    if (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QTimer::singleShot(0, &dialog, [d = &dialog] {
        d->raise();
        d->activateWindow();
    });
}

}  // namespace

MsgAnswer QtDialogs::Message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                             MsgButtons buttons, std::optional<MsgAnswer> defaultButton) {
    QWidget* owner = MessageOwner(parent);
    MessageDialog box(owner, text, title, icon, buttons, defaultButton);
    OwnDialog(box, owner);
    PlaceOver(&box, parent);
    box.exec();
    return box.answer();
}

std::optional<QString> QtDialogs::InputBox(QWidget* parent, const QString& prompt, const QString& title,
                                           const QString& defaultText) {
    QWidget* owner = MessageOwner(parent);
    QInputDialog dialog(owner);
    OwnDialog(dialog, owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    RefuseOverlongInput(&dialog, *this);  // a paste too long for the field is refused, not cut
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    PlaceOver(&dialog, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString QtDialogs::OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                const QString& directory) {
    return QFileDialog::getOpenFileName(parent, title, directory, filter);
}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                const QString& directory) {
    return QFileDialog::getSaveFileName(parent, title, directory, filter);
}

std::optional<QString> QtDialogs::HistoryInputBox(QWidget* parent, const QString& prompt, const QString& title,
                                                  const QString& defaultText, const InputHistory& history) {
    QWidget* owner = MessageOwner(parent);
    HistoryInputDialog dialog(owner, prompt, title, defaultText, history, this);
    OwnDialog(dialog, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.text();
}

bool QtLauncher::StartDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

namespace {

// The first line xdg-mime prints for `arguments`, or nullopt when it cannot
// be asked (not installed, no answer in time).
std::optional<QString> AskXdgMime(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(3000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(500);
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
}

}  // namespace

namespace {

// Whether a program is registered for the document's type; nullopt when
// xdg-mime cannot tell.
std::optional<bool> HasHandler(const QString& path) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return std::nullopt;
    const auto type = AskXdgMime(xdgMime, {QStringLiteral("query"), QStringLiteral("filetype"), path});
    if (!type || type->isEmpty()) return std::nullopt;
    const auto handler = AskXdgMime(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), *type});
    if (!handler) return std::nullopt;
    return !handler->isEmpty();
}

}  // namespace

void QtLauncher::OpenDocumentThen(const QString& path, std::function<void(OpenResult)> done) {
    if (!QFileInfo(path).isFile()) return done(OpenResult::NotFound);
    if (HasHandler(path) == false) return done(OpenResult::Failed);
    // The toolkit starts the desktop's opener detached and reports success
    // once it has started; the opener's own exit status says whether
    // anything opened the document ("no method available" exits non-zero).
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return done(QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? OpenResult::Opened : OpenResult::Failed);
    auto* process = new QProcess(QCoreApplication::instance());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    auto told = std::make_shared<bool>(false);
    auto tell = [told, done = std::move(done), process](OpenResult result) {
        if (*told) return;
        *told = true;
        done(result);
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::finished, process, [tell](int code, QProcess::ExitStatus status) {
        tell(status == QProcess::NormalExit && code == 0 ? OpenResult::Opened : OpenResult::Failed);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [tell](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) tell(OpenResult::Failed);
    });
    process->start(opener, {path});
}

OpenResult QtLauncher::OpenDocument(const QString& path) {
    if (!QFileInfo(path).isFile()) return OpenResult::NotFound;
    // The desktop's opener starts whatever is registered for the document's
    // type and reports success even when nothing is: ask first, as the
    // opener itself does, whether any program takes the type.
    if (HasHandler(path) == false) return OpenResult::Failed;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? OpenResult::Opened : OpenResult::Failed;
}

QString QtLauncher::FindExecutable(const QString& name) { return QStandardPaths::findExecutable(name); }

QString ProgramDataFolder(const QString& executableFolder) {
    // NUMORA_DATA_FROM_BINDIR: the installed data folder relative to the
    // installed executables' folder (../share/numora).
    const QString installed =
        QDir::cleanPath(QDir(executableFolder).absoluteFilePath(QStringLiteral(NUMORA_DATA_FROM_BINDIR)));
    const QString folder = QFileInfo(installed).isDir() ? installed : QDir::cleanPath(executableFolder);
    return QDir::toNativeSeparators(folder);
}

QString QtLauncher::ProgramFolder() { return ProgramDataFolder(QCoreApplication::applicationDirPath()); }

QString QtLauncher::ProgramPath() { return QCoreApplication::applicationFilePath(); }

void QtClipboard::SetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString QtClipboard::Text() const { return QGuiApplication::clipboard()->text(); }

void QtClipboard::SetImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }

}  // namespace numora
