// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact lines and the worked solutions (解题过程) of the mathematics
// window through its real widgets, with fake dialogs: the line after each
// command, the panel's last steps against the window's answer, refusals.
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "Fakes.h"
#include "Maths.h"
#include "MathsControls.h"
#include "QtTestMain.h"
#include "SolutionPanel.h"
#include "Utf8.h"
#include "WidgetDriver.h"

using namespace numora;
using namespace numora::maths;
using namespace numora::testing;

namespace {

// The answers of an exact line: "精确值: x1 = (3+√5)/2, x2 = (3-√5)/2" ->
// {"(3+√5)/2", "(3-√5)/2"}; "精确值: √3/2" -> {"√3/2"}.
QStringList Answers(QString line) {
    line.remove(U("精确值: "));
    QStringList answers;
    for (const QString& part : line.split(QStringLiteral(", ")))
        answers << part.section(QStringLiteral(" = "), -1);
    return answers;
}

// Whether the last lines of `steps` end with `answers`, one a line, each
// after the line's last "=".
bool EndsWithAnswers(const QStringList& steps, const QStringList& answers) {
    if (steps.size() < answers.size()) return false;
    const QStringList last = steps.mid(steps.size() - answers.size());
    for (int i = 0; i < answers.size(); ++i)
        if (last[i].section(QLatin1Char('='), -1).trimmed() != answers[i]) return false;
    return true;
}

}  // namespace

class MathsExactTest : public QObject {
    Q_OBJECT

    FakeServices* fakes = nullptr;
    Maths* window = nullptr;

