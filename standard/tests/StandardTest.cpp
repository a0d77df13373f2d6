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
#include "JobRunner.h"
#include "WidgetDriver.h"
#include "Standard.h"
#include "QtTestMain.h"

using namespace numora;
using namespace numora::testing;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

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
        const char* keys[] = {"Full", "Simple", "Large"};
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

    void fieldsHaveTheirLimitsAndLooks() {
        const struct { const char* name; const char* text; int maxLength; bool readOnly; } fields[] = {
            {"CommonAddText1", "0", 16, false},  {"CommonChuText2", "1", 16, false},
            {"CommonPowerText1", "1", 16, false}, {"CommonPowerText2", "0", 3, false},
            {"CommonKaiText4", "1", 3, false},   {"CommonKaiText1", "0", 12, false},
            {"CommonLogText2", "2", 8, false},   {"CommonLogText1", "1", 8, false},
            {"CommonFactorialText1", "0", 3, false}, {"LargeText1", "0", 255, false},
            {"LargeText4", "0", 255, false},     {"CommonAddText3", "0", 32767, true},
            {"CommonPowerText3", "1", 32767, true}, {"CommonLogText3", "0", 32767, false},
            {"LargeLenText1", "1", 32767, true}, {"LargeText6", "0", 32767, true},
        };
        for (const auto& f : fields) {
            QLineEdit* e = field(f.name);
            QVERIFY2(e, f.name);
            QCOMPARE(e->text(), QLatin1String(f.text));
            QCOMPARE(e->maxLength(), f.maxLength);
            QCOMPARE(e->isReadOnly(), f.readOnly);
        }
        // Results, the typable one included, have the button face's colour.
        for (const char* name : {"CommonAddText3", "CommonLogText3"})
            QCOMPARE(field(name)->palette().color(QPalette::Base), field(name)->palette().color(QPalette::Button));
        QCOMPARE(box("LargeText3Se")->toolTip(), U("余数显示框(除法专用)"));
    }

    void fullPageCommands_data() {
        QTest::addColumn<QStringList>("inputs");  // name=value pairs
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("results");  // name=value after the click
        QTest::addColumn<QString>("message");
        QTest::newRow("sum") << QStringList{"CommonAddText1=0.1", "CommonAddText2=0.2"} << "Commoncmd1"
                             << QStringList{"CommonAddText3=0.3"} << "";
        QTest::newRow("sum empty") << QStringList{"CommonAddText1="} << "Commoncmd1" << QStringList{"CommonAddText3=0"}
                                   << U("请不要使输入框为空");
        QTest::newRow("difference") << QStringList{"CommonReduceText1=1", "CommonReduceText2=1.5"} << "Commoncmd2"
                                    << QStringList{"CommonReduceText3=-0.5"} << "";
        QTest::newRow("product") << QStringList{"CommonMultiplyText1=9E307", "CommonMultiplyText2=10"} << "Commoncmd3"
                                 << QStringList{"CommonMultiplyText3=0"} << U("数据过大");
        QTest::newRow("quotient") << QStringList{"CommonChuText1=7.5", "CommonChuText2=2"} << "Commoncmd4"
                                  << QStringList{"CommonChuText5=3.75", "CommonChuText3=4", "CommonChuText4=0"} << "";
        QTest::newRow("divisor 0") << QStringList{"CommonChuText1=7", "CommonChuText2=0"} << "Commoncmd4"
                                   << QStringList{"CommonChuText5=0"} << U("0不能作除数");
        QTest::newRow("divisor 0.4") << QStringList{"CommonChuText1=7", "CommonChuText2=0.4"} << "Commoncmd4"
                                     << QStringList{"CommonChuText3=0"} << U("捕获到未知错误");
        QTest::newRow("power") << QStringList{"CommonPowerText1=2", "CommonPowerText2=10"} << "Commoncmd6"
                               << QStringList{"CommonPowerText3=1024"} << "";
        QTest::newRow("power 0^0") << QStringList{"CommonPowerText1=0", "CommonPowerText2=0"} << "Commoncmd6"
                                   << QStringList{"CommonPowerText3=1"} << U("0没有0次幂");
        QTest::newRow("root") << QStringList{"CommonKaiText1=2", "CommonKaiText4=2"} << "Commoncmd7"
                              << QStringList{"CommonKaiText2=1.4142135623731", "CommonKaiText3=1"} << "";
        QTest::newRow("negative radicand") << QStringList{"CommonKaiText1=-4"} << "Commoncmd7"
                                           << QStringList{"CommonKaiText1=0", "CommonKaiText2=0"} << U("被开方数不能为负");
        QTest::newRow("index minus") << QStringList{"CommonKaiText1=4", "CommonKaiText4=-"} << "Commoncmd7"
                                     << QStringList{"CommonKaiText4=1"} << U("指数中不要有负号");
        QTest::newRow("log") << QStringList{"CommonLogText1=8", "CommonLogText2=2"} << "Commoncmd8"
                             << QStringList{"CommonLogText3=3"} << "";
        QTest::newRow("log base 1") << QStringList{"CommonLogText1=8", "CommonLogText2=1"} << "Commoncmd8"
                                    << QStringList{"CommonLogText3=0"} << U("底数不可为1");
        QTest::newRow("factorial 18") << QStringList{"CommonFactorialText1=18"} << "Commoncmd9"
                                      << QStringList{"CommonFactorialText2=6.402373705728E+15"} << "";
        QTest::newRow("factorial -") << QStringList{"CommonFactorialText1=-"} << "Commoncmd9"
                                     << QStringList{"CommonFactorialText1=0"} << U("该数不可为负");
        QTest::newRow("factorial 171") << QStringList{"CommonFactorialText1=171"} << "Commoncmd9"
                                       << QStringList{"CommonFactorialText2=0"} << U("数据过大");
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
            QCOMPARE(fakes->dialogs.messages.last().icon, MsgIcon::Exclamation);
        }
        QCOMPARE(window->statusText(), U("正在计算......"));
    }

    void hintsAndTooltips() {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button("Commoncmd4"), &enter);
        QCOMPARE(window->statusText(), U("计算商以及整除求余"));
        QApplication::sendEvent(field("CommonChuText5"), &enter);
        QCOMPARE(window->statusText(), U("标准结果"));
        type("CommonAddText1", "12345678");
        click("Commoncmd1");
        QCOMPARE(field("CommonAddText3")->toolTip(), QStringLiteral("12345678"));
        // The operand hints of the big-number page follow the option.
        window->selectTab(QStringLiteral("Large"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("LargeOption5")), Qt::LeftButton);
        QApplication::sendEvent(field("LargeText2"), &enter);
        QCOMPARE(window->statusText(), U("输入指数"));
    }

    void selectAllOnClick() {
        field("CommonAddText1")->setText(QStringLiteral("123.5"));
        QTest::mouseClick(field("CommonAddText1"), Qt::LeftButton, {}, QPoint(10, 5));
        QTRY_COMPARE(field("CommonAddText1")->selectedText(), QStringLiteral("123.5"));
    }

    void quickPageNeverChangesItsInputs() {
        window->selectTab(QStringLiteral("Simple"));
        type("CommonSimpleFrame1Text1", "00");
        type("CommonSimpleFrame1Text2", "0.0");
        click("CommonSimpleFrame2cmd5");
        QCOMPARE(lastMessage(), U("0没有0次幂"));
        type("CommonSimpleFrame1Text1", "2");
        type("CommonSimpleFrame1Text2", "8");
        click("CommonSimpleFrame2cmd7");
        QCOMPARE(text("CommonSimpleFrame2Text1"), QStringLiteral("3"));
        click("CommonSimpleFrame2cmd4");
        QCOMPARE(text("CommonSimpleFrame2Text1"), QStringLiteral("0.25"));
        type("CommonSimpleFrame1Text1", "-8");
        type("CommonSimpleFrame1Text2", "0.5");
        click("CommonSimpleFrame2cmd5");
        QCOMPARE(lastMessage(), U("捕获到未知错误"));
        QCOMPARE(text("CommonSimpleFrame2Text1"), QStringLiteral("0.25"));
        QCOMPARE(text("CommonSimpleFrame1Text1"), QStringLiteral("-8"));
        QCOMPARE(text("CommonSimpleFrame1Text2"), QStringLiteral("0.5"));
    }

    void pairwisePane() {
        window->selectTab(QStringLiteral("Large"));
        type("LargeText1", QString(255, '9'));
        type("LargeText2", "1");
        click("Largecmd1");
        QCOMPARE(text("LargeText3"), "1" + QString(255, '0'));
        QCOMPARE(text("LargeLenText1"), U("大于等于256"));

        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("LargeOption4")), Qt::LeftButton);
        QVERIFY(!window->findChild<QGroupBox*>(QStringLiteral("LargeFrame3"))->isEnabled());
        type("LargeText1", "1000");
        type("LargeText2", "7");
        click("Largecmd1");
        QCOMPARE(text("LargeText3"), QStringLiteral("0142"));
        QCOMPARE(text("LargeText3Se"), QStringLiteral("6"));
        QCOMPARE(text("LargeLenText1"), QStringLiteral("4"));

        type("LargeText2", "0");
        click("Largecmd1");
        QCOMPARE(lastMessage(), U("除数不能为0"));
        type("LargeText2", "-7");
        click("Largecmd1");
        QCOMPARE(lastMessage(), U("请输入非负数"));

        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("LargeOption5")), Qt::LeftButton);
        type("LargeText1", "2");
        type("LargeText2", "1000");
        click("Largecmd1");
        settle();
        QCOMPARE(lastMessage(), U("数据过大"));
        QCOMPARE(text("LargeLenText1"), QStringLiteral("4"));  // not updated
        QVERIFY(window->findChild<QGroupBox*>(QStringLiteral("LargeFrame2"))->isEnabled());
        type("LargeText2", "10");
        click("Largecmd1");
        settle();
        QCOMPARE(text("LargeText3"), QStringLiteral("1024"));
        QCOMPARE(text("LargeText3Se"), QStringLiteral("6"));  // kept from the division
    }

    void collectivePane() {
        window->selectTab(QStringLiteral("Large"));
        auto* list = window->findChild<QListWidget*>(QStringLiteral("LargeList1"));
        QVERIFY(!button("Largecmd4")->isEnabled());
        for (const char* item : {"1", "2", "3"}) {
            type("LargeText4", item);
            QTest::keyClick(field("LargeText4"), Qt::Key_Return);  // Enter adds
        }
        QCOMPARE(list->count(), 3);
        QCOMPARE(field("LargeText4")->selectedText(), QStringLiteral("3"));
        QCOMPARE(text("LargeText6"), QStringLiteral("3"));
        QCOMPARE(text("LargeText5"), QStringLiteral("1"));
        click("Largecmd4");
        settle();
        QCOMPARE(text("LargeText5"), QStringLiteral("6"));
        QCOMPARE(text("LargeLenText2"), QStringLiteral("1"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("LargeOption3")), Qt::LeftButton);
        type("LargeText4", "4");
        click("Largecmd2");
        click("Largecmd4");
        settle();
        QCOMPARE(text("LargeText5"), QStringLiteral("24"));

        // Edit the second item through the input box.
        QVERIFY(!button("Largecmd5")->isEnabled());
        list->setCurrentRow(1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        fakes->dialogs.inputs.push_back(QStringLiteral("5"));
        click("Largecmd5");
        QCOMPARE(fakes->dialogs.inputTitles.last(), U("编辑数据"));
        QCOMPARE(fakes->dialogs.inputDefaults.last(), QStringLiteral("2"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("5"));
        QCOMPARE(list->count(), 4);
        QVERIFY(!button("Largecmd5")->isEnabled());

        // Delete everything: the start button follows the count.
        while (list->count() > 0) {
            list->setCurrentRow(0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            click("Largecmd3");
        }
        QCOMPARE(text("LargeText6"), QStringLiteral("0"));
        QCOMPARE(text("LargeText5"), QString());
        QVERIFY(!button("Largecmd4")->isEnabled());

        // Adding refuses a leading minus sign.
        type("LargeText4", "-1");
        click("Largecmd2");
        QCOMPARE(lastMessage(), U("请输入非负数"));
    }

    void clearAsksFirst() {
        window->selectTab(QStringLiteral("Large"));
        type("LargeText4", "7");
        click("Largecmd2");
        click("Largecmd4");
        settle();
        fakes->dialogs.answers.push_back(MsgAnswer::Cancel);
        click("Largecmd6");
        const RecordedMessage asked = fakes->dialogs.messages.last();
        QCOMPARE(asked.text, U("执行数据清除命令吗？"));
        QCOMPARE(asked.title, U("Numora清除数据确认"));
        QCOMPARE(asked.icon, MsgIcon::Information);
        QCOMPARE(asked.buttons, MsgButtons::OkCancel);
        QCOMPARE(asked.defaultButton, std::optional<MsgAnswer>(MsgAnswer::Cancel));
        QCOMPARE(text("LargeText6"), QStringLiteral("1"));
        fakes->dialogs.answers.push_back(MsgAnswer::Ok);
        click("Largecmd6");
        QCOMPARE(text("LargeText6"), QStringLiteral("0"));
        QCOMPARE(text("LargeText5"), QStringLiteral("7"));  // the last result stays
        QVERIFY(!button("Largecmd4")->isEnabled());
    }

    // A power stopped by the stop button while it runs keeps its partial
    // power and digit count (2 to the power 1000 would end with "数据过大").
    void stopDuringAPower() {
        window->selectTab(QStringLiteral("Large"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("LargeOption5")), Qt::LeftButton);
        type("LargeText1", "2");
        type("LargeText2", "1000");
        job("LargePairJob")->hold();
        job("LargePairJob")->release(1);  // one multiplication, then the job waits
        click("Largecmd1");
        QVERIFY(!enabled("LargeFrame2"));
        QVERIFY(button("LargeStopcmd")->isEnabled());
        QTRY_VERIFY(job("LargePairJob")->waiting());  // the multiplication is done
        click("LargeStopcmd");
        settle();
        QCOMPARE(text("LargeText3"), QStringLiteral("2"));
        QCOMPARE(text("LargeLenText1"), QStringLiteral("1"));
        QVERIFY(enabled("LargeFrame2"));
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // While the list fold runs, its pane is disabled (no second fold, no
    // change of the list) and the pairwise pane computes a power to its end
    // beside it; the stop button then ends the fold, which keeps its partial
    // sum and does not update its digit count.
    void panesRunSideBySide() {
        window->selectTab(QStringLiteral("Large"));
        auto* list = window->findChild<QListWidget*>(QStringLiteral("LargeList1"));
        for (int i = 0; i < 1000; ++i) list->addItem(QStringLiteral("1"));
        field("LargeText6")->setText(QStringLiteral("1000"));
        job("LargeFoldJob")->hold();
        job("LargeFoldJob")->release(10);  // ten items added, then the fold waits
        click("Largecmd4");
        QVERIFY(!enabled("LargeFrame3"));
        QVERIFY(!button("Largecmd4")->isEnabled());
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("LargeOption3")), Qt::LeftButton);
        QVERIFY(!enabled("LargeFrame3"));  // choosing the product does not open the running pane
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("LargeOption5")), Qt::LeftButton);
        type("LargeText1", "2");
        type("LargeText2", "10");
        click("Largecmd1");
        QTRY_VERIFY(!job("LargePairJob")->running());
        QCOMPARE(text("LargeText3"), QStringLiteral("1024"));
        QVERIFY(job("LargeFoldJob")->running());
        QTRY_VERIFY(job("LargeFoldJob")->waiting());  // the ten items are added
        click("LargeStopcmd");
        settle();
        QCOMPARE(text("LargeText5"), QStringLiteral("11"));
        QCOMPARE(text("LargeLenText2"), QStringLiteral("1"));
        QVERIFY(!enabled("LargeFrame3"));  // the power option chosen meanwhile keeps the pane disabled
        QCOMPARE(list->count(), 1000);
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // A power of 0 or 1 is known at once, whatever the exponent: the largest
    // 32-bit exponent took the step counter past its range and never ended.
    void powersOfZeroAndOneEndAtOnce() {
        window->selectTab(QStringLiteral("Large"));
        QTest::mouseClick(window->findChild<QRadioButton*>(QStringLiteral("LargeOption5")), Qt::LeftButton);
        for (const char* base : {"1", "0"}) {
            type("LargeText1", base);
            type("LargeText2", "2147483647");
            click("Largecmd1");
            settle();
            QCOMPARE(text("LargeText3"), QLatin1String(base));
            QCOMPARE(text("LargeLenText1"), QStringLiteral("1"));
        }
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // Operands, and list items added or edited, hold only the digits 0-9
    // (blanks at both ends are dropped; full-width digits are digits): 1.5 +
    // 1 gave 106, an item edited to -7 was summed as 7.
    void bigNumberTextIsDigitsOnly() {
        window->selectTab(QStringLiteral("Large"));
        const QString digitsOnly = U("请输入只由数字0-9组成的整数");
        const QString refused[] = {U("1.5"), U("1,000"), U(" 12 34 "), U("abc"), U("１．２"), U("1e5")};
        for (const char* operand : {"LargeText1", "LargeText2"}) {
            const char* other = operand == QLatin1String("LargeText1") ? "LargeText2" : "LargeText1";
            for (const QString& typed : refused) {
                field(other)->setText(QStringLiteral("1"));
                field(operand)->setText(typed);
                const qsizetype before = fakes->dialogs.messages.size();
                click("Largecmd1");
                QCOMPARE(fakes->dialogs.messages.size(), before + 1);
                QCOMPARE(lastMessage(), digitsOnly);
                QCOMPARE(text("LargeText3"), QStringLiteral("0"));
                QVERIFY(window->findChild<QGroupBox*>(QStringLiteral("LargeFrame2"))->isEnabled());
            }
        }
        field("LargeText1")->setText(QStringLiteral(" 12\t"));
        field("LargeText2")->setText(QStringLiteral("3 "));
        click("Largecmd1");
        QCOMPARE(text("LargeText3"), QStringLiteral("15"));
        field("LargeText1")->setText(U("１２"));
        field("LargeText2")->setText(U(" ３"));
        click("Largecmd1");
        QCOMPARE(text("LargeText3"), QStringLiteral("15"));
        QCOMPARE(text("LargeLenText1"), QStringLiteral("2"));

        auto* list = window->findChild<QListWidget*>(QStringLiteral("LargeList1"));
        for (const QString& typed : refused) {
            field("LargeText4")->setText(typed);
            click("Largecmd2");
            QCOMPARE(lastMessage(), digitsOnly);
        }
        QCOMPARE(list->count(), 0);
        field("LargeText4")->setText(QStringLiteral(" 5 "));
        click("Largecmd2");
        type("LargeText4", "6");
        click("Largecmd2");
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
            click("Largecmd5");
            QCOMPARE(fakes->dialogs.messages.size(), before + (*e.message ? 1 : 0));
            if (*e.message) QCOMPARE(lastMessage(), U(e.message));
            QCOMPARE(list->item(0)->text(), QLatin1String(e.item));
            QCOMPARE(list->count(), 2);
        }
        click("Largecmd4");
        settle();
        QCOMPARE(text("LargeText5"), QStringLiteral("13"));
    }

    // The multi-line result fields select everything on focus, by click or by key.
    void resultFieldsSelectAllOnFocus() {
        window->selectTab(QStringLiteral("Large"));
        for (const char* name : {"LargeText3", "LargeText3Se", "LargeText5"}) {
            QPlainTextEdit* result = box(name);
            result->setPlainText(QStringLiteral("123456789\n0246"));
            QWidget* viewport = result->viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() / 2, 8));
            QTRY_VERIFY2(result->hasFocus(), name);
            QTRY_COMPARE(result->textCursor().selectedText(), QString("123456789") + QChar::ParagraphSeparator + "0246");
            button("LargeStopcmd")->setFocus(Qt::TabFocusReason);
            result->moveCursor(QTextCursor::End);
            result->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY2(result->textCursor().hasSelection(), name);
            QCOMPARE(result->textCursor().selectedText().size(), 14);
        }
    }

    // The delete and edit buttons follow the current item, whether the
    // mouse or the keyboard chose it; after a delete no item is current.
    void listButtonsFollowTheCurrentItem() {
        window->selectTab(QStringLiteral("Large"));
        auto* list = window->findChild<QListWidget*>(QStringLiteral("LargeList1"));
        for (const char* item : {"1", "2", "3"}) {
            type("LargeText4", item);
            click("Largecmd2");
        }
        QVERIFY(!button("Largecmd3")->isEnabled());
        QVERIFY(!button("Largecmd5")->isEnabled());
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(list->currentItem());
        QVERIFY(button("Largecmd3")->isEnabled());
        QVERIFY(button("Largecmd5")->isEnabled());
        const QString chosen = list->currentItem()->text();
        click("Largecmd3");
        QCOMPARE(list->count(), 2);
        QVERIFY(list->findItems(chosen, Qt::MatchExactly).isEmpty());
        QVERIFY(!button("Largecmd3")->isEnabled());
        QVERIFY(!button("Largecmd5")->isEnabled());
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);  // the first item, with none current
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QVERIFY(button("Largecmd5")->isEnabled());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(button("Largecmd3")->isEnabled());
        // The list's lines are copied from the keyboard.
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(fakes->clipboard.text, list->item(0)->text() + QLatin1Char('\n') + list->item(1)->text());
        fakes->dialogs.answers.push_back(MsgAnswer::Ok);
        click("Largecmd6");
        QVERIFY(!button("Largecmd3")->isEnabled());
        QVERIFY(!button("Largecmd5")->isEnabled());
    }

    // Closing the window while a power runs ends the job: the window goes at
    // once and nothing of the job reaches it afterwards (the frame's part,
    // its marks and place: app/tests/ChildWindowTableTest.cpp).
    void closeDuringAPower() {
        auto* standard = new Standard(fakes->services);
        standard->setAttribute(Qt::WA_DeleteOnClose);
        standard->show();
        standard->selectTab(QStringLiteral("Large"));
        standard->findChild<QRadioButton*>(QStringLiteral("LargeOption5"))->setChecked(true);
        standard->findChild<QLineEdit*>(QStringLiteral("LargeText1"))->setText(QStringLiteral("2"));
        standard->findChild<QLineEdit*>(QStringLiteral("LargeText2"))->setText(QStringLiteral("1000"));
        QPointer<Standard> guard(standard);
        auto* job = standard->findChild<JobRunner*>(QStringLiteral("LargePairJob"));
        job->hold();
        standard->findChild<QPushButton*>(QStringLiteral("Largecmd1"))->click();
        QVERIFY(job->running());
        QVERIFY(standard->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
        QTest::qWait(3 * JobControl::kBatchMs);
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }
};

NUMORA_QTEST_MAIN(StandardTest)
#include "StandardTest.moc"
