// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// MainFrame: the application's one top-level window. A multiple-document
// frame whose client area holds the calculator windows and the Options,
// About and reference-data windows; it carries the menu bar, the right-click
// menu, the toolbar, the status bar, the tray icon and the simple calculator.
//
// Child windows are kept in a registry: each window module registers a
// factory under its window name, and the frame's toggle commands create the
// window on first use, show and hide it, and unload it when it is closed.
// The frame itself places a child at its stored position (`<Prefix>Left`,
// `<Prefix>Top` under `Settings`, in twips) when it creates it, stores the
// position when the child unloads and clears the child's two check marks, so
// a child window needs no code of its own for any of that. A child that
// closes itself (a "close" button calling close() on its widget) unloads the
// same way as with its close box; its own closeEvent may refuse.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

#include "Services.h"

class QAction;
class QDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QToolBar;

namespace numora {

class WindowMenu;

class MainFrame : public QMainWindow {
    Q_OBJECT

public:
    // Builds a child window's widget. The widget is created without a parent;
    // the frame wraps it in a sub-window of its client area. Its window title
    // becomes the sub-window's caption.
    using ChildFactory = std::function<QWidget*(Services& services, MainFrame& frame)>;

    // The window names the frame's commands toggle, in menu order:
    // "Standard", "Maths", "Chem", "Scientific", "frmOption", "frmData", "frmAbout".
    static QStringList childNames();

    // The frame's caption: "Numora" and the version as captions write it.
    static QString title();

    // Creates and loads the frame (state, geometry, marks and toolbar from
    // the store) without showing it.
    explicit MainFrame(Services services, QWidget* parent = nullptr);
    ~MainFrame() override;

    // ---- Child windows -------------------------------------------------
    // Registers the factory of one of childNames(); false for any other name.
    // Registering again replaces the factory (a loaded window stays loaded).
    bool registerChild(const QString& name, ChildFactory factory);
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
    // Settings key prefix of a child's position: "Standard", ..., "Option",
    // "Data", "About".
    static QString positionPrefix(const QString& name);

    // ---- Commands ------------------------------------------------------
    // The frame's commands; each menu-bar item, its right-click twin and its
    // toolbar key (where there is one) run the same command.
    enum class Command {
        Standard, Maths, Chem, Scientific, Simple, SystemCalculator, Quit,
        ViewToolBar, ViewStatusBar, Option, Help, Data, About,
    };
    void runCommand(Command command);
    void toggleToolBar();
    void toggleStatusBar();
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
    QToolBar* toolBar() const { return toolBar_; }
    QMenu* rightMenu() const { return rightMenu_; }
    // The window menu and the arrangement of the children.
    WindowMenu* windowMenu() const { return windows_; }
    // A menu-bar or right-click item (or a submenu's item) by object name.
    QAction* menuItem(const QString& objectName) const;
    // The three top-level menus of the menu bar (mnuProgram, mnuOption,
    // mnuHelp): shown/hidden and enabled/disabled together.
    void setMainMenusVisible(bool visible);
    void setMainMenusEnabled(bool enabled);
    // Shows the toolbar and the status bar as the marks of their menu-bar
    // items say (after the start-up self-test has hidden them).
    void showBarsAsMarked();
    // nullptr when the desktop has no notification area.
    QSystemTrayIcon* trayIcon() const { return tray_; }

    // Window state as the store writes it: 0 normal, 1 minimized, 2 maximized.
    int frameStateCode() const;
    void setFrameStateCode(int code);
    // Load steps 1 and 2: state from `MainState`, and when it is normal the
    // geometry from `MainLeft`, `MainTop`, `MainWidth`, `MainHeight`.
    void applyStoredState();
    // Puts the frame in the normal state at the stored geometry (defaults
    // 1000, 1000, 7680, 5475 twips).
    void applyStoredNormalGeometry();

    // Toolbar look: style 0 standard buttons, 1 flat buttons that light up
    // under the mouse; appearance 0 flat, 1 three-dimensional (a raised
    // bevel around the bar); customisable = the user may move the bar to
    // another edge of the frame or float it.
    void setToolbarStyle(int hotBar);
    int toolbarStyle() const { return hotBar_; }
    void setToolbarAppearance(int appearance);
    int toolbarAppearance() const { return appearance_; }
    void setToolbarCustomizable(bool allowed);
    bool toolbarCustomizable() const;
    // The keys of the toolbar's buttons, every one in the standard order.
    static QStringList standardToolbarKeys();
    // The keys of the buttons the toolbar shows, in their order.
    QStringList toolbarKeys() const;
    // Shows these buttons in this order (unknown and repeated keys are
    // skipped) and stores the choice (`ToolBarButtons` under `Settings`).
    void setToolbarKeys(const QStringList& keys);
    // Opens the dialog that defines the toolbar (a double-click on the
    // toolbar does, while customising is allowed); it applies the choice
    // when the user accepts it. The dialog is window-modal and deletes
    // itself when closed.
    QDialog* customizeToolbar();

    // The status bar's simple-mode text ("Numora -- Kestrane" at first).
    // Setting it shows it, with the same tool tip, in the first panel in
    // place of the welcome line.
    void setSimpleText(const QString& text);
    QString simpleText() const { return simpleText_; }

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
    bool isInTray() const { return inTray_; }
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
    struct ChildSlot;

    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void buildTray();
    void loadSettings();
    void invertMarks(const QString& menuItem, const QString& rightItem);
    ChildSlot* slot(const QString& name);
    const ChildSlot* slot(const QString& name) const;
    void childClosing(const QString& name);
    void unloadChildren();
    void unloadSteps();
    void storeGeometryIfNormal();
    void storeGeometry();
    void storeChildPosition(const ChildSlot& s);
    QRect placementArea() const;
    void updateClock();
    void restoreFromTray();
    void showTextPanel(const QString& text);
    void showToolbarKeys(const QStringList& keys);
    void showHelpText(const QString& path);

    Services services_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* rightMenu_ = nullptr;
    WindowMenu* windows_ = nullptr;
    QList<QMenu*> mainMenus_;
    QHash<QString, QAction*> items_;  // objectName -> menu item
    QHash<QString, QAction*> toolButtons_;  // toolbar key -> its button
    QSystemTrayIcon* tray_ = nullptr;
    QLabel* textPanel_ = nullptr;
    QLabel* userPanel_ = nullptr;
    QLabel* timePanel_ = nullptr;
    QLabel* datePanel_ = nullptr;
    QTimer* clock_ = nullptr;
    QTimer* heartbeatTimer_ = nullptr;
    QList<ChildSlot*> children_;
    QPointer<QWidget> helpViewer_;
    std::function<void()> exitWindowHook_;
    QString simpleText_;
    int hotBar_ = 0;
    int appearance_ = 1;
    bool loading_ = true;
    bool unloaded_ = false;
    bool inTray_ = false;  // minimized and hidden into the notification area
};

}  // namespace numora
