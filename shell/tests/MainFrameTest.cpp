// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// MainFrame: load from the store, menus and toolbar, child-window toggles,
// view toggles, the simple and system calculators, the help document, the
// right-click menu, unload, and the store writes of a running frame.
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "Fakes.h"
#include "MainFrame.h"
#include "SystemCalculator.h"
#include "ShellTest.h"
#include "Version.h"

using namespace numora;
using numora::testing::FakeServices;
using numora::testing::RegisterChild;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A store that also records which keys were read.
class RecordingStore final : public SettingsStore {
public:
    QString ReadSetting(const QString& section, const QString& key,
                        const QString& defaultValue) const override {
        reads << section + QLatin1Char('/') + key;
        return inner.ReadSetting(section, key, defaultValue);
    }
    void WriteSetting(const QString& section, const QString& key, const QString& value) override {
        inner.WriteSetting(section, key, value);
    }
    void EraseAllSettings() override { inner.EraseAllSettings(); }

    MemorySettingsStore inner;
    mutable QStringList reads;
};

// A child window standing in for the real ones: one text field.
QWidget* MakeDummyChild(Services&, MainFrame&) {
    auto* widget = new QWidget;
    widget->setWindowTitle(U("测试窗口"));
    auto* field = new QLineEdit(widget);
    field->setObjectName(QStringLiteral("DummyText"));
    widget->resize(220, 90);
    return widget;
}

// A child that refuses to close (as a window in the middle of a command may).
class StubbornChild final : public QWidget {
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

QString FieldText(QWidget* child) {
    return child->findChild<QLineEdit*>(QStringLiteral("DummyText"))->text();
}

void FinishDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString Key(const char* section, const char* key) {
    return QLatin1String(section) + QLatin1Char('/') + QLatin1String(key);
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunOpensMaximizedWithStandardToolbar();
    void storedStateAndGeometry_data();
    void storedStateAndGeometry();
    void storedViewAndToolbarOptions_data();
    void storedViewAndToolbarOptions();
    void menusHaveTheirNamesCaptionsAndMarks_data();
    void menusHaveTheirNamesCaptionsAndMarks();
    void toolbarButtonsInOrder();
    void statusBarPanels();
    void clockIgnoresLocale();
    void simpleTextShowsInFirstPanel();
    void childToggleLifecycle_data();
    void childToggleLifecycle();
    void unregisteredCommandsLeaveMarks();
    void childClosingItselfUnloads();
    void refusingChildStaysUntilQuit();
    void loadChildCreatesHidden();
    void viewToggles_data();
    void viewToggles();
    void simpleCalculator();
    void helpDocument_data();
    void helpDocument();
    void helpFromEveryEntry();
    void systemCalculator_data();
    void systemCalculator();
    void systemCalculatorInstalledLater();
    void coveredWindowComesForward();
    void rightButtonReleasePopsUpMenu();
    void unload_data();
    void unload();
    void idleFrameWritesNothing();
    void eraseIsRefilledByHeartbeat();
};

void MainFrameTest::firstRunOpensMaximizedWithStandardToolbar() {
    FakeServices fake;
    MainFrame frame(fake.services);
    QCOMPARE(frame.windowTitle(), QStringLiteral("Numora ") + QLatin1String(kCaptionVersion));
    QCOMPARE(frame.frameStateCode(), 2);
    frame.show();
    QVERIFY(frame.isMaximized());
    QVERIFY(frame.toolBar()->isVisible());
    QVERIFY(frame.statusBar()->isVisible());
    for (const char* item : {"mnuOptionViewToolBar1", "mnuRightViewToolBar1",
                             "mnuOptionViewStatusBar", "mnuRightViewStatusBar"})
        QVERIFY2(frame.menuItem(QLatin1String(item))->isChecked(), item);
    QCOMPARE(frame.toolbarStyle(), 0);
    QCOMPARE(frame.toolbarAppearance(), 1);
    QVERIFY(!frame.toolbarCustomizable());
    QVERIFY(!frame.toolBar()->isMovable());
    for (QAction* action : frame.toolBar()->actions()) {
        auto* button = qobject_cast<QToolButton*>(frame.toolBar()->widgetForAction(action));
        QVERIFY(button && !button->autoRaise());
    }
    // Loading writes only the running flag.
    QCOMPARE(fake.settings.values().keys(), QStringList{Key("Settings", "LoadAlready")});
    QCOMPARE(fake.settings.ReadSetting("Settings", "LoadAlready", ""), QStringLiteral("True"));
}

void MainFrameTest::storedStateAndGeometry_data() {
    QTest::addColumn<QStringList>("stored");  // MainState, Left, Top, Width, Height ("" = absent)
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("geometryRead");
    QTest::addColumn<QRect>("geometry");  // expected when normal

    QTest::newRow("normal at stored twips")
        << QStringList{"0", "1500", "3000", "9000", "6000"} << 0 << true << QRect(100, 200, 600, 400);
    QTest::newRow("normal with default geometry")
        << QStringList{"0", "", "", "", ""} << 0 << true << QRect(67, 67, 512, 365);
    QTest::newRow("fractional twips round to pixels")
        << QStringList{"0", "22.5", "7.4", "7687.5", "5482"} << 0 << true << QRect(2, 0, 513, 365);
    QTest::newRow("minimized reads no geometry")
        << QStringList{"1", "1500", "3000", "9000", "6000"} << 1 << false << QRect();
    QTest::newRow("maximized reads no geometry")
        << QStringList{"2", "1500", "3000", "9000", "6000"} << 2 << false << QRect();
    QTest::newRow("unknown state is the default")
        << QStringList{"7", "1500", "3000", "9000", "6000"} << 2 << false << QRect();
    QTest::newRow("unreadable state is the default")
        << QStringList{"x", "1500", "3000", "9000", "6000"} << 2 << false << QRect();
}

void MainFrameTest::storedStateAndGeometry() {
    QFETCH(QStringList, stored);
    QFETCH(int, state);
    QFETCH(bool, geometryRead);
    QFETCH(QRect, geometry);

    RecordingStore store;
    const char* keys[] = {"MainState", "MainLeft", "MainTop", "MainWidth", "MainHeight"};
    for (int i = 0; i < 5; ++i)
        if (!stored[i].isEmpty()) store.inner.WriteSetting("Settings", keys[i], stored[i]);
    FakeServices fake;
    Services services{store, fake.dialogs, fake.launcher, fake.music, fake.clipboard};
    MainFrame frame(services);

    QCOMPARE(frame.frameStateCode(), state);
    QCOMPARE(store.reads.contains(Key("Settings", "MainLeft")), geometryRead);
    QCOMPARE(store.reads.contains(Key("Settings", "MainHeight")), geometryRead);
    if (state == 0) {
        QCOMPARE(frame.pos(), geometry.topLeft());
        QCOMPARE(frame.size(), geometry.size());
    }
}

void MainFrameTest::storedViewAndToolbarOptions_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("toolBarShown");
    QTest::addColumn<bool>("statusBarShown");
    QTest::addColumn<bool>("customizable");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("appearance");

