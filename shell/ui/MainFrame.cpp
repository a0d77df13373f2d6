// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFrame.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <qdrawutil.h>

#include "FixedPanel.h"
#include "FormHelpers.h"
#include "HelpText.h"
#include "HelpLoader.h"
#include "SettingsStore.h"
#include "ShellIcons.h"
#include "SystemCalculator.h"
#include "SimpleCalculator.h"
#include "ToolbarDialog.h"
#include "Accessibility.h"
#include "DesktopFit.h"
#include "DesktopPlatform.h"
#include "WindowArrange.h"
#include "WindowMenu.h"
#include "WindowPlace.h"

namespace numora {
namespace {

using Command = MainFrame::Command;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const QString kSettings = QStringLiteral("Settings");
const QString kChecks = QStringLiteral("Checks");
// The user's toolbar: the keys of the buttons shown, in order, joined by ",".
const QString kToolBarButtons = QStringLiteral("ToolBarButtons");

// Geometry is stored in twips, 15 to a device-independent pixel.
constexpr float kTwipsPerPixel = 15.0f;
int ToPixels(float twips) { return TwipsToPixels(twips); }
QString ToTwipsText(int pixels) { return SingleText(static_cast<float>(pixels) * kTwipsPerPixel); }
// Pixels of a restored window's top edge that stay on screen, so that its
// title bar can still be grabbed.
constexpr int kTitleGrip = 40;

PixelBox ToBox(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

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

// ---- Commands ------------------------------------------------------------
// The menu item and right-click twin whose marks a command inverts, and for
// the window toggles the child window and its position key prefix.
struct CommandRow {
    Command command;
    const char* menuItem;
    const char* rightItem;
    const char* child;   // window name, or nullptr
    const char* prefix;  // position keys <prefix>Left / <prefix>Top
};

const CommandRow kCommands[] = {
    {Command::Standard, "mnuProgramRunStandard", "mnuRightRunStandard", "Standard", "Standard"},
    {Command::Maths, "mnuProgramRunSpecialMaths", "mnuRightRunSpecialMaths", "Maths", "Maths"},
    {Command::Chem, "mnuProgramRunSpecialChem", "mnuRightRunSpecialChem", "Chem", "Chem"},
    {Command::Scientific, "mnuProgramRunScientific", "mnuRightRunScientific", "Scientific",
     "Scientific"},
    {Command::Option, "mnuOptionOption", "mnuRightOption", "frmOption", "Option"},
    {Command::Data, "mnuHelpData", "mnuRightData", "frmData", "Data"},
    {Command::About, "mnuHelpAbout", "mnuRightAbout", "frmAbout", "About"},
    {Command::ViewToolBar, "mnuOptionViewToolBar1", "mnuRightViewToolBar1", nullptr, nullptr},
    {Command::ViewStatusBar, "mnuOptionViewStatusBar", "mnuRightViewStatusBar", nullptr, nullptr},
};

const CommandRow* FindCommand(Command command) {
    for (const auto& row : kCommands)
        if (row.command == command) return &row;
    return nullptr;
}

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

// ---- Status bar ----------------------------------------------------------
const char* const kWelcome = "欢迎来到Numora -- Kestrane";
const char* const kInitialSimpleText = "Numora -- Kestrane";

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

// The content of a child window scrolls when the window is smaller than it:
// the child's layout gives its natural size, which is the window's starting
// size, and the user may still shrink or maximize the window on a small
// screen without losing any control. Title, icon and closing are the
// child's own.
class ChildScroller final : public QScrollArea {
public:
    explicit ChildScroller(QWidget* content) : content_(content) {
        setObjectName(content->objectName() + QStringLiteral("Scroller"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(content);
        setWindowTitle(content->windowTitle());
        setWindowIcon(content->windowIcon());
        // Not a stop of its own: Tab goes to the content's controls, and the
        // area scrolls to show the one that takes the focus.
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(content->windowTitle());
        content->installEventFilter(this);
    }

    // The natural size of the content: QScrollArea's own hint is capped at
    // a few dozen lines of text.
    QSize sizeHint() const override {
        if (!content_) return QScrollArea::sizeHint();
        const QSize natural = content_->sizeHint().expandedTo(content_->minimumSizeHint())
                                  .expandedTo(content_->minimumSize());
        const int f = 2 * frameWidth();
        return natural + QSize(f, f);
    }

protected:
    // Closing the window closes the child, which may refuse.
    void closeEvent(QCloseEvent* event) override {
        event->setAccepted(!content_ || content_->close());
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == content_) {
            if (event->type() == QEvent::WindowTitleChange) {
                setWindowTitle(content_->windowTitle());
                setAccessibleName(content_->windowTitle());
            }
            if (event->type() == QEvent::WindowIconChange) setWindowIcon(content_->windowIcon());
        }
        return QScrollArea::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> content_;
};

// A child window's frame in the client area. Closing it (its close box, or
// the child closing its own widget) closes the child widget, which may refuse,
// and then reports the unload once. The sub-window deletes itself afterwards.
class ChildWindow final : public QMdiSubWindow {
public:
    explicit ChildWindow(std::function<void()> unloading) : unloading_(std::move(unloading)) {
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        closing_ = true;
        QMdiSubWindow::closeEvent(event);  // asks the child widget to close
        closing_ = false;
        if (event->isAccepted() && !unloaded_) {
            unloaded_ = true;
            unloading_();
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The child closes its own widget (a "close" button): unload the
        // whole sub-window instead, after the child's handler has returned.
        const bool own = watched == widget() || (content_ && watched == content_);
        if (own && event->type() == QEvent::Close && !closing_ && !unloaded_) {
            event->ignore();
            QTimer::singleShot(0, this, [this] { close(); });
            return true;
        }
        return QMdiSubWindow::eventFilter(watched, event);
    }

public:
    // The child's own widget inside the scroller (see ChildScroller).
    void setContent(QWidget* content) {
        content_ = content;
        content->installEventFilter(this);
    }
    QWidget* content() const { return content_; }

private:
    std::function<void()> unloading_;
    QPointer<QWidget> content_;
    bool closing_ = false;
    bool unloaded_ = false;
};

}  // namespace

struct MainFrame::ChildSlot {
    QString name;
    QString prefix;
    QString menuItem;
    QString rightItem;
    ChildFactory factory;
    QPointer<QMdiSubWindow> window;
    bool fitted = false;  // its first showing has fitted it into the client area
    bool storedPlace = false;  // the store had its position when it loaded
};

QStringList MainFrame::childNames() {
    QStringList names;
    for (const auto& row : kCommands)
        if (row.child) names << QLatin1String(row.child);
    return names;
}

QString MainFrame::positionPrefix(const QString& name) {
    for (const auto& row : kCommands)
        if (row.child && name == QLatin1String(row.child)) return QLatin1String(row.prefix);
    return {};
}

MainFrame::MainFrame(Services services, QWidget* parent)
    : QMainWindow(parent), services_(services), simpleText_(U(kInitialSimpleText)) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QStringLiteral("Numora 1.80"));
    const QIcon appIcon = QApplication::windowIcon();
    setWindowIcon(appIcon.isNull() ? PaintedApplicationIcon() : appIcon);

    // The client area keeps QMdiArea's own background, the palette's Dark
    // brush: the toolkit's application-workspace colour.
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    mdi_->viewport()->installEventFilter(this);
    setCentralWidget(mdi_);

    for (const auto& row : kCommands) {
        if (!row.child) continue;
        auto* s = new ChildSlot;
        s->name = QLatin1String(row.child);
        s->prefix = QLatin1String(row.prefix);
        s->menuItem = QLatin1String(row.menuItem);
        s->rightItem = QLatin1String(row.rightItem);
        children_.push_back(s);
    }

    buildMenus();
    FollowSystemCalculator({items_.value(QStringLiteral("mnuProgramRunWinCal")), items_.value(QStringLiteral("mnuRightRunWinCal"))},
                           {findChild<QMenu*>(QStringLiteral("mnuProgram")), rightMenu_}, services_.launcher);
    // The window menu, before the help menu and in the right-click menu;
    // it keeps the children inside the client area.
    windows_ = new WindowMenu(mdi_, this);
    menuBar()->insertMenu(mainMenus_.back()->menuAction(), windows_->menu());
    mainMenus_.insert(mainMenus_.size() - 1, windows_->menu());
    QAction* bar = rightMenu_->insertSeparator(items_.value(QStringLiteral("mnuBar7")));
    bar->setObjectName(QStringLiteral("mnuBarWindow"));
    items_.insert(bar->objectName(), bar);
    rightMenu_->insertMenu(items_.value(QStringLiteral("mnuBar7")), windows_->menu());
    for (QAction* item : windows_->menu()->actions()) items_.insert(item->objectName(), item);
    items_.insert(QStringLiteral("mnuWindow"), windows_->menu()->menuAction());
    InstallWheelRule();
    InstallContextMenuKey();
    buildToolBar();
    buildStatusBar();
    buildTray();
    loadSettings();

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

MainFrame::~MainFrame() { qDeleteAll(children_); }

// ---- Building ------------------------------------------------------------

void MainFrame::buildMenus() {
    QList<QMenu*> stack;  // the menu being filled, then open submenus
    for (const auto& row : kMenus) {
        switch (row.kind) {
        case Row::Menu: {
            auto* menu = new QMenu(U(row.caption), this);
            menu->setObjectName(QLatin1String(row.name));
            menu->menuAction()->setObjectName(QLatin1String(row.name));
            if (menu->objectName() == QLatin1String("mnuRight")) {
                rightMenu_ = menu;  // a pop-up only, never in the menu bar
            } else {
                menuBar()->addMenu(menu);
                mainMenus_.push_back(menu);
            }
            items_.insert(menu->objectName(), menu->menuAction());
            stack = {menu};
            break;
        }
        case Row::Submenu: {
            QMenu* sub = stack.back()->addMenu(U(row.caption));
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
            QAction* item = stack.back()->addAction(U(row.caption));
            item->setObjectName(QLatin1String(row.name));
            item->setCheckable(row.kind == Row::Marked);
            const Command command = row.command;
            connect(item, &QAction::triggered, this, [this, item, command](bool checked) {
                // Marks change only through the command (a window that is
                // not available leaves them as they are), so undo the
                // toolkit's own toggle of a checkable item first.
                if (item->isCheckable()) item->setChecked(!checked);
                // The tray icon's menu brings the frame back from the tray.
                if (inTray_ && command != Command::Quit) restoreFromTray();
                runCommand(command);
            });
            items_.insert(item->objectName(), item);
            break;
        }
        }
    }
}

void MainFrame::buildToolBar() {
    auto* bar = new BevelToolBar(U("工具栏"), this);
    toolBar_ = bar;
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->toggleViewAction()->setVisible(false);
    for (const auto& row : kToolbar) {
        const QString key = QLatin1String(row.key);
        QAction* button = toolBar_->addAction(ToolbarIcon(key), U(row.toolTip));
        toolButtons_.insert(key, button);
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(U(row.toolTip));
        connect(button, &QAction::triggered, this, [this, key] { runToolbarKey(key); });
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    toolBar_->installEventFilter(this);  // a double-click defines the bar
}

void MainFrame::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    auto panel = [bar](const char* key, const QString& text, const QString& tip) {
        auto* label = new QLabel(text, bar);
        label->setObjectName(QLatin1String(key));
        label->setToolTip(tip);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        return label;
    };
    textPanel_ = panel("Text", U(kWelcome), U(kWelcome));
    userPanel_ = panel("UserName", U("匿名"), U("当前用户"));
    timePanel_ = panel("Timer", QString(), U("当前时间"));
    datePanel_ = panel("Date", QString(), U("当前日期"));
    bar->addWidget(textPanel_, 1);  // takes the spare width
    bar->addPermanentWidget(userPanel_);
    bar->addPermanentWidget(timePanel_);
    bar->addPermanentWidget(datePanel_);
    // The clock changes its text every second: sized once for its widest
    // texts, a tick repaints the two panels and lays out nothing.
    FixPanelSize(timePanel_, DigitSamples(QStringLiteral("##:##:##")));
    FixPanelSize(datePanel_, DigitSamples(QStringLiteral("####-##-##")));

    // The clock wakes once a second, just after the second changes.
    clock_ = new QTimer(this);
    clock_->setSingleShot(true);
    clock_->setTimerType(Qt::PreciseTimer);
    connect(clock_, &QTimer::timeout, this, &MainFrame::updateClock);
    updateClock();
}

void MainFrame::buildTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setObjectName(QStringLiteral("TrayForm1"));
    tray_->setToolTip(QStringLiteral("Numora"));
    tray_->setContextMenu(rightMenu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) restoreFromTray();
    });
    tray_->show();
}

// Load: state and geometry, view marks, toolbar options.
void MainFrame::loadSettings() {
    const SettingsStore& store = services_.settings;
    applyStoredState();

    const bool toolBarShown = ReadTruthSetting(store, kChecks, QStringLiteral("ViewToolBar1"), true);
    const bool statusShown = ReadTruthSetting(store, kChecks, QStringLiteral("ViewStatusBar"), true);
    items_.value(QStringLiteral("mnuOptionViewToolBar1"))->setChecked(toolBarShown);
    items_.value(QStringLiteral("mnuRightViewToolBar1"))->setChecked(toolBarShown);
    items_.value(QStringLiteral("mnuOptionViewStatusBar"))->setChecked(statusShown);
    items_.value(QStringLiteral("mnuRightViewStatusBar"))->setChecked(statusShown);

    setUserName(store.ReadSetting(QStringLiteral("Texts"), QStringLiteral("Name"), U("匿名")));
    setToolbarCustomizable(ReadTruthSetting(store, kChecks, QStringLiteral("BarCus"), false));
    // The user's own set of toolbar buttons, when there is one.
    const QString chosen = store.ReadSetting(kSettings, kToolBarButtons, standardToolbarKeys().join(QLatin1Char(',')));
    showToolbarKeys(chosen.split(QLatin1Char(','), Qt::SkipEmptyParts));
    showBarsAsMarked();
    setToolbarStyle(ReadWholeSetting(store, kChecks, QStringLiteral("HotBar"), 0));
    setToolbarAppearance(ReadWholeSetting(store, kChecks, QStringLiteral("Appearance"), 1));
}

// ---- State and geometry ---------------------------------------------------

int MainFrame::frameStateCode() const {
    if (inTray_) return 1;
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized) return 1;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return 2;
    return 0;
}

