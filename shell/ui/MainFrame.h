// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// MainFrame: the application's one top-level window. A multiple-document
// frame whose client area holds the calculator windows and the Options,
// About and reference-data windows; it carries the menu bar, the right-click
// menu, the toolbar, the status bar and the tray icon, and runs the
// commands of their items.
//
// DESIGN: the frame puts together parts that each do one job, and is what
// the other windows talk to (the members they use are below):
//  - FrameMenus: the menus and the toolbar from their tables, their check
//    marks, the toolbar's look and buttons, the view toggles;
//  - ChildWindows: which window each toggle command opens (the windows are
//    registered by the application, app/ChildWindowTable.cpp), their load,
//    toggle and unload and their stored places, with WindowPlacement and
//    the 窗口 menu (WindowMenu) for where they go;
//  - FrameGeometry and FrameTray: the frame's own state and geometry in
//    twips, and the notification area;
//  - StatusPanels: the status bar's panels and clock;
//  - HelpLauncher: the help document.
// The simple calculator is the application's too: it hands the frame the
// command to run (setSimpleCalculator), so the shell needs no calculator.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>

#include "FrameCommands.h"
#include "Services.h"

class QAction;
class QDialog;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QToolBar;

namespace numora {

class ChildWindows;
class FrameGeometry;
class FrameMenus;
class FrameTray;
class HelpLauncher;
class StatusPanels;
class WindowMenu;

class MainFrame : public QMainWindow {
    Q_OBJECT

public:
    using Command = FrameCommand;

    // Builds a child window's widget. The widget is created without a parent;
    // the frame wraps it in a sub-window of its client area. Its window title
    // becomes the sub-window's caption.
    using ChildFactory = std::function<QWidget*(Services& services, MainFrame& frame)>;

    // The frame's caption: "Numora" and the version as captions write it.
    static QString title();

    // Creates and loads the frame (state, geometry, marks and toolbar from
    // the store) without showing it.
    explicit MainFrame(Services services, QWidget* parent = nullptr);
    ~MainFrame() override;

    // ---- Child windows -------------------------------------------------
    // The window `name` is the one `command` toggles (Standard, Maths, Chem,
    // Scientific, Option, Data, About). False for another command, an empty
    // factory, or a name or command registered already.
    bool registerChild(const QString& name, Command command, ChildFactory factory);
    bool isChildRegistered(const QString& name) const;
    // The loaded child's widget, or nullptr when it is not loaded.
    QWidget* child(const QString& name) const;
    // Its sub-window in the client area, or nullptr when not loaded.
    QMdiSubWindow* childWindow(const QString& name) const;
    // Creates the child hidden, at its stored position, unless it is loaded
    // already (the start-up self-test loads windows this way). Returns the
    // widget, or nullptr when the name is not registered.
    QWidget* loadChild(const QString& name);
    // The toggle command: load on first use, show or hide, invert both marks.
    // Does nothing for a name without a factory.
    void toggleChild(const QString& name);
    // Unloads the child as its own close box does (its close handler runs,
    // its position is stored, both marks are cleared). False when the child
    // refused to close or is not loaded.
    bool unloadChild(const QString& name);
    // Clears the check marks of the child's menu item and right-click twin.
    void clearChildMarks(const QString& name);
    // Settings key prefix of a registered child's position: "Standard", ...,
    // "Option", "Data", "About".
    QString positionPrefix(const QString& name) const;

    // ---- Commands ------------------------------------------------------
    void runCommand(Command command);
    void toggleToolBar();
    void toggleStatusBar();
    // The simple calculator command runs what the application handed over
    // (nothing before that).
    void setSimpleCalculator(std::function<void(QWidget* parent, Services& services)> run);
    void runSimpleCalculator();
    void runSystemCalculator();
    // Opens the help document with the desktop's program for it; when the
    // document is there but nothing opens it, shows its text in the frame's
    // own help window instead.
    void openHelpDocument();
    // The help window ("HelpViewer"), or nullptr before it is first needed.
    QWidget* helpViewer() const;
    // Runs the command of a toolbar key; any other key does nothing.
    void runToolbarKey(const QString& key);
    // The Quit command: unloads the frame (same as its close box).
    void quit();