    QTest::newRow("toolbar hidden") << "ViewToolBar1" << "False" << false << true << false << 0 << 1;
    QTest::newRow("toolbar hidden by zero") << "ViewToolBar1" << "0" << false << true << false << 0 << 1;
    QTest::newRow("status bar hidden") << "ViewStatusBar" << "false" << true << false << false << 0 << 1;
    QTest::newRow("customisable") << "BarCus" << "1" << true << true << true << 0 << 1;
    QTest::newRow("customisable as word") << "BarCus" << "True" << true << true << true << 0 << 1;
    QTest::newRow("flat hot-tracking buttons") << "HotBar" << "1" << true << true << false << 1 << 1;
    QTest::newRow("flat appearance") << "Appearance" << "0" << true << true << false << 0 << 0;
}

void MainFrameTest::storedViewAndToolbarOptions() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, toolBarShown);
    QFETCH(bool, statusBarShown);
    QFETCH(bool, customizable);
    QFETCH(int, style);
    QFETCH(int, appearance);

    FakeServices fake;
    fake.settings.WriteSetting("Checks", key, value);
    MainFrame frame(fake.services);
    frame.show();
    QCOMPARE(frame.toolBar()->isVisible(), toolBarShown);
    QCOMPARE(frame.menuItem("mnuOptionViewToolBar1")->isChecked(), toolBarShown);
    QCOMPARE(frame.menuItem("mnuRightViewToolBar1")->isChecked(), toolBarShown);
    QCOMPARE(frame.statusBar()->isVisible(), statusBarShown);
    QCOMPARE(frame.menuItem("mnuOptionViewStatusBar")->isChecked(), statusBarShown);
    QCOMPARE(frame.menuItem("mnuRightViewStatusBar")->isChecked(), statusBarShown);
    QCOMPARE(frame.toolBar()->isMovable(), customizable);
    QCOMPARE(frame.toolBar()->isFloatable(), customizable);
    QCOMPARE(frame.toolbarStyle(), style);
    QCOMPARE(frame.toolbarAppearance(), appearance);
    auto* first = qobject_cast<QToolButton*>(
        frame.toolBar()->widgetForAction(frame.toolBar()->actions().first()));
    QCOMPARE(first->autoRaise(), style == 1);
}

