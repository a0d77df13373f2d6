// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <qdrawutil.h>

#include "SettingsStore.h"
#include "ShellIcons.h"
#include "ToolbarDialog.h"

namespace numora {
namespace {

using Command = FrameCommand;

const QString kSettings = QStringLiteral("Settings");
const QString kChecks = QStringLiteral("Checks");
// The user's toolbar: the keys of the buttons shown, in order, joined by ",".
const QString kToolBarButtons = QStringLiteral("ToolBarButtons");

// ---- Menus ---------------------------------------------------------------
// One row per menu, item, separator or end of submenu, in display order. A
// top-level "Menu" row opens a menu of the menu bar, except "mnuRight", which
// is the right-click pop-up and never appears in the menu bar.
enum class Row { Menu, Item, Marked, Submenu, End, Separator };

struct MenuRow {
    Row kind;
    const char* name;
    const char* caption;
    Command command;
};

const MenuRow kMenus[] = {
    {Row::Menu, "mnuProgram", "程序(&P)", {}},
    {Row::Marked, "mnuProgramRunStandard", "基本计算(&T)...", Command::Standard},
    {Row::Submenu, "mnuProgramRunSpecial", "专科计算(&U)...", {}},
    {Row::Marked, "mnuProgramRunSpecialMaths", "数学专科计算(&A)...", Command::Maths},
    {Row::Marked, "mnuProgramRunSpecialChem", "化学专科计算(&C)...", Command::Chem},
    {Row::End, nullptr, nullptr, {}},
    {Row::Marked, "mnuProgramRunScientific", "科学性计算(&S)...", Command::Scientific},
    {Row::Separator, "mnuBar0", nullptr, {}},
    {Row::Item, "mnuProgramRunSimple", "简易计算器(&I)...", Command::Simple},
    {Row::Item, "mnuProgramRunWinCal", "系统计算器(&W)", Command::SystemCalculator},
    {Row::Separator, "mnuBar1", nullptr, {}},
    {Row::Item, "mnuProgramQuit", "退出(&Q)", Command::Quit},

    {Row::Menu, "mnuOption", "设置(&O)", {}},
    {Row::Submenu, "mnuOptionView", "查看(&V)", {}},
    {Row::Marked, "mnuOptionViewToolBar1", "工具栏", Command::ViewToolBar},
    {Row::Marked, "mnuOptionViewStatusBar", "状态栏", Command::ViewStatusBar},
    {Row::End, nullptr, nullptr, {}},
    {Row::Separator, "mnuBar2", nullptr, {}},
    {Row::Marked, "mnuOptionOption", "选项(&O)...", Command::Option},

    {Row::Menu, "mnuHelp", "帮助(&H)", {}},
    {Row::Item, "mnuHelpHelp", "帮助信息(&H)...", Command::Help},
    {Row::Marked, "mnuHelpData", "常用资料(&D)...", Command::Data},
    {Row::Separator, "mnuBar3", nullptr, {}},
    {Row::Marked, "mnuHelpAbout", "关于(&A)...", Command::About},

    {Row::Menu, "mnuRight", "Right", {}},
    {Row::Marked, "mnuRightRunStandard", "基本计算...", Command::Standard},
    {Row::Submenu, "mnuRightRunSpecial", "专科计算...", {}},
    {Row::Marked, "mnuRightRunSpecialMaths", "数学专科计算...", Command::Maths},
    {Row::Marked, "mnuRightRunSpecialChem", "化学专科计算...", Command::Chem},
    {Row::End, nullptr, nullptr, {}},
    {Row::Marked, "mnuRightRunScientific", "科学性计算...", Command::Scientific},
    {Row::Separator, "mnuBar4", nullptr, {}},
    {Row::Item, "mnuRightRunSimple", "简易计算器...", Command::Simple},
    {Row::Item, "mnuRightRunWinCal", "系统计算器", Command::SystemCalculator},
    {Row::Separator, "mnuBar5", nullptr, {}},
    {Row::Submenu, "mnuRightView", "查看", {}},
    {Row::Marked, "mnuRightViewToolBar1", "工具栏", Command::ViewToolBar},
    {Row::Marked, "mnuRightViewStatusBar", "状态栏", Command::ViewStatusBar},
    {Row::End, nullptr, nullptr, {}},
    {Row::Marked, "mnuRightOption", "选项...", Command::Option},
    {Row::Separator, "mnuBar6", nullptr, {}},
    {Row::Item, "mnuRightHelp", "帮助...", Command::Help},
    {Row::Marked, "mnuRightData", "常用资料...", Command::Data},
    {Row::Marked, "mnuRightAbout", "关于...", Command::About},
    {Row::Separator, "mnuBar7", nullptr, {}},
    {Row::Item, "mnuRightQuit", "退出", Command::Quit},
};

// ---- Toolbar -------------------------------------------------------------
struct ToolRow {
    const char* key;
    const char* toolTip;
    Command command;
};

const ToolRow kToolbar[] = {
    {"Standard", "显示/隐藏 基本计算", Command::Standard},
    {"Maths", "显示/隐藏 数学专科计算", Command::Maths},
    {"Chem", "显示/隐藏 化学专科计算", Command::Chem},
    {"Scientific", "显示/隐藏 科学性计算", Command::Scientific},
    {"Option", "设置", Command::Option},
    {"Help", "帮助", Command::Help},
    {"About", "关于 Numora", Command::About},
};

// The toolbar with the "three-dimensional" appearance: a raised bevel
// around the bar. The flat appearance draws the bar plain.
class BevelToolBar final : public QToolBar {
public:
    using QToolBar::QToolBar;
    void setRaised(bool raised) {
        raised_ = raised;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QToolBar::paintEvent(event);
        if (!raised_) return;
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), /*sunken=*/false, 1);
    }

private:
    bool raised_ = true;
};

}  // namespace