void MainFrame::setFrameStateCode(int code) {
    // Minimizing with a notification area hides the frame there, on every
    // platform (a Wayland compositor does not say when it minimized one).
    if (code == 1 && tray_ && !unloaded_) {
        inTray_ = true;
        QMainWindow::setVisible(false);
        return;
    }
    Qt::WindowStates state =
        windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (code == 1) state |= Qt::WindowMinimized;
    if (code == 2) state |= Qt::WindowMaximized;
    setWindowState(state);
    if (code != 1 && inTray_) restoreFromTray();
}

void MainFrame::applyStoredState() {
    int code = ReadWholeSetting(services_.settings, kSettings, QStringLiteral("MainState"), 2);
    if (code < 0 || code > 2) code = 2;  // not a state the frame writes: the default
    setFrameStateCode(code);
    if (code == 0) applyStoredNormalGeometry();
}

void MainFrame::applyStoredNormalGeometry() {
    // Read before the state changes: leaving the maximized state stores the
    // geometry the frame has at that moment.
    const SettingsStore& store = services_.settings;
    const float left = ReadSingleSetting(store, kSettings, QStringLiteral("MainLeft"), 1000);
    const float top = ReadSingleSetting(store, kSettings, QStringLiteral("MainTop"), 1000);
    const float width = ReadSingleSetting(store, kSettings, QStringLiteral("MainWidth"), 7680);
    const float height = ReadSingleSetting(store, kSettings, QStringLiteral("MainHeight"), 5475);
    setFrameStateCode(0);
    // Left and top place the window's outer frame; width and height are the
    // window's own size (both as Qt's move() and resize() take them, so what
    // is stored comes back unchanged). A place off the screen, or a size
    // larger than it, is brought back so the title bar can be reached; what
    // was applied is what gets stored.
    const PixelBox stored{ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)};
    QScreen* screen = QGuiApplication::screenAt(QPoint(stored.left, stored.top));
    if (!screen) screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    // The frame cannot be smaller than its menus, toolbar and status bar need.
    const QSize least = minimumSizeHint().expandedTo(minimumSize());
    PixelBox placed{stored.left, stored.top, std::max(stored.width, least.width()),
                    std::max(stored.height, least.height())};
    if (screen) placed = ReachableBox(placed, ToBox(screen->availableGeometry()), kTitleGrip, true);
    placed.width = std::max(placed.width, 1);
    placed.height = std::max(placed.height, 1);
    if (CurrentDesktopAbilities().placesWindows) move(placed.left, placed.top);
    resize(placed.width, placed.height);
    if (!(placed == stored)) storeGeometry();
}