// Each row: a menu and its entries in order, "name|caption|marked"; a
// separator is "name|-"; a submenu's entries follow it in its own row.
void MainFrameTest::menusHaveTheirNamesCaptionsAndMarks_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("mnuProgram") << "mnuProgram" << U("程序(&P)")
        << QStringList{U("mnuProgramRunStandard|基本计算(&T)...|1"),
                       U("mnuProgramRunSpecial|专科计算(&U)...|0"),
                       U("mnuProgramRunScientific|科学性计算(&S)...|1"), "mnuBar0|-",
                       U("mnuProgramRunSimple|简易计算器(&I)...|0"),
                       U("mnuProgramRunWinCal|系统计算器(&W)|0"), "mnuBar1|-",
                       U("mnuProgramQuit|退出(&Q)|0")};
    QTest::newRow("mnuProgramRunSpecial") << "mnuProgramRunSpecial" << U("专科计算(&U)...")
        << QStringList{U("mnuProgramRunSpecialMaths|数学专科计算(&A)...|1"),
                       U("mnuProgramRunSpecialChem|化学专科计算(&C)...|1")};
    QTest::newRow("mnuOption") << "mnuOption" << U("设置(&O)")
        << QStringList{U("mnuOptionView|查看(&V)|0"), "mnuBar2|-", U("mnuOptionOption|选项(&O)...|1")};
    QTest::newRow("mnuOptionView") << "mnuOptionView" << U("查看(&V)")
        << QStringList{U("mnuOptionViewToolBar1|工具栏|1"), U("mnuOptionViewStatusBar|状态栏|1")};
    QTest::newRow("mnuHelp") << "mnuHelp" << U("帮助(&H)")
        << QStringList{U("mnuHelpHelp|帮助信息(&H)...|0"), U("mnuHelpData|常用资料(&D)...|1"),
                       "mnuBar3|-", U("mnuHelpAbout|关于(&A)...|1")};
    QTest::newRow("mnuRight") << "mnuRight" << "Right"
        << QStringList{U("mnuRightRunStandard|基本计算...|1"), U("mnuRightRunSpecial|专科计算...|0"),
                       U("mnuRightRunScientific|科学性计算...|1"), "mnuBar4|-",
                       U("mnuRightRunSimple|简易计算器...|0"), U("mnuRightRunWinCal|系统计算器|0"),
                       "mnuBar5|-", U("mnuRightView|查看|0"), U("mnuRightOption|选项...|1"),
                       "mnuBar6|-", U("mnuRightHelp|帮助...|0"), U("mnuRightData|常用资料...|1"),
                       U("mnuRightAbout|关于...|1"), "mnuBarWindow|-", U("mnuWindow|窗口(&W)|0"), "mnuBar7|-",
                       U("mnuRightQuit|退出|0")};
    QTest::newRow("mnuWindow") << "mnuWindow" << U("窗口(&W)")
        << QStringList{U("mnuWindowClose|关闭(&O)\tCtrl+W|0"), "mnuWindowBar1|-", U("mnuWindowCascade|层叠(&C)|0"),
                       U("mnuWindowTile|平铺(&T)|0"), U("mnuWindowMinimizeAll|全部最小化(&M)|0"),
                       U("mnuWindowRestoreAll|全部还原(&R)|0"), "mnuWindowBar2|-"};
    QTest::newRow("mnuRightRunSpecial") << "mnuRightRunSpecial" << U("专科计算...")
        << QStringList{U("mnuRightRunSpecialMaths|数学专科计算...|1"),
                       U("mnuRightRunSpecialChem|化学专科计算...|1")};
    QTest::newRow("mnuRightView") << "mnuRightView" << U("查看")
        << QStringList{U("mnuRightViewToolBar1|工具栏|1"), U("mnuRightViewStatusBar|状态栏|1")};
}

void MainFrameTest::menusHaveTheirNamesCaptionsAndMarks() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, entries);

    FakeServices fake;
    MainFrame frame(fake.services);
    auto* qmenu = frame.findChild<QMenu*>(menu);
    QVERIFY(qmenu);
    QCOMPARE(qmenu->title(), caption);
    QCOMPARE(frame.menuItem(menu), qmenu->menuAction());

    const QList<QAction*> actions = qmenu->actions();
    QCOMPARE(actions.size(), entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QStringList parts = entries[i].split(QLatin1Char('|'));
        QCOMPARE(actions[i]->objectName(), parts[0]);
        QCOMPARE(frame.menuItem(parts[0]), actions[i]);
        if (parts[1] == QLatin1String("-")) {
            QVERIFY(actions[i]->isSeparator());
            continue;
        }
        QCOMPARE(actions[i]->text(), parts[1]);
        QCOMPARE(actions[i]->isCheckable(), parts[2] == QLatin1String("1"));
    }

    // The menu bar holds the three menus and the window menu, never the
    // right-click menu.
    QStringList bar;
    for (QAction* a : frame.menuBar()->actions()) bar << a->objectName();
    QCOMPARE(bar, (QStringList{"mnuProgram", "mnuOption", "mnuWindow", "mnuHelp"}));
    QCOMPARE(frame.rightMenu()->objectName(), QStringLiteral("mnuRight"));
}

void MainFrameTest::toolbarButtonsInOrder() {
    FakeServices fake;
    MainFrame frame(fake.services);
    QCOMPARE(frame.toolBar()->objectName(), QStringLiteral("Toolbar1"));
    const QList<QPair<QString, QString>> expected = {
        {"Standard", U("显示/隐藏 基本计算")}, {"Maths", U("显示/隐藏 数学专科计算")},
        {"Chem", U("显示/隐藏 化学专科计算")}, {"Scientific", U("显示/隐藏 科学性计算")},
        {"Option", U("设置")},                 {"Help", U("帮助")},
        {"About", U("关于 Numora")},
    };
    const QList<QAction*> buttons = frame.toolBar()->actions();
    QCOMPARE(buttons.size(), expected.size());
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->objectName(), expected[i].first);
        QCOMPARE(buttons[i]->data().toString(), expected[i].first);
        QCOMPARE(buttons[i]->toolTip(), expected[i].second);
        // Each icon draws something at toolbar size.
        const QImage image = buttons[i]->icon().pixmap(24, 24).toImage();
        QVERIFY(!image.isNull());
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(opaque > 100, qPrintable(expected[i].first));
    }
}

void MainFrameTest::statusBarPanels() {
    FakeServices fake;
    MainFrame frame(fake.services);
    QCOMPARE(frame.statusBar()->objectName(), QStringLiteral("StatusBar"));
    const struct {
        const char* key;
        QString text;  // empty: the clock's text
        QString tip;
    } panels[] = {
        {"Text", U("欢迎来到Numora -- Kestrane"), U("欢迎来到Numora -- Kestrane")},
        {"UserName", U("匿名"), U("当前用户")},
        {"Timer", {}, U("当前时间")},
        {"Date", {}, U("当前日期")},
    };
    int lastX = -1;
    frame.resize(800, 600);
    frame.show();
    for (const auto& panel : panels) {
        auto* label = frame.statusBar()->findChild<QLabel*>(QLatin1String(panel.key));
        QVERIFY2(label, panel.key);
        if (!panel.text.isEmpty()) QCOMPARE(label->text(), panel.text);
        QCOMPARE(label->toolTip(), panel.tip);
        QVERIFY2(label->x() > lastX, panel.key);  // in this order, left to right
        lastX = label->x();
    }
    // The text panel takes the spare width.
    auto* text = frame.statusBar()->findChild<QLabel*>("Text");
    QVERIFY(text->width() > frame.statusBar()->findChild<QLabel*>("Date")->width());
}

