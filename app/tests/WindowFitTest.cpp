// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window fits the screen it is on, and the frame manages its
// windows. Run at the screen scales 1, 1.5 and 2 (QT_SCALE_FACTOR, one
// ctest entry each): every page of every window at its default size in the
// client areas of the usual desktops needs no sideways scrolling and turns
// to its top-left corner; the window menu's commands; new windows cascade;
// the focus on open; Esc and Ctrl+W; the wheel rule; the message icons.
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QAction>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "Desk.h"
#include "StandardControls.h"
#include "ScientificControls.h"
#include "MathsControls.h"
#include "FunctionCanvas.h"
#include "Maths.h"
#include "DesktopFit.h"
#include "MessageBoxIcon.h"
#include "QtTestMain.h"
#include "WindowArrange.h"
#include "WindowMenu.h"

using namespace numora;
using numora::testing::Desk;

namespace {

// The windows with the number of pages each has.
const std::pair<const char*, int> kWindows[] = {
    {"Standard", 3}, {"Scientific", 3}, {"Maths", 4}, {"Chem", 1}, {"frmOption", 3}, {"frmData", 1}, {"frmAbout", 1},
};

QScrollArea* ScrollerOf(QWidget* content) {
    for (QWidget* w = content->parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(w)) return area;
    return nullptr;
}

QString Where(const QString& window, int page, const QWidget* w) {
    return QStringLiteral("%1 page %2: %3 (%4)").arg(window).arg(page).arg(w->objectName(),
                                                                         QLatin1String(w->metaObject()->className()));
}

// The visible widgets of a window that stick out of its viewport's width.
QStringList OutsideTheWidth(QWidget* content, QScrollArea* scroller, const QString& window, int page) {
    QStringList outside;
    const int width = scroller->viewport()->width();
    for (QWidget* w : content->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(content) || w->isWindow() || w->width() <= 0) continue;
        const QPoint at = w->mapTo(scroller->viewport(), QPoint(0, 0));
        if (at.x() < 0 || at.x() + w->width() > width) outside << Where(window, page, w);
    }
    return outside;
}

void Wheel(QWidget* target, int steps) {
    const QPoint at = target->rect().center();
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120 * steps), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

