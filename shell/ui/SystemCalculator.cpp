// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemCalculator.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "Services.h"

namespace numora {
namespace {

// Calculators tried in this order where the system has no CALC.EXE.
const char* const kDesktopCalculators[] = {
    "gnome-calculator", "kcalc",         "mate-calc",   "galculator",
    "qalculate-qt",     "qalculate-gtk", "speedcrunch", "xcalc",
};

void Follow(const QList<QPointer<QAction>>& items, Launcher& launcher) {
    const bool installed = !SystemCalculatorPath(launcher).isEmpty();
    const QString hint = installed ? QString() : NoSystemCalculatorHint();
    for (QAction* item : items) {
        if (!item) continue;
        item->setEnabled(installed);
        item->setToolTip(hint);
        item->setStatusTip(hint);
    }
}

}  // namespace

QString NoSystemCalculatorHint() {
    return QStringLiteral("没有找到系统计算器(请先安装 gnome-calculator、kcalc 等计算器程序)");
}

QString SystemCalculatorPath(Launcher& launcher) {
#ifdef Q_OS_WIN
    Q_UNUSED(launcher);
    return QStringLiteral("C:\\WINDOWS\\CALC.EXE");
#else
    for (const char* name : kDesktopCalculators) {
        const QString program = launcher.FindExecutable(QLatin1String(name));
        if (!program.isEmpty()) return program;
    }
    return {};
#endif
}

void FollowSystemCalculator(const QList<QAction*>& items, const QList<QMenu*>& menus, Launcher& launcher) {
    QList<QPointer<QAction>> guarded(items.begin(), items.end());
    Follow(guarded, launcher);
    for (QMenu* menu : menus) {
        menu->setToolTipsVisible(true);  // a disabled item's hint shows under the mouse
        QObject::connect(menu, &QMenu::aboutToShow, menu, [guarded, &launcher] { Follow(guarded, launcher); });
    }
}

void RunSystemCalculator(QWidget* parent, Services& services) {
    Launcher& launcher = services.launcher;
    const QString program = SystemCalculatorPath(launcher);
    if (program.isEmpty() || !launcher.StartDetached(program, {})) {
        services.dialogs.Message(parent, QString::fromUtf8("启动失败"), QStringLiteral("Numora"), MsgIcon::None,
                                 MsgButtons::Ok);
    }
}

}  // namespace numora