    QLineEdit* field(const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    SolutionPanel* panel() { return window->findChild<SolutionPanel*>(QLatin1String(kSolutionPanel.panel)); }
    void click(const char* name) {
        auto* b = window->findChild<QPushButton*>(QLatin1String(name));
        QVERIFY2(b, name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void fill(const std::vector<const char*>& boxes, const QStringList& values) {
        for (int i = 0; i < values.size(); ++i) TypeInto(field(boxes[static_cast<std::size_t>(i)]), values[i]);
    }
    QString lastMessage() const {
        return fakes->dialogs.messages.isEmpty() ? QString() : fakes->dialogs.messages.last().text;
    }

    // The frames of the equation page: boxes, start, 解题过程, exact line.
    struct FrameNames {
        std::vector<const char*> boxes;
        const char* start;
        const char* solution;
        const char* exact;
    };
    static FrameNames Frame(int which) {
        switch (which) {
            case 1: return {{kQuadraticBoxes.begin(), kQuadraticBoxes.end()}, kQuadraticButton, kQuadraticSolution, kQuadraticExact};
            case 2: return {{kLinear2Boxes.begin(), kLinear2Boxes.end()}, kLinear2Button, kLinear2Solution, kLinear2Exact};
            default: return {{kLinear3Boxes.begin(), kLinear3Boxes.end()}, kLinear3Button, kLinear3Solution, kLinear3Exact};
        }
    }

private slots:
    void init() {
        fakes = new FakeServices;
        window = new Maths(fakes->services);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() {
        delete window;
        delete fakes;
    }

    void equations_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("exact");    // empty: no exact line
        QTest::addColumn<QString>("message");  // of the start button and of 解题过程
        QTest::newRow("irrational roots") << 1 << QStringList{"1", "-3", "1"}
                                          << U("精确值: x1 = (3+√5)/2, x2 = (3-√5)/2") << "";
        QTest::newRow("rational roots") << 1 << QStringList{"2", "-3", "1"} << U("精确值: x1 = 1, x2 = 1/2") << "";
        QTest::newRow("double root") << 1 << QStringList{"1", "2", "1"} << U("精确值: x1 = x2 = -1") << "";
        QTest::newRow("decimal coefficients") << 1 << QStringList{"0.5", "0", "-1"}
                                              << U("精确值: x1 = √2, x2 = -√2") << "";
        QTest::newRow("no real root") << 1 << QStringList{"1", "0", "1"} << "" << U("此方程无解！");
        QTest::newRow("not quadratic") << 1 << QStringList{"0", "2", "1"} << "" << U("二次项系数不能为0");
        QTest::newRow("fractions") << 2 << QStringList{"3", "1", "1", "1", "2", "1"}
                                   << U("精确值: x = 1/5, y = 2/5") << "";
        QTest::newRow("decimals") << 2 << QStringList{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6"}
                                  << U("精确值: x = -1, y = 2") << "";
        QTest::newRow("empty box") << 2 << QStringList{"1", "", "3", "1", "-1", "1"} << "" << U("请不要使输入框为空");
        QTest::newRow("no solution") << 2 << QStringList{"1", "1", "2", "1", "1", "3"} << "" << U("此方程组无解！");
        QTest::newRow("three unknowns") << 3 << QStringList{"1", "1", "1", "6", "1", "-1", "1", "2", "2", "1", "-1", "1"}
                                        << U("精确值: x = 1, y = 2, z = 3") << "";
        QTest::newRow("many solutions") << 3 << QStringList{"1", "1", "1", "1", "2", "2", "2", "2", "1", "0", "1", "0"}
                                        << "" << U("此方程组不止一组解");
    }
    // The exact line after the start button; the steps of the same inputs
    // end with its answers, or the start button's message for both.
    void equations() {
        QFETCH(int, frame);
        QFETCH(QStringList, inputs);
        QFETCH(QString, exact);
        QFETCH(QString, message);
        const FrameNames names = Frame(frame);
        // A result from before, so a refusal shows it goes.
        fill(names.boxes, frame == 1 ? QStringList{"1", "-3", "2"}
                          : frame == 2 ? QStringList{"1", "1", "3", "1", "-1", "1"}
                                       : QStringList{"1", "0", "0", "1", "0", "1", "0", "1", "0", "0", "1", "1"});
        click(names.start);
        QVERIFY(!field(names.exact)->text().isEmpty());

        fill(names.boxes, inputs);
        click(names.start);
        QCOMPARE(field(names.exact)->text(), exact);
        QCOMPARE(field(names.exact)->isVisible(), !exact.isEmpty());
        QCOMPARE(lastMessage(), message);

        fakes->dialogs.messages.clear();
        click(names.solution);
        const QStringList steps = panel()->lines();
        if (!exact.isEmpty()) {
            QVERIFY(panel()->isVisible());
            QVERIFY2(EndsWithAnswers(steps, Answers(exact)), qPrintable(steps.join(QLatin1Char('\n'))));
            QCOMPARE(lastMessage(), QString());
        } else if (steps.isEmpty()) {
            QCOMPARE(lastMessage(), message);  // refused before any step
        } else {
            QCOMPARE(steps.last(), message);  // the working ends with it
        }
    }

    // The panel follows the inputs when the button is pressed again.
    void stepsAreWorkedAgain() {
        fill(Frame(1).boxes, {"1", "0", "-8"});
        click(kQuadraticSolution);
        QVERIFY(panel()->lines().join(QLatin1Char('\n')).contains(U("2√2")));
        TypeInto(field(kQuadraticBoxes[2]), QStringLiteral("-9"));
        QVERIFY(panel()->lines().join(QLatin1Char('\n')).contains(U("2√2")));  // as shown until pressed
        click(kQuadraticSolution);
        QVERIFY(EndsWithAnswers(panel()->lines(), {"3", "-3"}));
        QCOMPARE(panel()->windowTitle(), U("解题过程 - 标准一元二次方程"));
    }

    void trigonometry_data() {
        QTest::addColumn<QString>("angle");
        QTest::addColumn<int>("function");
        QTest::addColumn<bool>("radians");
        QTest::addColumn<QString>("exact");
        QTest::newRow("sin 60°") << "60" << 0 << false << U("精确值: √3/2");
        QTest::newRow("tan 15°") << "15" << 2 << false << U("精确值: 2-√3");
        QTest::newRow("cos 36°") << "36" << 1 << false << U("精确值: (1+√5)/4");
        QTest::newRow("sin 150° after turns") << "510" << 0 << false << U("精确值: 1/2");
        QTest::newRow("no special angle") << "10" << 0 << false << "";
        QTest::newRow("radians") << "0.5" << 0 << true << "";
    }
    void trigonometry() {
        QFETCH(QString, angle);
        QFETCH(int, function);
        QFETCH(bool, radians);
        QFETCH(QString, exact);
        window->selectTab(QLatin1String(kTrigPage));
        if (radians)
            QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kUnits[1].control)), Qt::LeftButton);
        TypeInto(field(kAngle), angle);
        click(kTrigButtons[static_cast<std::size_t>(function)].control);
        QCOMPARE(field(kTrigExact)->text(), exact);
        click(kTrigSolution);
        const QStringList steps = panel()->lines();
        QVERIFY(!steps.isEmpty());
        if (!exact.isEmpty())
            QVERIFY2(EndsWithAnswers(steps, Answers(exact)), qPrintable(steps.join(QLatin1Char('\n'))));
        else  // the decimal the window shows
            QVERIFY2(steps.last().endsWith(field(kTrigResult)->text()), qPrintable(steps.last()));
        // The title names the function worked.
        const QString caption = U(kTrigButtons[static_cast<std::size_t>(function)].caption).remove(QLatin1Char(' '));
        QCOMPARE(panel()->windowTitle(), U("解题过程 - 三角函数(%1)").arg(caption));
    }

    // Undefined values keep their refusals, in the panel too.
    void trigonometryRefusal() {
        window->selectTab(QLatin1String(kTrigPage));
        TypeInto(field(kAngle), QStringLiteral("90"));
        click(kTrigButtons[2].control);
        const QString refusal = lastMessage();
        QVERIFY(!refusal.isEmpty());
        QCOMPARE(field(kTrigExact)->text(), QString());
        fakes->dialogs.messages.clear();
        click(kTrigSolution);
        QCOMPARE(lastMessage(), refusal);
        QVERIFY(!panel()->isVisible());
    }
};

NUMORA_QTEST_MAIN(MathsExactTest)
#include "MathsExactTest.moc"