FrameMenus::FrameMenus(QMainWindow* frame, SettingsStore& settings, Run run)
    : QObject(frame), frame_(frame), settings_(settings), run_(std::move(run)) {
    setObjectName(QStringLiteral("FrameMenus"));
    buildMenus(frame);
    buildToolBar(frame);
}

void FrameMenus::buildMenus(QMainWindow* frame) {
    QList<QMenu*> stack;  // the menu being filled, then open submenus
    for (const auto& row : kMenus) {
        switch (row.kind) {
        case Row::Menu: {
            auto* menu = new QMenu(QString::fromUtf8(row.caption), frame);
            menu->setObjectName(QLatin1String(row.name));
            menu->menuAction()->setObjectName(QLatin1String(row.name));
            if (menu->objectName() == QLatin1String("mnuRight")) {
                rightMenu_ = menu;  // a pop-up only, never in the menu bar
            } else {
                frame->menuBar()->addMenu(menu);
                mainMenus_.push_back(menu);
            }
            items_.insert(menu->objectName(), menu->menuAction());
            stack = {menu};
            break;
        }
        case Row::Submenu: {
            QMenu* sub = stack.back()->addMenu(QString::fromUtf8(row.caption));
            sub->setObjectName(QLatin1String(row.name));
            sub->menuAction()->setObjectName(QLatin1String(row.name));
            items_.insert(sub->objectName(), sub->menuAction());
            stack.push_back(sub);
            break;
        }
        case Row::End:
            stack.pop_back();
            break;
        case Row::Separator: {
            QAction* bar = stack.back()->addSeparator();
            bar->setObjectName(QLatin1String(row.name));
            items_.insert(bar->objectName(), bar);
            break;
        }
        case Row::Item:
        case Row::Marked: {
            QAction* item = stack.back()->addAction(QString::fromUtf8(row.caption));
            item->setObjectName(QLatin1String(row.name));
            item->setCheckable(row.kind == Row::Marked);
            const Command command = row.command;
            connect(item, &QAction::triggered, this, [this, item, command](bool checked) {
                // Marks change only through the command (a window that is
                // not available leaves them as they are), so undo the
                // toolkit's own toggle of a checkable item first.
                if (item->isCheckable()) item->setChecked(!checked);
                run_(command, true);
            });
            items_.insert(item->objectName(), item);
            break;
        }
        }
    }
}

