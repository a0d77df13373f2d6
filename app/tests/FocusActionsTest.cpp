// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard focus after window actions, on the three desktops (each run
// at the screen scales 1, 1.5 and 2): 全部最小化 and 全部还原 bring back the
// window in use with its focus; closing a window gives the next one its
// last focused control; a page turn from the tab strip puts the focus on
// the page; the control with the focus is in view.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTabBar>
#include <QTest>

#include "Desk.h"
#include "FocusRules.h"
#include "MathsControls.h"
#include "QtTestMain.h"
#include "WindowMenu.h"
#include "ScientificControls.h"
#include "StandardControls.h"

using namespace numora;
using numora::testing::Desk;

namespace {

void Trigger(Desk& desk, const char* action) {
    desk.frame->windowMenu()->refresh();  // as the menu opens
    QAction* a = desk.frame->findChild<QAction*>(QLatin1String(action));
    QVERIFY2(a && a->isEnabled(), action);
    a->trigger();
    QApplication::processEvents();
    QApplication::processEvents();
}

// Whether `w` lies wholly inside every scroll area around it.
QString OutOfView(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(p);
        if (!area) continue;
        const QRect at(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
        if (!area->viewport()->rect().contains(at))
            return QStringLiteral("%1 at %2,%3 %4x%5 outside %6 (%7x%8)")
                .arg(w->objectName()).arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height())
                .arg(area->objectName()).arg(area->viewport()->width()).arg(area->viewport()->height());
    }
    return {};
}

QString Name(const QWidget* w) { return w ? w->objectName() : QStringLiteral("nothing"); }

}  // namespace

class FocusActionsTest : public QObject {
    Q_OBJECT

private slots:
    void focusAfterWindowActions_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QString>("action");
        const struct {
            const char* name;
            QSize area;
        } desktops[] = {{"1024x768 at 150%", {683, 400}}, {"1280x900 at 200%", {640, 340}}, {"1920x1080", {1920, 960}}};
        for (const auto& d : desktops)
            for (const char* action : {"restore all", "close the window in front", "close, first input", "close, the window used before",
                                       "page turn from the tab strip", "plotter field in view"})
                QTest::addRow("%s: %s", d.name, action) << d.area << QString::fromLatin1(action);
    }
    void focusAfterWindowActions() {
        QFETCH(QSize, area);
        QFETCH(QString, action);
        Desk desk(area, Desk::Sized::ClientArea);
        QMdiArea* mdi = desk.frame->mdiArea();
        QWidget* maths = desk.open(QLatin1String(maths::kWindow));
        QApplication::processEvents();
        QWidget* used = maths->findChild<QLineEdit*>(QLatin1String(maths::kQuadraticBoxes[1]));

        if (action == QLatin1String("restore all")) {
            desk.open(QLatin1String(scientific::kWindow));
            desk.open(QLatin1String(maths::kWindow));  // forward again: the window in use
            QApplication::processEvents();
            QTRY_COMPARE(mdi->activeSubWindow(), desk.sub(QLatin1String(maths::kWindow)));
            used->setFocus();
            Trigger(desk, "mnuWindowMinimizeAll");
            Trigger(desk, "mnuWindowRestoreAll");
            QTRY_COMPARE(mdi->activeSubWindow(), desk.sub(QLatin1String(maths::kWindow)));
            QTRY_VERIFY2(QApplication::focusWidget() == used, qPrintable(Name(QApplication::focusWidget())));
            // Typing goes on, and the pages turn from the keyboard.
            auto* tabs = maths->findChild<QTabBar*>(QLatin1String(maths::kTabStrip));
            const int page = tabs->currentIndex();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(tabs->currentIndex(), page + 1);
        } else if (action == QLatin1String("close, the window used before")) {
            // Maths, then 基本计算 in use, then the scientific window opened over
            // it: closing that one goes back to 基本计算, the window behind.
            QWidget* standard = desk.open(QLatin1String(standard::kWindow));
            QApplication::processEvents();
            QWidget* sum = standard->findChild<QLineEdit*>(QLatin1String(standard::kAddSecond));
            sum->setFocus();
            desk.open(QLatin1String(scientific::kWindow));
            QApplication::processEvents();
            QTRY_COMPARE(mdi->activeSubWindow(), desk.sub(QLatin1String(scientific::kWindow)));
            Trigger(desk, "mnuWindowClose");
            QTRY_COMPARE(mdi->activeSubWindow(), desk.sub(QLatin1String(standard::kWindow)));
            QTRY_VERIFY2(QApplication::focusWidget() == sum, qPrintable(Name(QApplication::focusWidget())));
        } else if (action.startsWith(QLatin1String("close"))) {
            const bool first = action.endsWith(QLatin1String("first input"));
            if (!first) used->setFocus();
            QApplication::processEvents();
            desk.open(QLatin1String(scientific::kWindow));
            QApplication::processEvents();
            QTRY_COMPARE(mdi->activeSubWindow(), desk.sub(QLatin1String(scientific::kWindow)));
            Trigger(desk, "mnuWindowClose");
            QTRY_COMPARE(mdi->activeSubWindow(), desk.sub(QLatin1String(maths::kWindow)));
            QWidget* expected = first ? FirstInput(maths) : used;
            QVERIFY(qobject_cast<QLineEdit*>(expected));
            QTRY_VERIFY2(QApplication::focusWidget() == expected, qPrintable(Name(QApplication::focusWidget())));
        } else if (action == QLatin1String("page turn from the tab strip")) {
            auto* tabs = maths->findChild<QTabBar*>(QLatin1String(maths::kTabStrip));
            tabs->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), tabs);
            QTest::keyClick(tabs, Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(tabs->currentIndex(), 1);
            auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY2(field && !field->isReadOnly(), qPrintable(Name(QApplication::focusWidget())));
            // The arrow keys on the strip still step through the tabs there.
            tabs->setFocus(Qt::TabFocusReason);
            QTest::keyClick(tabs, Qt::Key_Right);
            QCOMPARE(tabs->currentIndex(), 2);
            QCOMPARE(QApplication::focusWidget(), tabs);
        } else {
            auto* tabs = maths->findChild<QTabBar*>(QLatin1String(maths::kTabStrip));
            tabs->setFocus(Qt::TabFocusReason);
            for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(tabs->currentIndex(), 3);
            QApplication::processEvents();
            QApplication::processEvents();
            auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY2(field, qPrintable(Name(QApplication::focusWidget())));
            QTRY_VERIFY2(OutOfView(field).isEmpty(), qPrintable(OutOfView(field)));
            QTest::keyClicks(field, QStringLiteral("3"));
            QVERIFY(field->text().contains(QLatin1Char('3')));
            // Tab to each control in turn: each one is brought into view.
            for (int i = 0; i < 12; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QApplication::processEvents();
                QWidget* now = QApplication::focusWidget();
                QTRY_VERIFY2(OutOfView(now).isEmpty(), qPrintable(OutOfView(now)));
            }
        }
    }
};

NUMORA_QTEST_MAIN(FocusActionsTest)
#include "FocusActionsTest.moc"
