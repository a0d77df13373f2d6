// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QShortcut>

#include "ChildFocus.h"
#include "WindowPlacement.h"

namespace numora {

WindowMenu::WindowMenu(QMdiArea* area, WindowPlacement& placement, QWidget* parent)
    : QObject(parent), area_(area), placement_(placement) {
    setObjectName(QStringLiteral("WindowMenu"));
    menu_ = new QMenu(QString::fromUtf8("窗口(&W)"), parent);
    menu_->setObjectName(QStringLiteral("mnuWindow"));
    menu_->menuAction()->setObjectName(QStringLiteral("mnuWindow"));
    auto item = [this](const char* name, const char* caption, void (WindowMenu::*command)()) {
        QAction* action = menu_->addAction(QString::fromUtf8(caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    item("mnuWindowClose", "关闭(&O)\tCtrl+W", &WindowMenu::closeActive);
    // Ctrl+W closes the active window. Where the desktop's key bindings make
    // it the close key, the child windows hear it themselves (a second
    // listener would make the key ambiguous and nothing would close); else
    // the frame listens for it.
    const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
    if (parent && !QKeySequence::keyBindings(QKeySequence::Close).contains(ctrlW)) {
        auto* key = new QShortcut(ctrlW, parent);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, &WindowMenu::closeActive);
    }
    menu_->addSeparator()->setObjectName(QStringLiteral("mnuWindowBar1"));
    item("mnuWindowCascade", "层叠(&C)", &WindowMenu::cascade);
    item("mnuWindowTile", "平铺(&T)", &WindowMenu::tile);
    minimize_ = item("mnuWindowMinimizeAll", "全部最小化(&M)", &WindowMenu::minimizeAll);
    restore_ = item("mnuWindowRestoreAll", "全部还原(&R)", &WindowMenu::restoreAll);
    listStart_ = menu_->addSeparator();
    listStart_->setObjectName(QStringLiteral("mnuWindowBar2"));
    connect(menu_, &QMenu::aboutToShow, this, &WindowMenu::refresh);
    refresh();
}

QList<QMdiSubWindow*> WindowMenu::openWindows() const { return placement_.openWindows(); }

int WindowMenu::cascadeStep() const { return placement_.cascadeStep(); }

void WindowMenu::cascade() { placement_.cascade(); }

void WindowMenu::tile() { placement_.tile(); }

void WindowMenu::refresh() {
    for (QAction* a : std::as_const(list_)) {
        menu_->removeAction(a);
        a->deleteLater();
    }
    list_.clear();
    const QList<QMdiSubWindow*> open = openWindows();
    bool anyNormal = false, anyChanged = false;
    for (QMdiSubWindow* w : open) {
        anyNormal = anyNormal || !w->isMinimized();
        anyChanged = anyChanged || w->isMinimized() || w->isMaximized();
    }
    for (QAction* a : menu_->actions())
        if (a != listStart_ && !a->isSeparator()) a->setEnabled(!open.isEmpty());
    minimize_->setEnabled(anyNormal);
    restore_->setEnabled(anyChanged);
    listStart_->setVisible(!open.isEmpty());

    // The open windows, numbered, with a check at the active one.
    QMdiSubWindow* active = area_->currentSubWindow();
    int number = 0;
    for (QMdiSubWindow* w : open) {
        ++number;
        const QString prefix = number < 10 ? QStringLiteral("&%1 ").arg(number) : QStringLiteral("%1 ").arg(number);
        auto* action = new QAction(prefix + w->windowTitle(), menu_);
        action->setObjectName(QStringLiteral("mnuWindowList%1").arg(number));
        action->setCheckable(true);
        action->setChecked(w == active);
        QPointer<QMdiSubWindow> target = w;
        connect(action, &QAction::triggered, this, [this, target] {
            if (!target) return;
            if (target->isMinimized()) target->showNormal();
            area_->setActiveSubWindow(target);
        });
        menu_->addAction(action);
        list_ << action;
    }
}

void WindowMenu::closeActive() {
    if (QMdiSubWindow* active = area_->activeSubWindow() ? area_->activeSubWindow() : area_->currentSubWindow())
        active->close();
}

void WindowMenu::minimizeAll() {
    // 全部还原 brings this window back to the front, its focus where it was.
    beforeMinimize_ = area_->activeSubWindow() ? area_->activeSubWindow() : area_->currentSubWindow();
    for (QMdiSubWindow* w : openWindows())
        if (!w->isMinimized()) w->showMinimized();
}

void WindowMenu::restoreAll() {
    for (QMdiSubWindow* w : openWindows())
        if (w->isMinimized() || w->isMaximized()) w->showNormal();
    QMdiSubWindow* front = beforeMinimize_ && beforeMinimize_->isVisible() ? beforeMinimize_.data() : area_->currentSubWindow();
    beforeMinimize_ = nullptr;
    if (!front) return;
    front->raise();
    area_->setActiveSubWindow(front);
    if (ChildFocus* focus = ChildFocus::of(area_)) focus->settle(front);
}

}  // namespace numora
