#include "Services.h"

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
#include <QUrl>

namespace numora {

MsgAnswer QtDialogs::Message(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                             MsgButtons buttons, std::optional<MsgAnswer> defaultButton) {
    MessageDialog box(parent, text, title, icon, buttons, defaultButton);
    box.exec();
    return box.answer();
}

std::optional<QString> QtDialogs::InputBox(QWidget* parent, const QString& prompt, const QString& title,
                                           const QString& defaultText) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
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

bool QtLauncher::StartDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

OpenResult QtLauncher::OpenDocument(const QString& path) {
    if (!QFileInfo(path).isFile()) return OpenResult::NotFound;
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
