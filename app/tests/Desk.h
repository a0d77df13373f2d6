// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window tests' desk: a main frame in its normal state, with every
// child window registered, shown and active.
#pragma once

#include <QApplication>
#include <QMdiArea>
#include <QTest>
#include <memory>

#include "ChildWindowTable.h"
#include "Fakes.h"
#include "MainFrame.h"

namespace numora::testing {

struct Desk {
    // What the size given is: the frame's, or its client area's.
    enum class Sized { Frame, ClientArea };

    FakeServices fakes;
    std::unique_ptr<MainFrame> frame;

    explicit Desk(QSize size, Sized sized = Sized::Frame) {
        fakes.settings.WriteSetting("Settings", "MainState", "0");
        frame = std::make_unique<MainFrame>(fakes.services);
        FurnishFrame(*frame);
        frame->resize(size);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        if (sized == Sized::ClientArea) {
            // The bars around the client area: the frame grows by them.
            frame->resize(size + frame->size() - frame->mdiArea()->viewport()->size());
            QTRY_COMPARE(frame->mdiArea()->viewport()->size(), size);
        }
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    }
    // Opens the window with its toggle command; its own widget.
    QWidget* open(const QString& name) {
        frame->toggleChild(name);
        QApplication::processEvents();
        return frame->child(name);
    }
    QMdiSubWindow* sub(const QString& name) const { return frame->childWindow(name); }
    QSize area() const { return frame->mdiArea()->viewport()->size(); }
};

}  // namespace numora::testing
