// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FocusRules.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>

#include <algorithm>

namespace numora {
namespace {

bool Inside(const QWidget* widget, const QWidget* ancestor) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == ancestor) return true;
    return false;
}

bool TakesFocus(const QWidget* w, const QWidget* window) {
    return w != window && Inside(w, window) && w->isVisibleTo(window) && w->isEnabled() &&
           (w->focusPolicy() & Qt::TabFocus) && !qobject_cast<const QTabBar*>(w) &&
           !qobject_cast<const QScrollBar*>(w);
}

// The page a window shows: the current page of its outermost page stack,
// or the window itself when it has none.
QWidget* ShownPage(QWidget* window) {
    for (QStackedWidget* stack : window->findChildren<QStackedWidget*>()) {
        bool outermost = true;
        for (QWidget* w = stack->parentWidget(); w && w != window; w = w->parentWidget())
            if (qobject_cast<QStackedWidget*>(w)) outermost = false;
        if (outermost && stack->isVisibleTo(window) && stack->currentWidget()) return stack->currentWidget();
    }
    return window;
}

QWidget* FirstInputIn(QWidget* scope) {
    QWidget* fallback = nullptr;
    for (QWidget* w = scope->nextInFocusChain(); w && w != scope; w = w->nextInFocusChain()) {
        if (!TakesFocus(w, scope)) continue;
        if (auto* field = qobject_cast<QLineEdit*>(w); field && !field->isReadOnly()) return field;
        if (!fallback) fallback = w;
    }
    return fallback;
}

}  // namespace

QWidget* FirstInput(QWidget* window) {
    if (!window) return nullptr;
    QWidget* page = ShownPage(window);
    QWidget* input = page != window ? FirstInputIn(page) : nullptr;
    return input ? input : FirstInputIn(window);
}

void FocusFirstInput(QWidget* window) {
    if (QWidget* input = FirstInput(window)) input->setFocus(Qt::OtherFocusReason);
}

void ShowFromTopLeft(QWidget* widget) {
    for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(w)) {
            area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->minimum());
            area->verticalScrollBar()->setValue(area->verticalScrollBar()->minimum());
            return;
        }
    }
}

void ShowTurnedPage(QWidget* page) {
    if (!page) return;
    ShowFromTopLeft(page);
    // The user stepping through the tabs on the tab strip keeps the focus
    // there; any other page turn puts it on the page's first input.
    auto* strip = qobject_cast<QTabBar*>(QApplication::focusWidget());
    if (!strip || !strip->parentWidget() || !strip->parentWidget()->isAncestorOf(page) ||
        strip->property(kTurnedByWindowKey).toBool())
        FocusFirstInput(page);
}

void ShowFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return;
    // Innermost first: an outer area then sees the inner one already scrolled.
    for (QWidget* w = focus->parentWidget(); w; w = w->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(w);
        if (!area || !area->widget() || !area->widget()->isAncestorOf(focus)) continue;
        // The whole control, not only its text cursor (which is what the
        // area's own ensureWidgetVisible shows of a text field).
        const QRect at(focus->mapTo(area->widget(), QPoint(0, 0)), focus->size());
        const QSize room = area->viewport()->size();
        area->ensureVisible(at.center().x(), at.center().y(), std::min(at.width() / 2 + 4, room.width() / 2),
                            std::min(at.height() / 2 + 4, room.height() / 2));
    }
}

void KeepFocusInView() {
    static bool installed = false;
    if (installed || !qApp) return;
    installed = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
        if (!now) return;
        ShowFocus();
        // Once more after the layouts have run: a page just turned to, or
        // a window just shown, still moves its controls into place.
        QTimer::singleShot(0, qApp, [] { ShowFocus(); });
    });
}

}  // namespace numora