void MainFrameTest::clockIgnoresLocale() {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    FakeServices fake;
    MainFrame frame(fake.services);
    QLocale::setDefault(saved);
    const QString time = frame.statusBar()->findChild<QLabel*>("Timer")->text();
    const QString date = frame.statusBar()->findChild<QLabel*>("Date")->text();
    QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(time).hasMatch(), qPrintable(time));
    QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d$").match(date).hasMatch(), qPrintable(date));
    QVERIFY(time.toLatin1() == time.toUtf8());  // Western digits
    QCOMPARE(date, QDate::currentDate().toString(Qt::ISODate));
}

void MainFrameTest::simpleTextShowsInFirstPanel() {
    FakeServices fake;
    MainFrame frame(fake.services);
    QCOMPARE(frame.simpleText(), QStringLiteral("Numora -- Kestrane"));
    const QString music = U("Numora -- Kestrane (背景音乐:/home/u/歌.mp3)");
    frame.setSimpleText(music);
    auto* text = frame.statusBar()->findChild<QLabel*>("Text");
    QCOMPARE(text->text(), music);
    QCOMPARE(text->toolTip(), music);
    QCOMPARE(frame.simpleText(), music);
}

void MainFrameTest::childToggleLifecycle_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("rightItem");
    QTest::addColumn<QString>("toolKey");  // "" when the command has no button
    QTest::addColumn<QString>("prefix");

    QTest::newRow("Standard") << "Standard" << "mnuProgramRunStandard" << "mnuRightRunStandard"
                              << "Standard" << "Standard";
    QTest::newRow("Maths") << "Maths" << "mnuProgramRunSpecialMaths" << "mnuRightRunSpecialMaths"
                           << "Maths" << "Maths";
    QTest::newRow("Chem") << "Chem" << "mnuProgramRunSpecialChem" << "mnuRightRunSpecialChem"
                          << "Chem" << "Chem";
    QTest::newRow("Scientific") << "Scientific" << "mnuProgramRunScientific"
                                << "mnuRightRunScientific" << "Scientific" << "Scientific";
    QTest::newRow("frmOption") << "frmOption" << "mnuOptionOption" << "mnuRightOption" << "Option"
                               << "Option";
    QTest::newRow("frmData") << "frmData" << "mnuHelpData" << "mnuRightData" << "" << "Data";
    QTest::newRow("frmAbout") << "frmAbout" << "mnuHelpAbout" << "mnuRightAbout" << "About"
                              << "About";
}

void MainFrameTest::childToggleLifecycle() {
    QFETCH(QString, name);
    QFETCH(QString, menuItem);
    QFETCH(QString, rightItem);
    QFETCH(QString, toolKey);
    QFETCH(QString, prefix);

    FakeServices fake;
    fake.settings.WriteSetting("Settings", prefix + "Left", "1500");
    fake.settings.WriteSetting("Settings", prefix + "Top", "450");
    MainFrame frame(fake.services);
    QVERIFY(RegisterChild(frame, name, MakeDummyChild));
    QCOMPARE(frame.positionPrefix(name), prefix);
    frame.show();
    QAction* menu = frame.menuItem(menuItem);
    QAction* right = frame.menuItem(rightItem);
    auto marks = [&] { return QPair<bool, bool>(menu->isChecked(), right->isChecked()); };

    // First use: created, shown at the stored position, both marks set.
    menu->trigger();
    QPointer<QWidget> first = frame.child(name);
    QVERIFY(first);
    QMdiSubWindow* window = frame.childWindow(name);
    QVERIFY(window->isVisible());
    QCOMPARE(window->pos(), QPoint(100, 30));
    QCOMPARE(marks(), qMakePair(true, true));
    first->findChild<QLineEdit*>("DummyText")->setText("12345");

    // The twin hides it; contents stay.
    right->trigger();
    QVERIFY(window->isHidden());
    QCOMPARE(frame.child(name), first.data());
    QCOMPARE(marks(), qMakePair(false, false));

    // Shown again by the toolbar button (or the menu item), same window.
    if (toolKey.isEmpty()) menu->trigger();
    else frame.runToolbarKey(toolKey);
    QVERIFY(window->isVisible());
    QCOMPARE(FieldText(first), QStringLiteral("12345"));
    QCOMPARE(marks(), qMakePair(true, true));

    // Marks are inverted each from its own state, not copied from the window.
    right->setChecked(false);
    menu->trigger();
    QVERIFY(window->isHidden());
    QCOMPARE(marks(), qMakePair(false, true));
    menu->trigger();
    QCOMPARE(marks(), qMakePair(true, false));
    right->setChecked(true);

    // Its close box unloads it: position stored, marks cleared.
    window->move(30, 45);
    QVERIFY(window->close());
    QVERIFY(!frame.child(name));
    QCOMPARE(marks(), qMakePair(false, false));
    QCOMPARE(fake.settings.ReadSetting("Settings", prefix + "Left", ""), QStringLiteral("450"));
    QCOMPARE(fake.settings.ReadSetting("Settings", prefix + "Top", ""), QStringLiteral("675"));
    FinishDeletes();
    QVERIFY(!first);

    // The next toggle starts a fresh window at the stored position.
    menu->trigger();
    QVERIFY(frame.child(name));
    QCOMPARE(FieldText(frame.child(name)), QString());
    QCOMPARE(frame.childWindow(name)->pos(), QPoint(30, 45));
    QCOMPARE(marks(), qMakePair(true, true));
}

