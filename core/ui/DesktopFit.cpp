// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopFit.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSize>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QWheelEvent>

#include "Twips.h"

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

namespace {

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
    if (QScrollArea* area = ScrollerAround(widget)) {
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->minimum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->minimum());
    }
}

void TurnPagesWithKeys(QWidget* window, QTabBar* tabs) {
    if (!window || !tabs) return;
    for (const auto& [key, step] : {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), window);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, step = step] {
            const int n = tabs->count();
            if (n > 0) tabs->setCurrentIndex((tabs->currentIndex() + step + n) % n);
        });
    }
}

namespace {

std::function<void(QWidget*)>& PageTurnWatcher() {
    static std::function<void(QWidget*)> watcher;
    return watcher;
}

}  // namespace

void WatchPageTurns(std::function<void(QWidget* page)> watcher) {
    PageTurnWatcher() = std::move(watcher);
}

void PageTurned(QWidget* page) {
    if (!page) return;
    ShowFromTopLeft(page);
    // The user stepping through the tabs on the tab strip keeps the focus
    // there; any other page turn puts it on the page's first input.
    auto* strip = qobject_cast<QTabBar*>(QApplication::focusWidget());
    if (!strip || !strip->parentWidget() || !strip->parentWidget()->isAncestorOf(page)) FocusFirstInput(page);
    // The window's new height reaches its scroll area with the next layout
    // pass; the page still starts at its top-left corner after it.
    QPointer<QWidget> shown = page;
    QMetaObject::invokeMethod(
        page, [shown] {
            if (!shown) return;
            if (PageTurnWatcher()) PageTurnWatcher()(shown);
            if (shown) ShowFromTopLeft(shown);
        },
        Qt::QueuedConnection);
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
