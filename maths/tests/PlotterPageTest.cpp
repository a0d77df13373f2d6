// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The plotter's page through its real widgets, with fake dialogs: the
// coefficient sliders and their animation, the list of graphs, what the
// canvas says of them, and what is cleared with them.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "Fakes.h"
#include "FormHelpers.h"
#include "FunctionCanvas.h"
#include "Maths.h"
#include "QtTestMain.h"
#include "WidgetDriver.h"

using namespace numora;
using namespace numora::testing;

namespace {
QString U(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

class PlotterPageTest : public QObject {
    Q_OBJECT

    FakeServices* fakes = nullptr;
    Maths* window = nullptr;

    template <typename T = QWidget>
    T* find(const QString& name) {
        auto* w = window->findChild<T*>(name);
        if (!w) qWarning("no %s", qPrintable(name));
        return w;
    }
    QLineEdit* box(const QString& name) { return find<QLineEdit>(name); }
    void click(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void kind(int index) { find<QComboBox>(QStringLiteral("MathsFunctionShapeCombo1"))->setCurrentIndex(index); }
    void fill(int kindIndex, const QStringList& values) {
        kind(kindIndex);
        for (int i = 0; i < values.size(); ++i)
            TypeInto(box(QStringLiteral("MathsFunctionShapeFrame%1Text%2").arg(kindIndex + 1).arg(i + 1)), values[i]);
    }
    FunctionCanvas* canvas() { return window->functionCanvas(); }
    const maths::PlotSession& session() { return canvas()->session(); }
    QListWidget* list() { return find<QListWidget>(QStringLiteral("MathsFunctionShapeList1")); }
    QString lastMessage() { return fakes->dialogs.messages.isEmpty() ? QString() : fakes->dialogs.messages.last().text; }

private slots:
    void init() {
        fakes = new FakeServices;
        window = new Maths(fakes->services);
        window->resize(900, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->selectTab(QStringLiteral("FunctionDrawer"));
    }
    void cleanup() {
        delete window;
        delete fakes;
    }

    // Dragging a coefficient: the box follows at once, the selected graph
    // and its key points move, and the canvas describes the new formula.
    void sliderMovesItsBoxAndTheGraph() {
        fill(1, {"1", "0", "-2"});
        click(QStringLiteral("MathsFunctionShapecmd1"));
        auto* a = find<QSlider>(QStringLiteral("MathsFunctionShapeFrame2Slider1"));
        auto* c = find<QSlider>(QStringLiteral("MathsFunctionShapeFrame2Slider3"));
        QCOMPARE(a->accessibleName(), U("二次函数 二次项系数 滑块"));
        QCOMPARE(c->accessibleName(), U("二次函数 常数项 滑块"));
        QCOMPARE(a->minimum(), 0);
        QCOMPARE(a->maximum(), 200);  // -10 ... 10 in steps of 0.1
        QCOMPARE(a->value(), 110);
        QVERIFY(a->focusPolicy() & Qt::TabFocus);

        // From the keyboard: c = -2 + 0.1 · 6 = -1.4, then the graph.
        c->setFocus();
        for (int i = 0; i < 6; ++i) QTest::keyClick(c, Qt::Key_Right);
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeFrame2Text3"))->text(), QStringLiteral("-1.4"));
        QCOMPARE(session().Graphs().size(), std::size_t(1));  // moved, not added
        QCOMPARE(QString::fromStdString(session().Graphs()[0].formula), U("y = x²-1.4"));
        QVERIFY(canvas()->accessibleDescription().contains(U("曲线1 y = x²-1.4")));
        QCOMPARE(list()->item(0)->text(), U("y = x²-1.4"));
        bool vertexMoved = false;
        for (const maths::KeyPoint& k : canvas()->keyPoints().points)
            vertexMoved = vertexMoved || (k.kind == maths::KeyKind::Minimum && k.y == -1.4);
        QVERIFY(vertexMoved);
        // A coefficient the kind refuses: no message at every step, the graph waits.
        a->setValue(100);  // a = 0
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeFrame2Text1"))->text(), QStringLiteral("0"));
        QVERIFY(fakes->dialogs.messages.isEmpty());
        QCOMPARE(window->statusText(), U("二次项系数不能为0"));
        QCOMPARE(QString::fromStdString(session().Graphs()[0].formula), U("y = x²-1.4"));
        a->setValue(120);
        QCOMPARE(QString::fromStdString(session().Graphs()[0].formula), U("y = 2x²-1.4"));

        // Another kind chosen: the sliders move its boxes, no graph.
        kind(0);
        auto* k = find<QSlider>(QStringLiteral("MathsFunctionShapeFrame1Slider1"));
        QVERIFY(k->isVisible());
        QVERIFY(!a->isVisible());
        k->setValue(k->value() + 5);
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeFrame1Text1"))->text(), QStringLiteral("1.5"));
        QCOMPARE(QString::fromStdString(session().Graphs()[0].formula), U("y = 2x²-1.4"));
    }

    // The range of a slider: editable, the box's value always inside it.
    void sliderRangeHoldsTheBoxValue() {
        kind(0);
        auto* k = find<QSlider>(QStringLiteral("MathsFunctionShapeFrame1Slider1"));
        QCOMPARE(k->accessibleName(), U("一次函数 一次项系数 滑块"));
        // Typed beyond the range: the range widens to take it.
        TypeInto(box(QStringLiteral("MathsFunctionShapeFrame1Text1")), QStringLiteral("25"));
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeFrame1Slider1Max"))->text(), QStringLiteral("25"));
        QCOMPARE(k->value(), k->maximum());
        // A narrower range moves the box's value to its nearer end.
        TypeInto(box(QStringLiteral("MathsFunctionShapeFrame1Slider1Min")), QStringLiteral("0"));
        TypeInto(box(QStringLiteral("MathsFunctionShapeFrame1Slider1Max")), QStringLiteral("5"));
        QTest::keyClick(box(QStringLiteral("MathsFunctionShapeFrame1Slider1Max")), Qt::Key_Return);
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeFrame1Text1"))->text(), QStringLiteral("5"));
        QCOMPARE(k->maximum(), 50);
        QVERIFY(!session().Graphs().size());  // Enter there draws nothing
        // A range that cannot be: the message, and the range as it was.
        TypeInto(box(QStringLiteral("MathsFunctionShapeFrame1Slider1Step")), QStringLiteral("0"));
        QTest::keyClick(box(QStringLiteral("MathsFunctionShapeFrame1Slider1Step")), Qt::Key_Return);
        QCOMPARE(lastMessage(), U("步长应为正数"));
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeFrame1Slider1Step"))->text(), QStringLiteral("0.1"));
        // Enter in a coefficient box draws; in a range box it only sets the range.
        QCOMPARE(EnterCommandOf(window, box(QStringLiteral("MathsFunctionShapeFrame1Text1"))),
                 find<QPushButton>(QStringLiteral("MathsFunctionShapecmd1")));
        QCOMPARE(EnterCommandOf(window, box(QStringLiteral("MathsFunctionShapeFrame11Text3"))),
                 find<QPushButton>(QStringLiteral("MathsFunctionShapecmd1")));
    }

    // 播放 moves one coefficient back and forth; leaving the page stops it.
    void animationPlaysAndStops() {
        fill(5, {"1", "1", "0", "0"});
        click(QStringLiteral("MathsFunctionShapecmd1"));
        auto* animated = find<QComboBox>(QStringLiteral("MathsFunctionShapeSlidersCombo1"));
        QCOMPARE(animated->count(), 4);
        QCOMPARE(animated->itemText(1), U("ω"));
        animated->setCurrentIndex(1);
        find<QComboBox>(QStringLiteral("MathsFunctionShapeSlidersCombo2"))->setCurrentIndex(2);  // fast
        auto* play = find<QPushButton>(QStringLiteral("MathsFunctionShapeSliderscmd1"));
        QCOMPARE(play->text(), U("播放"));
        play->click();
        QCOMPARE(play->text(), U("暂停"));
        const QString before = box(QStringLiteral("MathsFunctionShapeFrame6Text2"))->text();
        QTRY_VERIFY(box(QStringLiteral("MathsFunctionShapeFrame6Text2"))->text() != before);
        QTRY_VERIFY(QString::fromStdString(session().Graphs()[0].formula) != U("y = sin(x)"));
        window->selectTab(QStringLiteral("Formula"));
        QCOMPARE(play->text(), U("播放"));
        const QString stopped = box(QStringLiteral("MathsFunctionShapeFrame6Text2"))->text();
        QTest::qWait(150);
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeFrame6Text2"))->text(), stopped);
    }

    // A typed function with a, b and c gets their boxes and sliders.
    void typedParametersGetSliders() {
        kind(10);
        auto* a = find<QSlider>(QStringLiteral("MathsFunctionShapeFrame11Slider2"));
        QVERIFY(!a->isVisible());  // x^3/4-x uses none
        TypeInto(box(QStringLiteral("MathsFunctionShapeFrame11Text1")), QStringLiteral("a*sin(b*x)+c"));
        QVERIFY(a->isVisible());
        QVERIFY(box(QStringLiteral("MathsFunctionShapeFrame11Text4"))->isVisible());
        QCOMPARE(a->accessibleName(), U("自定义函数 参数 a 滑块"));
        TypeInto(box(QStringLiteral("MathsFunctionShapeFrame11Text2")), QStringLiteral("2"));
        click(QStringLiteral("MathsFunctionShapecmd1"));
        QCOMPARE(list()->item(0)->text(), U("y = a*sin(b*x)+c (a = 2, b = 1, c = 0)"));
        auto* c = find<QSlider>(QStringLiteral("MathsFunctionShapeFrame11Slider4"));
        c->setValue(c->value() + 10);  // c = 1
        QCOMPARE(session().Graphs()[0].curve.At(0), 1.0);
        TypeInto(box(QStringLiteral("MathsFunctionShapeFrame11Text1")), QStringLiteral("b*x"));
        QVERIFY(!a->isVisible());
        QVERIFY(find<QSlider>(QStringLiteral("MathsFunctionShapeFrame11Slider3"))->isVisible());
    }

    // The list: each graph by colour and formula, shown or hidden, selected
    // back into the boxes, deleted.
    void graphListShowsSelectsAndDeletes() {
        fill(1, {"1", "0", "-2"});
        click(QStringLiteral("MathsFunctionShapecmd1"));
        fill(5, {"2", "1", "1", "0"});
        click(QStringLiteral("MathsFunctionShapecmd1"));
        QCOMPARE(list()->count(), 2);
        QCOMPARE(list()->item(0)->text(), U("y = x²-2"));
        QCOMPARE(list()->item(1)->text(), U("y = 2sin(x+1)"));
        QCOMPARE(list()->item(1)->data(Qt::AccessibleTextRole).toString(), U("y = 2sin(x+1)"));
        QVERIFY(!list()->item(0)->icon().isNull());
        QCOMPARE(canvas()->accessibleDescription(),
                 U("函数图象，X 轴 -4 至 4，Y 轴 -4 至 4，已绘制：曲线1 y = x²-2；曲线2 y = 2sin(x+1)"));

        list()->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!session().Graphs()[0].shown);
        QCOMPARE(canvas()->curves().size(), std::size_t(1));
        QVERIFY(canvas()->accessibleDescription().contains(U("曲线1 y = x²-2（已隐藏）")));
        list()->item(0)->setCheckState(Qt::Checked);

        // Selecting the parabola puts it back into the boxes; its sliders move it.
        list()->setCurrentRow(0);
        QCOMPARE(find<QComboBox>(QStringLiteral("MathsFunctionShapeCombo1"))->currentIndex(), 1);
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeFrame2Text3"))->text(), QStringLiteral("-2"));
        auto* c = find<QSlider>(QStringLiteral("MathsFunctionShapeFrame2Slider3"));
        c->setValue(c->value() - 10);
        QCOMPARE(list()->item(0)->text(), U("y = x²-3"));
        QCOMPARE(list()->item(1)->text(), U("y = 2sin(x+1)"));

        // Delete from the keyboard: the sine is 曲线1 now.
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(list()->count(), 1);
        QCOMPARE(QString::fromStdString(session().GraphsText()), U("曲线1 y = 2sin(x+1)"));
        list()->setCurrentRow(0);
        click(QStringLiteral("MathsFunctionShapeListcmd1"));
        QCOMPARE(list()->count(), 0);
        QVERIFY(canvas()->accessibleDescription().endsWith(U("未绘制图象")));
    }

    // Clearing or replacing the graphs leaves nothing of them in 图象探究.
    void clearingClearsTheTraceAndValues() {
        fill(10, {"sin(x)/x"});
        click(QStringLiteral("MathsFunctionShapecmd1"));
        canvas()->setFocus();
        QTest::keyClick(canvas(), Qt::Key_Right);
        QTest::keyClick(canvas(), Qt::Key_Right);
        QVERIFY(!box(QStringLiteral("MathsFunctionShapeExploreText3"))->text().isEmpty());
        TypeInto(box(QStringLiteral("MathsFunctionShapeExploreText1")), QStringLiteral("1"));
        click(QStringLiteral("MathsFunctionShapeExplorecmd1"));
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeExploreText2"))->text(), U("曲线1 y = 0.841470984807897"));
        click(QStringLiteral("MathsFunctionShapecmd2"));  // clears every graph
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeExploreText3"))->text(), QString());
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeExploreText2"))->text(), QString());
        QVERIFY(!canvas()->trace());
        fill(10, {"x^3-3*x"});
        click(QStringLiteral("MathsFunctionShapecmd1"));
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeExploreText2"))->text(), QString());
        // A value shown follows a graph that moves, and a graph that goes.
        click(QStringLiteral("MathsFunctionShapeExplorecmd1"));
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeExploreText2"))->text(), U("曲线1 y = -2"));
        list()->setCurrentRow(0);
        click(QStringLiteral("MathsFunctionShapeListcmd1"));
        QCOMPARE(box(QStringLiteral("MathsFunctionShapeExploreText2"))->text(), U("未绘制图象"));
        // What is said instead of points.
        fill(10, {"x-x"});
        click(QStringLiteral("MathsFunctionShapecmd1"));
        QCOMPARE(find<QLabel>(QStringLiteral("MathsFunctionShapeExploreLabel1"))->text(), U("函数值恒为0 曲线1"));
    }

    // The picture sizes offered: the default (the canvas's design size)
    // first, the screen's only when larger, whatever size the canvas has.
    void pictureSizesNeverBelowTheDefault() {
        for (const QSize size : {QSize(560, 400), QSize(1400, 1000)}) {
            window->resize(size);
            QApplication::processEvents();
            const QList<int> sides = canvas()->exportSides();
            QCOMPARE(sides.front(), 365);
            for (int side : sides) QVERIFY2(side >= 365, qPrintable(QString::number(side)));
            QCOMPARE(sides.contains(int(std::lround(canvas()->width() * canvas()->devicePixelRatioF()))),
                     canvas()->width() * canvas()->devicePixelRatioF() > 365);
        }
        QVERIFY(canvas()->width() > 365);  // the larger window gave the canvas its room
    }

    // The keyboard's trace keeps its point in view; + zooms about it.
    void traceStaysInViewAndZoomsAboutIt() {
        fill(8, {"1", "1", "0"});  // tan(x)
        click(QStringLiteral("MathsFunctionShapecmd1"));
        canvas()->setFocus();
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(canvas(), Qt::Key_Right);
            const auto t = canvas()->trace();
            QVERIFY(t);
            const maths::CanvasMapping& v = canvas()->view();
            if (std::isfinite(t->y)) QVERIFY2(t->y >= v.bottom && t->y <= v.top, qPrintable(QString::number(t->x)));
        }
        const auto t = canvas()->trace();
        const double sx = canvas()->view().ShareX(t->x), sy = canvas()->view().ShareY(t->y);
        QTest::keyClick(canvas(), Qt::Key_Plus);
        QVERIFY(std::fabs(canvas()->view().ShareX(t->x) - sx) < 1e-9);
        QVERIFY(std::fabs(canvas()->view().ShareY(t->y) - sy) < 1e-9);
    }
};

NUMORA_QTEST_MAIN(PlotterPageTest)
#include "PlotterPageTest.moc"
