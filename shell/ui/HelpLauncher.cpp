// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>

#include "DesktopFit.h"
#include "HelpLoader.h"
#include "Services.h"
#include "WindowArrange.h"

namespace numora {

HelpLauncher::HelpLauncher(QWidget* frame, Services& services)
    : QObject(frame), frame_(frame), services_(services) {}

void HelpLauncher::open() {
    QString folder = QDir::toNativeSeparators(services_.launcher.ProgramFolder());
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    const QString path = folder + QStringLiteral("numora180.doc");
    // A missing document is reported; a document that nothing on this
    // desktop opens is shown in the frame's own help window, also when the
    // desktop's opener fails only after it has started.
    QPointer<HelpLauncher> self = this;
    const auto opened = [self, path, folder](OpenResult result) {
        if (self) self->opened(result, path, folder);
    };
    if (QFileInfo::exists(path))
        services_.launcher.OpenDocumentThen(path, opened);
    else
        opened(OpenResult::NotFound);
}

void HelpLauncher::opened(OpenResult result, const QString& path, const QString& folder) {
    if (result == OpenResult::Failed) showText(path);
    if (result == OpenResult::NotFound) {
        services_.dialogs.Message(frame_,
                                  QString::fromUtf8("载入文件失败") + QLatin1Char('\n') +
                                      QString::fromUtf8("请检查帮助文件numora180.doc是否正确地安装至") + folder +
                                      QString::fromUtf8("目录下"),
                                  QStringLiteral("Numora"), MessageIcon::Stop, MsgButtons::Ok);
    }
}

void HelpLauncher::showText(const QString& path) {
    auto* viewer = qobject_cast<QTextBrowser*>(viewer_.data());
    if (!viewer) {
        viewer = new QTextBrowser(frame_);
        viewer->setWindowFlag(Qt::Window);
        viewer->setObjectName(QStringLiteral("HelpViewer"));
        viewer->setWindowTitle(QString::fromUtf8("Numora 帮助信息"));
        viewer->setOpenLinks(false);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        CloseTopLevelOnKeys(viewer);
        // Within the screen the frame is on: at most 90 % of its free area,
        // centred on it.
        QScreen* screen = frame_->screen() ? frame_->screen() : QGuiApplication::primaryScreen();
        const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const PixelSize size = FitWithin({640, 560}, {free.width(), free.height()}, 0.9);
        viewer->resize(size.width, size.height);
        viewer->move(free.center() - QPoint(size.width / 2, size.height / 2));
        viewer_ = viewer;
    }
    // Read and converted off the window's thread, put in a slice at a time.
    HelpLoader::Load(viewer, path);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace numora
