// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChildFocus.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "FocusRules.h"
#include "WindowPlacement.h"

namespace numora {

ChildFocus::ChildFocus(QMdiArea* area, const ChildWindowHost& host) : QObject(area), area_(area), host_(host) {
    setObjectName(QStringLiteral("ChildFocus"));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
    connect(area, &QMdiArea::subWindowActivated, this, &ChildFocus::activated);
}

ChildFocus* ChildFocus::of(const QMdiArea* area) {
    return area ? area->findChild<ChildFocus*>(QStringLiteral("ChildFocus"), Qt::FindDirectChildrenOnly) : nullptr;
}

QMdiSubWindow* ChildFocus::windowOf(const QWidget* widget) const {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(const_cast<QWidget*>(w)))
            return sub->mdiArea() == area_ ? sub : nullptr;
    return nullptr;
}

void ChildFocus::focusChanged(QWidget* now) {
    // Only the focus the user moves inside the settled window counts: the
    // toolkit's own choice while a window is being activated does not.
    // Nor does the focus a window hands on while it is minimized or hidden.
    QMdiSubWindow* window = windowOf(now);
    if (!window || window != settled_ || now == window || now->focusPolicy() == Qt::NoFocus) return;
    if (window->isMinimized() || !window->isVisible() || !now->isVisible()) return;
    last_.insert(window, now);
}

void ChildFocus::activated(QMdiSubWindow* window) {
    if (!window) return;
    // A click that activated the window chose the focus itself.
    const bool byMouse = QGuiApplication::mouseButtons() != Qt::NoButton;
    QPointer<QMdiSubWindow> target = window;
    QTimer::singleShot(0, this, [this, target, byMouse] {
        if (!target || area_->activeSubWindow() != target) return;
        QWidget* focus = QApplication::focusWidget();
        if (byMouse && windowOf(focus) == target) {
            settled_ = target;
            focusChanged(focus);
            return;
        }
        settle(target);
    });
}

QWidget* ChildFocus::lastFocus(const QMdiSubWindow* window) const {
    QWidget* last = last_.value(window);
    if (last && last->isVisibleTo(const_cast<QMdiSubWindow*>(window)) && last->isEnabled()) return last;
    QWidget* content = host_.contentOf(window);
    return content ? FirstInput(content) : nullptr;
}

void ChildFocus::settle(QMdiSubWindow* window) {
    if (!window) return;
    settled_ = window;
    if (QWidget* target = lastFocus(window); target && QApplication::focusWidget() != target)
        target->setFocus(Qt::OtherFocusReason);
    focusChanged(QApplication::focusWidget());
}

}  // namespace numora
