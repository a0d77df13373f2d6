// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogPlace.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace numora {

QRect VisibleWindowRect(const QWidget* widget) {
    if (!widget || !widget->isVisible()) return {};
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const auto* child = qobject_cast<const QMdiSubWindow*>(w);
        if (!child) continue;
        QRect rect(child->mapToGlobal(QPoint(0, 0)), child->size());
        if (const QMdiArea* area = child->mdiArea()) {
            const QWidget* viewport = area->viewport();
            rect &= QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
        }
        return rect;
    }
    const QWidget* window = widget->window();
    return window->frameGeometry();
}

QRect CentredOver(QSize size, const QRect& over, const QRect& screen) {
    QRect box(QPoint(0, 0), size);
    box.moveCenter(over.center());
    box.moveLeft(std::max(screen.left(), std::min(box.left(), screen.right() + 1 - box.width())));
    box.moveTop(std::max(screen.top(), std::min(box.top(), screen.bottom() + 1 - box.height())));
    return box;
}

void PlaceOver(QWidget* dialog, const QWidget* requested) {
    const QRect over = VisibleWindowRect(requested);
    if (over.isEmpty()) return;
    const QScreen* screen = QGuiApplication::screenAt(over.center());
    if (!screen) screen = requested->screen();
    if (!screen) return;
    dialog->adjustSize();
    dialog->move(CentredOver(dialog->size(), over, screen->availableGeometry()).topLeft());
}

}  // namespace numora
