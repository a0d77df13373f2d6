// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The mathematics window through its real widgets, with fake dialogs.
#include <cmath>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "Fakes.h"
#include "WidgetDriver.h"
#include "MainFrame.h"
#include "Maths.h"
#include "PlotCanvas.h"

#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include "QtTestMain.h"

using namespace numora;
using namespace numora::testing;

namespace {
QString U(const char* utf8) { return QString::fromUtf8(utf8); }
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
        QCOMPARE(kinds->count(), 7);
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
        QCOMPARE(field("MathsTriFText2")->text(), QStringLiteral("-95.489475171128"));

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(field("MathsTriFText1"), &enter);
        QCOMPARE(window->statusText(), U("请输入欲计算的数据(角度制)"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("MathsTriFOption2")), Qt::LeftButton);
        QApplication::sendEvent(field("MathsTriFText1"), &enter);
        QCOMPARE(window->statusText(), U("请输入欲计算的数据(弧度制)"));
        QCOMPARE(field("MathsTriFText2")->text(), QStringLiteral("-95.489475171128"));  // no recomputation
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
        PlotCanvas* canvas = window->plotCanvas();
        QCOMPARE(canvas->lineCount(), std::size_t(10));  // the grid of 5 lines each way
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "MinX", ""), QStringLiteral("-10"));
        QCOMPARE(fakes->settings.ReadSetting("FunctionDrawer", "GridNum", ""), QStringLiteral("5"));
        QCOMPARE(canvas->mapping(), (maths::CanvasMapping{-10, 4, 4, -4}));

        click("MathsFunctionShapecmd1");  // y = x
        QCOMPARE(canvas->lineCount(), std::size_t(11));
        auto* kinds = window->findChild<QComboBox*>(QStringLiteral("MathsFunctionShapeCombo1"));
        kinds->setCurrentIndex(5);
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("MathsFunctionShapeFrame6"))->isVisible());
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("MathsFunctionShapeFrame1"))->isVisible());
        click("MathsFunctionShapecmd1");  // the sine adds to the line
        QVERIFY(canvas->lineCount() > 1000);
        QCOMPARE(window->statusText(), U("正在生成图象......"));
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("MathsFunctionShapecmd1"))->isEnabled());

        window->selectTab(QStringLiteral("Formula"));
        window->selectTab(QStringLiteral("FunctionDrawer"));
        QCOMPARE(canvas->lineCount(), std::size_t(10));  // only the grid again

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
        QCOMPARE(window->statusText(), U("所得函数图象 鼠标坐标:(2,2)"));

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
        QVERIFY(near(0.1, 0.5, QColor(0, 255, 0)));
        QVERIFY(!near(0.3, 0.1, QColor(255, 0, 0)));

        canvas->copyPicture();
        QCOMPARE(fakes->clipboard.image.size(), canvas->size());
        QTemporaryDir dir;
        fakes->dialogs.saveFiles.push_back(dir.filePath("graph.svg"));
        canvas->savePicture();
        QFile svg(dir.filePath("graph.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("stroke=\"#ff0000\""));
        fakes->dialogs.saveFiles.push_back(dir.filePath("graph"));
        canvas->savePicture();
        QVERIFY(QImage(dir.filePath("graph.png")).pixelColor(int(0.3 * canvas->width()), int(0.7 * canvas->height())).isValid());
    }

    void sketchDrawsStopsAndClears() {
        window->selectTab(QStringLiteral("TriFunction"));
        PlotCanvas* sketch = window->sketchCanvas();
        click("MathsTriFDrawercmd1");
        QCOMPARE(sketch->mapping(), (maths::CanvasMapping{-6.283, 2, 6.283, -2}));
        const std::size_t sine = sketch->lineCount();
        QVERIFY(sine > 12000);
        click("MathsTriFDrawercmd2");
        QCOMPARE(sketch->lineCount(), 2 * sine);  // the cosine overlays the sine
        click("MathsTriFDrawercmd3");
        QCOMPARE(sketch->lineCount(), std::size_t(0));

        // R = 20, stopped at the first pause: the buttons come back at once.
        type("MathsTriFDrawerText2", "20");
        QTimer::singleShot(0, this, [this] {
            QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("MathsTriFDrawercmd1"))->isEnabled());
            click("MathsTriFDrawercmd4");
        });
        click("MathsTriFDrawercmd1");
        QVERIFY(sketch->lineCount() < 40000);
        for (const char* b : {"MathsTriFDrawercmd1", "MathsTriFDrawercmd2", "MathsTriFDrawercmd3"})
            QVERIFY(window->findChild<QPushButton*>(QLatin1String(b))->isEnabled());

        type("MathsTriFDrawerText2", "0");
        click("MathsTriFDrawercmd1");
        QCOMPARE(lastMessage(), U("请使横坐标最右限为正数"));
        type("MathsTriFDrawerText2", "");
        click("MathsTriFDrawercmd2");
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));

        // A huge right end still draws at once.
        type("MathsTriFDrawerText2", "99999");
        click("MathsTriFDrawercmd1");
        QVERIFY(sketch->lineCount() <= 2 * (maths::kMaxSketchSteps + 1));
        QMouseEvent move(QEvent::MouseMove, QPointF(sketch->width() / 2.0, sketch->height() / 2.0),
                         sketch->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(sketch, &move);
        QVERIFY(window->statusText().startsWith(U("鼠标坐标:(")));
    }

    void registersWithTheFrame() {
        MainFrame frame(fakes->services);
        Maths::Register(frame);
        frame.runToolbarKey(QStringLiteral("Maths"));
        QVERIFY(qobject_cast<Maths*>(frame.child(QStringLiteral("Maths"))));
        QVERIFY(frame.menuItem(QStringLiteral("mnuRightRunSpecialMaths"))->isChecked());
        QVERIFY(frame.unloadChild(QStringLiteral("Maths")));
        QVERIFY(!frame.menuItem(QStringLiteral("mnuRightRunSpecialMaths"))->isChecked());
        QVERIFY(fakes->settings.contains(QStringLiteral("Settings"), QStringLiteral("MathsLeft")));
    }
};

NUMORA_QTEST_MAIN(MathsTest)
#include "MathsTest.moc"