void MainFrameTest::unregisteredCommandsLeaveMarks() {
    FakeServices fake;
    MainFrame frame(fake.services);
    QVERIFY(!RegisterChild(frame, "Bogus", MakeDummyChild));
    QVERIFY(!RegisterChild(frame, "Standard", nullptr));
    QAction* right = frame.menuItem("mnuRightRunStandard");
    right->setChecked(true);
    frame.menuItem("mnuProgramRunStandard")->trigger();
    right->trigger();
    frame.runToolbarKey("Standard");
    frame.runToolbarKey("NoSuchKey");
    QVERIFY(!frame.child("Standard"));
    QVERIFY(!frame.menuItem("mnuProgramRunStandard")->isChecked());
    QVERIFY(right->isChecked());
    QVERIFY(frame.mdiArea()->subWindowList().isEmpty());
    QVERIFY(fake.dialogs.messages.isEmpty());
}

void MainFrameTest::childClosingItselfUnloads() {
    FakeServices fake;
    MainFrame frame(fake.services);
    RegisterChild(frame, "frmAbout", MakeDummyChild);
    frame.show();
    frame.toggleChild("frmAbout");
    QPointer<QWidget> about = frame.child("frmAbout");
    frame.childWindow("frmAbout")->move(15, 0);
    about->close();  // a "close" button inside the window
    QTRY_VERIFY(!frame.child("frmAbout"));
    QVERIFY(!frame.menuItem("mnuHelpAbout")->isChecked());
    QVERIFY(!frame.menuItem("mnuRightAbout")->isChecked());
    QCOMPARE(fake.settings.ReadSetting("Settings", "AboutLeft", ""), QStringLiteral("225"));
    QTRY_VERIFY(!about);
}

void MainFrameTest::refusingChildStaysUntilQuit() {
    FakeServices fake;
    MainFrame frame(fake.services);
    RegisterChild(frame, "Chem", [](Services&, MainFrame&) -> QWidget* { return new StubbornChild; });
    frame.show();
    frame.toggleChild("Chem");
    QPointer<QWidget> chem = frame.child("Chem");
    frame.childWindow("Chem")->move(60, 75);
    QVERIFY(!frame.unloadChild("Chem"));
    QVERIFY(!frame.childWindow("Chem")->close());
    QCOMPARE(frame.child("Chem"), chem.data());
    QVERIFY(frame.menuItem("mnuProgramRunSpecialChem")->isChecked());

    // Quitting unloads it all the same.
    QVERIFY(frame.close());
    QVERIFY(!frame.child("Chem"));
    QVERIFY(!frame.menuItem("mnuRightRunSpecialChem")->isChecked());
    QCOMPARE(fake.settings.ReadSetting("Settings", "ChemLeft", ""), QStringLiteral("900"));
    QCOMPARE(fake.settings.ReadSetting("Settings", "ChemTop", ""), QStringLiteral("1125"));
    FinishDeletes();
    QVERIFY(!chem);
}

void MainFrameTest::loadChildCreatesHidden() {
    FakeServices fake;
    MainFrame frame(fake.services);
    QVERIFY(!frame.loadChild("Maths"));  // not registered
    RegisterChild(frame, "Maths", MakeDummyChild);
    frame.show();
    QWidget* maths = frame.loadChild("Maths");
    QVERIFY(maths);
    QVERIFY(frame.childWindow("Maths")->isHidden());
    QCOMPARE(frame.childWindow("Maths")->pos(), QPoint(0, 0));  // default position
    QVERIFY(!frame.menuItem("mnuProgramRunSpecialMaths")->isChecked());
    QCOMPARE(frame.loadChild("Maths"), maths);  // at most one
    frame.toggleChild("Maths");
    QCOMPARE(frame.child("Maths"), maths);
    QVERIFY(frame.childWindow("Maths")->isVisible());
    QVERIFY(frame.menuItem("mnuRightRunSpecialMaths")->isChecked());
}

void MainFrameTest::viewToggles_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("rightItem");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("toolBar");
    QTest::newRow("toolbar") << "mnuOptionViewToolBar1" << "mnuRightViewToolBar1" << "ViewToolBar1"
                             << true;
    QTest::newRow("status bar") << "mnuOptionViewStatusBar" << "mnuRightViewStatusBar"
                                << "ViewStatusBar" << false;
}

void MainFrameTest::viewToggles() {
    QFETCH(QString, menuItem);
    QFETCH(QString, rightItem);
    QFETCH(QString, key);
    QFETCH(bool, toolBar);

    FakeServices fake;
    MainFrame frame(fake.services);
    frame.show();
    QWidget* bar = toolBar ? static_cast<QWidget*>(frame.toolBar()) : frame.statusBar();
    QAction* menu = frame.menuItem(menuItem);
    QAction* right = frame.menuItem(rightItem);

    menu->trigger();
    QVERIFY(!bar->isVisible());
    QVERIFY(!menu->isChecked() && !right->isChecked());
    QCOMPARE(fake.settings.ReadSetting("Checks", key, ""), QStringLiteral("False"));

    right->trigger();
    QVERIFY(bar->isVisible());
    QVERIFY(menu->isChecked() && right->isChecked());
    QCOMPARE(fake.settings.ReadSetting("Checks", key, ""), QStringLiteral("True"));

    // Each mark inverts itself; the store follows the menu-bar item.
    right->setChecked(false);
    right->trigger();
    QVERIFY(!bar->isVisible());
    QVERIFY(!menu->isChecked() && right->isChecked());
    QCOMPARE(fake.settings.ReadSetting("Checks", key, ""), QStringLiteral("False"));
}