void FrameMenus::buildToolBar(QMainWindow* frame) {
    toolBar_ = new BevelToolBar(QString::fromUtf8("工具栏"), frame);
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->toggleViewAction()->setVisible(false);
    for (const auto& row : kToolbar) {
        const QString key = QLatin1String(row.key);
        const QString tip = QString::fromUtf8(row.toolTip);
        QAction* button = toolBar_->addAction(ToolbarIcon(key), tip);
        toolButtons_.insert(key, button);
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(tip);
        connect(button, &QAction::triggered, this, [this, key] { runToolbarKey(key); });
    }
    frame->addToolBar(Qt::TopToolBarArea, toolBar_);
    toolBar_->installEventFilter(this);  // a double-click defines the bar
}

void FrameMenus::load() {
    const bool toolBarShown = ReadTruthSetting(settings_, kChecks, QStringLiteral("ViewToolBar1"), true);
    const bool statusShown = ReadTruthSetting(settings_, kChecks, QStringLiteral("ViewStatusBar"), true);
    items_.value(QStringLiteral("mnuOptionViewToolBar1"))->setChecked(toolBarShown);
    items_.value(QStringLiteral("mnuRightViewToolBar1"))->setChecked(toolBarShown);
    items_.value(QStringLiteral("mnuOptionViewStatusBar"))->setChecked(statusShown);
    items_.value(QStringLiteral("mnuRightViewStatusBar"))->setChecked(statusShown);

    setToolbarCustomizable(ReadTruthSetting(settings_, kChecks, QStringLiteral("BarCus"), false));
    // The user's own set of toolbar buttons, when there is one.
    const QString chosen =
        settings_.ReadSetting(kSettings, kToolBarButtons, standardToolbarKeys().join(QLatin1Char(',')));
    showToolbarKeys(chosen.split(QLatin1Char(','), Qt::SkipEmptyParts));
    showBarsAsMarked();
    setToolbarStyle(ReadWholeSetting(settings_, kChecks, QStringLiteral("HotBar"), 0));
    setToolbarAppearance(ReadWholeSetting(settings_, kChecks, QStringLiteral("Appearance"), 1));
}

// ---- Menus ---------------------------------------------------------------

QAction* FrameMenus::item(const QString& objectName) const { return items_.value(objectName); }

void FrameMenus::addWindowMenu(QMenu* windowMenu) {
    frame_->menuBar()->insertMenu(mainMenus_.back()->menuAction(), windowMenu);
    mainMenus_.insert(mainMenus_.size() - 1, windowMenu);
    QAction* last = items_.value(QStringLiteral("mnuBar7"));
    QAction* bar = rightMenu_->insertSeparator(last);
    bar->setObjectName(QStringLiteral("mnuBarWindow"));
    items_.insert(bar->objectName(), bar);
    rightMenu_->insertMenu(last, windowMenu);
    for (QAction* item : windowMenu->actions()) items_.insert(item->objectName(), item);
    items_.insert(windowMenu->objectName(), windowMenu->menuAction());
}

void FrameMenus::setMainMenusVisible(bool visible) {
    for (QMenu* menu : mainMenus_) menu->menuAction()->setVisible(visible);
}

void FrameMenus::setMainMenusEnabled(bool enabled) {
    for (QMenu* menu : mainMenus_) menu->menuAction()->setEnabled(enabled);
}

void FrameMenus::showBarsAsMarked() {
    toolBar_->setVisible(items_.value(QStringLiteral("mnuOptionViewToolBar1"))->isChecked());
    frame_->statusBar()->setVisible(items_.value(QStringLiteral("mnuOptionViewStatusBar"))->isChecked());
}

