// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chemistry window through its real widgets, with fake dialogs.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "Chem.h"
#include "Fakes.h"
#include "WidgetDriver.h"
#include "QtTestMain.h"

using namespace numora;
using namespace numora::testing;

namespace {
QString U(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

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
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("ChemFrame1Frame1Option%1").arg(m)), Qt::LeftButton);
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
        QVERIFY(field("ChemFrame1Frame2Text2")->isReadOnly());
        QVERIFY(!field("ChemFrame1Frame2Text1")->isReadOnly());
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("ChemFrame1Frame4"))->isEnabled());
        type("ChemFrame1Frame4Text1", "0.5");
        field("ChemFrame1Frame5Text1")->setText(QStringLiteral("7"));
        mode(2);
        for (const char* box : {"ChemFrame1Frame2Text1", "ChemFrame1Frame3Text1", "ChemFrame1Frame5Text1"})
            QVERIFY2(field(box)->isReadOnly(), box);
        for (const char* box : {"ChemFrame1Frame2Text2", "ChemFrame1Frame3Text2", "ChemFrame1Frame5Text2"})
            QVERIFY2(!field(box)->isReadOnly(), box);
        QCOMPARE(field("ChemFrame1Frame5Text1")->text(), QStringLiteral("7"));
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("ChemFrame1Frame4"))->isEnabled());
        QCOMPARE(field("ChemFrame1Frame4Text1")->text(), QStringLiteral("0.5"));  // kept while disabled
        QTest::keyClicks(field("ChemFrame1Frame5Text1"), QStringLiteral("9"));
        QCOMPARE(field("ChemFrame1Frame5Text1")->text(), QStringLiteral("7"));    // cannot be edited
        mode(3);
        QVERIFY(field("ChemFrame1Frame2Text3")->isReadOnly());
        QVERIFY(!field("ChemFrame1Frame2Text1")->isReadOnly());
    }

    void calculators() {
        // Mode 1: solute 20 g in 100 g of solution.
        type("ChemFrame1Frame2Text1", "20");
        type("ChemFrame1Frame2Text3", "100");
        click("ChemFrame1Frame2cmd1");
        QCOMPARE(field("ChemFrame1Frame2Text4")->text(), QStringLiteral("20%"));
        click("ChemFrame1Frame2cmd2");
        QCOMPARE(field("ChemFrame1Frame2Text4")->text(), QStringLiteral("80%"));
        QCOMPARE(window->statusText(), U("正在计算......"));
        QCOMPARE(field("ChemFrame1Frame2Text4")->toolTip(), QStringLiteral("80%"));

        type("ChemFrame1Frame4Text1", "0.5");
        type("ChemFrame1Frame4Text2", "1");
        click("ChemFrame1Frame4cmd1");
        QCOMPARE(field("ChemFrame1Frame4Text3")->text(), QStringLiteral("0.5mol/L"));

        // Mode 3: solute and solvent known.
        mode(3);
        type("ChemFrame1Frame3Text1", "36");
        type("ChemFrame1Frame3Text2", "100");
        click("ChemFrame1Frame3cmd1");
        QCOMPARE(field("ChemFrame1Frame3Text4")->text(), QStringLiteral("36g"));

        // The dilution answer, exactly as the box shows it.
        mode(1);
        type("ChemFrame1Frame5Text1", "1");
        type("ChemFrame1Frame5Text3", "3");
        type("ChemFrame1Frame5Text4", "20");
        click("ChemFrame1Frame5cmd1");
        const RecordedMessage answer = fakes->dialogs.messages.last();
        QCOMPARE(answer.text, U("当前溶质的质量分数为 33.3333333333333%\n\n应减少溶质 .5g\n或者\n增加溶剂 2g"));
        QCOMPARE(answer.title, U("Numora计算结果"));
        QCOMPARE(answer.icon, MsgIcon::Information);

        // The target box's hint follows the direction.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(field("ChemFrame1Frame5Text4"), &enter);
        QCOMPARE(window->statusText(), U("稀释后的质量分数(%)"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("ChemFrame1Frame5Option2")), Qt::LeftButton);
        QApplication::sendEvent(field("ChemFrame1Frame5Text4"), &enter);
        QCOMPARE(window->statusText(), U("稀释前的质量分数(%)"));
    }

    void refusalsLeaveResults() {
        type("ChemFrame1Frame2Text1", "");
        click("ChemFrame1Frame2cmd1");
        QCOMPARE(lastMessage(), U("请不要使输入框为空"));
        QCOMPARE(fakes->dialogs.messages.last().title, U("Numora错误报告"));
        QCOMPARE(field("ChemFrame1Frame2Text4")->text(), QStringLiteral("0%"));
    }
};

NUMORA_QTEST_MAIN(ChemTest)
#include "ChemTest.moc"
