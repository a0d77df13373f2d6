// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenReader.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "Accessibility.h"

namespace numora {
namespace {

constexpr char kRoleProperty[] = "numoraAccessibleRole";
// How long a told notification stays shown (a screen reader reads its name
// when it appears; hidden again, it is not told a second time when its
// window is shown again).
constexpr int kShownMs = 1000;
// How long the focus waits for its window to become the active one.
constexpr int kActivationWaitMs = 2000;

// The role a widget was given with SetAccessibleRole. Installed after
// QtWidgets' own factory, so it is asked first.
QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

// A window's voice: a label-like widget of one pixel, transparent to the
// mouse, that takes no focus and paints nothing.
class Notifier final : public QWidget {
public:
    explicit Notifier(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("AccessibleAnnouncement"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        hide();
        SetAccessibleRole(this, QAccessible::Notification);
        gap_.setSingleShot(true);
        connect(&gap_, &QTimer::timeout, this, &Notifier::deliver);
        shown_.setSingleShot(true);
        shown_.setInterval(kShownMs);
        connect(&shown_, &QTimer::timeout, this, &QWidget::hide);
    }

    void tell(const QString& text) {
        pending_ = text;
        if (!gap_.isActive()) deliver();
    }

private:
    void deliver() {
        if (pending_.isEmpty()) return;
        QWidget* owner = parentWidget();
        if (!owner->isVisible()) {
            pending_.clear();
            return;
        }
        // A message box is being read: this waits until it has closed.
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != owner) {
            gap_.start(kAnnounceGapMs);
            return;
        }
        // The name first, then the appearance: the reader reads the name
        // when it learns that the notification is showing.
        hide();
        setAccessibleName(pending_);
        show();
        shown_.start();
        const QString told = pending_;
        pending_.clear();
        gap_.start(kAnnounceGapMs);
        NotifySpeechListener(owner, told);
    }

    QString pending_;
    QTimer gap_;
    QTimer shown_;
};

Notifier* NotifierOf(QWidget* window) {
    for (QObject* child : window->children())
        if (auto* notifier = dynamic_cast<Notifier*>(child)) return notifier;
    return new Notifier(window);
}

}  // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) {
    if (!widget) return;
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    // An interface made before the role was given keeps its old role: it
    // is made anew.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface && iface->role() != role) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        QAccessible::queryAccessibleInterface(widget);
    }
}

void TellScreenReader(QWidget* context, const QString& text) {
    if (!context || text.isEmpty()) return;
    NotifierOf(context->window())->tell(text);
}

void TellFocusWhenActive(QWidget* window) {
    if (!window) return;
    QWidget* top = window->window();
    QWindow* handle = top->windowHandle();
    if (!handle || QGuiApplication::focusWindow() == handle) return;
    // Once the window is active, the focus (when it is still in `window`) is
    // told again, after the activation the reader has seen.
    QPointer<QWidget> scope = window;
    auto* waiting = new QObject(top);
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, waiting, [waiting, handle, scope](QWindow* now) {
        if (now != handle || waiting->property("told").toBool()) return;
        waiting->setProperty("told", true);
        waiting->deleteLater();
        QWidget* focus = QApplication::focusWidget();
        if (!scope || !focus || !scope->isAncestorOf(focus)) return;
        QAccessibleEvent event(focus, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    });
    QTimer::singleShot(kActivationWaitMs, waiting, [waiting] { waiting->deleteLater(); });
}

}  // namespace numora
