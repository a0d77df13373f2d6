// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>

#include "ChildWindows.h"
#include "DesktopFit.h"
#include "DesktopPlatform.h"
#include "FrameGeometry.h"
#include "FrameMenus.h"
#include "FrameTray.h"
#include "HelpLauncher.h"
#include "SettingsStore.h"
#include "ShellIcons.h"
#include "StatusPanels.h"
#include "SystemCalculator.h"
#include "Utf8.h"
#include "Version.h"
#include "WindowMenu.h"

namespace numora {
namespace {

const QString kSettings = QStringLiteral("Settings");

}  // namespace

QString MainFrame::title() { return QStringLiteral("Numora ") + QLatin1String(kCaptionVersion); }

MainFrame::MainFrame(Services services, QWidget* parent) : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(title());
    const QIcon appIcon = QApplication::windowIcon();
    setWindowIcon(appIcon.isNull() ? PaintedApplicationIcon() : appIcon);

    // The client area keeps QMdiArea's own background, the palette's Dark
    // brush: the toolkit's application-workspace colour.
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    // Closing or hiding the active window brings forward the one used
    // before it (the one behind it), not the next one opened.
    mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    mdi_->viewport()->installEventFilter(this);
    setCentralWidget(mdi_);

    menus_ = new FrameMenus(this, services_.settings, [this](Command c, bool fromMenu) { runFromMenu(c, fromMenu); });
    FollowSystemCalculator({menuItem(QStringLiteral("mnuProgramRunWinCal")), menuItem(QStringLiteral("mnuRightRunWinCal"))},
                           {findChild<QMenu*>(QStringLiteral("mnuProgram")), rightMenu()}, services_.launcher);
    children_ = new ChildWindows(mdi_, services_.settings, *menus_, this);
    // The window menu, before the help menu and in the right-click menu.
    windows_ = new WindowMenu(mdi_, children_->placement(), this);
    menus_->addWindowMenu(windows_->menu());
    InstallWheelRule();
    InstallContextMenuKey();
    panels_ = new StatusPanels(statusBar());
    tray_ = new FrameTray(this, rightMenu());
    geometry_ = new FrameGeometry(*this, services_.settings, *tray_);
    help_ = new HelpLauncher(this, services_);

    // Load: state and geometry, the user's name, marks and bars.
    geometry_->applyStoredState();
    setUserName(services_.settings.ReadSetting(QStringLiteral("Texts"), QStringLiteral("Name"), QString::fromUtf8("匿名")));
    menus_->load();

    // The running flag and the normal-state geometry stay in the store while
    // the frame runs. Moves, resizes and state changes write the geometry at
    // once; this slow refresh rewrites both (the store skips unchanged
    // values), which also puts them back after the Options reset empties the
    // store.
    // It starts when the frame is first shown: the start-up window checks
    // the flag after it has created the frame and before it shows it.
    heartbeatTimer_ = new QTimer(this);
    heartbeatTimer_->setInterval(kHeartbeatMs);
    connect(heartbeatTimer_, &QTimer::timeout, this, &MainFrame::heartbeat);

    loading_ = false;
}

MainFrame::~MainFrame() { delete geometry_; }

// ---- Child windows -----------------------------------------------------------

bool MainFrame::registerChild(const QString& name, Command command, ChildFactory factory) {
    if (!factory) return false;
    return children_->add(command, name, [this, factory = std::move(factory)] { return factory(services_, *this); });
}

bool MainFrame::isChildRegistered(const QString& name) const { return children_->isRegistered(name); }
QWidget* MainFrame::child(const QString& name) const { return children_->child(name); }
QMdiSubWindow* MainFrame::childWindow(const QString& name) const { return children_->window(name); }
QWidget* MainFrame::loadChild(const QString& name) { return children_->load(name); }
void MainFrame::toggleChild(const QString& name) { children_->toggle(name); }
bool MainFrame::unloadChild(const QString& name) { return children_->unload(name); }
void MainFrame::clearChildMarks(const QString& name) { children_->clearMarks(name); }
QString MainFrame::positionPrefix(const QString& name) const { return children_->positionPrefix(name); }

// ---- Commands ------------------------------------------------------------------

void MainFrame::runFromMenu(Command command, bool fromMenu) {
    // The tray icon's menu brings the frame back from the tray.
    if (fromMenu && tray_->holdsFrame() && command != Command::Quit) tray_->giveBack();
    runCommand(command);
}

void MainFrame::runCommand(Command command) {
    if (TogglesWindow(command)) {
        const QString name = children_->nameOf(command);
        if (!name.isEmpty()) children_->toggle(name);
        return;
    }
    switch (command) {
    case Command::Simple: runSimpleCalculator(); break;
    case Command::SystemCalculator: runSystemCalculator(); break;
    case Command::Quit: quit(); break;
    case Command::ViewToolBar:
    case Command::ViewStatusBar: menus_->toggleBar(command); break;
    case Command::Help: openHelpDocument(); break;
    default: break;
    }
}

void MainFrame::runToolbarKey(const QString& key) { menus_->runToolbarKey(key); }
void MainFrame::toggleToolBar() { menus_->toggleBar(Command::ViewToolBar); }
void MainFrame::toggleStatusBar() { menus_->toggleBar(Command::ViewStatusBar); }

void MainFrame::setSimpleCalculator(std::function<void(QWidget*, Services&)> run) {
    simpleCalculator_ = std::move(run);
}

void MainFrame::runSimpleCalculator() {
    if (simpleCalculator_) simpleCalculator_(this, services_);
}

void MainFrame::runSystemCalculator() { RunSystemCalculator(this, services_); }
void MainFrame::openHelpDocument() { help_->open(); }
QWidget* MainFrame::helpViewer() const { return help_->viewer(); }
void MainFrame::quit() { close(); }

