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
#include "ControlTableCheck.h"
#include "FunctionCanvas.h"
#include "Utf8.h"
#include "JobRunner.h"
#include "WidgetDriver.h"
#include "Maths.h"
#include "MathsControls.h"
#include "PlotCanvas.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QTemporaryDir>
#include <QTimer>
#include "QtTestMain.h"

using namespace numora;
using namespace numora::maths;
using namespace numora::testing;

namespace {

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
    // Types `values` into the boxes, in order.
    template <std::size_t N>
    void fill(const std::array<const char*, N>& boxes, const QStringList& values) {
        for (int i = 0; i < values.size(); ++i) type(QLatin1String(boxes[static_cast<std::size_t>(i)]), values[i]);
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

    // The control table names the window's controls, the plotter's too:
    // every hint row shows its hint, the results are read-only, every box of
    // the solvers and the plotter is there.
    void controlTableNamesTheWindowsControls() {
        QCOMPARE(HintsNotShown(window, kHints), QStringList());
        for (const char* name : kTooltipResults) QVERIFY2(field(name) && field(name)->isReadOnly(), name);
        QStringList missing = MissingControls(window, kQuadraticBoxes) + MissingControls(window, kLinear2Boxes) +
                              MissingControls(window, kLinear3Boxes) + MissingControls(window, kRangeBoxes);
        for (const KindControls& kind : kKindControls) {
            missing += MissingControls(window, std::array{kind.frame});
            for (const char* box : kind.boxes)
                if (box) missing += MissingControls(window, std::array{box});
        }
        QCOMPARE(missing, QStringList());
    }

    void opensOnTheEquationTab() {
        QCOMPARE(window->windowTitle(), U("数学专科计算"));
        QCOMPARE(window->statusText(), U("Numora - 数学专科计算"));
        auto* tabs = window->findChild<QTabBar*>(QLatin1String(kTabStrip));
        const char* captions[] = {"方程", "三角函数", "公式", "函数图象"};
        const char* keys[] = {kEquationPage, kTrigPage, kFormulaPage, kPlotPage};
        QCOMPARE(tabs->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(tabs->tabText(i), U(captions[i]));
            QCOMPARE(tabs->tabData(i).toString(), QLatin1String(keys[i]));
        }
        QVERIFY(window->findChild<QWidget*>(QLatin1String(kEquationPage))->isVisible());
        QVERIFY(!window->findChild<QWidget*>(QLatin1String(kPlotPage))->isVisible());
        // The plotter's range boxes come from the store even while hidden.
        const QStringList range = {"-4", "4", "-10", "4", "5"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(field(kRangeBoxes[static_cast<std::size_t>(i)])->text(), range[i]);
        auto* kinds = window->findChild<QComboBox*>(QLatin1String(kKindList));
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
        fill(kQuadraticBoxes, coefficients);
        click(kQuadraticButton);
        QCOMPARE(field(kQuadraticX1)->text(), x1);
        QCOMPARE(field(kQuadraticX2)->text(), x2);
        QCOMPARE(lastMessage(), message);
    }

    void linearSystems() {
        fill(kLinear2Boxes, {"1", "1", "3", "1", "-1", "1"});
        click(kLinear2Button);
        QCOMPARE(window->statusText(), U("正在计算......"));
        QCOMPARE(field(kLinear2X)->text(), QStringLiteral("2"));
        QCOMPARE(field(kLinear2Y)->text(), QStringLiteral("1"));
        fill(kLinear2Boxes, {"1", "1", "2", "2", "2", "4"});
        click(kLinear2Button);
        QCOMPARE(lastMessage(), U("此方程组不止一组解"));
        fill(kLinear2Boxes, {"1", "1", "2", "1", "1", "3"});
        click(kLinear2Button);
        QCOMPARE(lastMessage(), U("此方程组无解！"));
        QCOMPARE(field(kLinear2X)->text(), QStringLiteral("2"));  // nothing half-written
        type(kLinear2Boxes[4], "");
        click(kLinear2Button);
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));

        // A first coefficient of 0 is solved like any other system.
        fill(kLinear3Boxes, {"0", "1", "1", "5", "1", "0", "1", "4", "1", "1", "0", "3"});
        click(kLinear3Button);
        QCOMPARE(field(kLinear3X)->text(), QStringLiteral("1"));
        QCOMPARE(field(kLinear3Y)->text(), QStringLiteral("2"));
        QCOMPARE(field(kLinear3Z)->text(), QStringLiteral("3"));
        // The result box shows its text as its tool tip under the mouse.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(field(kLinear3Z), &enter);
        QCOMPARE(field(kLinear3Z)->toolTip(), QStringLiteral("3"));
    }