void FrameMenus::invertMarks(FrameCommand command) {
    const MarkedCommand* row = FindMarkedCommand(command);
    if (!row) return;
    for (const char* name : {row->menuItem, row->rightItem}) {
        QAction* item = items_.value(QLatin1String(name));
        item->setChecked(!item->isChecked());
    }
}

void FrameMenus::clearMarks(FrameCommand command) {
    const MarkedCommand* row = FindMarkedCommand(command);
    if (!row) return;
    items_.value(QLatin1String(row->menuItem))->setChecked(false);
    items_.value(QLatin1String(row->rightItem))->setChecked(false);
}

void FrameMenus::toggleBar(FrameCommand view) {
    QWidget* bar = view == Command::ViewToolBar ? static_cast<QWidget*>(toolBar_) : frame_->statusBar();
    const QString key = view == Command::ViewToolBar ? QStringLiteral("ViewToolBar1") : QStringLiteral("ViewStatusBar");
    bar->setVisible(bar->isHidden());
    invertMarks(view);
    settings_.WriteSetting(kChecks, key,
                           TruthText(items_.value(QLatin1String(FindMarkedCommand(view)->menuItem))->isChecked()));
}

// ---- Toolbar -------------------------------------------------------------

bool FrameMenus::runToolbarKey(const QString& key) {
    for (const auto& row : kToolbar) {
        if (key == QLatin1String(row.key)) {
            run_(row.command, false);
            return true;
        }
    }
    return false;
}

void FrameMenus::setToolbarStyle(int hotBar) {
    hotBar_ = hotBar != 0 ? 1 : 0;
    for (QAction* action : toolBar_->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action)))
            button->setAutoRaise(hotBar_ == 1);
    }
}

void FrameMenus::setToolbarAppearance(int appearance) {
    appearance_ = appearance != 0 ? 1 : 0;
    static_cast<BevelToolBar*>(toolBar_)->setRaised(appearance_ == 1);
}

void FrameMenus::setToolbarCustomizable(bool allowed) {
    toolBar_->setMovable(allowed);
    toolBar_->setFloatable(allowed);
}

bool FrameMenus::toolbarCustomizable() const { return toolBar_->isMovable(); }

QStringList FrameMenus::standardToolbarKeys() {
    QStringList keys;
    for (const auto& row : kToolbar) keys << QLatin1String(row.key);
    return keys;
}

QStringList FrameMenus::toolbarKeys() const {
    QStringList keys;
    for (QAction* action : toolBar_->actions()) keys << action->data().toString();
    return keys;
}

void FrameMenus::showToolbarKeys(const QStringList& keys) {
    for (QAction* action : toolBar_->actions()) toolBar_->removeAction(action);
    QStringList shown;
    for (const QString& key : keys) {
        QAction* button = toolButtons_.value(key.trimmed());
        if (!button || shown.contains(key.trimmed())) continue;
        toolBar_->addAction(button);
        shown << key.trimmed();
    }
    setToolbarStyle(hotBar_);  // the bar makes new tool buttons
}

void FrameMenus::setToolbarKeys(const QStringList& keys) {
    showToolbarKeys(keys);
    settings_.WriteSetting(kSettings, kToolBarButtons, toolbarKeys().join(QLatin1Char(',')));
}

QDialog* FrameMenus::customizeToolbar() {
    QHash<QString, QString> captions;
    QHash<QString, QIcon> icons;
    for (QAction* button : std::as_const(toolButtons_)) {
        captions.insert(button->data().toString(), button->toolTip());
        icons.insert(button->data().toString(), button->icon());
    }
    auto* dialog = new ToolbarDialog(standardToolbarKeys(), toolbarKeys(), captions, icons, frame_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { setToolbarKeys(dialog->chosenKeys()); });
    dialog->open();
    return dialog;
}

bool FrameMenus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toolBar_ && event->type() == QEvent::MouseButtonDblClick && toolbarCustomizable() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        customizeToolbar();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace numora