// The simple calculator is the application's: both of its items run what
// the frame was handed, with the frame as the dialogs' parent; before that
// they do nothing.
void MainFrameTest::simpleCalculator() {
    FakeServices fake;
    MainFrame frame(fake.services);
    frame.menuItem(QStringLiteral("mnuProgramRunSimple"))->trigger();  // nothing handed yet
    QList<QWidget*> parents;
    frame.setSimpleCalculator([&](QWidget* parent, Services& services) {
        parents << parent;
        QCOMPARE(&services.settings, &fake.services.settings);
    });
    for (const char* item : {"mnuProgramRunSimple", "mnuRightRunSimple"}) frame.menuItem(QLatin1String(item))->trigger();
    QCOMPARE(parents, (QList<QWidget*>{&frame, &frame}));
    QVERIFY(!frame.menuItem(QStringLiteral("mnuProgramRunSimple"))->isCheckable());
}

void MainFrameTest::helpDocument_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("trailingSeparator");
    QTest::addColumn<int>("openResult");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("message");

    QTest::newRow("present and opened") << true << false << int(OpenResult::Opened) << true << false;
    QTest::newRow("missing") << false << false << int(OpenResult::Opened) << false << true;
    QTest::newRow("missing, folder ends with separator")
        << false << true << int(OpenResult::Opened) << false << true;
    QTest::newRow("desktop reports not found") << true << false << int(OpenResult::NotFound) << true
                                               << true;
    QTest::newRow("nothing opens it: shown in the help window") << true << false << int(OpenResult::Failed)
                                                                << true << false;
}