// ---- Menus and bars ------------------------------------------------------------

QToolBar* MainFrame::toolBar() const { return menus_->toolBar(); }
QMenu* MainFrame::rightMenu() const { return menus_->rightMenu(); }
QAction* MainFrame::menuItem(const QString& objectName) const { return menus_->item(objectName); }
void MainFrame::setMainMenusVisible(bool visible) { menus_->setMainMenusVisible(visible); }
void MainFrame::setMainMenusEnabled(bool enabled) { menus_->setMainMenusEnabled(enabled); }
void MainFrame::showBarsAsMarked() { menus_->showBarsAsMarked(); }
void MainFrame::setToolbarStyle(int hotBar) { menus_->setToolbarStyle(hotBar); }
int MainFrame::toolbarStyle() const { return menus_->toolbarStyle(); }
void MainFrame::setToolbarAppearance(int appearance) { menus_->setToolbarAppearance(appearance); }
int MainFrame::toolbarAppearance() const { return menus_->toolbarAppearance(); }
void MainFrame::setToolbarCustomizable(bool allowed) { menus_->setToolbarCustomizable(allowed); }
bool MainFrame::toolbarCustomizable() const { return menus_->toolbarCustomizable(); }
QStringList MainFrame::standardToolbarKeys() { return FrameMenus::standardToolbarKeys(); }
QStringList MainFrame::toolbarKeys() const { return menus_->toolbarKeys(); }
void MainFrame::setToolbarKeys(const QStringList& keys) { menus_->setToolbarKeys(keys); }
QDialog* MainFrame::customizeToolbar() { return menus_->customizeToolbar(); }

void MainFrame::setSimpleText(const QString& text) { panels_->setSimpleText(text); }
QString MainFrame::simpleText() const { return panels_->simpleText(); }
void MainFrame::setUserName(const QString& name) { panels_->setUserName(name); }
QString MainFrame::userName() const { return panels_->userName(); }

// The toolbar's and right-click menus of QMainWindow itself would show and
// hide the bars without their marks; the frame has none.
QMenu* MainFrame::createPopupMenu() { return nullptr; }

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdi_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // Only over the client area itself, not over a child window whose
        // controls let the release pass on to their parents.
        if (mouse->button() == Qt::RightButton && !mdi_->viewport()->childAt(mouse->position().toPoint())) {
            const QPoint at = mouse->globalPosition().toPoint();
            emit rightMenuRequested(at);
            rightMenu()->popup(at);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- State, geometry and the tray ------------------------------------------------

QSystemTrayIcon* MainFrame::trayIcon() const { return tray_->icon(); }
bool MainFrame::isInTray() const { return tray_->holdsFrame(); }
int MainFrame::frameStateCode() const { return geometry_->stateCode(); }
void MainFrame::applyStoredState() { geometry_->applyStoredState(); }
void MainFrame::applyStoredNormalGeometry() { geometry_->applyStoredNormalGeometry(); }

void MainFrame::setFrameStateCode(int code) { geometry_->setStateCode(code); }

void MainFrame::storeGeometryIfNormal() {
    if (loading_ || unloaded_ || frameStateCode() != 0) return;
    geometry_->store();
}

void MainFrame::bringForward() {
    if (!unloaded_) tray_->giveBack();
}

void MainFrame::setVisible(bool visible) {
    if (visible && tray_ && tray_->holdsFrame()) return;
    QMainWindow::setVisible(visible);
}

void MainFrame::setTopmost(bool topmost) {
    if (!CurrentDesktopAbilities().keepsOnTop) return;
    if (topmost == bool(windowFlags() & Qt::WindowStaysOnTopHint)) return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);  // hides the window
    if (shown) show();
}

void MainFrame::storeStateNow() {
    if (unloaded_) return;
    children_->storePlaces();
    geometry_->storeState();
}

void MainFrame::heartbeat() {
    if (unloaded_) return;
    services_.settings.WriteSetting(kSettings, QStringLiteral("LoadAlready"), TruthText(true));
    storeGeometryIfNormal();
}

void MainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!unloaded_ && !heartbeatTimer_->isActive()) {
        heartbeatTimer_->start();
        heartbeat();
    }
}

void MainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    storeGeometryIfNormal();
}

void MainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    storeGeometryIfNormal();
}

void MainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The client area keeps the workspace colour of the palette in force (a
    // dark preference that comes or goes while the program runs).
    if (event->type() == QEvent::PaletteChange) mdi_->setBackground(palette().brush(QPalette::Dark));
    if (event->type() != QEvent::WindowStateChange) return;
    storeGeometryIfNormal();
    // Minimizing hides the frame into the notification area, when there is one.
    if (isMinimized() && !unloaded_) tray_->frameMinimized();
}

// ---- Unload ----------------------------------------------------------------------

void MainFrame::setExitWindowHook(std::function<void()> showExitWindow) {
    exitWindowHook_ = std::move(showExitWindow);
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        children_->unloadAll();
        unloadSteps();
    }
    event->accept();
}

void MainFrame::unloadSteps() {
    unloaded_ = true;
    heartbeatTimer_->stop();
    panels_->stopClock();
    tray_->remove();  // nothing goes into the notification area any more

    if (exitWindowHook_) exitWindowHook_();  // the exit window (frmBye)
    services_.music.SetFileName(QString());  // stops the background music
    const int state = frameStateCode();
    services_.settings.WriteSetting(kSettings, QStringLiteral("MainState"), QString::number(state));
    setMainMenusVisible(false);
    toolBar()->hide();
    if (state == 0) geometry_->store();
    emit unloaded();
}

}  // namespace numora