    // Full-width digits and signs, as a Chinese input method commits them,
    // in the fields of the solvers, the trigonometry and the formulas.
    void fullWidthInput() {
        const struct {
            const char* page;
            std::vector<std::pair<const char*, const char*>> inputs;
            const char* command;
            const char* result;
            const char* text;
        } rows[] = {
            {kEquationPage, {{kQuadraticBoxes[0], "１"}, {kQuadraticBoxes[1], "－３"}, {kQuadraticBoxes[2], "２"}},
             kQuadraticButton, kQuadraticX1, "2"},
            {kTrigPage, {{kAngle, "４５"}}, kTrigButtons[2].control, kTrigResult, "1"},
            {kFormulaPage, {{kFormulaA, "２"}, {kFormulaB, "．５"}}, kFormulaButtons[0].control, kFormulaResult, "3.75"},
        };
        for (const auto& row : rows) {
            window->selectTab(QLatin1String(row.page));
            for (const auto& [box, typed] : row.inputs) field(box)->setText(U(typed));
            click(row.command);
            QCOMPARE(field(row.result)->text(), QLatin1String(row.text));
        }
        QVERIFY(fakes->dialogs.messages.isEmpty());
        window->selectTab(QLatin1String(kTrigPage));
        field(kSketchRight)->setText(U("－１"));
        click(kSketchSine);
        QCOMPARE(lastMessage(), U("请使横坐标最右限为正数"));
    }