void MainFrame::storeGeometry() {
    SettingsStore& store = services_.settings;
    // A place the desktop chose is not the user's: the stored one stays.
    if (CurrentDesktopAbilities().placesWindows) {
        store.WriteSetting(kSettings, QStringLiteral("MainLeft"), ToTwipsText(pos().x()));
        store.WriteSetting(kSettings, QStringLiteral("MainTop"), ToTwipsText(pos().y()));
    }
    store.WriteSetting(kSettings, QStringLiteral("MainWidth"), ToTwipsText(width()));
    store.WriteSetting(kSettings, QStringLiteral("MainHeight"), ToTwipsText(height()));
}

void MainFrame::storeGeometryIfNormal() {
    if (loading_ || unloaded_ || frameStateCode() != 0) return;
    storeGeometry();
}

void MainFrame::setUserName(const QString& name) { userPanel_->setText(name); }

QString MainFrame::userName() const { return userPanel_->text(); }

void MainFrame::storeStateNow() {
    if (unloaded_) return;
    for (const ChildSlot* s : children_)
        if (s->window) storeChildPosition(*s);
    const int state = frameStateCode();
    services_.settings.WriteSetting(kSettings, QStringLiteral("MainState"), QString::number(state));
    if (state == 0) storeGeometry();
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
    if (tray_ && isMinimized() && !unloaded_) {
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && isVisible() && !unloaded_) {
                inTray_ = true;
                hide();
            }
        });
    }
}

