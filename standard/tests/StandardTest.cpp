// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The basic-calculation window through its real widgets, with fake dialogs.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "Fakes.h"
#include "ControlTableCheck.h"
#include "Utf8.h"
#include "JobRunner.h"
#include "WidgetDriver.h"
#include "Standard.h"
#include "SolutionPanel.h"
#include "StandardControls.h"
#include "QtTestMain.h"

using namespace numora;
using namespace numora::standard;
using namespace numora::testing;

namespace {

// A field and its text, "control=text", in the rows of a table.
QString Set(const char* control, const char* text) { return QLatin1String(control) + QLatin1Char('=') + U(text); }

}  // namespace

class StandardTest : public QObject {
    Q_OBJECT

    FakeServices* fakes = nullptr;
    Standard* window = nullptr;

    QLineEdit* field(const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    QPlainTextEdit* box(const char* name) { return window->findChild<QPlainTextEdit*>(QLatin1String(name)); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(QLatin1String(name)); }
    QString text(const char* name) {
        if (auto* f = field(name)) return f->text();
        return box(name)->toPlainText();
    }
    // Types into a field as a user does: click, which selects everything, then keys.
    void type(const char* name, const QString& keys) {
        TypeInto(field(name), keys);
    }
    void click(const char* name) {
        QPushButton* b = button(name);
        QVERIFY2(b, name);
        QVERIFY2(b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QString lastMessage() { return fakes->dialogs.messages.isEmpty() ? QString() : fakes->dialogs.messages.last().text; }
    JobRunner* job(const char* name) { return window->findChild<JobRunner*>(QLatin1String(name)); }
    // Waits until the power and the list fold have ended.
    void settle() {
        QTRY_VERIFY_WITH_TIMEOUT(!job("LargePairJob")->running() && !job("LargeFoldJob")->running(), 60000);
    }
    bool enabled(const char* frame) { return window->findChild<QGroupBox*>(QLatin1String(frame))->isEnabled(); }

private slots:
    void init() {
        fakes = new FakeServices;
        window = new Standard(fakes->services);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() {
        delete window;
        delete fakes;
    }

    void windowTabsAndStatus() {
        QCOMPARE(window->windowTitle(), U("基本计算"));
        auto* tabs = window->findChild<QTabBar*>();
        QCOMPARE(tabs->count(), 3);
        const char* captions[] = {"传统计算－完全界面", "传统计算－简易界面", "1-255位整数运算"};
        const char* keys[] = {kFullPage, kQuickPage, kLargePage};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(tabs->tabText(i), U(captions[i]));
            QCOMPARE(tabs->tabData(i).toString(), QLatin1String(keys[i]));
        }
        QCOMPARE(window->statusText(), U("Numora - 基本计算"));
        for (const char* key : keys) {
            window->selectTab(QLatin1String(key));
            for (const char* page : keys)
                QCOMPARE(window->findChild<QWidget*>(QLatin1String(page))->isVisible(), QLatin1String(page) == QLatin1String(key));
        }
    }

    // The control table names the window's controls: every hint row shows
    // its hint, every result field is read-only (the logarithm's aside) and
    // shows its text as its tool tip, every operation has its button.
    void controlTableNamesTheWindowsControls() {
        QCOMPARE(HintsNotShown(window, kHints), QStringList());
        for (const char* name : kResultFields) {
            QLineEdit* result = field(name);
            QVERIFY2(result, name);
            QCOMPARE(result->isReadOnly(), name != kLogResult);
            result->setText(QStringLiteral("12.5"));
            QCOMPARE(result->toolTip(), QStringLiteral("12.5"));
        }
        for (const ControlText& op : kQuickButtons) QCOMPARE(button(op.control)->text(), U(op.text));
        for (const OperationRow& op : kOperations)
            QCOMPARE(window->findChild<QRadioButton*>(QLatin1String(op.control))->text(), U(op.caption));
    }

    void fieldsHaveTheirLimitsAndLooks() {
        const struct { const char* name; const char* text; int maxLength; bool readOnly; } fields[] = {
            {kAddFirst, "0", 16, false},  {kDivisor, "1", 16, false},
            {kPowerBase, "1", 16, false}, {kPowerExponent, "0", 3, false},
            {kRootIndex, "1", 3, false},   {kRadicand, "0", 12, false},
            {kLogBase, "2", 8, false},   {kLogArgument, "1", 8, false},
            {kFactorialInput, "0", 3, false}, {kPairFirst, "0", 255, false},
            {kListEntry, "0", 255, false},     {kAddResult, "0", 32767, true},
            {kPowerResult, "1", 32767, true}, {kLogResult, "0", 32767, false},
            {kPairLength, "1", 32767, true}, {kListCount, "0", 32767, true},
        };
        for (const auto& f : fields) {
            QLineEdit* e = field(f.name);
            QVERIFY2(e, f.name);
            QCOMPARE(e->text(), QLatin1String(f.text));
            QCOMPARE(e->maxLength(), f.maxLength);
            QCOMPARE(e->isReadOnly(), f.readOnly);
        }
        // Results, the typable one included, have the button face's colour.
        for (const char* name : {kAddResult, kLogResult})
            QCOMPARE(field(name)->palette().color(QPalette::Base), field(name)->palette().color(QPalette::Button));
        QCOMPARE(box(kPairRemainder)->toolTip(), U("余数显示框(除法专用)"));
    }

    void fullPageCommands_data() {
        QTest::addColumn<QStringList>("inputs");  // name=value pairs
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("results");  // name=value after the click
        QTest::addColumn<QString>("message");
        QTest::newRow("sum") << QStringList{Set(kAddFirst, "0.1"), Set(kAddSecond, "0.2")} << kAddButton
                             << QStringList{Set(kAddResult, "0.3")} << "";
        QTest::newRow("sum empty") << QStringList{Set(kAddFirst, "")} << kAddButton << QStringList{Set(kAddResult, "0")}
                                   << U("请不要使输入框为空");
        QTest::newRow("difference") << QStringList{Set(kSubtractFirst, "1"), Set(kSubtractSecond, "1.5")}
                                    << kSubtractButton
                                    << QStringList{Set(kSubtractResult, "-0.5")} << "";
        QTest::newRow("product") << QStringList{Set(kMultiplyFirst, "9E307"), Set(kMultiplySecond, "10")}
                                 << kMultiplyButton
                                 << QStringList{Set(kMultiplyResult, "0")} << U("数据过大");
        QTest::newRow("quotient") << QStringList{Set(kDividend, "7.5"), Set(kDivisor, "2")} << kDivideButton
                                  << QStringList{Set(kQuotient, "3.75"), Set(kIntegerQuotient, "4"), Set(kRemainder, "0")}
                                  << "";
        QTest::newRow("divisor 0") << QStringList{Set(kDividend, "7"), Set(kDivisor, "0")} << kDivideButton
                                   << QStringList{Set(kQuotient, "0")} << U("0不能作除数");
        QTest::newRow("divisor 0.4") << QStringList{Set(kDividend, "7"), Set(kDivisor, "0.4")} << kDivideButton
                                     << QStringList{Set(kIntegerQuotient, "0")} << U("捕获到未知错误");
        QTest::newRow("power") << QStringList{Set(kPowerBase, "2"), Set(kPowerExponent, "10")} << kPowerButton
                               << QStringList{Set(kPowerResult, "1024")} << "";
        QTest::newRow("power 0^0") << QStringList{Set(kPowerBase, "0"), Set(kPowerExponent, "0")} << kPowerButton
                                   << QStringList{Set(kPowerResult, "1")} << U("0没有0次幂");
        QTest::newRow("root") << QStringList{Set(kRadicand, "2"), Set(kRootIndex, "2")} << kRootButton
                              << QStringList{Set(kRootResult, "1.4142135623731"), Set(kRoundedRoot, "1")} << "";
        QTest::newRow("negative radicand") << QStringList{Set(kRadicand, "-4")} << kRootButton
                                           << QStringList{Set(kRadicand, "0"), Set(kRootResult, "0")}
                                           << U("被开方数不能为负");
        QTest::newRow("index minus") << QStringList{Set(kRadicand, "4"), Set(kRootIndex, "-")} << kRootButton
                                     << QStringList{Set(kRootIndex, "1")} << U("指数中不要有负号");
        QTest::newRow("log") << QStringList{Set(kLogArgument, "8"), Set(kLogBase, "2")} << kLogButton
                             << QStringList{Set(kLogResult, "3")} << "";
        QTest::newRow("log base 1") << QStringList{Set(kLogArgument, "8"), Set(kLogBase, "1")} << kLogButton
                                    << QStringList{Set(kLogResult, "0")} << U("底数不可为1");
        QTest::newRow("factorial 18") << QStringList{Set(kFactorialInput, "18")} << kFactorialButton
                                      << QStringList{Set(kFactorialResult, "6.402373705728E+15")} << "";
        QTest::newRow("factorial -") << QStringList{Set(kFactorialInput, "-")} << kFactorialButton
                                     << QStringList{Set(kFactorialInput, "0")} << U("该数不可为负");
        QTest::newRow("factorial 171") << QStringList{Set(kFactorialInput, "171")} << kFactorialButton
                                       << QStringList{Set(kFactorialResult, "0")} << U("数据过大");
    }

    void fullPageCommands() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, command);
        QFETCH(QStringList, results);
        QFETCH(QString, message);
        for (const QString& pair : inputs) {
            const int eq = pair.indexOf('=');
            type(pair.left(eq).toUtf8().constData(), pair.mid(eq + 1));
        }
        click(command.toUtf8().constData());
        for (const QString& pair : results) {
            const int eq = pair.indexOf('=');
            QCOMPARE(text(pair.left(eq).toUtf8().constData()), pair.mid(eq + 1));
        }
        QCOMPARE(lastMessage(), message);
        if (!message.isEmpty()) {
            QCOMPARE(fakes->dialogs.messages.size(), 1);
            QCOMPARE(fakes->dialogs.messages.last().title, U("Numora错误报告"));
            QCOMPARE(fakes->dialogs.messages.last().icon, MessageIcon::Exclamation);
        }
        QCOMPARE(window->statusText(), U("正在计算......"));
    }

    // Full-width digits and signs, as a Chinese input method commits them,
    // are the numbers and signs they show, also in the checks of exact
    // texts ("－" as the root index, "０" as the divisor).
    void fullWidthInput_data() {
        QTest::addColumn<QStringList>("inputs");  // name=value pairs
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("result");  // name=value after the click
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("page");
        QTest::newRow("sum") << QStringList{Set(kAddFirst, "１２"), Set(kAddSecond, "－．５")} << kAddButton
                             << Set(kAddResult, "11.5") << "" << kFullPage;
        QTest::newRow("divisor ０") << QStringList{Set(kDividend, "１"), Set(kDivisor, "０")} << kDivideButton
                                   << Set(kQuotient, "0") << U("0不能作除数") << kFullPage;
        QTest::newRow("index －") << QStringList{Set(kRadicand, "４"), Set(kRootIndex, "－")} << kRootButton
                                 << Set(kRootIndex, "1") << U("指数中不要有负号") << kFullPage;
        QTest::newRow("quick power") << QStringList{Set(kQuickFirst, "２"), Set(kQuickSecond, "１０")}
                                     << kQuickButtons[4].control << Set(kQuickResult, "1024") << "" << kQuickPage;
    }
    void fullWidthInput() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, command);
        QFETCH(QString, result);
        QFETCH(QString, message);
        QFETCH(QString, page);
        window->selectTab(page);
        for (const QString& pair : inputs) field(pair.section('=', 0, 0).toLatin1().constData())->setText(pair.section('=', 1));
        click(command.toLatin1().constData());
        QCOMPARE(text(result.section('=', 0, 0).toLatin1().constData()), result.section('=', 1));
        QCOMPARE(lastMessage(), message);
    }

    void hintsAndTooltips() {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button(kDivideButton), &enter);
        QCOMPARE(window->statusText(), U("计算商以及整除求余"));
        QApplication::sendEvent(field(kQuotient), &enter);
        QCOMPARE(window->statusText(), U("标准结果"));
        type(kAddFirst, "12345678");
        click(kAddButton);
        QCOMPARE(field(kAddResult)->toolTip(), QStringLiteral("12345678"));
        // The operand hints of the big-number page follow the option.
        window->selectTab(QLatin1String(kLargePage));
        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kOperations[4].control)), Qt::LeftButton);
        QApplication::sendEvent(field(kPairSecond), &enter);
        QCOMPARE(window->statusText(), U("输入指数"));
    }

    void selectAllOnClick() {
        field(kAddFirst)->setText(QStringLiteral("123.5"));
        QTest::mouseClick(field(kAddFirst), Qt::LeftButton, {}, QPoint(10, 5));
        QTRY_COMPARE(field(kAddFirst)->selectedText(), QStringLiteral("123.5"));
    }

    void quickPageNeverChangesItsInputs() {
        window->selectTab(QLatin1String(kQuickPage));
        type(kQuickFirst, "00");
        type(kQuickSecond, "0.0");
        click(kQuickButtons[4].control);
        QCOMPARE(lastMessage(), U("0没有0次幂"));
        type(kQuickFirst, "2");
        type(kQuickSecond, "8");
        click(kQuickButtons[6].control);
        QCOMPARE(text(kQuickResult), QStringLiteral("3"));
        click(kQuickButtons[3].control);
        QCOMPARE(text(kQuickResult), QStringLiteral("0.25"));
        type(kQuickFirst, "-8");
        type(kQuickSecond, "0.5");
        click(kQuickButtons[4].control);
        QCOMPARE(lastMessage(), U("捕获到未知错误"));
        QCOMPARE(text(kQuickResult), QStringLiteral("0.25"));
        QCOMPARE(text(kQuickFirst), QStringLiteral("-8"));
        QCOMPARE(text(kQuickSecond), QStringLiteral("0.5"));
    }

    void pairwisePane() {
        window->selectTab(QLatin1String(kLargePage));
        type(kPairFirst, QString(255, '9'));
        type(kPairSecond, "1");
        click(kPairButton);
        QCOMPARE(text(kPairResult), "1" + QString(255, '0'));
        QCOMPARE(text(kPairLength), U("大于等于256"));

        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kOperations[3].control)), Qt::LeftButton);
        QVERIFY(!window->findChild<QGroupBox*>(QLatin1String(kFoldFrame))->isEnabled());
        type(kPairFirst, "1000");
        type(kPairSecond, "7");
        click(kPairButton);
        QCOMPARE(text(kPairResult), QStringLiteral("0142"));
        QCOMPARE(text(kPairRemainder), QStringLiteral("6"));
        QCOMPARE(text(kPairLength), QStringLiteral("4"));

        type(kPairSecond, "0");
        click(kPairButton);
        QCOMPARE(lastMessage(), U("除数不能为0"));
        type(kPairSecond, "-7");
        click(kPairButton);
        QCOMPARE(lastMessage(), U("请输入非负数"));

        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kOperations[4].control)), Qt::LeftButton);
        type(kPairFirst, "2");
        type(kPairSecond, "1000");
        click(kPairButton);
        settle();
        QCOMPARE(lastMessage(), U("数据过大"));
        QCOMPARE(text(kPairLength), QStringLiteral("4"));  // not updated
        QVERIFY(window->findChild<QGroupBox*>(QLatin1String(kPairFrame))->isEnabled());
        type(kPairSecond, "10");
        click(kPairButton);
        settle();
        QCOMPARE(text(kPairResult), QStringLiteral("1024"));
        QCOMPARE(text(kPairRemainder), QStringLiteral("6"));  // kept from the division
    }

    void collectivePane() {
        window->selectTab(QLatin1String(kLargePage));
        auto* list = window->findChild<QListWidget*>(QLatin1String(kList));
        QVERIFY(!button(kFoldButton)->isEnabled());
        for (const char* item : {"1", "2", "3"}) {
            type(kListEntry, item);
            QTest::keyClick(field(kListEntry), Qt::Key_Return);  // Enter adds
        }
        QCOMPARE(list->count(), 3);
        QCOMPARE(field(kListEntry)->selectedText(), QStringLiteral("3"));
        QCOMPARE(text(kListCount), QStringLiteral("3"));
        QCOMPARE(text(kFoldResult), QStringLiteral("1"));
        click(kFoldButton);
        settle();
        QCOMPARE(text(kFoldResult), QStringLiteral("6"));
        QCOMPARE(text(kFoldLength), QStringLiteral("1"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kOperations[2].control)), Qt::LeftButton);
        type(kListEntry, "4");
        click(kAddItemButton);
        click(kFoldButton);
        settle();
        QCOMPARE(text(kFoldResult), QStringLiteral("24"));

        // Edit the second item through the input box.
        QVERIFY(!button(kEditItemButton)->isEnabled());
        list->setCurrentRow(1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        fakes->dialogs.inputs.push_back(QStringLiteral("5"));
        click(kEditItemButton);
        QCOMPARE(fakes->dialogs.inputTitles.last(), U("编辑数据"));
        QCOMPARE(fakes->dialogs.inputDefaults.last(), QStringLiteral("2"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("5"));
        QCOMPARE(list->count(), 4);
        QVERIFY(!button(kEditItemButton)->isEnabled());

        // Delete everything: the start button follows the count.
        while (list->count() > 0) {
            list->setCurrentRow(0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            click(kDeleteItemButton);
        }
        QCOMPARE(text(kListCount), QStringLiteral("0"));
        QCOMPARE(text(kFoldResult), QString());
        QVERIFY(!button(kFoldButton)->isEnabled());

        // Adding refuses a leading minus sign.
        type(kListEntry, "-1");
        click(kAddItemButton);
        QCOMPARE(lastMessage(), U("请输入非负数"));
    }

    void clearAsksFirst() {
        window->selectTab(QLatin1String(kLargePage));
        type(kListEntry, "7");
        click(kAddItemButton);
        click(kFoldButton);
        settle();
        fakes->dialogs.answers.push_back(MsgAnswer::Cancel);
        click(kClearListButton);
        const RecordedMessage asked = fakes->dialogs.messages.last();
        QCOMPARE(asked.text, U("执行数据清除命令吗？"));
        QCOMPARE(asked.title, U("Numora清除数据确认"));
        QCOMPARE(asked.icon, MessageIcon::Information);
        QCOMPARE(asked.buttons, MsgButtons::OkCancel);
        QCOMPARE(asked.defaultButton, std::optional<MsgAnswer>(MsgAnswer::Cancel));
        QCOMPARE(text(kListCount), QStringLiteral("1"));
        fakes->dialogs.answers.push_back(MsgAnswer::Ok);
        click(kClearListButton);
        QCOMPARE(text(kListCount), QStringLiteral("0"));
        QCOMPARE(text(kFoldResult), QStringLiteral("7"));  // the last result stays
        QVERIFY(!button(kFoldButton)->isEnabled());
    }

    // A power stopped by the stop button while it runs keeps its partial
    // power and digit count (2 to the power 1000 would end with "数据过大").
    void stopDuringAPower() {
        window->selectTab(QLatin1String(kLargePage));
        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kOperations[4].control)), Qt::LeftButton);
        type(kPairFirst, "2");
        type(kPairSecond, "1000");
        job("LargePairJob")->hold();
        job("LargePairJob")->release(1);  // one multiplication, then the job waits
        click(kPairButton);
        QVERIFY(!enabled(kPairFrame));
        QVERIFY(button(kLargeStopButton)->isEnabled());
        QTRY_VERIFY(job("LargePairJob")->waiting());  // the multiplication is done
        click(kLargeStopButton);
        settle();
        QCOMPARE(text(kPairResult), QStringLiteral("2"));
        QCOMPARE(text(kPairLength), QStringLiteral("1"));
        QVERIFY(enabled(kPairFrame));
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // While the list fold runs, its pane is disabled (no second fold, no
    // change of the list) and the pairwise pane computes a power to its end
    // beside it; the stop button then ends the fold, which keeps its partial
    // sum and does not update its digit count.
    void panesRunSideBySide() {
        window->selectTab(QLatin1String(kLargePage));
        auto* list = window->findChild<QListWidget*>(QLatin1String(kList));
        for (int i = 0; i < 1000; ++i) list->addItem(QStringLiteral("1"));
        field(kListCount)->setText(QStringLiteral("1000"));
        job("LargeFoldJob")->hold();
        job("LargeFoldJob")->release(10);  // ten items added, then the fold waits
        click(kFoldButton);
        QVERIFY(!enabled(kFoldFrame));
        QVERIFY(!button(kFoldButton)->isEnabled());
        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kOperations[2].control)), Qt::LeftButton);
        QVERIFY(!enabled(kFoldFrame));  // choosing the product does not open the running pane
        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kOperations[4].control)), Qt::LeftButton);
        type(kPairFirst, "2");
        type(kPairSecond, "10");
        click(kPairButton);
        QTRY_VERIFY(!job("LargePairJob")->running());
        QCOMPARE(text(kPairResult), QStringLiteral("1024"));
        QVERIFY(job("LargeFoldJob")->running());
        QTRY_VERIFY(job("LargeFoldJob")->waiting());  // the ten items are added
        click(kLargeStopButton);
        settle();
        QCOMPARE(text(kFoldResult), QStringLiteral("11"));
        QCOMPARE(text(kFoldLength), QStringLiteral("1"));
        QVERIFY(!enabled(kFoldFrame));  // the power option chosen meanwhile keeps the pane disabled
        QCOMPARE(list->count(), 1000);
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // A power of 0 or 1 is known at once, whatever the exponent: the largest
    // 32-bit exponent took the step counter past its range and never ended.
    void powersOfZeroAndOneEndAtOnce() {
        window->selectTab(QLatin1String(kLargePage));
        QTest::mouseClick(window->findChild<QRadioButton*>(QLatin1String(kOperations[4].control)), Qt::LeftButton);
        for (const char* base : {"1", "0"}) {
            type(kPairFirst, base);
            type(kPairSecond, "2147483647");
            click(kPairButton);
            settle();
            QCOMPARE(text(kPairResult), QLatin1String(base));
            QCOMPARE(text(kPairLength), QStringLiteral("1"));
        }
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // Operands, and list items added or edited, hold only the digits 0-9
    // (blanks at both ends are dropped; full-width digits are digits): 1.5 +
    // 1 gave 106, an item edited to -7 was summed as 7.
    void bigNumberTextIsDigitsOnly() {
        window->selectTab(QLatin1String(kLargePage));
        const QString digitsOnly = U("请输入只由数字0-9组成的整数");
        const QString refused[] = {U("1.5"), U("1,000"), U(" 12 34 "), U("abc"), U("１．２"), U("1e5")};
        for (const char* operand : {kPairFirst, kPairSecond}) {
            const char* other = operand == QLatin1String(kPairFirst) ? kPairSecond : kPairFirst;
            for (const QString& typed : refused) {
                field(other)->setText(QStringLiteral("1"));
                field(operand)->setText(typed);
                const qsizetype before = fakes->dialogs.messages.size();
                click(kPairButton);
                QCOMPARE(fakes->dialogs.messages.size(), before + 1);
                QCOMPARE(lastMessage(), digitsOnly);
                QCOMPARE(text(kPairResult), QStringLiteral("0"));
                QVERIFY(window->findChild<QGroupBox*>(QLatin1String(kPairFrame))->isEnabled());
            }
        }
        field(kPairFirst)->setText(QStringLiteral(" 12\t"));
        field(kPairSecond)->setText(QStringLiteral("3 "));
        click(kPairButton);
        QCOMPARE(text(kPairResult), QStringLiteral("15"));
        field(kPairFirst)->setText(U("１２"));
        field(kPairSecond)->setText(U(" ３"));
        click(kPairButton);
        QCOMPARE(text(kPairResult), QStringLiteral("15"));
        QCOMPARE(text(kPairLength), QStringLiteral("2"));

        auto* list = window->findChild<QListWidget*>(QLatin1String(kList));
        for (const QString& typed : refused) {
            field(kListEntry)->setText(typed);
            click(kAddItemButton);
            QCOMPARE(lastMessage(), digitsOnly);
        }
        QCOMPARE(list->count(), 0);
        field(kListEntry)->setText(QStringLiteral(" 5 "));
        click(kAddItemButton);
        type(kListEntry, "6");
        click(kAddItemButton);
        QCOMPARE(list->item(0)->text(), QStringLiteral("5"));

        // Editing checks the new text as adding does, and leaves a refused
        // item as it was.
        const struct { const char* answer; const char* message; const char* item; } edits[] = {
            {"-7", "请输入非负数", "5"}, {"1.5", "请输入只由数字0-9组成的整数", "5"},
            {"７．", "请输入只由数字0-9组成的整数", "5"}, {" 70 ", "", "70"}, {"７", "", "7"},
        };
        for (const auto& e : edits) {
            list->setCurrentRow(0);
            const qsizetype before = fakes->dialogs.messages.size();
            fakes->dialogs.inputs.push_back(U(e.answer));
            click(kEditItemButton);
            QCOMPARE(fakes->dialogs.messages.size(), before + (*e.message ? 1 : 0));
            if (*e.message) QCOMPARE(lastMessage(), U(e.message));
            QCOMPARE(list->item(0)->text(), QLatin1String(e.item));
            QCOMPARE(list->count(), 2);
        }
        click(kFoldButton);
        settle();
        QCOMPARE(text(kFoldResult), QStringLiteral("13"));
    }

    // The multi-line result fields select everything on focus, by click or by key.
    void resultFieldsSelectAllOnFocus() {
        window->selectTab(QLatin1String(kLargePage));
        for (const char* name : {kPairResult, kPairRemainder, kFoldResult}) {
            QPlainTextEdit* result = box(name);
            result->setPlainText(QStringLiteral("123456789\n0246"));
            QWidget* viewport = result->viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() / 2, 8));
            QTRY_VERIFY2(result->hasFocus(), name);
            QTRY_COMPARE(result->textCursor().selectedText(), QString("123456789") + QChar::ParagraphSeparator + "0246");
            button(kLargeStopButton)->setFocus(Qt::TabFocusReason);
            result->moveCursor(QTextCursor::End);
            result->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY2(result->textCursor().hasSelection(), name);
            QCOMPARE(result->textCursor().selectedText().size(), 14);
        }
    }

    // The delete and edit buttons follow the current item, whether the
    // mouse or the keyboard chose it; after a delete no item is current.
    void listButtonsFollowTheCurrentItem() {
        window->selectTab(QLatin1String(kLargePage));
        auto* list = window->findChild<QListWidget*>(QLatin1String(kList));
        for (const char* item : {"1", "2", "3"}) {
            type(kListEntry, item);
            click(kAddItemButton);
        }
        QVERIFY(!button(kDeleteItemButton)->isEnabled());
        QVERIFY(!button(kEditItemButton)->isEnabled());
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(list->currentItem());
        QVERIFY(button(kDeleteItemButton)->isEnabled());
        QVERIFY(button(kEditItemButton)->isEnabled());
        const QString chosen = list->currentItem()->text();
        click(kDeleteItemButton);
        QCOMPARE(list->count(), 2);
        QVERIFY(list->findItems(chosen, Qt::MatchExactly).isEmpty());
        QVERIFY(!button(kDeleteItemButton)->isEnabled());
        QVERIFY(!button(kEditItemButton)->isEnabled());
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);  // the first item, with none current
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QVERIFY(button(kEditItemButton)->isEnabled());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(button(kDeleteItemButton)->isEnabled());
        // The list's lines are copied from the keyboard.
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(fakes->clipboard.text, list->item(0)->text() + QLatin1Char('\n') + list->item(1)->text());
        fakes->dialogs.answers.push_back(MsgAnswer::Ok);
        click(kClearListButton);
        QVERIFY(!button(kDeleteItemButton)->isEnabled());
        QVERIFY(!button(kEditItemButton)->isEnabled());
    }

    // Closing the window while a power runs ends the job: the window goes at
    // once and nothing of the job reaches it afterwards (the frame's part,
    // its marks and place: app/tests/ChildWindowTableTest.cpp).
    void closeDuringAPower() {
        auto* standard = new Standard(fakes->services);
        standard->setAttribute(Qt::WA_DeleteOnClose);
        standard->show();
        standard->selectTab(QLatin1String(kLargePage));
        standard->findChild<QRadioButton*>(QLatin1String(kOperations[4].control))->setChecked(true);
        standard->findChild<QLineEdit*>(QLatin1String(kPairFirst))->setText(QStringLiteral("2"));
        standard->findChild<QLineEdit*>(QLatin1String(kPairSecond))->setText(QStringLiteral("1000"));
        QPointer<Standard> guard(standard);
        auto* job = standard->findChild<JobRunner*>(QStringLiteral("LargePairJob"));
        job->hold();
        standard->findChild<QPushButton*>(QLatin1String(kPairButton))->click();
        QVERIFY(job->running());
        QVERIFY(standard->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
        QTest::qWait(3 * JobControl::kBatchMs);
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // The root's exact line (full page and quick page) after the command,
    // and the worked solution of the same inputs: its last line ends with
    // the exact form, or with the decimal root where there is none; a
    // refusal gives the start button's message.
    void exactRoots() {
        const struct {
            const char* radicand;
            const char* index;
            const char* exact;    // "": no exact line
            const char* message;  // of both buttons
        } rows[] = {
            {"8", "2", "精确值: 2√2", ""},
            {"0.5", "2", "精确值: √2/2", ""},
            {"16", "3", "精确值: 2∛2", ""},
            {"48", "4", "精确值: 2∜3", ""},
            {"32", "5", "精确值: 2", ""},
            {"3", "5", "", ""},
            {"", "2", "", "请不要使输入框为空"},
            {"-4", "2", "", "被开方数不能为负"},
        };
        auto* panel = window->findChild<SolutionPanel*>(QLatin1String(kSolutionPanel.panel));
        for (const auto& row : rows) {
            // Full page: the steps first (a refusal resets a box).
            type(kRadicand, U(row.radicand));
            type(kRootIndex, U(row.index));
            fakes->dialogs.messages.clear();
            click(kRootSolution);
            const QString stepsMessage = lastMessage();
            const QStringList steps = panel->isVisible() ? panel->lines() : QStringList();
            panel->close();
            click(kRootButton);
            QCOMPARE(lastMessage(), U(row.message));
            QCOMPARE(stepsMessage, U(row.message));
            QCOMPARE(field(kRootExact)->text(), U(row.exact));
            if (*row.message) continue;
            const QString answer = *row.exact ? U(row.exact).remove(U("精确值: ")) : field(kRootResult)->text();
            QVERIFY2(steps.last().endsWith(answer), qPrintable(steps.join(QLatin1Char('\n'))));

            // The quick page: radicand first, index second.
            window->selectTab(QLatin1String(kQuickPage));
            type(kQuickFirst, U(row.radicand));
            type(kQuickSecond, U(row.index));
            click(kQuickButtons[5].control);
            QCOMPARE(field(kQuickExact)->text(), U(row.exact));
            QCOMPARE(field(kQuickExact)->isVisible(), *row.exact != 0);
            click(kQuickButtons[0].control);  // 加  法: no exact line
            QCOMPARE(field(kQuickExact)->text(), QString());
            window->selectTab(QLatin1String(kFullPage));
        }
    }
};

NUMORA_QTEST_MAIN(StandardTest)
#include "StandardTest.moc"
