// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The simple calculator's dialogs through the fake Dialogs: the input box
// with the earlier formulas, the result (with its fraction) or the error,
// the clipboard and the stored history.
#include <QTest>
#include <QWidget>
#include <optional>

#include "Fakes.h"
#include "QtTestMain.h"
#include "SimpleCalculator.h"

using namespace numora;
using numora::testing::FakeServices;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class SimpleCalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void simpleCalculator_data();
    void simpleCalculator();
    void simpleCalculatorHistory();
};

void SimpleCalculatorTest::simpleCalculator_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("clipboard");  // "" = untouched
    QTest::addColumn<QString>("message");    // "" = none
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");

    const QString pasted = U("\n\n计算结果已经粘贴入剪贴板");
    const int info = int(MsgIcon::Information), stop = int(MsgIcon::Stop);
    QTest::newRow("sum") << "1+1" << false << "2" << "1+1=2" + pasted << U("Numora计算结果") << info;
    QTest::newRow("fraction without leading zero")
        << "1/2" << false << ".5" << "1/2=.5" + pasted << U("Numora计算结果") << info;
    QTest::newRow("precedence") << "2+3*4" << false << "14" << "2+3*4=14" + pasted
                                << U("Numora计算结果") << info;
    QTest::newRow("full-width input, shown as typed")
        << U("（１＋２）×３") << false << "9" << U("（１＋２）×３=9") + pasted << U("Numora计算结果") << info;
    // A rounded result shows its exact fraction; the clipboard keeps the decimal.
    QTest::newRow("fraction") << "1/3" << false << ".333333333333333"
                              << U("1/3=.333333333333333\n分数: 1/3") + pasted << U("Numora计算结果") << info;
    QTest::newRow("negative fraction") << "2/-6" << false << "-.333333333333333"
                                       << U("2/-6=-.333333333333333\n分数: -1/3") + pasted << U("Numora计算结果") << info;
    QTest::newRow("exact decimal: no fraction") << "0.1+0.2" << false << ".3" << "0.1+0.2=.3" + pasted
                                                << U("Numora计算结果") << info;
    QTest::newRow("division by zero") << "8/0" << false << "" << U("表达式错误")
                                      << U("Numora错误报告") << stop;
    QTest::newRow("not a formula") << U("一加一") << false << "" << U("表达式错误")
                                   << U("Numora错误报告") << stop;
    QTest::newRow("empty text") << "" << false << "" << "" << "" << 0;
    QTest::newRow("cancelled") << "" << true << "" << "" << "" << 0;
}

void SimpleCalculatorTest::simpleCalculator() {
    QFETCH(QString, entry);
    QFETCH(bool, cancel);
    QFETCH(QString, clipboard);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(int, icon);

    {
        FakeServices fake;
        fake.clipboard.text = "before";
        fake.dialogs.inputs.push_back(cancel ? std::nullopt : std::optional<QString>(entry));
        QWidget parent;
        RunSimpleCalculator(&parent, fake.services);

        QCOMPARE(fake.dialogs.inputPrompts, QStringList{U("输入需要计算的表达式(暂时只支持加减乘除运算):")});
        QCOMPARE(fake.dialogs.inputTitles, QStringList{U("简易计算器")});
        QCOMPARE(fake.dialogs.inputDefaults, QStringList{"0"});
        QCOMPARE(fake.clipboard.text, clipboard.isEmpty() ? QStringLiteral("before") : clipboard);
        if (message.isEmpty()) {
            QVERIFY(fake.dialogs.messages.isEmpty());
            return;
        }
        QCOMPARE(fake.dialogs.messages.size(), 1);
        QCOMPARE(fake.dialogs.messages[0].text, message);
        QCOMPARE(fake.dialogs.messages[0].title, title);
        QCOMPARE(int(fake.dialogs.messages[0].icon), icon);
        QCOMPARE(fake.dialogs.messages[0].buttons, MsgButtons::Ok);
    }
}

// Every evaluated formula is kept, newest first, and offered the next time;
// the clear command forgets them.
void SimpleCalculatorTest::simpleCalculatorHistory() {
    FakeServices fake;
    QWidget parent;
    auto run = [&](const QString& formula) {
        fake.dialogs.inputs.push_back(formula);
        RunSimpleCalculator(&parent, fake.services);
    };
    for (const char* formula : {"1+1", "8/0", "1/4", "1+1"}) run(QString::fromUtf8(formula));
    run(QString());  // an empty answer is not kept
    QCOMPARE(fake.dialogs.offeredItems.first(), QStringList());
    QCOMPARE(fake.dialogs.offeredItems.last(), (QStringList{"1+1 = 2", "1/4 = .25", U("8/0 = 表达式错误")}));
    QCOMPARE(fake.dialogs.offeredEntries.last(), (QStringList{"1+1", "1/4", "8/0"}));
    QCOMPARE(fake.settings.ReadSetting("History", "Formulas", ""), U("1+1=2\n1/4=.25\n8/0=表达式错误"));

    fake.dialogs.clearHistory = true;
    run(QString());
    QCOMPARE(fake.settings.ReadSetting("History", "Formulas", "absent"), QString());
    fake.dialogs.clearHistory = false;
    run(QStringLiteral("2*3"));
    run(QString());
    QCOMPARE(fake.dialogs.offeredItems.last(), QStringList{"2*3 = 6"});
}

NUMORA_QTEST_MAIN(SimpleCalculatorTest)
#include "SimpleCalculatorTest.moc"
