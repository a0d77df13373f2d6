// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame's help command: the help document "numora180.doc" in the
// program's folder, opened with the desktop's program for it. A missing
// document is reported ("载入文件失败" and the folder); a document that
// nothing on this desktop opens is shown in the frame's own help window
// ("HelpViewer", a top-level text browser filled in the background by
// HelpLoader), within the screen the frame is on. Nothing of it is stored.
#pragma once

#include <QObject>
#include <QPointer>

#include "Services.h"

class QWidget;

namespace numora {

struct Services;

class HelpLauncher final : public QObject {
    Q_OBJECT

public:
    // `frame` parents the messages and the help window.
    HelpLauncher(QWidget* frame, Services& services);

    void open();
    // The help window, or nullptr before it is first needed.
    QWidget* viewer() const { return viewer_; }

private:
    void opened(OpenResult result, const QString& path, const QString& folder);
    void showText(const QString& path);

    QWidget* frame_;
    Services& services_;
    QPointer<QWidget> viewer_;
};

}  // namespace numora
