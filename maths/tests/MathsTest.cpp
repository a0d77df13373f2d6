// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The mathematics window through its real widgets, with fake dialogs.
#include <cmath>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "Accessibility.h"
#include "Fakes.h"
#include "FunctionCanvas.h"
#include "JobRunner.h"
#include "WidgetDriver.h"
#include "Maths.h"
#include "PlotCanvas.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QTemporaryDir>
#include <QTimer>
#include "QtTestMain.h"

using namespace numora;
using namespace numora::testing;

namespace {
QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// What the screen reader is told while a test runs.
QStringList g_announced;
void Announced(QWidget* field, const QString& text) { g_announced << field->objectName() + QLatin1Char('=') + text; }
}  // namespace

class MathsTest : public QObject {
    Q_OBJECT

    FakeServices* fakes = nullptr;
    Maths* window = nullptr;

    QLineEdit* field(const QString& name) { return window->findChild<QLineEdit*>(name); }
    void type(const QString& name, const QString& keys) {
        TypeInto(field(name), keys);
    }
    void click(const QString& name) {
        auto* b = window->findChild<QPushButton*>(name);
        QVERIFY2(b, qPrintable(name));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QString lastMessage() { return fakes->dialogs.messages.isEmpty() ? QString() : fakes->dialogs.messages.last().text; }
    void fill(const QString& frame, const QStringList& values, int first = 1) {
        for (int i = 0; i < values.size(); ++i) type(QStringLiteral("%1Text%2").arg(frame).arg(first + i), values[i]);
    }

private slots:
    void init() {
        fakes = new FakeServices;
        fakes->settings.WriteSetting("FunctionDrawer", "MinX", "-10");
        fakes->settings.WriteSetting("FunctionDrawer", "GridNum", "5");
        window = new Maths(fakes->services);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() {
        delete window;
        delete fakes;
    }

    void opensOnTheEquationTab() {
        QCOMPARE(window->windowTitle(), U("数学专科计算"));
        QCOMPARE(window->statusText(), U("Numora - 数学专科计算"));
        auto* tabs = window->findChild<QTabBar*>(QStringLiteral("TabStrip"));
        const char* captions[] = {"方程", "三角函数", "公式", "函数图象"};
        const char* keys[] = {"Equation", "TriFunction", "Formula", "FunctionDrawer"};
        QCOMPARE(tabs->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(tabs->tabText(i), U(captions[i]));
            QCOMPARE(tabs->tabData(i).toString(), QLatin1String(keys[i]));
        }
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("Equation"))->isVisible());
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("FunctionDrawer"))->isVisible());
        // The plotter's range boxes come from the store even while hidden.
        const QStringList range = {"-4", "4", "-10", "4", "5"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(field(QStringLiteral("MathsFunctionShapeOptionText%1").arg(i + 1))->text(), range[i]);
        auto* kinds = window->findChild<QComboBox*>(QStringLiteral("MathsFunctionShapeCombo1"));
        QCOMPARE(kinds->count(), 11);
        QCOMPARE(kinds->currentText(), U("一次函数"));
    }

    void quadratic_data() {
        QTest::addColumn<QStringList>("coefficients");
        QTest::addColumn<QString>("x1");
        QTest::addColumn<QString>("x2");
        QTest::addColumn<QString>("message");
        QTest::newRow("two roots") << QStringList{"1", "-3", "2"} << "2" << "1" << "";
        QTest::newRow("fraction") << QStringList{"1", "-1.5", "0.5"} << "1" << "0.5" << "";
        QTest::newRow("irrational") << QStringList{"1", "0", "-2"} << "1.4142135623731" << "-1.4142135623731" << "";
        QTest::newRow("no root") << QStringList{"1", "0", "1"} << "0" << "0" << U("此方程无解！");
        QTest::newRow("not quadratic") << QStringList{"0", "2", "1"} << "0" << "0" << U("二次项系数不能为0");
        QTest::newRow("small root") << QStringList{"1", "1e8", "1"} << "-1E-08" << "-100000000" << "";
        QTest::newRow("tiny a") << QStringList{"1e-300", "1", "1"} << "-1" << "-1E+300" << "";
    }
    void quadratic() {
        QFETCH(QStringList, coefficients);
        QFETCH(QString, x1);
        QFETCH(QString, x2);
        QFETCH(QString, message);
        fill("MathsEquationFrame1", coefficients);
        click("MathsEquationFrame1cmd1");
        QCOMPARE(field("MathsEquationFrame1Text4")->text(), x1);
        QCOMPARE(field("MathsEquationFrame1Text5")->text(), x2);
        QCOMPARE(lastMessage(), message);
    }

    void linearSystems() {
        fill("MathsEquationFrame2", {"1", "1", "3", "1", "-1", "1"});
        click("MathsEquationFrame2cmd1");
        QCOMPARE(window->statusText(), U("正在计算......"));
        QCOMPARE(field("MathsEquationFrame2Text7")->text(), QStringLiteral("2"));
        QCOMPARE(field("MathsEquationFrame2Text8")->text(), QStringLiteral("1"));
        fill("MathsEquationFrame2", {"1", "1", "2", "2", "2", "4"});
        click("MathsEquationFrame2cmd1");
        QCOMPARE(lastMessage(), U("此方程组不止一组解"));
        fill("MathsEquationFrame2", {"1", "1", "2", "1", "1", "3"});
        click("MathsEquationFrame2cmd1");
        QCOMPARE(lastMessage(), U("此方程组无解！"));
        QCOMPARE(field("MathsEquationFrame2Text7")->text(), QStringLiteral("2"));  // nothing half-written
        type("MathsEquationFrame2Text5", "");
        click("MathsEquationFrame2cmd1");
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));

        // A first coefficient of 0 is solved like any other system.
        fill("MathsEquationFrame3", {"0", "1", "1", "5", "1", "0", "1", "4", "1", "1", "0", "3"});
        click("MathsEquationFrame3cmd1");
        QCOMPARE(field("MathsEquationFrame3Text13")->text(), QStringLiteral("1"));
        QCOMPARE(field("MathsEquationFrame3Text14")->text(), QStringLiteral("2"));
        QCOMPARE(field("MathsEquationFrame3Text15")->text(), QStringLiteral("3"));
        // The result box shows its text as its tool tip under the mouse.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(field("MathsEquationFrame3Text15"), &enter);
        QCOMPARE(field("MathsEquationFrame3Text15")->toolTip(), QStringLiteral("3"));
    }

    void trigonometry() {
        window->selectTab(QStringLiteral("TriFunction"));
        type("MathsTriFText1", "30");
        click("MathsTriFcmd1");
        QCOMPARE(field("MathsTriFText2")->text(), QStringLiteral("0.5"));
        type("MathsTriFText1", "90");
        click("MathsTriFcmd3");
        QCOMPARE(lastMessage(), U("该角终边不可与纵坐标轴重合"));
        QCOMPARE(field("MathsTriFText2")->text(), QStringLiteral("0.5"));
        type("MathsTriFText1", "90.6");
        click("MathsTriFcmd3");
        QCOMPARE(field("MathsTriFText2")->text(), QStringLiteral("-95.4894751711134"));

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(field("MathsTriFText1"), &enter);
        QCOMPARE(window->statusText(), U("请输入欲计算的数据(角度制)"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("MathsTriFOption2")), Qt::LeftButton);
        QApplication::sendEvent(field("MathsTriFText1"), &enter);
        QCOMPARE(window->statusText(), U("请输入欲计算的数据(弧度制)"));
        QCOMPARE(field("MathsTriFText2")->text(), QStringLiteral("-95.4894751711134"));  // no recomputation
        type("MathsTriFText1", "1");
        click("MathsTriFcmd1");
        QCOMPARE(field("MathsTriFText2")->text(), QStringLiteral("0.841470984807897"));
        type("MathsTriFText1", "0");
        click("MathsTriFcmd4");
        QCOMPARE(lastMessage(), U("该角终边不可与横坐标轴重合"));
        QApplication::sendEvent(window->findChild<QPushButton*>(QStringLiteral("MathsTriFcmd4")), &enter);
        QCOMPARE(window->statusText(), U("选择运算方式－余切(cot/ctan/ctg)"));
    }

    void sketchRangeFollowsTheRightEnd() {
        window->selectTab(QStringLiteral("TriFunction"));
        QCOMPARE(field("MathsTriFDrawerText1")->text(), QStringLiteral("-6.283"));
        type("MathsTriFDrawerText2", "3");
        QCOMPARE(field("MathsTriFDrawerText1")->text(), QStringLiteral("-3"));
        type("MathsTriFDrawerText2", "");
        QCOMPARE(field("MathsTriFDrawerText1")->text(), QStringLiteral("-"));
        type("MathsTriFDrawerText2", "-3");
        QCOMPARE(field("MathsTriFDrawerText1")->text(), QStringLiteral("--3"));
        QVERIFY(field("MathsTriFDrawerText1")->isReadOnly());
    }

    void multiplicationFormulas() {
        window->selectTab(QStringLiteral("Formula"));
        type("MathsMultiplicationText1", "3");
        type("MathsMultiplicationText2", "2");
        const char* results[] = {"5", "25", "1", "35", "19"};
        const char* identities[] = {"(a+b)*(a-b)=a^2-b^2", "(a+b)^2=a^2+2ab+b^2", "(a-b)^2=a^2-2ab+b^2",
                                    "(a+b)(a^2-ab+b^2)=a^3+b^3", "(a-b)(a^2+ab+b^2)=a^3-b^3"};
        for (int i = 0; i < 5; ++i) {
            const QString name = QStringLiteral("MathsMultiplicationcmd%1").arg(i + 1);
            QCOMPARE(window->findChild<QPushButton*>(name)->toolTip(), QLatin1String(identities[i]));
            click(name);
            QCOMPARE(field("MathsMultiplicationText3")->text(), QLatin1String(results[i]));
        }
        QCOMPARE(field("MathsMultiplicationText1")->toolTip(), U("a值"));
        type("MathsMultiplicationText1", "");
        click("MathsMultiplicationcmd1");
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));
        QCOMPARE(field("MathsMultiplicationText3")->text(), QStringLiteral("19"));
    }

    void selectAllOnFocus() {
        QLineEdit* box = field("MathsEquationFrame1Text1");
        box->setText(QStringLiteral("12.5"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(box->selectedText(), QStringLiteral("12.5"));
    }

    void plotterAppliesOnEverySelection() {
        window->selectTab(QStringLiteral("FunctionDrawer"));
        FunctionCanvas* canvas = window->functionCanvas();
        const maths::PlotSession& session = canvas->session();
        auto gridLines = [canvas] {
            const maths::Picture p = canvas->picture();
            return std::count_if(p.lines.begin(), p.lines.end(),
                                 [](const auto& l) { return l.role == maths::Picture::Role::Grid; });
        };
        // -10 ... 4 and -4 ... 4 with about 6 bands: lines at -8, -6 ... 2 and -3 ... 3.
        QCOMPARE(gridLines(), 6 + 7);
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "MinX", ""), QStringLiteral("-10"));
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "GridNum", ""), QStringLiteral("5"));
        QCOMPARE(canvas->mapping(), (maths::CanvasMapping{-10, 4, 4, -4}));

        click("MathsFunctionShapecmd1");  // y = x
        QCOMPARE(session.Graphs().size(), std::size_t(1));
        QCOMPARE(session.Graphs()[0].drawn.size(), std::size_t(1));  // one straight segment
        auto* kinds = window->findChild<QComboBox*>(QStringLiteral("MathsFunctionShapeCombo1"));
        kinds->setCurrentIndex(5);
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("MathsFunctionShapeFrame6"))->isVisible());
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("MathsFunctionShapeFrame1"))->isVisible());
        click("MathsFunctionShapecmd1");  // the sine adds to the line
        QCOMPARE(session.Graphs().size(), std::size_t(2));
        QVERIFY(session.Graphs()[1].drawn.size() > 1000);
        QCOMPARE(window->statusText(), U("正在生成图象......"));
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("MathsFunctionShapecmd1"))->isEnabled());

        window->selectTab(QStringLiteral("Formula"));
        window->selectTab(QStringLiteral("FunctionDrawer"));
        QVERIFY(session.Graphs().empty());  // only the grid again
        QCOMPARE(gridLines(), 6 + 7);

        type("MathsFunctionShapeOptionText3", "5");
        click("MathsFunctionShapecmd2");
        QCOMPARE(lastMessage(), U("最大值应大于最小值"));
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "MinX", ""), QStringLiteral("-10"));
        QCOMPARE(canvas->mapping(), (maths::CanvasMapping{-10, 4, 4, -4}));
        type("MathsFunctionShapeOptionText5", "");
        type("MathsFunctionShapeOptionText3", "-4");
        click("MathsFunctionShapecmd2");
        QCOMPARE(lastMessage(), U("请输入网格数"));

        kinds->setCurrentIndex(3);
        type("MathsFunctionShapeFrame4Text1", "1");
        click("MathsFunctionShapecmd1");
        QCOMPARE(lastMessage(), U("底数应大于0且不等于1"));
    }

    // A range whose mapping overflows is refused at apply; the canvas keeps
    // its drawing and mapping, nothing is stored, and no NaN or infinity
    // reaches the canvas or a saved picture.
    void plotRangesNearTheDoubleLimit() {
        window->selectTab(QStringLiteral("FunctionDrawer"));
        PlotCanvas* canvas = window->plotCanvas();
        const maths::CanvasMapping before = canvas->mapping();
        type("MathsFunctionShapeOptionText1", "-1e308");
        type("MathsFunctionShapeOptionText2", "1e308");
        click("MathsFunctionShapecmd2");
        QCOMPARE(lastMessage(), U("数据过大"));
        QCOMPARE(canvas->mapping(), before);
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "MaxY", ""), QStringLiteral("4"));  // as applied before

        // Drawn correctly where only 3600 · MaxY overflows: the x axis at
        // a tenth from the top, every point finite.
        type("MathsFunctionShapeOptionText1", "-9e307");
        type("MathsFunctionShapeOptionText2", "1e307");
        click("MathsFunctionShapecmd2");
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "MaxY", ""), QStringLiteral("1E+307"));
        click("MathsFunctionShapecmd1");  // y = x
        type("MathsFunctionShapeOptionText1", "-1.7e308");  // drawn with boxes that were never applied
        type("MathsFunctionShapeOptionText2", "1.7e308");
        auto* kinds = window->findChild<QComboBox*>(QStringLiteral("MathsFunctionShapeCombo1"));
        kinds->setCurrentIndex(2);  // 2^x, up to huge values
        click("MathsFunctionShapecmd1");
        const maths::Picture picture = canvas->picture();
        for (const auto& l : picture.lines)
            QVERIFY(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) && std::isfinite(l.y2));
        for (const auto& t : picture.texts) QVERIFY(std::isfinite(t.left) && std::isfinite(t.top));
        QCOMPARE(picture.texts[1].top, (359.0 - 240) / 3600);  // the "x" label above the axis at 359
        QTemporaryDir dir;
        fakes->dialogs.saveFiles.push_back(dir.filePath("huge.svg"));
        canvas->savePicture();
        QFile svg(dir.filePath("huge.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(!text.contains("nan\""));
        QVERIFY(!text.contains("inf\""));
    }

    void plotReadoutAndPicture() {
        window->selectTab(QStringLiteral("FunctionDrawer"));
        type("MathsFunctionShapeOptionText3", "-4");
        click("MathsFunctionShapecmd2");  // default range, 5 grid lines
        click("MathsFunctionShapecmd1");  // y = x, red
        PlotCanvas* canvas = window->plotCanvas();
        QMouseEvent move(QEvent::MouseMove, QPointF(canvas->width() * 0.75, canvas->height() * 0.25),
                         canvas->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        // The read-out, then the point of the line the mouse traces.
        QCOMPARE(window->statusText(), U("所得函数图象 鼠标坐标:(2,2)  追踪 曲线1 (2, 2)"));

        // The red line runs through the lower left quarter; the axes are green.
        const QImage image = canvas->image();
        auto near = [&image](double sx, double sy, QColor colour) {
            const int x = int(sx * image.width()), y = int(sy * image.height());
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if (image.pixelColor(x + dx, y + dy) == colour) return true;
            return false;
        };
        QVERIFY(near(0.3, 0.7, QColor(255, 0, 0)));
        QVERIFY(near(0.9, 0.1, QColor(255, 0, 0)));
        // The axes' green, darkened until it reads on white.
        const maths::Rgb axis = maths::LegibleColour(maths::kGreen, maths::Picture::Role::Axis, {255, 255, 255});
        QCOMPARE(axis, (maths::Rgb{0, 166, 0}));
        QVERIFY(near(0.1, 0.5, QColor(axis.r, axis.g, axis.b)));
        QVERIFY(!near(0.3, 0.1, QColor(255, 0, 0)));

        canvas->copyPicture();
        QCOMPARE(fakes->clipboard.image.size(), canvas->sizeHint());
        QTemporaryDir dir;
        fakes->dialogs.saveFiles.push_back(dir.filePath("graph.svg"));
        canvas->savePicture();
        QFile svg(dir.filePath("graph.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("stroke=\"#ff0000\""));
        fakes->dialogs.saveFiles.push_back(dir.filePath("graph"));
        canvas->savePicture();
        QVERIFY(QImage(dir.filePath("graph.png")).pixelColor(int(0.3 * canvas->width()), int(0.7 * canvas->height())).isValid());

        // With a grid line at every whole number no grid line runs through
        // the axes' numbers and names.
        type("MathsFunctionShapeOptionText5", "7");
        click("MathsFunctionShapecmd2");
        const QImage gridded = canvas->image();
        const maths::Rgb gridRgb = maths::LegibleColour(maths::kGreen, maths::Picture::Role::Grid, {255, 255, 255});
        const QColor grid(gridRgb.r, gridRgb.g, gridRgb.b);
        QFont serif(QStringLiteral("Times New Roman"));
        serif.setStyleHint(QFont::Serif);
        const QFontMetrics metrics(serif, canvas);  // the picture's texts are as large as on screen
        const double scale = double(gridded.width()) / canvas->width();
        const maths::Picture drawn = canvas->picture();
        QVERIFY(drawn.texts.size() > 10);
        int gridPixels = 0, gridColumn = 0;
        for (const auto& t : drawn.texts) {
            const int left = int(t.left * canvas->width() * scale), top = int(t.top * canvas->height() * scale);
            const int right = left + int(metrics.horizontalAdvance(QString::fromStdString(t.text)) * scale);
            const int bottom = top + int(metrics.height() * scale);
            for (int x = left + 1; x < right - 1; ++x)
                for (int y = top + 1; y < bottom - 1; ++y)
                    if (gridded.rect().contains(x, y) && gridded.pixelColor(x, y) == grid) ++gridPixels;
        }
        for (int y = 0; y < gridded.height(); ++y)
            if (gridded.pixelColor(gridded.width() * 5 / 8, y) == grid) ++gridColumn;  // the grid line at x = 1
        QCOMPARE(gridPixels, 0);
        QVERIFY(gridColumn > gridded.height() / 2);
    }

    // The pupil's exploration: y = x² − 3x + 2 and y = x − 1, traced by keys
    // from one key point to the next, zoomed in and back, the values at a
    // typed x, a typed function.
    void plotterTraceByKeys() {
        window->selectTab(QStringLiteral("FunctionDrawer"));
        type("MathsFunctionShapeOptionText3", "-4");
        click("MathsFunctionShapecmd2");
        auto* kinds = window->findChild<QComboBox*>(QStringLiteral("MathsFunctionShapeCombo1"));
        kinds->setCurrentIndex(1);
        fill(QStringLiteral("MathsFunctionShapeFrame2"), {"1", "-3", "2"});
        click("MathsFunctionShapecmd1");
        kinds->setCurrentIndex(0);
        fill(QStringLiteral("MathsFunctionShapeFrame1"), {"1", "-1"});
        click("MathsFunctionShapecmd1");
        FunctionCanvas* canvas = window->functionCanvas();
        QStringList points;
        for (const maths::KeyPoint& p : canvas->keyPoints().points) points << QString::fromStdString(maths::KeyPointLine(p));
        QCOMPARE(points, (QStringList{U("y轴交点 0 2"), U("y轴交点 0 -1"), U("零点 1 0"), U("零点 1 0"), U("交点 1 0"),
                                      U("极小值点 1.5 -0.25"), U("零点 2 0"), U("交点 3 2")}));

        g_announced.clear();
        SetAnnouncementListener(Announced);
        canvas->setFocus();
        auto press = [canvas](Qt::Key key, int times = 1) {
            for (int i = 0; i < times; ++i) QTest::keyClick(canvas, key);
        };
        const struct { Qt::Key key; int times; const char* trace; } steps[] = {
            {Qt::Key_Right, 1, "曲线1 y轴交点 (0, 2)"},  // the marker starts at x = 0
            {Qt::Key_Right, 10, "曲线1 零点 (1, 0)"},     // steps of 0.1
            {Qt::Key_Right, 5, "曲线1 极小值点 (1.5, -0.25)"},
            {Qt::Key_Down, 1, "曲线2 (1.5, 0.5)"},       // the other graph at the same x
            {Qt::Key_PageDown, 1, "曲线2 交点 (3, 2)"},   // its next key point
            {Qt::Key_Up, 1, "曲线1 交点 (3, 2)"},
            {Qt::Key_PageUp, 1, "曲线1 零点 (2, 0)"},
            {Qt::Key_Left, 1, "曲线1 (1.9, -0.09)"},
        };
        auto* traceBox = field(QStringLiteral("MathsFunctionShapeExploreText3"));
        for (const auto& step : steps) {
            press(step.key, step.times);
            QCOMPARE(traceBox->text(), U(step.trace));
            QCOMPARE(window->statusText(), U("追踪 ") + U(step.trace));
        }
        // The screen reader hears where the marker came to rest.
        QTRY_VERIFY(!g_announced.isEmpty());
        SetAnnouncementListener(nullptr);
        QCOMPARE(g_announced.last(), QStringLiteral("MathsFunctionShapeBox1=") + U("曲线1 (1.9, -0.09)"));
        QCOMPARE(g_announced.size(), 1);  // twenty key presses in a row are spoken once, where they end

        // Zoom in and back: the graphs are drawn anew for the view, the
        // numbers follow it, and nothing is stored.
        const QString storedMaxX = fakes->settings.ReadSetting("FunctionDrawer", "MaxX", "");
        const maths::Picture home = canvas->picture();
        press(Qt::Key_Plus, 3);
        QVERIFY(!canvas->atHome());
        QCOMPARE(canvas->view().right - canvas->view().left, 8 * 0.8 * 0.8 * 0.8);
        const maths::Picture zoomed = canvas->picture();
        QVERIFY(std::any_of(zoomed.texts.begin(), zoomed.texts.end(), [](const auto& t) { return t.text == "0.5"; }));
        QVERIFY(std::any_of(zoomed.lines.begin(), zoomed.lines.end(), [](const auto& l) { return l.colour == maths::Rgb{255, 128, 0}; }));
        press(Qt::Key_Right);  // the trace follows the finer view: a step of 0.05
        QCOMPARE(traceBox->text(), U("曲线1 (1.95, -0.0475)"));
        QTest::keyClick(canvas, Qt::Key_Right, Qt::ControlModifier);  // pan
        QVERIFY(canvas->view().left > -2.048);
        press(Qt::Key_0);
        QVERIFY(canvas->atHome());
        QCOMPARE(canvas->picture().lines.size(), home.lines.size());
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "MaxX", ""), storedMaxX);
        QWheelEvent wheel(QPointF(canvas->width() * 0.75, canvas->height() * 0.25), canvas->mapToGlobal(QPointF(0, 0)),
                          QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
        QCOMPARE(canvas->view().left, 2 - 6 * 0.8);  // about the pointer: (2, 2) stays put

        // The mouse on the vertex shows it; dragging moves the view.
        press(Qt::Key_0);
        const QPointF vertex(canvas->width() * (1.5 + 4) / 8, canvas->height() * (4 + 0.25) / 8);
        QMouseEvent hover(QEvent::MouseMove, vertex, canvas->mapToGlobal(vertex), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &hover);
        QCOMPARE(window->statusText(), U("所得函数图象 鼠标坐标:(1.5,-0.25)  追踪 曲线1 极小值点 (1.5, -0.25)"));
        const QPoint from(100, 100), to(100 + canvas->width() / 5, 100);  // a fifth of the canvas to the right
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QMouseEvent drag(QEvent::MouseMove, to, canvas->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(canvas, &drag);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
        QCOMPARE(canvas->view().left, -4 - 8.0 * (canvas->width() / 5) / canvas->width());  // the plane followed the pointer
        press(Qt::Key_0);

        // y of every graph at a typed x.
        type("MathsFunctionShapeExploreText1", "3");
        click("MathsFunctionShapeExplorecmd1");
        QCOMPARE(field(QStringLiteral("MathsFunctionShapeExploreText2"))->text(), U("曲线1 y = 2；曲线2 y = 2"));
        type("MathsFunctionShapeExploreText1", "");
        click("MathsFunctionShapeExplorecmd1");
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));

        // Key points off and on again.
        auto* keys = window->findChild<QCheckBox*>(QStringLiteral("MathsFunctionShapeExploreCheck1"));
        keys->setChecked(false);
        QVERIFY(canvas->picture().marks.empty());
        keys->setChecked(true);
        QVERIFY(!canvas->picture().marks.empty());

        // A typed function, and one that cannot be read.
        kinds->setCurrentIndex(10);
        type("MathsFunctionShapeFrame11Text1", "sqrt(x)");
        click("MathsFunctionShapecmd1");
        QCOMPARE(canvas->curves().size(), std::size_t(3));
        type("MathsFunctionShapeFrame11Text1", "x+");
        click("MathsFunctionShapecmd1");
        QCOMPARE(lastMessage(), U("表达式错误"));
        QCOMPARE(canvas->curves().size(), std::size_t(3));

        // A picture twice the canvas's size.
        canvas->setExportSide(2 * canvas->width());
        canvas->copyPicture();
        QCOMPARE(fakes->clipboard.image.size(), canvas->size() * 2);
        QVERIFY(canvas->exportSides().contains(2 * canvas->width()));
    }

    void sketchDrawsStopsAndClears() {
        window->selectTab(QStringLiteral("TriFunction"));
        PlotCanvas* sketch = window->sketchCanvas();
        JobRunner* job = window->findChild<JobRunner*>(QStringLiteral("MathsTriFDrawerJob"));
        const auto buttonsEnabled = [this] {
            for (const char* b : {"MathsTriFDrawercmd1", "MathsTriFDrawercmd2", "MathsTriFDrawercmd3"})
                if (!window->findChild<QPushButton*>(QLatin1String(b))->isEnabled()) return false;
            return true;
        };
        click("MathsTriFDrawercmd1");
        QVERIFY(!buttonsEnabled());  // no second sketch while one runs
        QCOMPARE(sketch->mapping(), (maths::CanvasMapping{-6.283, 2, 6.283, -2}));
        QTRY_VERIFY(!job->running());
        QVERIFY(buttonsEnabled());
        const std::size_t sine = sketch->lineCount();
        QVERIFY(sine > 12000);
        click("MathsTriFDrawercmd2");
        QTRY_VERIFY(!job->running());
        QCOMPARE(sketch->lineCount(), 2 * sine);  // the cosine overlays the sine
        click("MathsTriFDrawercmd3");
        QCOMPARE(sketch->lineCount(), std::size_t(0));

        // R = 20, stopped while it draws: the buttons come back at once, the
        // curve drawn so far stays.
        type("MathsTriFDrawerText2", "20");
        job->hold();
        job->release(100);  // a hundred steps, then the sketch waits
        click("MathsTriFDrawercmd1");
        QVERIFY(!buttonsEnabled());
        QTRY_VERIFY(sketch->lineCount() > 0);
        QTRY_VERIFY(job->waiting());  // the hundred steps are taken
        click("MathsTriFDrawercmd4");
        QVERIFY(buttonsEnabled());
        QTRY_VERIFY(!job->running());
        QCOMPARE(sketch->lineCount(), std::size_t(200));
        QVERIFY(buttonsEnabled());
        // Cleared right after a stop: what the stopped sketch still sends is
        // not drawn.
        job->release(100);
        click("MathsTriFDrawercmd1");
        QTRY_VERIFY(sketch->lineCount() > 200);
        click("MathsTriFDrawercmd4");
        click("MathsTriFDrawercmd3");
        QTest::qWait(3 * JobControl::kBatchMs);
        QCOMPARE(sketch->lineCount(), std::size_t(0));
        job->hold(false);

        type("MathsTriFDrawerText2", "0");
        click("MathsTriFDrawercmd1");
        QCOMPARE(lastMessage(), U("请使横坐标最右限为正数"));
        type("MathsTriFDrawerText2", "");
        click("MathsTriFDrawercmd2");
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));

        // A huge right end still draws at once.
        click("MathsTriFDrawercmd3");
        type("MathsTriFDrawerText2", "99999");
        click("MathsTriFDrawercmd1");
        QTRY_VERIFY(!job->running());
        QVERIFY(sketch->lineCount() <= 2 * (maths::kMaxSketchSteps + 1));
        QMouseEvent move(QEvent::MouseMove, QPointF(sketch->width() / 2.0, sketch->height() / 2.0),
                         sketch->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(sketch, &move);
        QVERIFY(window->statusText().startsWith(U("鼠标坐标:(")));
    }
};

NUMORA_QTEST_MAIN(MathsTest)
#include "MathsTest.moc"