void MainFrame::restoreFromTray() {
    inTray_ = false;
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainFrame::bringForward() {
    if (!unloaded_) restoreFromTray();
}

void MainFrame::setVisible(bool visible) {
    if (visible && inTray_) return;
    QMainWindow::setVisible(visible);
}

void MainFrame::setTopmost(bool topmost) {
    if (!CurrentDesktopAbilities().keepsOnTop) return;
    if (topmost == bool(windowFlags() & Qt::WindowStaysOnTopHint)) return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);  // hides the window
    if (shown) show();
}

// ---- Toolbar and status bar options ---------------------------------------

void MainFrame::setToolbarStyle(int hotBar) {
    hotBar_ = hotBar != 0 ? 1 : 0;
    for (QAction* action : toolBar_->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action)))
            button->setAutoRaise(hotBar_ == 1);
    }
}

void MainFrame::setToolbarAppearance(int appearance) {
    appearance_ = appearance != 0 ? 1 : 0;
    static_cast<BevelToolBar*>(toolBar_)->setRaised(appearance_ == 1);
}

void MainFrame::setToolbarCustomizable(bool allowed) {
    toolBar_->setMovable(allowed);
    toolBar_->setFloatable(allowed);
}

bool MainFrame::toolbarCustomizable() const { return toolBar_->isMovable(); }