void MainFrameTest::helpDocument() {
    QFETCH(bool, present);
    QFETCH(bool, trailingSeparator);
    QFETCH(int, openResult);
    QFETCH(bool, opened);
    QFETCH(bool, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path() + (present ? "" : "/absent");
    if (present) {
        QFile doc(folder + "/numora180.doc");
        QVERIFY(doc.open(QIODevice::WriteOnly));
    }
    FakeServices fake;
    fake.launcher.folder = folder + (trailingSeparator ? "/" : "");
    fake.launcher.openResult = OpenResult(openResult);
    MainFrame frame(fake.services);
    frame.menuItem("mnuHelpHelp")->trigger();

    QCOMPARE(fake.launcher.opened,
             opened ? QStringList{folder + "/numora180.doc"} : QStringList{});
    // Only a document that is there but that nothing opens shows the help window.
    QCOMPARE(frame.helpViewer() != nullptr, OpenResult(openResult) == OpenResult::Failed && present);
    if (!message) {
        QVERIFY(fake.dialogs.messages.isEmpty());
        return;
    }
    QCOMPARE(fake.dialogs.messages.size(), 1);
    QCOMPARE(fake.dialogs.messages[0].text, U("载入文件失败\n请检查帮助文件numora180.doc是否正确地安装至") +
                                                folder + U("/目录下"));
    QCOMPARE(fake.dialogs.messages[0].title, QStringLiteral("Numora"));
    QCOMPARE(fake.dialogs.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(fake.dialogs.messages[0].buttons, MsgButtons::Ok);
}

void MainFrameTest::helpFromEveryEntry() {
    FakeServices fake;
    fake.launcher.folder = "/nonexistent/numora";
    MainFrame frame(fake.services);
    frame.menuItem("mnuHelpHelp")->trigger();
    frame.menuItem("mnuRightHelp")->trigger();
    frame.runToolbarKey("Help");
    QCOMPARE(fake.dialogs.messages.size(), 3);
    for (const auto& m : fake.dialogs.messages)
        QVERIFY(m.text.endsWith(U("/nonexistent/numora/目录下")));
}

void MainFrameTest::systemCalculator_data() {
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("started");  // "" = nothing started
    QTest::addColumn<bool>("failureMessage");

    QTest::newRow("first of the list wins") << QStringList{"xcalc", "kcalc", "speedcrunch"} << true
                                            << "/usr/bin/kcalc" << false;
    QTest::newRow("gnome first") << QStringList{"gnome-calculator", "kcalc"} << true
                                 << "/usr/bin/gnome-calculator" << false;
    QTest::newRow("last resort") << QStringList{"xcalc"} << true << "/usr/bin/xcalc" << false;
    // With none installed the items are disabled and say why.
    QTest::newRow("none on the path") << QStringList{} << true << "" << false;
    QTest::newRow("unknown programs ignored") << QStringList{"bc", "dc"} << true << "" << false;
    QTest::newRow("start fails") << QStringList{"galculator"} << false << "/usr/bin/galculator"
                                 << true;
}

void MainFrameTest::systemCalculator() {
#ifdef Q_OS_WIN
    QSKIP("the Windows calculator has a fixed path");
#endif
    QFETCH(QStringList, onPath);
    QFETCH(bool, starts);
    QFETCH(QString, started);
    QFETCH(bool, failureMessage);

    for (const char* item : {"mnuProgramRunWinCal", "mnuRightRunWinCal"}) {
        FakeServices fake;
        fake.launcher.onPath = onPath;
        fake.launcher.startSucceeds = starts;
        MainFrame frame(fake.services);
        QAction* action = frame.menuItem(QLatin1String(item));
        QCOMPARE(action->isEnabled(), !started.isEmpty());
        QCOMPARE(action->statusTip(), started.isEmpty() ? NoSystemCalculatorHint() : QString());
        action->trigger();
        QCOMPARE(fake.launcher.started, started.isEmpty() ? QStringList{} : QStringList{started});
        if (!started.isEmpty()) QCOMPARE(fake.launcher.startedArguments[0], QStringList{});
        QCOMPARE(fake.dialogs.messages.size(), failureMessage ? 1 : 0);
        if (failureMessage) {
            QCOMPARE(fake.dialogs.messages[0].text, U("启动失败"));
            QCOMPARE(fake.dialogs.messages[0].title, QStringLiteral("Numora"));
            QCOMPARE(fake.dialogs.messages[0].icon, MsgIcon::None);
            QCOMPARE(fake.dialogs.messages[0].buttons, MsgButtons::Ok);
        }
    }
}

// A calculator installed while the program runs is found when a menu opens.
void MainFrameTest::systemCalculatorInstalledLater() {
    FakeServices fake;
    MainFrame frame(fake.services);
    QAction* program = frame.menuItem(QStringLiteral("mnuProgramRunWinCal"));
    QAction* right = frame.menuItem(QStringLiteral("mnuRightRunWinCal"));
    QVERIFY(!program->isEnabled() && !right->isEnabled());
    QCOMPARE(program->statusTip(), NoSystemCalculatorHint());
    fake.launcher.onPath = QStringList{"kcalc"};
    emit frame.findChild<QMenu*>(QStringLiteral("mnuRight"))->aboutToShow();
    QVERIFY(program->isEnabled() && right->isEnabled());
    QVERIFY(program->statusTip().isEmpty());
    right->trigger();
    QCOMPARE(fake.launcher.started, QStringList{"/usr/bin/kcalc"});
}

// A toggle brings an open window the user cannot see to the front; only
// the window in front is hidden. The marks mean "open" throughout.
void MainFrameTest::coveredWindowComesForward() {
    FakeServices fake;
    MainFrame frame(fake.services);
    for (const char* name : {"Maths", "Standard", "Chem"}) QVERIFY(RegisterChild(frame, QLatin1String(name), MakeDummyChild));
    frame.setFrameStateCode(0);
    frame.resize(800, 600);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    auto* mdi = frame.findChild<QMdiArea*>();
    QAction* mathsItem = frame.menuItem(QStringLiteral("mnuProgramRunSpecialMaths"));
    QAction* mathsRight = frame.menuItem(QStringLiteral("mnuRightRunSpecialMaths"));
    auto marks = [&] { return QPair<bool, bool>(mathsItem->isChecked(), mathsRight->isChecked()); };

    frame.runToolbarKey(QStringLiteral("Maths"));
    QMdiSubWindow* maths = frame.childWindow(QStringLiteral("Maths"));
    frame.runToolbarKey(QStringLiteral("Standard"));  // now in front, covering Maths
    QCOMPARE(mdi->currentSubWindow(), frame.childWindow(QStringLiteral("Standard")));

    // By toolbar button, by menu item, by right-click item: each brings the
    // covered window forward first, and hides it when it is in front.
    const std::function<void()> toggles[] = {
        [&] { frame.runToolbarKey(QStringLiteral("Maths")); },
        [&] { mathsItem->trigger(); },
        [&] { mathsRight->trigger(); },
    };
    for (const auto& toggle : toggles) {
        mdi->setActiveSubWindow(frame.childWindow(QStringLiteral("Standard")));
        toggle();
        QVERIFY(maths->isVisible());
        QCOMPARE(mdi->currentSubWindow(), maths);
        QCOMPARE(marks(), qMakePair(true, true));
        toggle();
        QVERIFY(maths->isHidden());
        QCOMPARE(marks(), qMakePair(false, false));
        toggle();
        QVERIFY(maths->isVisible());
        QCOMPARE(mdi->currentSubWindow(), maths);
    }
    // A minimized window comes back to its size.
    frame.runToolbarKey(QStringLiteral("Chem"));
    maths->showMinimized();
    mdi->setActiveSubWindow(frame.childWindow(QStringLiteral("Chem")));
    frame.runToolbarKey(QStringLiteral("Maths"));
    QVERIFY(!maths->isMinimized());
    QCOMPARE(mdi->currentSubWindow(), maths);
    QCOMPARE(marks(), qMakePair(true, true));
}

void MainFrameTest::rightButtonReleasePopsUpMenu() {
    FakeServices fake;
    MainFrame frame(fake.services);
    RegisterChild(frame, "frmAbout", MakeDummyChild);
    frame.setFrameStateCode(0);
    frame.resize(700, 500);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QWidget* client = frame.mdiArea()->viewport();
    QSignalSpy spy(&frame, &MainFrame::rightMenuRequested);

    for (Qt::MouseButton other : {Qt::LeftButton, Qt::MiddleButton}) {
        QTest::mouseRelease(client, other, {}, QPoint(300, 200));
        QCOMPARE(spy.count(), 0);
        QVERIFY(!frame.rightMenu()->isVisible());
    }

    // Over a child window the release is not the client area's.
    frame.toggleChild("frmAbout");
    frame.childWindow("frmAbout")->move(0, 0);
    QTest::mouseRelease(client, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(spy.count(), 0);

    QTest::mouseRelease(client, Qt::RightButton, {}, QPoint(400, 300));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].toPoint(), client->mapToGlobal(QPoint(400, 300)));
    QTRY_VERIFY(frame.rightMenu()->isVisible());
    frame.rightMenu()->hide();
}

void MainFrameTest::unload_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("state");
    QTest::newRow("quit, normal") << "mnuProgramQuit" << 0;
    QTest::newRow("right quit, maximized") << "mnuRightQuit" << 2;
    QTest::newRow("close box, minimized") << "close" << 1;
    QTest::newRow("close box, normal") << "close" << 0;
}