    // ---- Members used by other windows ----------------------------------
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const;
    QMenu* rightMenu() const;
    // The window menu and the arrangement of the children.
    WindowMenu* windowMenu() const { return windows_; }
    // A menu-bar or right-click item (or a submenu's item) by object name.
    QAction* menuItem(const QString& objectName) const;
    // The top-level menus of the menu bar (mnuProgram, mnuOption, the window
    // menu, mnuHelp): shown/hidden and enabled/disabled together.
    void setMainMenusVisible(bool visible);
    void setMainMenusEnabled(bool enabled);
    // Shows the toolbar and the status bar as the marks of their menu-bar
    // items say (after the start-up self-test has hidden them).
    void showBarsAsMarked();
    // nullptr when the desktop has no notification area.
    QSystemTrayIcon* trayIcon() const;

    // Window state as the store writes it: 0 normal, 1 minimized, 2 maximized.
    int frameStateCode() const;
    void setFrameStateCode(int code);
    // Load steps 1 and 2: state from `MainState`, and when it is normal the
    // geometry from `MainLeft`, `MainTop`, `MainWidth`, `MainHeight`.
    void applyStoredState();
    // Puts the frame in the normal state at the stored geometry (defaults
    // 1000, 1000, 7680, 5475 twips).
    void applyStoredNormalGeometry();

    // Toolbar look (FrameMenus.h): style 0 standard, 1 hot buttons;
    // appearance 0 flat, 1 three-dimensional; customisable = movable and
    // defined by a double-click.
    void setToolbarStyle(int hotBar);
    int toolbarStyle() const;
    void setToolbarAppearance(int appearance);
    int toolbarAppearance() const;
    void setToolbarCustomizable(bool allowed);
    bool toolbarCustomizable() const;
    // The keys of the toolbar's buttons, every one in the standard order.
    static QStringList standardToolbarKeys();
    // The keys of the buttons the toolbar shows, in their order.
    QStringList toolbarKeys() const;
    // Shows these buttons in this order and stores the choice
    // (`ToolBarButtons` under `Settings`).
    void setToolbarKeys(const QStringList& keys);
    // Opens the dialog that defines the toolbar.
    QDialog* customizeToolbar();

    // The status bar's simple-mode text ("Numora -- Kestrane" at first),
    // shown in its first panel once set.
    void setSimpleText(const QString& text);
    QString simpleText() const;
    // The status bar's user panel ("UserName"): the stored `Texts`/`Name`
    // at load, then each name the Options window stores.
    void setUserName(const QString& name);
    QString userName() const;

    // Keeps the frame above other windows (AlwaysTop), position and size
    // unchanged; nothing where the desktop cannot (Wayland).
    void setTopmost(bool topmost);
    // Brings the frame forward: out of the notification area or the
    // minimized state, shown, raised and activated (a second launch).
    void bringForward();
    // Hidden into the notification area (minimized there).
    bool isInTray() const;
    // Showing the frame while it sits in the notification area leaves it there.
    void setVisible(bool visible) override;

    // Unload step 1 shows the exit window; until that window exists the hook
    // is empty and `unloaded()` alone ends the run.
    void setExitWindowHook(std::function<void()> showExitWindow);

    // What the unload stores, without touching the display (it may be
    // gone): each loaded child's position, the state and, when normal, the
    // geometry. For a session that ends without an orderly exit.
    void storeStateNow();
    // Whether the unload has run.
    bool isUnloaded() const { return unloaded_; }

    // The running-flag and geometry refresh (see heartbeat in the .cpp);
    // public so tests can drive it without waiting.
    void heartbeat();
    // Interval of the refresh timer, milliseconds.
    static constexpr int kHeartbeatMs = 2000;

signals:
    // The right button was released over the client area; the right-click
    // menu pops up at `globalPos` right after.
    void rightMenuRequested(const QPoint& globalPos);
    // The unload steps have run; the frame is closing.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    void runFromMenu(Command command, bool fromMenu);
    void storeGeometryIfNormal();
    void unloadSteps();

    Services services_;
    QMdiArea* mdi_ = nullptr;
    FrameMenus* menus_ = nullptr;
    ChildWindows* children_ = nullptr;
    WindowMenu* windows_ = nullptr;
    FrameTray* tray_ = nullptr;
    FrameGeometry* geometry_ = nullptr;
    StatusPanels* panels_ = nullptr;
    HelpLauncher* help_ = nullptr;
    QTimer* heartbeatTimer_ = nullptr;
    std::function<void(QWidget*, Services&)> simpleCalculator_;
    std::function<void()> exitWindowHook_;
    bool loading_ = true;
    bool unloaded_ = false;
};

}  // namespace numora
