// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main frame's menus and toolbar, built from tables: the menu bar
// (程序, 设置, 帮助), the right-click menu `mnuRight` (a pop-up only, also the
// tray icon's menu), the toolbar `Toolbar1` with its seven buttons, and
// their check marks. Items and buttons only name a command; the frame runs
// it. The toolbar's look (standard or hot buttons, flat or raised, movable
// while customising is allowed), the user's own set of buttons and the two
// view toggles are kept here too, with their settings.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "FrameCommands.h"

class QAction;
class QDialog;
class QMainWindow;
class QMenu;
class QToolBar;

namespace numora {

class SettingsStore;

class FrameMenus final : public QObject {
    Q_OBJECT

public:
    // Runs a command; `fromMenu` when a menu item (not a toolbar button)
    // asked for it.
    using Run = std::function<void(FrameCommand command, bool fromMenu)>;

    // Builds the menus into `frame`'s menu bar and the toolbar into its top
    // area. Nothing is read from the store before load().
    FrameMenus(QMainWindow* frame, SettingsStore& settings, Run run);

    // The load steps of the bars: the view marks from `ViewToolBar1` and
    // `ViewStatusBar`, the permission to customise (`BarCus`), the user's
    // buttons (`ToolBarButtons`), the bars shown as marked, then the style
    // (`HotBar`) and the appearance (`Appearance`).
    void load();

    // A menu-bar or right-click item (or a submenu's item) by object name.
    QAction* item(const QString& objectName) const;
    QMenu* rightMenu() const { return rightMenu_; }
    QToolBar* toolBar() const { return toolBar_; }
    // Puts the window menu before the help menu and into the right-click
    // menu (before its last separator), with its items.
    void addWindowMenu(QMenu* windowMenu);

    // The top-level menus of the menu bar, shown or hidden and enabled or
    // disabled together.
    void setMainMenusVisible(bool visible);
    void setMainMenusEnabled(bool enabled);
    // The toolbar and the status bar as the marks of their menu-bar items say.
    void showBarsAsMarked();

    // Inverts each of the command's two marks from its own current state.
    void invertMarks(FrameCommand command);
    void clearMarks(FrameCommand command);
    // The view toggles: shows or hides the bar, inverts both marks and
    // stores the menu-bar item's new mark ("True"/"False").
    void toggleBar(FrameCommand view);

    // Runs the command of a toolbar key; false for any other key.
    bool runToolbarKey(const QString& key);

    // Style 0 standard buttons, 1 flat buttons that light up under the mouse.
    void setToolbarStyle(int hotBar);
    int toolbarStyle() const { return hotBar_; }
    // Appearance 0 flat, 1 three-dimensional (a raised bevel around the bar).
    void setToolbarAppearance(int appearance);
    int toolbarAppearance() const { return appearance_; }
    // Customisable: the user may move the bar to another edge or float it,
    // and a double-click on it opens customizeToolbar().
    void setToolbarCustomizable(bool allowed);
    bool toolbarCustomizable() const;
    // Every button's key in the standard order.
    static QStringList standardToolbarKeys();
    // The keys of the buttons the toolbar shows, in their order.
    QStringList toolbarKeys() const;
    // Shows these buttons in this order (unknown and repeated keys are
    // skipped) and stores the choice.
    void setToolbarKeys(const QStringList& keys);
    // The window-modal dialog that defines the toolbar; it applies the
    // choice when the user accepts it, and deletes itself when closed.
    QDialog* customizeToolbar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus(QMainWindow* frame);
    void buildToolBar(QMainWindow* frame);
    void showToolbarKeys(const QStringList& keys);

    QMainWindow* frame_;
    SettingsStore& settings_;
    Run run_;
    QMenu* rightMenu_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QList<QMenu*> mainMenus_;
    QHash<QString, QAction*> items_;        // objectName -> menu item
    QHash<QString, QAction*> toolButtons_;  // toolbar key -> its button
    int hotBar_ = 0;
    int appearance_ = 1;
};

}  // namespace numora