QStringList MainFrame::standardToolbarKeys() {
    QStringList keys;
    for (const auto& row : kToolbar) keys << QLatin1String(row.key);
    return keys;
}

QStringList MainFrame::toolbarKeys() const {
    QStringList keys;
    for (QAction* action : toolBar_->actions()) keys << action->data().toString();
    return keys;
}

void MainFrame::showToolbarKeys(const QStringList& keys) {
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

void MainFrame::setToolbarKeys(const QStringList& keys) {
    showToolbarKeys(keys);
    services_.settings.WriteSetting(kSettings, kToolBarButtons, toolbarKeys().join(QLatin1Char(',')));
}

QDialog* MainFrame::customizeToolbar() {
    QHash<QString, QString> captions;
    QHash<QString, QIcon> icons;
    for (QAction* button : std::as_const(toolButtons_)) {
        captions.insert(button->data().toString(), button->toolTip());
        icons.insert(button->data().toString(), button->icon());
    }
    auto* dialog = new ToolbarDialog(standardToolbarKeys(), toolbarKeys(), captions, icons, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { setToolbarKeys(dialog->chosenKeys()); });
    dialog->open();
    return dialog;
}

void MainFrame::setSimpleText(const QString& text) {
    simpleText_ = text;
    showTextPanel(text);
}

void MainFrame::showTextPanel(const QString& text) {
    textPanel_->setText(text);
    textPanel_->setToolTip(text);
}

void MainFrame::updateClock() {
    // Fixed formats, so the panels do not depend on the user's locale.
    const QDateTime now = QDateTime::currentDateTime();
    timePanel_->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
    datePanel_->setText(now.date().toString(QStringLiteral("yyyy-MM-dd")));
    clock_->start(1000 - now.time().msec() + 2);
}

// ---- Menus ---------------------------------------------------------------

QAction* MainFrame::menuItem(const QString& objectName) const { return items_.value(objectName); }

void MainFrame::setMainMenusVisible(bool visible) {
    for (QMenu* menu : mainMenus_) menu->menuAction()->setVisible(visible);
}

void MainFrame::setMainMenusEnabled(bool enabled) {
    for (QMenu* menu : mainMenus_) menu->menuAction()->setEnabled(enabled);
}

void MainFrame::showBarsAsMarked() {
    toolBar_->setVisible(items_.value(QStringLiteral("mnuOptionViewToolBar1"))->isChecked());
    statusBar()->setVisible(items_.value(QStringLiteral("mnuOptionViewStatusBar"))->isChecked());
}

void MainFrame::invertMarks(const QString& menuItem, const QString& rightItem) {
    for (const QString& name : {menuItem, rightItem}) {
        QAction* item = items_.value(name);
        item->setChecked(!item->isChecked());
    }
}

// The toolbar's and right-click menus of QMainWindow itself would show and
// hide the bars without their marks; the frame has none.
QMenu* MainFrame::createPopupMenu() { return nullptr; }

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toolBar_ && event->type() == QEvent::MouseButtonDblClick && toolbarCustomizable() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        customizeToolbar();
        return true;
    }
    if (watched == mdi_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // Only over the client area itself, not over a child window whose
        // controls let the release pass on to their parents.
        if (mouse->button() == Qt::RightButton &&
            !mdi_->viewport()->childAt(mouse->position().toPoint())) {
            const QPoint at = mouse->globalPosition().toPoint();
            emit rightMenuRequested(at);
            rightMenu_->popup(at);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Commands ------------------------------------------------------------

void MainFrame::runCommand(Command command) {
    if (const CommandRow* row = FindCommand(command); row && row->child) {
        toggleChild(QLatin1String(row->child));
        return;
    }
    switch (command) {
    case Command::Simple: runSimpleCalculator(); break;
    case Command::SystemCalculator: runSystemCalculator(); break;
    case Command::Quit: quit(); break;
    case Command::ViewToolBar: toggleToolBar(); break;
    case Command::ViewStatusBar: toggleStatusBar(); break;
    case Command::Help: openHelpDocument(); break;
    default: break;
    }
}

void MainFrame::runToolbarKey(const QString& key) {
    for (const auto& row : kToolbar) {
        if (key == QLatin1String(row.key)) {
            runCommand(row.command);
            return;
        }
    }
}

void MainFrame::toggleToolBar() {
    toolBar_->setVisible(toolBar_->isHidden());
    invertMarks(QStringLiteral("mnuOptionViewToolBar1"), QStringLiteral("mnuRightViewToolBar1"));
    services_.settings.WriteSetting(
        kChecks, QStringLiteral("ViewToolBar1"),
        TruthText(items_.value(QStringLiteral("mnuOptionViewToolBar1"))->isChecked()));
}

void MainFrame::toggleStatusBar() {
    statusBar()->setVisible(statusBar()->isHidden());
    invertMarks(QStringLiteral("mnuOptionViewStatusBar"), QStringLiteral("mnuRightViewStatusBar"));
    services_.settings.WriteSetting(
        kChecks, QStringLiteral("ViewStatusBar"),
        TruthText(items_.value(QStringLiteral("mnuOptionViewStatusBar"))->isChecked()));
}

void MainFrame::runSimpleCalculator() { RunSimpleCalculator(this, services_); }

void MainFrame::runSystemCalculator() {
    Launcher& launcher = services_.launcher;
    const QString program = SystemCalculatorPath(launcher);
    if (program.isEmpty() || !launcher.StartDetached(program, {})) {
        services_.dialogs.Message(this, U("启动失败"), QStringLiteral("Numora"), MsgIcon::None,
                                  MsgButtons::Ok);
    }
}

void MainFrame::openHelpDocument() {
    QString folder = QDir::toNativeSeparators(services_.launcher.ProgramFolder());
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    const QString path = folder + QStringLiteral("numora180.doc");
    const OpenResult result =
        QFileInfo::exists(path) ? services_.launcher.OpenDocument(path) : OpenResult::NotFound;
    // A missing document is reported; a document that nothing on this
    // desktop opens is shown in the frame's own help window.
    if (result == OpenResult::Failed) showHelpText(path);
    if (result == OpenResult::NotFound) {
        services_.dialogs.Message(this,
                                  U("载入文件失败") + QLatin1Char('\n') +
                                      U("请检查帮助文件numora180.doc是否正确地安装至") + folder +
                                      U("目录下"),
                                  QStringLiteral("Numora"), MsgIcon::Stop, MsgButtons::Ok);
    }
}

QWidget* MainFrame::helpViewer() const { return helpViewer_; }

void MainFrame::showHelpText(const QString& path) {
    const QString title = U("Numora 帮助信息");
    auto* viewer = qobject_cast<QTextBrowser*>(helpViewer_.data());
    if (!viewer) {
        viewer = new QTextBrowser(this);
        viewer->setWindowFlag(Qt::Window);
        viewer->setObjectName(QStringLiteral("HelpViewer"));
        viewer->setWindowTitle(title);
        viewer->setOpenLinks(false);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        CloseTopLevelOnKeys(viewer);
        // Within the screen the frame is on: at most 90 % of its free area,
        // centred on it. Nothing of it is stored.
        QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const PixelSize size = FitWithin({640, 560}, {free.width(), free.height()}, 0.9);
        viewer->resize(size.width, size.height);
        viewer->move(free.center() - QPoint(size.width / 2, size.height / 2));
        helpViewer_ = viewer;
    }
    // Read and converted off the window's thread, put in a slice at a time.
    HelpLoader::Load(viewer, path);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void MainFrame::quit() { close(); }

// ---- Child windows -------------------------------------------------------

MainFrame::ChildSlot* MainFrame::slot(const QString& name) {
    for (ChildSlot* s : children_)
        if (s->name == name) return s;
    return nullptr;
}

const MainFrame::ChildSlot* MainFrame::slot(const QString& name) const {
    for (const ChildSlot* s : children_)
        if (s->name == name) return s;
    return nullptr;
}

bool MainFrame::registerChild(const QString& name, ChildFactory factory) {
    ChildSlot* s = slot(name);
    if (!s || !factory) return false;
    s->factory = std::move(factory);
    return true;
}

bool MainFrame::isChildRegistered(const QString& name) const {
    const ChildSlot* s = slot(name);
    return s && s->factory;
}

QWidget* MainFrame::child(const QString& name) const {
    const ChildSlot* s = slot(name);
    return s && s->window ? static_cast<ChildWindow*>(s->window.data())->content() : nullptr;
}

QMdiSubWindow* MainFrame::childWindow(const QString& name) const {
    const ChildSlot* s = slot(name);
    return s ? s->window.data() : nullptr;
}

QWidget* MainFrame::loadChild(const QString& name) {
    ChildSlot* s = slot(name);
    if (!s || !s->factory) return nullptr;
    if (s->window) return static_cast<ChildWindow*>(s->window.data())->content();

    QWidget* widget = s->factory(services_, *this);
    if (!widget) return nullptr;
    if (widget->objectName().isEmpty()) widget->setObjectName(name);
    auto* window = new ChildWindow([this, name] { childClosing(name); });
    window->setObjectName(name + QStringLiteral("Window"));
    EnterPressesButtons(widget);
    window->setWidget(new ChildScroller(widget));
    window->setContent(widget);
    mdi_->addSubWindow(window);
    window->hide();  // children are shown only by their toggle command
    window->adjustSize();
    const SettingsStore& store = services_.settings;
    // Without a stored place the window opens at the first free cascade place.
    s->storedPlace = !store.ReadSetting(kSettings, s->prefix + QStringLiteral("Left"), QString()).isEmpty() ||
                     !store.ReadSetting(kSettings, s->prefix + QStringLiteral("Top"), QString()).isEmpty();
    // A stored place outside the client area is brought back so that the
    // child's title bar can be reached, and the place applied is stored.
    const QPoint stored(ToPixels(ReadSingleSetting(store, kSettings, s->prefix + QStringLiteral("Left"), 0)),
                        ToPixels(ReadSingleSetting(store, kSettings, s->prefix + QStringLiteral("Top"), 0)));
    const PixelBox placed =
        ReachableBox({stored.x(), stored.y(), window->width(), window->height()}, ToBox(placementArea()),
                     kTitleGrip, false);
    window->move(placed.left, placed.top);
    s->window = window;
    s->fitted = false;
    if (s->storedPlace && window->pos() != stored) storeChildPosition(*s);
    return widget;
}

// Where a child may be placed: the client area once the frame is on screen;
// before that, a client area as large as the frame's screen.
QRect MainFrame::placementArea() const {
    if (isVisible() && mdi_->viewport()->width() > kTitleGrip && mdi_->viewport()->height() > kTitleGrip)
        return mdi_->viewport()->rect();
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? QRect(QPoint(0, 0), screen->availableGeometry().size()) : QRect(0, 0, 1024, 768);
}

void MainFrame::storeChildPosition(const ChildSlot& s) {
    SettingsStore& store = services_.settings;
    store.WriteSetting(kSettings, s.prefix + QStringLiteral("Left"), ToTwipsText(s.window->x()));
    store.WriteSetting(kSettings, s.prefix + QStringLiteral("Top"), ToTwipsText(s.window->y()));
}

void MainFrame::toggleChild(const QString& name) {
    ChildSlot* s = slot(name);
    if (!s || !loadChild(name)) return;
    QMdiSubWindow* window = s->window;
    // An open window the user is not looking at (covered, or behind the
    // active one) comes to the front; only the window in front is hidden.
    // It stays open, so its marks stay.
    if (window->isVisible() && mdi_->currentSubWindow() != window) {
        if (window->isMinimized()) window->showNormal();
        mdi_->setActiveSubWindow(window);
        TellFocusWhenActive(window);  // for a screen reader, after the menu has closed
        return;
    }
    const bool show = window->isHidden();
    window->setVisible(show);
    if (show) {
        if (!s->fitted && isVisible()) {
            windows_->place(window, s->storedPlace);
            s->fitted = true;
        }
        mdi_->setActiveSubWindow(window);
        // The user can type at once: the focus is on the first input, where
        // a screen reader follows it.
        FocusFirstInput(static_cast<ChildWindow*>(window)->content());
        TellFocusWhenActive(window);
    }
    invertMarks(s->menuItem, s->rightItem);
}

bool MainFrame::unloadChild(const QString& name) {
    ChildSlot* s = slot(name);
    if (!s || !s->window) return false;
    return s->window->close();
}

void MainFrame::clearChildMarks(const QString& name) {
    if (ChildSlot* s = slot(name)) {
        items_.value(s->menuItem)->setChecked(false);
        items_.value(s->rightItem)->setChecked(false);
    }
}

// A child unloads: its position goes to the store, its marks are cleared and
// its slot is free for a fresh window at the next toggle.
void MainFrame::childClosing(const QString& name) {
    ChildSlot* s = slot(name);
    if (!s || !s->window) return;
    storeChildPosition(*s);
    clearChildMarks(name);
    s->window = nullptr;
}

void MainFrame::unloadChildren() {
    for (ChildSlot* s : children_) {
        if (!s->window) continue;
        QMdiSubWindow* window = s->window;
        if (!window->close()) {
            // The frame is going away: a child that refuses still unloads.
            childClosing(s->name);
            window->deleteLater();
        }
    }
}

// ---- Unload ----------------------------------------------------------------

void MainFrame::setExitWindowHook(std::function<void()> showExitWindow) {
    exitWindowHook_ = std::move(showExitWindow);
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloadChildren();
        unloadSteps();
    }
    event->accept();
}

void MainFrame::unloadSteps() {
    unloaded_ = true;
    heartbeatTimer_->stop();
    clock_->stop();

    if (exitWindowHook_) exitWindowHook_();  // the exit window (frmBye)
    services_.music.SetFileName(QString());  // stops the background music
    const int state = frameStateCode();
    services_.settings.WriteSetting(kSettings, QStringLiteral("MainState"), QString::number(state));
    setMainMenusVisible(false);
    toolBar_->hide();
    if (state == 0) storeGeometry();
    if (tray_) tray_->hide();
    emit unloaded();
}

}  // namespace numora
