// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's own calculator, which the 程序 menu and the right-click menu
// start ("系统计算器"). Its items are enabled only while a calculator is
// installed; otherwise they say why in their tool tip and status tip.
#pragma once

#include <QList>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace numora {

class Launcher;
struct Services;

// The hint of the items when no calculator is installed.
QString NoSystemCalculatorHint();

// The program to start: C:\WINDOWS\CALC.EXE on Windows, elsewhere the first
// of the desktop calculators (gnome-calculator, kcalc, mate-calc,
// galculator, qalculate-qt, qalculate-gtk, speedcrunch, xcalc) found on the
// PATH; empty when none is installed.
QString SystemCalculatorPath(Launcher& launcher);

// Enables `items` when a calculator is installed and disables them with
// NoSystemCalculatorHint() when none is: now, and again each time one of
// `menus` is about to open (a calculator installed meanwhile is found).
void FollowSystemCalculator(const QList<QAction*>& items, const QList<QMenu*>& menus, Launcher& launcher);

// The command: starts the calculator as a separate process and does not
// wait for it; when none is installed or it does not start, says "启动失败"
// with only an OK button and no icon.
void RunSystemCalculator(QWidget* parent, Services& services);

}  // namespace numora
