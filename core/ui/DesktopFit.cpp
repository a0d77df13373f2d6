// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopFit.h"

#include "FocusRules.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSize>
#include <QShortcut>
#include <QTabBar>
#include <QWheelEvent>

#include "Twips.h"

namespace numora {
namespace {

QScrollArea* ScrollerAround(const QWidget* widget) {
    for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(w)) return area;
    return nullptr;
}

// The control a wheel event over `widget` is for, when it is one the rule
// covers: a list's viewport stands for its list.
const QWidget* GuardedControl(const QWidget* widget) {
    if (!widget) return nullptr;
    if (qobject_cast<const QAbstractSlider*>(widget)) return qobject_cast<const QScrollBar*>(widget) ? nullptr : widget;
    if (qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QComboBox*>(widget)) return widget;
    if (qobject_cast<const QAbstractItemView*>(widget)) return widget;
    if (auto* view = qobject_cast<const QAbstractItemView*>(widget->parentWidget()); view && view->viewport() == widget)
        return view;
    return nullptr;
}

class WheelRule final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!WheelPassesOver(widget)) return false;
        // Handed on to what holds the control, as if the control were not there.
        const QWidget* control = GuardedControl(widget);
        QWidget* holder = control->parentWidget();
        auto* wheel = static_cast<QWheelEvent*>(event);
        QWheelEvent passed(holder->mapFromGlobal(wheel->globalPosition()), wheel->globalPosition(),
                           wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(), wheel->modifiers(),
                           wheel->phase(), wheel->inverted(), wheel->source());
        QCoreApplication::sendEvent(holder, &passed);
        return true;
    }
};

}  // namespace

void SetDefaultSize(QWidget* window, int widthTwips, int heightTwips) {
    if (window) window->setProperty("numoraDefaultSize", QSize(widthTwips, heightTwips));
}

QSize DefaultSize(const QWidget* window) {
    if (!window) return {};
    const QSize twips = window->property("numoraDefaultSize").toSize();
    const QSize hint = window->sizeHint().expandedTo(window->minimumSizeHint());
    if (twips.width() <= 0) return hint;
    const int width = (twips.width() + kTwipsPerPixel / 2) / kTwipsPerPixel;
    int height = (twips.height() + kTwipsPerPixel / 2) / kTwipsPerPixel;
    if (height <= 0) height = window->hasHeightForWidth() ? window->heightForWidth(width) : hint.height();
    return QSize(width, height);
}

bool HasNaturalHeight(const QWidget* window) {
    return window && window->property("numoraDefaultSize").toSize().height() <= 0;
}

void TurnPagesWithKeys(QWidget* window, QTabBar* tabs) {
    if (!window || !tabs) return;
    for (const auto& [key, step] : {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), window);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, step = step] {
            const int n = tabs->count();
            if (n <= 0) return;
            // From the focused tab strip too, the focus goes to the page.
            tabs->setProperty(kTurnedByWindowKey, true);
            tabs->setCurrentIndex((tabs->currentIndex() + step + n) % n);
            tabs->setProperty(kTurnedByWindowKey, false);
        });
    }
}

namespace {

void CloseOnKey(QWidget* window, const QKeySequence& key, Qt::ShortcutContext context) {
    if (!window) return;
    auto* shortcut = new QShortcut(key, window);
    shortcut->setContext(context);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
}

}  // namespace

void CloseOnEscape(QWidget* window) {
    CloseOnKey(window, QKeySequence(Qt::Key_Escape), Qt::WidgetWithChildrenShortcut);
}

void CloseTopLevelOnKeys(QWidget* window) {
    CloseOnKey(window, QKeySequence(Qt::Key_Escape), Qt::WindowShortcut);
    CloseOnKey(window, QKeySequence(Qt::CTRL | Qt::Key_W), Qt::WindowShortcut);
}

void InstallWheelRule() {
    static QPointer<WheelRule> installed;
    if (installed || !QCoreApplication::instance()) return;
    installed = new WheelRule(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(installed);
}

namespace {

// Shift+F10 opens the focused widget's right-click menu, as the Menu key
// does (keyboards without that key have only this one).
class ContextMenuKey final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || watched != QApplication::focusWidget()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier) return false;
        auto* widget = static_cast<QWidget*>(watched);
        // At the text cursor where there is one, else in the widget's middle.
        const QRect cursor = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QPoint at = cursor.isValid() && widget->rect().contains(cursor.center())
                              ? QPoint(cursor.center().x(), cursor.bottom())
                              : widget->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at), Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &menu);
        return true;
    }
};

}  // namespace

void InstallContextMenuKey() {
    static QPointer<ContextMenuKey> installed;
    if (installed || !QCoreApplication::instance()) return;
    installed = new ContextMenuKey(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(installed);
}

bool WheelPassesOver(const QWidget* widget) {
    const QWidget* control = GuardedControl(widget);
    if (!control || !control->parentWidget() || !ScrollerAround(control)) return false;
    return !control->hasFocus();
}

}  // namespace numora
