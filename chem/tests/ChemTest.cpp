// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chemistry window through its real widgets, with fake dialogs.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTest>

#include "Chem.h"
#include "ChemControls.h"
#include "ControlTableCheck.h"
#include "Fakes.h"
#include "SolutionPanel.h"
#include "Utf8.h"
#include "WidgetDriver.h"
#include "QtTestMain.h"

using namespace numora;
using namespace numora::testing;


class ChemTest : public QObject {
    Q_OBJECT

    FakeServices* fakes = nullptr;
    Chem* window = nullptr;

    QLineEdit* field(const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    void type(const char* name, const QString& keys) {
        TypeInto(field(name), keys);
    }
    void click(const char* name) { QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton); }
    void mode(int m) {
        const char* option = chem::kModes[static_cast<std::size_t>(m - 1)].control;
        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(option)), Qt::LeftButton);
    }
    QString lastMessage() { return fakes->dialogs.messages.isEmpty() ? QString() : fakes->dialogs.messages.last().text; }

private slots:
    void init() {
        fakes = new FakeServices;
        window = new Chem(fakes->services);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() {
        delete window;
        delete fakes;
    }

    // Each mode locks one mass box of every calculator; locked boxes keep
    // their text; only mode 1 enables the molar-concentration frame.
    void modesLockBoxes() {
        QCOMPARE(window->windowTitle(), U("化学专科计算"));
        QVERIFY(field(chem::kFractionBoxes.solvent)->isReadOnly());
        QVERIFY(!field(chem::kFractionBoxes.solute)->isReadOnly());
        QVERIFY(window->findChild<QWidget*>(QLatin1String(chem::kMolarityFrame))->isEnabled());
        type(chem::kMolarityAmount, "0.5");
        field(chem::kDilutionBoxes.solute)->setText(QStringLiteral("7"));
        mode(2);
        for (const char* box : {chem::kFractionBoxes.solute, chem::kSolubilityBoxes.solute, chem::kDilutionBoxes.solute})
            QVERIFY2(field(box)->isReadOnly(), box);
        for (const char* box : {chem::kFractionBoxes.solvent, chem::kSolubilityBoxes.solvent, chem::kDilutionBoxes.solvent})
            QVERIFY2(!field(box)->isReadOnly(), box);
        QCOMPARE(field(chem::kDilutionBoxes.solute)->text(), QStringLiteral("7"));
        QVERIFY(!window->findChild<QWidget*>(QLatin1String(chem::kMolarityFrame))->isEnabled());
        QCOMPARE(field(chem::kMolarityAmount)->text(), QStringLiteral("0.5"));  // kept while disabled
        QTest::keyClicks(field(chem::kDilutionBoxes.solute), QStringLiteral("9"));
        QCOMPARE(field(chem::kDilutionBoxes.solute)->text(), QStringLiteral("7"));    // cannot be edited
        mode(3);
        QVERIFY(field(chem::kFractionBoxes.solution)->isReadOnly());
        QVERIFY(!field(chem::kFractionBoxes.solute)->isReadOnly());
    }

    // The control table names the window's controls: every hint row shows
    // its hint.
    void controlTableNamesTheWindowsControls() { QCOMPARE(HintsNotShown(window, chem::kHints), QStringList()); }

    void calculators() {
        // Mode 1: solute 20 g in 100 g of solution.
        type(chem::kFractionBoxes.solute, "20");
        type(chem::kFractionBoxes.solution, "100");
        click(chem::kSoluteFractionButton);
        QCOMPARE(field(chem::kFractionResult)->text(), QStringLiteral("20%"));
        click(chem::kSolventFractionButton);
        QCOMPARE(field(chem::kFractionResult)->text(), QStringLiteral("80%"));
        QCOMPARE(window->statusText(), U("正在计算......"));
        QCOMPARE(field(chem::kFractionResult)->toolTip(), QStringLiteral("80%"));

        type(chem::kMolarityAmount, "0.5");
        type(chem::kMolarityVolume, "1");
        click(chem::kMolarityButton);
        QCOMPARE(field(chem::kMolarityResult)->text(), QStringLiteral("0.5mol/L"));

        // Full-width digits and the ideographic full stop, as an input
        // method commits them.
        field(chem::kMolarityAmount)->setText(U("０。２５"));
        field(chem::kMolarityVolume)->setText(U("１"));
        click(chem::kMolarityButton);
        QCOMPARE(field(chem::kMolarityResult)->text(), QStringLiteral("0.25mol/L"));

        // Mode 3: solute and solvent known.
        mode(3);
        type(chem::kSolubilityBoxes.solute, "36");
        type(chem::kSolubilityBoxes.solvent, "100");
        click(chem::kSolubilityButton);
        QCOMPARE(field(chem::kSolubilityResult)->text(), QStringLiteral("36g"));

        // The dilution answer, exactly as the box shows it.
        mode(1);
        type(chem::kDilutionBoxes.solute, "1");
        type(chem::kDilutionBoxes.solution, "3");
        type(chem::kDilutionTarget, "20");
        click(chem::kDilutionButton);
        const RecordedMessage answer = fakes->dialogs.messages.last();
        QCOMPARE(answer.text, U("当前溶质的质量分数为 33.3333333333333%\n\n应减少溶质 .5g\n或者\n增加溶剂 2g"));
        QCOMPARE(answer.title, U("Numora计算结果"));
        QCOMPARE(answer.icon, MessageIcon::Information);

        // The target box's hint follows the direction.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(field(chem::kDilutionTarget), &enter);
        QCOMPARE(window->statusText(), U("稀释后的质量分数(%)"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(chem::kDirections[1].control)), Qt::LeftButton);
        QApplication::sendEvent(field(chem::kDilutionTarget), &enter);
        QCOMPARE(window->statusText(), U("稀释前的质量分数(%)"));
    }

    void refusalsLeaveResults() {
        type(chem::kFractionBoxes.solute, "");
        click(chem::kSoluteFractionButton);
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));
        QCOMPARE(fakes->dialogs.messages.last().title, U("Numora错误报告"));
        QCOMPARE(field(chem::kFractionResult)->text(), QStringLiteral("0%"));
    }

    // Each problem's 解题过程 for the current boxes: its last line ends with
    // what the window shows (the result box, or the amounts of the dilution
    // answer); a refusal gives the start button's message and no panel.
    void workedSolutions() {
        auto* panel = window->findChild<SolutionPanel*>(QLatin1String(chem::kSolutionPanel.panel));
        auto steps = [&](const char* button) {
            panel->close();
            click(button);
            return panel->isVisible() ? panel->lines() : QStringList();
        };
        type(chem::kFractionBoxes.solute, "10");
        type(chem::kFractionBoxes.solution, "50");
        click(chem::kSolventFractionButton);
        QCOMPARE(steps(chem::kFractionSolution).last(), QStringLiteral("= ") + field(chem::kFractionResult)->text());
        QCOMPARE(field(chem::kFractionResult)->text(), QStringLiteral("80%"));
        QCOMPARE(panel->windowTitle(), U("解题过程 - 质量分数(溶剂质量分数)"));
        click(chem::kSoluteFractionButton);
        QCOMPARE(steps(chem::kFractionSolution).last(), QStringLiteral("= 20%"));

        type(chem::kSolubilityBoxes.solute, "36");
        type(chem::kSolubilityBoxes.solution, "136");
        click(chem::kSolubilityButton);
        QCOMPARE(steps(chem::kSolubilitySolution).last(), QStringLiteral("= ") + field(chem::kSolubilityResult)->text());

        type(chem::kMolarityAmount, "1");
        type(chem::kMolarityVolume, "3");
        click(chem::kMolarityButton);
        QCOMPARE(steps(chem::kMolaritySolution).last(), QStringLiteral("= ") + field(chem::kMolarityResult)->text());

        // Dilution: the answer is a message; each of its two ways ends with
        // a line "应…" of the amount it gives, the second one last.
        type(chem::kDilutionBoxes.solute, "20");
        type(chem::kDilutionBoxes.solution, "100");
        type(chem::kDilutionTarget, "10");
        click(chem::kDilutionButton);
        const QString answer = lastMessage();
        const QStringList dilution = steps(chem::kDilutionSolution);
        const QStringList amounts = dilution.filter(QRegularExpression(QStringLiteral("^应")));
        QCOMPARE(amounts.size(), 2);
        QCOMPARE(amounts.last(), dilution.last());
        for (const QString& line : amounts) {
            const QString amount = line.section(QLatin1Char('='), -1).trimmed();
            QVERIFY2(answer.contains(amount), qPrintable(amount + QLatin1String(" / ") + answer));
        }
        QVERIFY(dilution.join(QLatin1Char('\n')).contains(U("稀释前后溶质的质量不变")));

        // Refused: the same message as the start button, no panel.
        type(chem::kSolubilityBoxes.solute, "");
        click(chem::kSolubilityButton);
        const QString refusal = lastMessage();
        QVERIFY(!refusal.isEmpty());
        fakes->dialogs.messages.clear();
        QCOMPARE(steps(chem::kSolubilitySolution), QStringList());
        QCOMPARE(lastMessage(), refusal);
    }
};

NUMORA_QTEST_MAIN(ChemTest)
#include "ChemTest.moc"