    void trigonometry() {
        window->selectTab(QLatin1String(kTrigPage));
        type(kAngle, "30");
        click(kTrigButtons[0].control);
        QCOMPARE(field(kTrigResult)->text(), QStringLiteral("0.5"));
        type(kAngle, "90");
        click(kTrigButtons[2].control);
        QCOMPARE(lastMessage(), U("该角终边不可与纵坐标轴重合"));
        QCOMPARE(field(kTrigResult)->text(), QStringLiteral("0.5"));
        type(kAngle, "90.6");
        click(kTrigButtons[2].control);
        QCOMPARE(field(kTrigResult)->text(), QStringLiteral("-95.4894751711134"));

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(field(kAngle), &enter);
        QCOMPARE(window->statusText(), U("请输入欲计算的数据(角度制)"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kUnits[1].control)), Qt::LeftButton);
        QApplication::sendEvent(field(kAngle), &enter);
        QCOMPARE(window->statusText(), U("请输入欲计算的数据(弧度制)"));
        QCOMPARE(field(kTrigResult)->text(), QStringLiteral("-95.4894751711134"));  // no recomputation
        type(kAngle, "1");
        click(kTrigButtons[0].control);
        QCOMPARE(field(kTrigResult)->text(), QStringLiteral("0.841470984807897"));
        type(kAngle, "0");
        click(kTrigButtons[3].control);
        QCOMPARE(lastMessage(), U("该角终边不可与横坐标轴重合"));
        QApplication::sendEvent(window->findChild<QPushButton*>(QLatin1String(kTrigButtons[3].control)), &enter);
        QCOMPARE(window->statusText(), U("选择运算方式－余切(cot/ctan/ctg)"));
    }

    void sketchRangeFollowsTheRightEnd() {
        window->selectTab(QLatin1String(kTrigPage));
        QCOMPARE(field(kSketchLeft)->text(), QStringLiteral("-6.283"));
        type(kSketchRight, "3");
        QCOMPARE(field(kSketchLeft)->text(), QStringLiteral("-3"));
        type(kSketchRight, "");
        QCOMPARE(field(kSketchLeft)->text(), QStringLiteral("-"));
        type(kSketchRight, "-3");
        QCOMPARE(field(kSketchLeft)->text(), QStringLiteral("--3"));
        QVERIFY(field(kSketchLeft)->isReadOnly());
    }

    void multiplicationFormulas() {
        window->selectTab(QLatin1String(kFormulaPage));
        type(kFormulaA, "3");
        type(kFormulaB, "2");
        const char* results[] = {"5", "25", "1", "35", "19"};
        const char* identities[] = {"(a+b)*(a-b)=a^2-b^2", "(a+b)^2=a^2+2ab+b^2", "(a-b)^2=a^2-2ab+b^2",
                                    "(a+b)(a^2-ab+b^2)=a^3+b^3", "(a-b)(a^2+ab+b^2)=a^3-b^3"};
        for (int i = 0; i < 5; ++i) {
            const QString name = QLatin1String(kFormulaButtons[static_cast<std::size_t>(i)].control);
            QCOMPARE(window->findChild<QPushButton*>(name)->toolTip(), QLatin1String(identities[i]));
            click(name);
            QCOMPARE(field(kFormulaResult)->text(), QLatin1String(results[i]));
        }
        QCOMPARE(field(kFormulaA)->toolTip(), U("a值"));
        type(kFormulaA, "");
        click(kFormulaButtons[0].control);
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));
        QCOMPARE(field(kFormulaResult)->text(), QStringLiteral("19"));
    }

    void selectAllOnFocus() {
        QLineEdit* box = field(kQuadraticBoxes[0]);
        box->setText(QStringLiteral("12.5"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(box->selectedText(), QStringLiteral("12.5"));
    }

    void plotterAppliesOnEverySelection() {
        window->selectTab(QLatin1String(kPlotPage));
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

        click(kDrawButton);  // y = x
        QCOMPARE(session.Graphs().size(), std::size_t(1));
        QCOMPARE(session.Graphs()[0].drawn.size(), std::size_t(1));  // one straight segment
        auto* kinds = window->findChild<QComboBox*>(QLatin1String(kKindList));
        kinds->setCurrentIndex(5);
        QVERIFY(window->findChild<QWidget*>(QLatin1String(kKindControls[5].frame))->isVisible());
        QVERIFY(!window->findChild<QWidget*>(QLatin1String(kKindControls[0].frame))->isVisible());
        click(kDrawButton);  // the sine adds to the line
        QCOMPARE(session.Graphs().size(), std::size_t(2));
        QVERIFY(session.Graphs()[1].drawn.size() > 1000);
        QCOMPARE(window->statusText(), U("正在生成图象......"));
        QVERIFY(window->findChild<QPushButton*>(QLatin1String(kDrawButton))->isEnabled());

        window->selectTab(QLatin1String(kFormulaPage));
        window->selectTab(QLatin1String(kPlotPage));
        QVERIFY(session.Graphs().empty());  // only the grid again
        QCOMPARE(gridLines(), 6 + 7);

        type(kRangeBoxes[2], "5");
        click(kApplyButton);
        QCOMPARE(lastMessage(), U("最大值应大于最小值"));
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "MinX", ""), QStringLiteral("-10"));
        QCOMPARE(canvas->mapping(), (maths::CanvasMapping{-10, 4, 4, -4}));
        type(kGridBox, "");
        type(kRangeBoxes[2], "-4");
        click(kApplyButton);
        QCOMPARE(lastMessage(), U("请输入网格数"));

        kinds->setCurrentIndex(3);
        type(kKindControls[3].boxes[0], "1");
        click(kDrawButton);
        QCOMPARE(lastMessage(), U("底数应大于0且不等于1"));
    }

    // A range whose mapping overflows is refused at apply; the canvas keeps
    // its drawing and mapping, nothing is stored, and no NaN or infinity
    // reaches the canvas or a saved picture.
    void plotRangesNearTheDoubleLimit() {
        window->selectTab(QLatin1String(kPlotPage));
        PlotCanvas* canvas = window->plotCanvas();
        const maths::CanvasMapping before = canvas->mapping();
        type(kRangeBoxes[0], "-1e308");
        type(kRangeBoxes[1], "1e308");
        click(kApplyButton);
        QCOMPARE(lastMessage(), U("数据过大"));
        QCOMPARE(canvas->mapping(), before);
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "MaxY", ""), QStringLiteral("4"));  // as applied before

        // Drawn correctly where only 3600 · MaxY overflows: the x axis at
        // a tenth from the top, every point finite.
        type(kRangeBoxes[0], "-9e307");
        type(kRangeBoxes[1], "1e307");
        click(kApplyButton);
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "MaxY", ""), QStringLiteral("1E+307"));
        click(kDrawButton);  // y = x
        type(kRangeBoxes[0], "-1.7e308");  // drawn with boxes that were never applied
        type(kRangeBoxes[1], "1.7e308");
        auto* kinds = window->findChild<QComboBox*>(QLatin1String(kKindList));
        kinds->setCurrentIndex(2);  // 2^x, up to huge values
        click(kDrawButton);
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
        window->selectTab(QLatin1String(kPlotPage));
        type(kRangeBoxes[2], "-4");
        click(kApplyButton);  // default range, 5 grid lines
        click(kDrawButton);  // y = x, red
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
        type(kGridBox, "7");
        click(kApplyButton);
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
        window->selectTab(QLatin1String(kPlotPage));
        type(kRangeBoxes[2], "-4");
        click(kApplyButton);
        auto* kinds = window->findChild<QComboBox*>(QLatin1String(kKindList));
        kinds->setCurrentIndex(1);
        fill(kKindControls[1].boxes, {"1", "-3", "2"});
        click(kDrawButton);
        kinds->setCurrentIndex(0);
        fill(kKindControls[0].boxes, {"1", "-1"});
        click(kDrawButton);
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
        auto* traceBox = field(QLatin1String(kTraceBox));
        for (const auto& step : steps) {
            press(step.key, step.times);
            QCOMPARE(traceBox->text(), U(step.trace));
            QCOMPARE(window->statusText(), U("追踪 ") + U(step.trace));
        }
        // The screen reader hears where the marker came to rest.
        QTRY_VERIFY(!g_announced.isEmpty());
        SetAnnouncementListener(nullptr);
        QCOMPARE(g_announced.last(), QLatin1String(kPlotCanvas) + QLatin1Char('=') + U("曲线1 (1.9, -0.09)"));
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
        type(kExploreX, "3");
        click(kValuesButton);
        QCOMPARE(field(QLatin1String(kValuesBox))->text(), U("曲线1 y = 2；曲线2 y = 2"));
        field(kExploreX)->setText(U("３"));  // full-width, as an input method commits it
        click(kValuesButton);
        QCOMPARE(field(QLatin1String(kValuesBox))->text(), U("曲线1 y = 2；曲线2 y = 2"));
        type(kExploreX, "");
        click(kValuesButton);
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));

        // Key points off and on again.
        auto* keys = window->findChild<QCheckBox*>(QLatin1String(kKeyPointsCheck));
        keys->setChecked(false);
        QVERIFY(canvas->picture().marks.empty());
        keys->setChecked(true);
        QVERIFY(!canvas->picture().marks.empty());

        // A typed function, and one that cannot be read.
        kinds->setCurrentIndex(10);
        type(kTypedFunctionBox, "sqrt(x)");
        click(kDrawButton);
        QCOMPARE(canvas->curves().size(), std::size_t(3));
        type(kTypedFunctionBox, "x+");
        click(kDrawButton);
        QCOMPARE(lastMessage(), U("表达式错误"));
        QCOMPARE(canvas->curves().size(), std::size_t(3));
        // Full-width digits and signs, as a Chinese input method types them,
        // draw the function they show, as numora-cli plot 自定义函数 "１+x" does.
        const auto messages = fakes->dialogs.messages.size();
        for (const char* typed : {"１+x", "（x－１）×（x－２）"}) {
            field(kTypedFunctionBox)->setText(U(typed));  // committed by the input method
            click(kDrawButton);
        }
        QCOMPARE(fakes->dialogs.messages.size(), messages);
        QCOMPARE(canvas->curves().size(), std::size_t(5));
        QCOMPARE(canvas->curves()[3](2), 3.0);
        QCOMPARE(canvas->curves()[4](3), 2.0);

        // A picture twice the canvas's size.
        canvas->setExportSide(2 * canvas->width());
        canvas->copyPicture();
        QCOMPARE(fakes->clipboard.image.size(), canvas->size() * 2);
        QVERIFY(canvas->exportSides().contains(2 * canvas->width()));
    }

    void sketchDrawsStopsAndClears() {
        window->selectTab(QLatin1String(kTrigPage));
        PlotCanvas* sketch = window->sketchCanvas();
        JobRunner* job = window->findChild<JobRunner*>(QStringLiteral("MathsTriFDrawerJob"));
        const auto buttonsEnabled = [this] {
            for (const char* b : {kSketchSine, kSketchCosine, kSketchClear})
                if (!window->findChild<QPushButton*>(QLatin1String(b))->isEnabled()) return false;
            return true;
        };
        click(kSketchSine);
        QVERIFY(!buttonsEnabled());  // no second sketch while one runs
        QCOMPARE(sketch->mapping(), (maths::CanvasMapping{-6.283, 2, 6.283, -2}));
        QTRY_VERIFY(!job->running());
        QVERIFY(buttonsEnabled());
        const std::size_t sine = sketch->lineCount();
        QVERIFY(sine > 12000);
        click(kSketchCosine);
        QTRY_VERIFY(!job->running());
        QCOMPARE(sketch->lineCount(), 2 * sine);  // the cosine overlays the sine
        click(kSketchClear);
        QCOMPARE(sketch->lineCount(), std::size_t(0));

        // R = 20, stopped while it draws: the buttons come back at once, the
        // curve drawn so far stays.
        type(kSketchRight, "20");
        job->hold();
        job->release(100);  // a hundred steps, then the sketch waits
        click(kSketchSine);
        QVERIFY(!buttonsEnabled());
        QTRY_VERIFY(sketch->lineCount() > 0);
        QTRY_VERIFY(job->waiting());  // the hundred steps are taken
        click(kSketchStop);
        QVERIFY(buttonsEnabled());
        QTRY_VERIFY(!job->running());
        QCOMPARE(sketch->lineCount(), std::size_t(200));
        QVERIFY(buttonsEnabled());
        // Cleared right after a stop: what the stopped sketch still sends is
        // not drawn.
        job->release(100);
        click(kSketchSine);
        QTRY_VERIFY(sketch->lineCount() > 200);
        click(kSketchStop);
        click(kSketchClear);
        QTest::qWait(3 * JobControl::kBatchMs);
        QCOMPARE(sketch->lineCount(), std::size_t(0));
        job->hold(false);

        type(kSketchRight, "0");
        click(kSketchSine);
        QCOMPARE(lastMessage(), U("请使横坐标最右限为正数"));
        type(kSketchRight, "");
        click(kSketchCosine);
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));

        // A huge right end still draws at once.
        click(kSketchClear);
        type(kSketchRight, "99999");
        click(kSketchSine);
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