void MainFrameTest::unload() {
    QFETCH(QString, how);
    QFETCH(int, state);

    FakeServices fake;
    fake.settings.WriteSetting("Settings", "MainState", QString::number(state));
    fake.music.SetFileName("/music/a.mp3");
    fake.music.Play();
    MainFrame frame(fake.services);
    RegisterChild(frame, "Standard", MakeDummyChild);
    RegisterChild(frame, "frmData", MakeDummyChild);
    QString musicWhenExitWindowShown;
    frame.setExitWindowHook([&] { musicWhenExitWindowShown = fake.music.FileName(); });
    QSignalSpy unloaded(&frame, &MainFrame::unloaded);
    frame.show();
    frame.toggleChild("Standard");
    frame.loadChild("frmData");  // loaded but hidden
    frame.childWindow("Standard")->move(20, 10);
    frame.childWindow("frmData")->move(40, 50);
    if (state == 0) frame.setGeometry(210, 160, 640, 480);

    if (how == "close") QVERIFY(frame.close());
    else frame.menuItem(how)->trigger();

    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(musicWhenExitWindowShown, QStringLiteral("/music/a.mp3"));
    QCOMPARE(fake.music.FileName(), QString());
    QVERIFY(!fake.music.playing());
    QCOMPARE(fake.settings.ReadSetting("Settings", "MainState", ""), QString::number(state));
    // Children unloaded first, each storing its position.
    QVERIFY(!frame.child("Standard") && !frame.child("frmData"));
    QCOMPARE(fake.settings.ReadSetting("Settings", "StandardLeft", ""), QStringLiteral("300"));
    QCOMPARE(fake.settings.ReadSetting("Settings", "DataTop", ""), QStringLiteral("750"));
    QVERIFY(!frame.menuItem("mnuProgramRunStandard")->isChecked());
    for (const char* menu : {"mnuProgram", "mnuOption", "mnuHelp"})
        QVERIFY(!frame.menuItem(QLatin1String(menu))->isVisible());
    QVERIFY(frame.toolBar()->isHidden());
    if (state == 0) {
        const QPoint at = frame.pos();
        QCOMPARE(fake.settings.ReadSetting("Settings", "MainLeft", ""), QString::number(at.x() * 15));
        QCOMPARE(fake.settings.ReadSetting("Settings", "MainTop", ""), QString::number(at.y() * 15));
        QCOMPARE(fake.settings.ReadSetting("Settings", "MainWidth", ""), QStringLiteral("9600"));
        QCOMPARE(fake.settings.ReadSetting("Settings", "MainHeight", ""), QStringLiteral("7200"));
    } else {
        QVERIFY(!fake.settings.contains("Settings", "MainLeft"));
        QVERIFY(!fake.settings.contains("Settings", "MainWidth"));
    }
    // The heartbeat no longer writes the running flag.
    fake.settings.WriteSetting("Settings", "LoadAlready", "False");
    frame.heartbeat();
    QCOMPARE(fake.settings.ReadSetting("Settings", "LoadAlready", ""), QStringLiteral("False"));
}

void MainFrameTest::idleFrameWritesNothing() {
    FakeServices fake;
    fake.settings.WriteSetting("Settings", "MainState", "0");
    MainFrame frame(fake.services);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.heartbeat();
    QCoreApplication::processEvents();
    const int writes = fake.settings.writeCount();
    for (int i = 0; i < 3; ++i) frame.heartbeat();
    frame.move(frame.pos());
    frame.resize(frame.size());
    QCoreApplication::processEvents();
    QCOMPARE(fake.settings.writeCount(), writes);

    // A move is written at once, without waiting for the heartbeat.
    frame.move(frame.pos() + QPoint(30, 0));
    QCoreApplication::processEvents();
    QCOMPARE(fake.settings.writeCount(), writes + 1);
    QCOMPARE(fake.settings.ReadSetting("Settings", "MainLeft", ""),
             QString::number(frame.pos().x() * 15));
    frame.resize(frame.width(), frame.height() + 20);
    QCoreApplication::processEvents();
    QCOMPARE(fake.settings.ReadSetting("Settings", "MainHeight", ""),
             QString::number(frame.height() * 15));

    // Maximizing resizes the frame; the normal-state geometry stays as it was.
    const QString width = fake.settings.ReadSetting("Settings", "MainWidth", "");
    frame.setFrameStateCode(2);
    QCoreApplication::processEvents();
    QVERIFY(frame.isMaximized());
    QVERIFY(QString::number(frame.width() * 15) != width);
    frame.heartbeat();
    QCOMPARE(fake.settings.ReadSetting("Settings", "MainWidth", ""), width);
}

void MainFrameTest::eraseIsRefilledByHeartbeat() {
    FakeServices fake;
    fake.settings.WriteSetting("Settings", "MainState", "0");
    MainFrame frame(fake.services);
    frame.show();
    fake.settings.EraseAllSettings();  // the Options reset
    frame.heartbeat();
    QCOMPARE(fake.settings.ReadSetting("Settings", "LoadAlready", ""), QStringLiteral("True"));
    QCOMPARE(fake.settings.ReadSetting("Settings", "MainWidth", ""), QString::number(frame.width() * 15));
    QVERIFY(!fake.settings.contains("Settings", "MainState"));
}

NUMORA_SHELL_TEST(MainFrameTest);

#include "MainFrameTest.moc"
