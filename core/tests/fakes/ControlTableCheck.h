// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window's control table against the window built from it, for window
// tests: every control the table names exists, and the hint rows show their
// hints.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QWidget>
#include <span>

#include "ControlTable.h"
#include "Utf8.h"

namespace numora::testing {

// The control named `name` under `window`, or the window itself.
inline QWidget* ControlNamed(QWidget* window, const char* name) {
    if (window->objectName() == QLatin1String(name)) return window;
    return window->findChild<QWidget*>(QLatin1String(name));
}

// The names in `names` that no control of `window` has.
template <class Names>
QStringList MissingControls(QWidget* window, const Names& names) {
    QStringList missing;
    for (const char* name : names)
        if (!ControlNamed(window, name)) missing << QLatin1String(name);
    return missing;
}

// The rows of `hints` whose control does not show its hint in the window's
// status bar when the mouse enters it: "name: what the status bar shows".
template <class Window>
QStringList HintsNotShown(Window* window, std::span<const ControlText> hints) {
    QStringList wrong;
    for (const auto& [control, hint] : hints) {
        QWidget* widget = ControlNamed(window, control);
        if (!widget) {
            wrong << QLatin1String(control) + QStringLiteral(": no such control");
            continue;
        }
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(widget, &enter);
        if (window->statusText() != U(hint)) wrong << QLatin1String(control) + QStringLiteral(": ") + window->statusText();
    }
    return wrong;
}

}  // namespace numora::testing