private slots:
    // All seven windows cascaded or tiled on a small client area (1280x900
    // at 200 %): none is squeezed below its least width into a sideways
    // scroll bar.
    void arrangingKeepsLeastWidths_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QString>("command");
        for (const QSize area : {QSize(640, 380), QSize(683, 440), QSize(1920, 960)})
            for (const char* command : {"mnuWindowCascade", "mnuWindowTile"})
                QTest::addRow("%dx%d %s", area.width(), area.height(), command) << area << QString::fromLatin1(command);
    }
    void arrangingKeepsLeastWidths() {
        QFETCH(QSize, area);
        QFETCH(QString, command);
        Desk desk(area, Desk::Sized::ClientArea);
        const char* names[] = {"Standard", "Maths", "Chem", "Scientific", "frmOption", "frmData", "frmAbout"};
        for (const char* name : names) QVERIFY2(desk.open(QLatin1String(name)), name);
        desk.frame->windowMenu()->refresh();
        desk.frame->findChild<QAction*>(command)->trigger();
        QApplication::processEvents();
        QApplication::processEvents();
        for (const char* name : names) {
            QMdiSubWindow* sub = desk.sub(QLatin1String(name));
            auto* scroller = sub->findChild<QScrollArea*>();
            QVERIFY2(!scroller->horizontalScrollBar()->isVisible(),
                     qPrintable(QStringLiteral("%1: %2 wide at %3,%4").arg(QLatin1String(name)).arg(sub->width())
                                    .arg(sub->x()).arg(sub->y())));
            QVERIFY(QRect(QPoint(0, 0), desk.area()).contains(sub->geometry()));
        }
    }

    // ---- Every page at its default size --------------------------------------

    void everyPageFitsItsWindow_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("pages");
        // The client areas of the usual desktops (device-independent pixels),
        // and of the three desktops maximized: 1024x768 at 150 %, 1280x900 at
        // 200 %, less title bar, menus, toolbar and status bar.
        const std::pair<const char*, QSize> areas[] = {
            {"1024x768", {1024, 768}}, {"1280x900", {1280, 900}}, {"1920x1080", {1920, 1080}},
            {"desktop 1024x768 at 150%", {683, 400}}, {"desktop 1280x900 at 200%", {640, 357}},
        };
        for (const auto& [areaName, area] : areas)
            for (const auto& [window, pages] : kWindows)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(areaName), QLatin1String(window))))
                    << area << QString(window) << pages;
    }

    // No control lies outside the window's visible width on any page, the
    // window lies inside the client area, and a page turn shows the new page
    // from its top-left corner.
    void everyPageFitsItsWindow() {
        QFETCH(QSize, area);
        QFETCH(QString, window);
        QFETCH(int, pages);
        Desk desk(area, Desk::Sized::ClientArea);
        QWidget* content = desk.open(window);
        QVERIFY(content);
        QMdiSubWindow* sub = desk.sub(window);
        QVERIFY2(QRect(QPoint(0, 0), desk.area()).contains(sub->geometry()), qPrintable(window));
        QScrollArea* scroller = ScrollerOf(content);
        for (int page = 0; page < pages; ++page) {
            QApplication::processEvents();
            QCOMPARE(scroller->horizontalScrollBar()->maximum(), 0);
            const QStringList outside = OutsideTheWidth(content, scroller, window, page);
            QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral("; "))));
            if (pages == 1) break;
            // Scrolled down, then turned from the keyboard: the new page
            // starts at its top-left corner.
            scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
            QApplication::processEvents();
            QCOMPARE(scroller->horizontalScrollBar()->value(), 0);
            QCOMPARE(scroller->verticalScrollBar()->value(), 0);
        }
    }

    // ---- Focus ----------------------------------------------------------------------

    void focusOnTheFirstInput_data() {
        QTest::addColumn<QString>("window");
        // Ctrl+PageDown presses after opening; a negative number: presses of
        // Right on the focused tab strip, which keeps the focus.
        QTest::addColumn<int>("turns");
        QTest::addColumn<QString>("focus");
        const std::tuple<const char*, int, const char*> rows[] = {
            {"Standard", 0, standard::kAddFirst},     {"Standard", 1, standard::kQuickFirst},
            {"Standard", 2, standard::kPairFirst},         {"Scientific", 0, scientific::kGoldbachInput},
            {"Scientific", 1, scientific::kFactorInput},
            {"Scientific", 2, scientific::kMersenneList},  // no input field: its first control
            {"Maths", 0, maths::kQuadraticBoxes[0]}, {"Maths", 1, maths::kAngle},
            {"Maths", 2, maths::kFormulaA}, {"Maths", 3, maths::kKindControls[0].boxes[0]},
            {"Chem", 0, "ChemFrame1Frame2Text1"},  {"frmOption", 0, "BackFrame3List1"},
            {"frmOption", 2, "UserText1"},          {"frmOption", 3, "BackFrame3List1"},  // round again
            {"Standard", -2, "TabStrip1"},          {"frmOption", -1, "TabStrip"},
        };
        for (const auto& [window, turns, focus] : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(window)).arg(turns)))
                << QString(window) << turns << QString(focus);
    }

    void focusOnTheFirstInput() {
        QFETCH(QString, window);
        QFETCH(int, turns);
        QFETCH(QString, focus);
        Desk desk(QSize(1280, 900), Desk::Sized::ClientArea);
        desk.open(window);
        for (int i = 0; i < turns; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        if (turns < 0) {
            auto* strip = desk.frame->child(window)->findChild<QTabBar*>();
            strip->setFocus(Qt::BacktabFocusReason);
            for (int i = 0; i < -turns; ++i) QTest::keyClick(strip, Qt::Key_Right);
            QCOMPARE(strip->currentIndex(), -turns);
        }
        QApplication::processEvents();
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        // Typed at once, the keys land in it.
        if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            QTest::keyClicks(field, QStringLiteral("0.1"));
            QCOMPARE(field->text(), QStringLiteral("0.1"));
        }
    }

    // ---- Placing windows --------------------------------------------------------------

    // Windows without a stored place open at the first free cascade place; a
    // stored place is kept; on a large client area a window opens larger.
    void newWindowsCascade() {
        // Also where the windows are as tall as the client area: they are
        // cut at its edge rather than piled up.
        const char* const names[] = {"Standard", "Maths", "Chem"};
        for (const QSize area : {QSize(640, 357), QSize(1280, 900)}) {
            Desk desk(area, Desk::Sized::ClientArea);
            const int step = desk.frame->windowMenu()->cascadeStep();
            QVERIFY(step > 0);
            for (int i = 0; i < 3; ++i) {
                desk.open(QLatin1String(names[i]));
                QCOMPARE(desk.sub(QLatin1String(names[i]))->pos(), QPoint(i * step, i * step));
                QVERIFY(QRect(QPoint(0, 0), area).contains(desk.sub(QLatin1String(names[i]))->geometry()));
            }
        }
        Desk desk(QSize(1280, 900), Desk::Sized::ClientArea);
        for (const char* name : names) desk.open(QLatin1String(name));
        // A closed window frees its place for the next one.
        QVERIFY(desk.frame->unloadChild(QStringLiteral("Standard")));
        desk.open(QStringLiteral("Scientific"));
        QCOMPARE(desk.sub(QStringLiteral("Scientific"))->pos(), QPoint(0, 0));
        // A stored place is kept (twips: 15 to a pixel).
        desk.fakes.settings.WriteSetting("Settings", "AboutLeft", "3000");
        desk.fakes.settings.WriteSetting("Settings", "AboutTop", "1500");
        desk.open(QStringLiteral("frmAbout"));
        QCOMPARE(desk.sub(QStringLiteral("frmAbout"))->pos(), QPoint(200, 100));

        // The default size on the usual desktops, larger on a large one,
        // within the client area on every one; where the area has room, as
        // tall as the whole page.
        QSize sizes[2];
        for (int i = 0; i < 2; ++i) {
            Desk other(i == 0 ? QSize(1000, 600) : QSize(1900, 960), Desk::Sized::ClientArea);
            QWidget* maths = other.open(QStringLiteral("Maths"));
            sizes[i] = other.sub(QStringLiteral("Maths"))->size();
            QVERIFY(QRect(QPoint(0, 0), other.area()).contains(other.sub(QStringLiteral("Maths"))->geometry()));
            if (i == 1) QVERIFY(!ScrollerOf(maths)->verticalScrollBar()->isVisible());
            // A window of a fixed size opens at that size: no empty margin.
            QWidget* data = other.open(QStringLiteral("frmData"));
            QCOMPARE(ScrollerOf(data)->viewport()->size(), data->size());
        }
        const QSize content = DefaultSize(desk.frame->child(QStringLiteral("Maths")));
        QCOMPARE(content, QSize(474, 333));  // 7110 x 4995 twips
        QVERIFY(sizes[0].width() < content.width() + 40);
        QVERIFY(sizes[1].width() > sizes[0].width() * 1.3);
    }

    // The plotter's canvas fills its page on the three desktops: square and
    // wholly in view, beside the controls while the window is wide (at least
    // 55 % of a maximised or tiled window's height on 1920x1080), under
    // them in a narrow window, and nothing beyond the window's right edge.
    void plotterCanvasFillsItsPage_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<bool>("tiled");
        QTest::newRow("1024x768 at 150%") << QSize(683, 400) << false;
        QTest::newRow("1280x900 at 200%") << QSize(640, 340) << false;
        QTest::newRow("1920x1080") << QSize(1920, 960) << false;
        QTest::newRow("1920x1080, tiled with another") << QSize(1920, 960) << true;
    }
    void plotterCanvasFillsItsPage() {
        QFETCH(QSize, area);
        QFETCH(bool, tiled);
        Desk desk(area, Desk::Sized::ClientArea);
        auto* maths = qobject_cast<Maths*>(desk.open(QStringLiteral("Maths")));
        QMdiSubWindow* sub = desk.sub(QStringLiteral("Maths"));
        if (tiled) {
            desk.open(QStringLiteral("Standard"));
            desk.frame->windowMenu()->tile();
        } else {
            sub->showMaximized();
        }
        maths->selectTab(QStringLiteral("FunctionDrawer"));
        QApplication::processEvents();
        QApplication::processEvents();
        auto check = [&](bool wide) {
            QWidget* canvas = maths->functionCanvas();
            QCOMPARE(canvas->width(), canvas->height());
            QScrollArea* scroller = ScrollerOf(maths);
            QVERIFY(!scroller->horizontalScrollBar()->isVisible());
            const QRect shown = scroller->viewport()->rect();
            const QRect at(canvas->mapTo(scroller->viewport(), QPoint(0, 0)), canvas->size());
            QVERIFY2(shown.contains(at), qPrintable(QStringLiteral("canvas %1,%2 %3 in %4x%5")
                                                        .arg(at.x()).arg(at.y()).arg(at.width())
                                                        .arg(shown.width()).arg(shown.height())));
            auto* panel = maths->findChild<QScrollArea*>(QStringLiteral("MathsFunctionShapePanel"));
            const QRect controls(panel->mapTo(scroller->viewport(), QPoint(0, 0)), panel->size());
            QVERIFY(controls.right() <= shown.right());
            if (wide) {
                QVERIFY(controls.left() > at.right());  // beside
            } else {
                QVERIFY2(controls.top() > at.bottom(),  // under
                         qPrintable(QStringLiteral("canvas %1,%2 %3; controls %4,%5 %6x%7; window %8")
                                        .arg(at.x()).arg(at.y()).arg(at.width()).arg(controls.x()).arg(controls.y())
                                        .arg(controls.width()).arg(controls.height()).arg(sub->width())));
            }
        };
        check(true);
        if (area.width() >= 1920)
            QVERIFY2(maths->functionCanvas()->height() >= 0.55 * sub->height(),
                     qPrintable(QStringLiteral("%1 of %2").arg(maths->functionCanvas()->height()).arg(sub->height())));
        // A narrow window: the controls under the canvas.
        sub->showNormal();
        QApplication::processEvents();
        sub->resize(360, std::min(area.height(), 700));
        QApplication::processEvents();
        QApplication::processEvents();
        check(false);
    }

    // A page turn grows the window to show the whole page, as far as the area
    // below it allows; a window the tile command or the user sized keeps its size.
    void pageTurnsGrowTheWindow() {
        for (const bool tiled : {false, true}) {
            Desk desk(QSize(1900, 960), Desk::Sized::ClientArea);
            QWidget* maths = desk.open(QStringLiteral("Maths"));
            QMdiSubWindow* sub = desk.sub(QStringLiteral("Maths"));
            if (tiled) desk.frame->windowMenu()->tile();
            sub->resize(sub->width(), 300);  // smaller than any page
            sub->move(0, desk.area().height() - 700);
            QApplication::processEvents();
            for (int i = 0; i < 3; ++i)  // to the plotter
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
            QApplication::processEvents();
            QApplication::processEvents();
            if (tiled) {
                QCOMPARE(sub->height(), 300);
                continue;
            }
            QCOMPARE(sub->y(), desk.area().height() - 700);
            QVERIFY(sub->height() > 300);
            QVERIFY(sub->geometry().bottom() < desk.area().height());
            // Grown to the whole page or to the area's bottom edge.
            QVERIFY(!ScrollerOf(maths)->verticalScrollBar()->isVisible() || sub->height() == 700);
            // Back to a shorter page: the window keeps its height.
            const int height = sub->height();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
            QApplication::processEvents();
            QApplication::processEvents();
            QCOMPARE(sub->height(), height);
        }
    }

    // ---- The window menu ---------------------------------------------------------------

    void windowMenuCommands() {
        Desk desk(QSize(1280, 900), Desk::Sized::ClientArea);
        for (const char* name : {"Standard", "Maths", "Chem"}) desk.open(QLatin1String(name));
        WindowMenu* menu = desk.frame->windowMenu();
        QMdiArea* area = desk.frame->mdiArea();
        const QRect inside(QPoint(0, 0), desk.area());
        auto item = [&](const char* name) {
            for (QAction* a : menu->menu()->actions())
                if (a->objectName() == QLatin1String(name)) return a;
            return desk.frame->menuItem(QLatin1String(name));
        };

        // The list: one entry a window, in the order they opened, a check at
        // the active one; an entry brings its window forward.
        menu->refresh();
        QStringList list;
        for (QAction* a : desk.frame->windowMenu()->menu()->actions())
            if (a->objectName().startsWith(QLatin1String("mnuWindowList")))
                list << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
        QCOMPARE(list, (QStringList{QString::fromUtf8("&1 基本计算"), QString::fromUtf8("&2 数学专科计算"),
                                    QString::fromUtf8("&3 化学专科计算 *")}));
        item("mnuWindowList1")->trigger();
        QCOMPARE(area->activeSubWindow(), desk.sub(QStringLiteral("Standard")));
        // The same menu is in the client area's right-click menu.
        QVERIFY(desk.frame->rightMenu()->actions().contains(menu->menu()->menuAction()));

        struct Step {
            const char* command;
            std::function<void()> check;
        };
        // The last step closes the active window: the basic calculation.
        const Step steps[] = {
            {"mnuWindowTile",
             [&] {
                 const std::vector<PixelBox> boxes = TileBoxes(3, {desk.area().width(), desk.area().height()});
                 const QList<QMdiSubWindow*> open = menu->openWindows();
                 for (int i = 0; i < 3; ++i)
                     QCOMPARE(open[i]->geometry(), QRect(boxes[i].left, boxes[i].top, boxes[i].width, boxes[i].height));
             }},
            {"mnuWindowCascade",
             [&] {
                 // The active window last, on top; every window inside.
                 const int step = menu->cascadeStep();
                 QCOMPARE(desk.sub(QStringLiteral("Maths"))->pos(), QPoint(0, 0));
                 QCOMPARE(desk.sub(QStringLiteral("Chem"))->pos(), QPoint(step, step));
                 QCOMPARE(desk.sub(QStringLiteral("Standard"))->pos(), QPoint(2 * step, 2 * step));
                 QCOMPARE(area->activeSubWindow(), desk.sub(QStringLiteral("Standard")));
                 for (QMdiSubWindow* w : menu->openWindows()) QVERIFY(inside.contains(w->geometry()));
             }},
            {"mnuWindowMinimizeAll",
             [&] {
                 for (QMdiSubWindow* w : menu->openWindows()) QVERIFY(w->isMinimized());
                 menu->refresh();
                 QVERIFY(!item("mnuWindowMinimizeAll")->isEnabled());
                 QVERIFY(item("mnuWindowRestoreAll")->isEnabled());
             }},
            {"mnuWindowRestoreAll",
             [&] {
                 for (QMdiSubWindow* w : menu->openWindows()) QVERIFY(!w->isMinimized() && !w->isMaximized());
                 menu->refresh();
                 QVERIFY(!item("mnuWindowRestoreAll")->isEnabled());
             }},
            {"mnuWindowClose",
             [&] {
                 // The active window unloads as with its close box.
                 QVERIFY(!desk.frame->child(QStringLiteral("Standard")));
                 QVERIFY(!item("mnuProgramRunStandard")->isChecked());
                 QCOMPARE(menu->openWindows().size(), 2);
             }},
        };
        for (const Step& step : steps) {
            if (step.command == std::string_view("mnuWindowClose"))
                area->setActiveSubWindow(desk.sub(QStringLiteral("Standard")));
            item(step.command)->trigger();
            QApplication::processEvents();
            step.check();
            if (QTest::currentTestFailed()) QFAIL(step.command);
        }
        // A window moved beyond the client area is kept inside it: the client
        // area never scrolls, only a window's own scroll bars do.
        QMdiSubWindow* maths = desk.sub(QStringLiteral("Maths"));
        maths->move(desk.area().width() - 50, desk.area().height() - 30);
        QApplication::processEvents();
        QVERIFY(inside.contains(maths->geometry()));
        QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        // Without open windows the commands are off.
        for (const char* name : {"Maths", "Chem"}) desk.frame->unloadChild(QLatin1String(name));
        menu->refresh();
        for (const char* name : {"mnuWindowClose", "mnuWindowCascade", "mnuWindowTile", "mnuWindowMinimizeAll"})
            QVERIFY2(!item(name)->isEnabled(), name);
    }

    // ---- Keys that close -----------------------------------------------------------------

    void keysThatClose_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("closes");
        const QKeySequence esc(Qt::Key_Escape), ctrlW(Qt::CTRL | Qt::Key_W);
        QTest::newRow("About, Esc") << "frmAbout" << esc << true;
        QTest::newRow("reference data, Esc") << "frmData" << esc << true;
        QTest::newRow("Options, Esc") << "frmOption" << esc << true;
        QTest::newRow("basic calculation, Esc") << "Standard" << esc << false;
        QTest::newRow("basic calculation, Ctrl+W") << "Standard" << ctrlW << true;
        QTest::newRow("Options, Ctrl+W") << "frmOption" << ctrlW << true;
        QTest::newRow("help viewer, Esc") << "HelpViewer" << esc << true;
        QTest::newRow("help viewer, Ctrl+W") << "HelpViewer" << ctrlW << true;
    }

    void keysThatClose() {
        QFETCH(QString, window);
        QFETCH(QKeySequence, key);
        QFETCH(bool, closes);
        Desk desk(QSize(1280, 900), Desk::Sized::ClientArea);
        if (window == QLatin1String("HelpViewer")) {
            // The document is there but nothing on the desktop opens it.
            QTemporaryDir folder;
            QFile doc(folder.filePath(QStringLiteral("numora180.doc")));
            QVERIFY(doc.open(QIODevice::WriteOnly));
            doc.close();
            desk.fakes.launcher.folder = folder.path();
            desk.fakes.launcher.openResult = OpenResult::Failed;
            desk.frame->openHelpDocument();
            QPointer<QWidget> viewer = desk.frame->helpViewer();
            QVERIFY(viewer);
            QVERIFY(QTest::qWaitForWindowExposed(viewer));
            QApplication::setActiveWindow(viewer);
            QTRY_VERIFY(viewer->isActiveWindow());
            // Within 90 % of the screen's free area, and on it.
            const QRect free = viewer->screen()->availableGeometry();
            QVERIFY(viewer->width() <= free.width() * 0.9 && viewer->height() <= free.height() * 0.9);
            QVERIFY(free.contains(viewer->geometry()));
            QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : viewer.data(), key);
            QTRY_COMPARE(viewer.isNull() || !viewer->isVisible(), closes);
            return;
        }
        desk.open(window);
        QVERIFY(QApplication::focusWidget());
        QTest::keySequence(QApplication::focusWidget(), key);
        QApplication::processEvents();
        QCOMPARE(desk.frame->child(window) == nullptr, closes);  // unloaded, as by its close box
    }

    // Shift+F10 opens the focused field's right-click menu, as the Menu key does.
    void shiftF10OpensTheMenu() {
        Desk desk(QSize(1280, 900), Desk::Sized::ClientArea);
        desk.open(QStringLiteral("Standard"));
        QWidget* field = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(field));
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier);
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        QStringList seen;
        for (QAction* a : popup->actions()) seen << a->text();
        popup->close();
        QVERIFY(seen.join(QLatin1Char('|')).contains(QStringLiteral("&C")));  // copy among them
        QTest::keyClick(field, Qt::Key_F10);  // F10 alone is not the menu key
        QVERIFY(!QApplication::activePopupWidget());
    }

    // ---- The wheel rule -------------------------------------------------------------------

    void wheelRule_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("turns");
        QTest::addColumn<QString>("control");
        QTest::newRow("volume slider") << "frmOption" << 0 << "BackSlider1";
        QTest::newRow("kind of function") << "Maths" << 3 << maths::kKindList;
        QTest::newRow("big-number list") << "Standard" << 2 << standard::kList;
        QTest::newRow("Goldbach list") << "Scientific" << 0 << scientific::kGoldbachList;
    }

    // A wheel that passes over a control leaves it as it is, unless the user
    // works in it (it has the focus).
    void wheelRule() {
        QFETCH(QString, window);
        QFETCH(int, turns);
        QFETCH(QString, control);
        Desk desk(QSize(1280, 900), Desk::Sized::ClientArea);
        QWidget* content = desk.open(window);
        for (int i = 0; i < turns; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        auto* target = content->findChild<QWidget*>(control);
        QVERIFY(target);
        // Something to change: a list with lines to scroll.
        if (auto* list = content->findChild<QListWidget*>(control))
            for (int i = 0; i < 200; ++i) list->addItem(QString::number(i));
        if (window == QLatin1String("Scientific")) {
            content->findChild<QLineEdit*>(QLatin1String(scientific::kGoldbachInput))->setText(QStringLiteral("100000"));
            content->findChild<QPushButton*>(QLatin1String(scientific::kGoldbachButton))->click();
        }
        auto state = [target] {
            if (auto* slider = qobject_cast<QAbstractSlider*>(target)) return slider->value();
            if (auto* combo = qobject_cast<QComboBox*>(target)) return combo->currentIndex();
            return static_cast<QAbstractScrollArea*>(target)->verticalScrollBar()->value();
        };
        auto* view = qobject_cast<QAbstractScrollArea*>(target);
        if (view) QTRY_VERIFY(view->verticalScrollBar()->maximum() > 0);
        QWidget* under = view ? view->viewport() : target;
        if (target->hasFocus()) content->findChild<QLineEdit*>()->setFocus();
        const int before = state();
        Wheel(under, 3);
        QCOMPARE(state(), before);
        QVERIFY(WheelPassesOver(under));
        target->setFocus(Qt::MouseFocusReason);
        Wheel(under, 3);
        QVERIFY2(state() != before, qPrintable(control));
    }

    // ---- Message icons -----------------------------------------------------------------------

    // Drawn at the screen's pixel ratio: as many pixels as the screen shows,
    // each kind its own picture.
    void messageIconsAreDrawnAtTheScreenScale() {
        const MessageIcon kinds[] = {MessageIcon::Information, MessageIcon::Exclamation, MessageIcon::Stop, MessageIcon::Question};
        for (qreal ratio : {1.0, 1.5, 2.0}) {
            QList<QImage> pictures;
            for (MessageIcon kind : kinds) {
                const QImage picture = MessageBoxIcon::Render(kind, 32, ratio);
                QCOMPARE(picture.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
                QVERIFY(picture.pixelColor(picture.width() / 2, picture.height() * 3 / 4).alpha() > 0);
                QVERIFY(!pictures.contains(picture));
                pictures << picture;
            }
        }
    }
};

NUMORA_QTEST_MAIN(WindowFitTest)
#include "WindowFitTest.moc"
