// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told, window by window: every command's result as
// one short notification (through the speech listener, as the reader gets
// it), pages named after their tabs, message boxes presented as alerts, and
// how notifications are paced.
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <memory>

#include "Accessibility.h"
#include "Chem.h"
#include "ChemAccessibility.h"
#include "Fakes.h"
#include "MainFrame.h"
#include "Maths.h"
#include "MathsAccessibility.h"
#include "MessageDialog.h"
#include "QtTestMain.h"
#include "Scientific.h"
#include "ScientificAccessibility.h"
#include "Standard.h"
#include "StandardAccessibility.h"
#include "WidgetDriver.h"
#include "frmOption.h"

using namespace numora;
using numora::testing::FakeServices;
using numora::testing::TypeInto;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

enum Window { kStandard, kScientific, kMaths, kChem };

struct Rig {
    FakeServices fake;
    std::unique_ptr<QWidget> window;
};

QWidget* Make(Window which, Rig& rig) {
    switch (which) {
        case kStandard: return new Standard(rig.fake.services);
        case kScientific: return new Scientific(rig.fake.services);
        case kMaths: return new Maths(rig.fake.services);
        case kChem: return new Chem(rig.fake.services);
    }
    return nullptr;
}

void SelectPage(QWidget* window, const QString& key) {
    if (key.isEmpty()) return;
    if (auto* w = qobject_cast<Standard*>(window)) w->selectTab(key);
    if (auto* w = qobject_cast<Scientific*>(window)) w->selectTab(key);
    if (auto* w = qobject_cast<Maths*>(window)) w->selectTab(key);
}

// What the screen reader was told, in order.
QStringList g_spoken;
void Spoken(QWidget*, const QString& text) { g_spoken << text; }

// A window shown and active, with the speech listener on.
struct Shown {
    Rig rig;
    QWidget* window;
    explicit Shown(Window which) : window(Make(which, rig)) {
        rig.window.reset(window);
        window->show();
        QApplication::setActiveWindow(window);
        g_spoken.clear();
        SetSpeechListener(Spoken);
    }
    ~Shown() { SetSpeechListener(nullptr); }
    template <typename T = QWidget>
    T* child(const QString& name) const {
        return window->findChild<T*>(name);
    }
};

// Runs a step of a command row: "Control=text" types into a field,
// "Control=text\n" also presses Enter, "!Control" clicks a button or an
// option, "Control>Right" presses a key on a control.
void Step(const Shown& shown, const QString& step) {
    if (step.startsWith(QLatin1Char('!'))) {
        auto* button = shown.child<QAbstractButton>(step.mid(1));
        QVERIFY2(button, qPrintable(step));
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);  // from the keyboard
        return;
    }
    if (const qsizetype key = step.indexOf(QLatin1Char('>')); key > 0) {
        QWidget* target = shown.child(step.left(key));
        QVERIFY2(target, qPrintable(step));
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, step.mid(key + 1) == QLatin1String("Right") ? Qt::Key_Right : Qt::Key_Left);
        return;
    }
    const qsizetype equals = step.indexOf(QLatin1Char('='));
    auto* field = shown.child<QLineEdit>(step.left(equals));
    QVERIFY2(field, qPrintable(step));
    QString text = step.mid(equals + 1);
    const bool enter = text.endsWith(QLatin1Char('\n'));
    if (enter) text.chop(1);
    TypeInto(field, text);
    if (enter) QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace

class AnnouncementTest : public QObject {
    Q_OBJECT

private slots:
    void commandsTellTheirResults_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("told");
        auto row = [](const char* name, Window w, const char* page, std::initializer_list<const char*> steps,
                      const char* told) {
            QStringList list;
            for (const char* s : steps) list << U(s);
            QTest::newRow(name) << static_cast<int>(w) << QString::fromLatin1(page) << list << U(told);
        };
        // Basic calculation, the full page: one result, or several in
        // reading order.
        row("add", kStandard, "", {"CommonAddText1=12", "CommonAddText2=5", "!Commoncmd1"}, "和：17");
        row("subtract", kStandard, "", {"CommonReduceText1=12", "CommonReduceText2=5", "!Commoncmd2"}, "差：7");
        row("multiply", kStandard, "", {"CommonMultiplyText1=12", "CommonMultiplyText2=5", "!Commoncmd3"}, "积：60");
        row("divide", kStandard, "", {"CommonChuText1=15", "CommonChuText2=4", "!Commoncmd4"},
            "商 3.75，整数商 3，余数 3");
        row("power", kStandard, "", {"CommonPowerText1=2", "CommonPowerText2=10", "!Commoncmd6"}, "幂：1024");
        row("root", kStandard, "", {"CommonKaiText4=3", "CommonKaiText1=27", "!Commoncmd7"}, "方根 3，方根取整 3，精确值: 3");
        // A result field the user may also type into.
        row("logarithm", kStandard, "", {"CommonLogText2=2", "CommonLogText1=8", "!Commoncmd8"}, "对数：3");
        row("factorial", kStandard, "", {"CommonFactorialText1=5", "!Commoncmd9"}, "阶乘：120");
        // The quick page: each button writes the one result.
        const char* const quick[] = {"9", "3", "18", "2", "216", "1.81712059283214", "0.613147192765458"};
        for (int i = 0; i < 7; ++i) {
            const QByteArray name = "quick " + QByteArray::number(i + 1);
            const QByteArray button = "!CommonSimpleFrame2cmd" + QByteArray::number(i + 1);
            // 开  方 writes the exact line too: ∛6 beside the root.
            const QByteArray told = i == 5 ? "结果 " + QByteArray(quick[i]) + "，精确值: ∛6" : "结果：" + QByteArray(quick[i]);
            row(name.constData(), kStandard, "Simple",
                {"CommonSimpleFrame1Text1=6", "CommonSimpleFrame1Text2=3", button.constData()}, told.constData());
        }
        // Big numbers: a long result is cut, its number of digits follows.
        row("big add", kStandard, "Large", {"LargeText1=123", "LargeText2=877", "!Largecmd1"}, "结果 1000，结果位数 4");
        row("big divide", kStandard, "Large", {"LargeText1=100", "LargeText2=7", "!LargeOption4", "!Largecmd1"},
            "结果 014，余数 2，结果位数 3");  // the quotient keeps its leading zeros
        row("big power", kStandard, "Large", {"LargeText1=3", "LargeText2=200", "!LargeOption5", "!Largecmd1"},
            "结果 2656139888758747693387813220357796268292……，结果位数 96");
        row("big list", kStandard, "Large", {"LargeText4=5\n", "LargeText4=7\n", "!Largecmd4"}, "结果 12，结果位数 2");
        // Scientific: a list by its number of lines and its first lines.
        row("goldbach", kScientific, "Gdbh", {"GdbhFrame1Text1=100", "!GdbhFrame1cmd1"},
            "成立列表 共 6 项，100=3+97、100=11+89、100=17+83……，成立个数 6");
        row("factors", kScientific, "Factorization", {"FactorizationFrame1Text1=360", "!FactorizationFrame1cmd1"},
            "因数列表 共 6 项，2、2、2……，因数个数 6，质因数分解式 360 = 2³×3²×5");
        row("factors of a prime", kScientific, "Factorization",
            {"FactorizationFrame1Text1=13", "!FactorizationFrame1cmd1"}, "因数列表 共 1 项，13，因数个数 1，质因数分解式 13 = 13");
        row("mersenne", kScientific, "Mosunni", {"!Mosunnicmd1"},
            "列表 共 8 项，3、7、31……，个数 8，检测到的最大指数 37");
        // Mathematics.
        row("quadratic", kMaths, "Equation",
            {"MathsEquationFrame1Text1=1", "MathsEquationFrame1Text2=-3", "MathsEquationFrame1Text3=2",
             "!MathsEquationFrame1cmd1"},
            "根 x1：2，根 x2：1，精确值: x1 = 2, x2 = 1");
        row("two unknowns", kMaths, "Equation",
            {"MathsEquationFrame2Text1=1", "MathsEquationFrame2Text2=1", "MathsEquationFrame2Text3=3",
             "MathsEquationFrame2Text4=1", "MathsEquationFrame2Text5=-1", "MathsEquationFrame2Text6=1",
             "!MathsEquationFrame2cmd1"},
            "解 x：2，解 y：1，精确值: x = 2, y = 1");
        row("three unknowns", kMaths, "Equation",
            {"MathsEquationFrame3Text1=1", "MathsEquationFrame3Text2=0", "MathsEquationFrame3Text3=0",
             "MathsEquationFrame3Text4=1", "MathsEquationFrame3Text5=0", "MathsEquationFrame3Text6=1",
             "MathsEquationFrame3Text7=0", "MathsEquationFrame3Text8=2", "MathsEquationFrame3Text9=0",
             "MathsEquationFrame3Text10=0", "MathsEquationFrame3Text11=1", "MathsEquationFrame3Text12=3",
             "!MathsEquationFrame3cmd1"},
            "解 x：1，解 y：2，解 z：3，精确值: x = 1, y = 2, z = 3");
        row("sine", kMaths, "TriFunction", {"MathsTriFText1=30", "!MathsTriFcmd1"}, "结果 0.5，精确值: 1/2");
        row("sketch", kMaths, "TriFunction", {"!MathsTriFDrawercmd2"}, "已绘制：余弦曲线 y = cos x(蓝)");
        row("difference of squares", kMaths, "Formula",
            {"MathsMultiplicationText1=3", "MathsMultiplicationText2=2", "!MathsMultiplicationcmd1"}, "结果：5");
        row("plot", kMaths, "FunctionDrawer", {"MathsFunctionShapeFrame1Text1=2", "!MathsFunctionShapecmd1"},
            "已绘制：曲线1 y = 2x");
        row("slider", kMaths, "FunctionDrawer",
            {"MathsFunctionShapeFrame1Text1=2", "!MathsFunctionShapecmd1", "MathsFunctionShapeFrame1Slider1>Right"},
            "已绘制：曲线1 y = 2.1x");
        row("values", kMaths, "FunctionDrawer",
            {"MathsFunctionShapeFrame1Text1=2", "!MathsFunctionShapecmd1", "MathsFunctionShapeExploreText1=1.5",
             "!MathsFunctionShapeExplorecmd1"},
            "函数值：曲线1 y = 3");
        row("trace", kMaths, "FunctionDrawer",
            {"MathsFunctionShapeFrame1Text1=2", "!MathsFunctionShapecmd1", "MathsFunctionShapeBox1>Right",
             "MathsFunctionShapeBox1>Right"},
            "曲线1 (0.1, 0.2)");  // told by the canvas once the marker rests
        // Chemistry.
        row("mass fraction", kChem, "",
            {"ChemFrame1Frame2Text1=10", "ChemFrame1Frame2Text3=100", "!ChemFrame1Frame2cmd1"}, "结果：10%");
        row("solubility", kChem, "",
            {"ChemFrame1Frame3Text1=36", "ChemFrame1Frame3Text2=100", "ChemFrame1Frame3Text3=136",
             "!ChemFrame1Frame3cmd1"},
            "结果：36g");
        row("molar concentration", kChem, "",
            {"ChemFrame1Frame4Text1=2", "ChemFrame1Frame4Text2=4", "!ChemFrame1Frame4cmd1"}, "结果：0.5mol/L");
    }

    // Each command's results reach the screen reader once, as one text.
    void commandsTellTheirResults() {
        QFETCH(int, window);
        QFETCH(QString, page);
        QFETCH(QStringList, steps);
        QFETCH(QString, told);
        Shown shown(static_cast<Window>(window));
        SelectPage(shown.window, page);
        for (const QString& step : steps.mid(0, steps.size() - 1)) {
            Step(shown, step);
            if (QTest::currentTestFailed()) return;
        }
        QTest::qWait(kAnnounceQuietMs + kAnnounceGapMs);  // what the steps before told
        g_spoken.clear();
        Step(shown, steps.last());
        QStringList messages;
        for (const auto& m : shown.rig.fake.dialogs.messages) messages << m.text;
        QTRY_VERIFY2_WITH_TIMEOUT(!g_spoken.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))), 10000);
        QTest::qWait(2 * kAnnounceQuietMs);
        QCOMPARE(g_spoken.join(QStringLiteral(" | ")), told);
    }

    // The text reaches the reader as the name of a notification that
    // appears; the focused control keeps its own description.
    void theNotificationCarriesTheText() {
        Shown shown(kStandard);
        TypeInto(shown.child<QLineEdit>(QStringLiteral("CommonAddText1")), QStringLiteral("1"));
        TypeInto(shown.child<QLineEdit>(QStringLiteral("CommonAddText2")), QStringLiteral("2"));
        auto* start = shown.child<QPushButton>(QStringLiteral("Commoncmd1"));
        start->setFocus(Qt::TabFocusReason);
        const QString description = start->accessibleDescription();
        QTest::keyClick(start, Qt::Key_Space);
        QTRY_COMPARE(g_spoken, QStringList{U("和：3")});
        QWidget* notice = nullptr;
        for (QObject* child : shown.window->children())
            if (child->objectName() == QLatin1String("AccessibleAnnouncement")) notice = static_cast<QWidget*>(child);
        QVERIFY(notice && notice->isVisible());
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(notice);
        QCOMPARE(iface->role(), QAccessible::Notification);
        QCOMPARE(iface->text(QAccessible::Name), U("和：3"));
        QVERIFY(!notice->focusPolicy());
        QVERIFY(notice->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(start->accessibleDescription(), description);
        QVERIFY(start->hasFocus());
        // Gone again soon, so showing the window again does not repeat it.
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 3000);
    }

    // The same command run again is told again, though no field changed;
    // typing into the inputs tells nothing.
    void aCommandRunAgainIsToldAgain() {
        Shown shown(kStandard);
        TypeInto(shown.child<QLineEdit>(QStringLiteral("CommonMultiplyText1")), QStringLiteral("6"));
        TypeInto(shown.child<QLineEdit>(QStringLiteral("CommonMultiplyText2")), QStringLiteral("7"));
        QTest::qWait(2 * kAnnounceQuietMs);
        QCOMPARE(g_spoken, QStringList());
        auto* start = shown.child<QPushButton>(QStringLiteral("Commoncmd3"));
        start->click();
        QTRY_COMPARE(g_spoken.size(), 1);
        start->click();
        QTRY_COMPARE(g_spoken, (QStringList{U("积：42"), U("积：42")}));
    }

    // A held key does not queue an utterance per step: while the steps come
    // faster than the gap, the reader gets one now and then, and the last
    // step last.
    void announcementsArePaced() {
        Shown shown(kMaths);
        for (int i = 1; i <= 20; ++i) {
            Announce(shown.window, QStringLiteral("step %1").arg(i));
            QTest::qWait(20);
        }
        QTRY_COMPARE(g_spoken.last(), QStringLiteral("step 20"));
        QVERIFY2(g_spoken.size() <= 20 * 20 / kAnnounceGapMs + 2, qPrintable(g_spoken.join(QLatin1Char('|'))));
        // A result field showing what Announce() just told is not told again.
        g_spoken.clear();
        Announce(shown.window, U("追踪：曲线1 (0, 0)"));
        QTRY_COMPARE(g_spoken.size(), 1);
        shown.child<QLineEdit>(QStringLiteral("MathsFunctionShapeExploreText3"))->setText(U("曲线1 (0, 0)"));
        QTest::qWait(3 * kAnnounceQuietMs);
        QCOMPARE(g_spoken.size(), 1);
    }

    // While a message box is open, an announcement waits for it to close:
    // it never cuts the box's text short.
    void announcementsWaitForAMessageBox() {
        Shown shown(kStandard);
        QDialog box(shown.window);
        box.setModal(true);
        box.show();
        QTRY_COMPARE(QApplication::activeModalWidget(), &box);
        Announce(shown.window, QStringLiteral("later"));
        QTest::qWait(3 * kAnnounceGapMs);
        QCOMPARE(g_spoken, QStringList());
        box.close();
        QTRY_COMPARE(g_spoken, QStringList{QStringLiteral("later")});
    }

    void composedTexts_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("told");
        QTest::newRow("one") << QStringList{U("和")} << QStringList{U("17")} << U("和：17");
        QTest::newRow("several") << QStringList{U("商"), U("整数商"), U("余数")}
                                 << QStringList{U("3.75"), U("4"), U("0")} << U("商 3.75，整数商 4，余数 0");
        QTest::newRow("latin ends") << QStringList{U("根 x1"), U("根 x2")} << QStringList{U("2"), U("1")}
                                    << U("根 x1：2，根 x2：1");
        QTest::newRow("text with its name") << QStringList{U("方根"), U("精确值")} << QStringList{U("2.82842712474619"), U("精确值: 2√2")}
                                            << U("方根 2.82842712474619，精确值: 2√2");
    }
    void composedTexts() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, texts);
        QFETCH(QString, told);
        QList<QPair<QString, QString>> parts;
        for (int i = 0; i < names.size(); ++i) parts << qMakePair(names[i], texts[i]);
        QCOMPARE(ComposeAnnouncement(parts), told);
    }

    // Every read-only field of every window is in its window's table, so
    // what a command writes there is announced (the result lists and the
    // results that take typing are marked in the tables; the commands above
    // show they are told).
    void everyResultIsInItsTable() {
        Rig rig;
        const std::pair<QWidget*, AccessibleTable> windows[] = {
            {new Standard(rig.fake.services), StandardAccessibility()},
            {new Scientific(rig.fake.services), ScientificAccessibility()},
            {new Maths(rig.fake.services), MathsAccessibility()},
            {new Chem(rig.fake.services), ChemAccessibility()},
        };
        for (const auto& [window, table] : windows) {
            std::unique_ptr<QWidget> owner(window);
            QSet<QString> named;
            for (const AccessibleText& row : table) named.insert(row.control);
            for (QWidget* w : window->findChildren<QWidget*>()) {
                const auto* line = qobject_cast<QLineEdit*>(w);
                const auto* plain = qobject_cast<QPlainTextEdit*>(w);
                const auto* rich = qobject_cast<QTextEdit*>(w);
                const bool result = (line && line->isReadOnly()) || (plain && plain->isReadOnly()) ||
                                    (rich && rich->isReadOnly());
                if (!result || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                QVERIFY2(named.contains(w->objectName()),
                         qPrintable(window->objectName() + QLatin1Char('/') + w->objectName()));
            }
        }
    }

    // Every page of a tab strip is presented as a page named after its tab,
    // which holds the page's inputs: a reader says the name before them.
    void pagesAreNamedAfterTheirTabs() {
        Rig rig;
        MainFrame frame(rig.fake.services);
        std::unique_ptr<QWidget> windows[] = {
            std::unique_ptr<QWidget>(new Standard(rig.fake.services)),
            std::unique_ptr<QWidget>(new Scientific(rig.fake.services)),
            std::unique_ptr<QWidget>(new Maths(rig.fake.services)),
            std::unique_ptr<QWidget>(new frmOption(rig.fake.services, frame)),
        };
        for (const auto& window : windows) {
            auto* tabs = window->findChild<QTabBar*>();
            QStackedWidget* stack = nullptr;
            for (QStackedWidget* s : window->findChildren<QStackedWidget*>())
                if (s->count() == tabs->count()) stack = s;
            QVERIFY2(stack, qPrintable(window->objectName()));
            for (int i = 0; i < tabs->count(); ++i) {
                QAccessibleInterface* page = QAccessible::queryAccessibleInterface(stack->widget(i));
                QCOMPARE(page->role(), QAccessible::PageTab);
                QCOMPARE(page->text(QAccessible::Name), tabs->tabText(i).remove(QLatin1Char('&')));
            }
        }
    }

    // A message box is an alert: a reader reads its whole text as it
    // opens, however short (the formula calculator's ".5").
    void messageBoxesAreAlerts() {
        MessageDialog box(nullptr, U("1/3+1/6=.5\n\n计算结果已经粘贴入剪贴板"), U("Numora计算结果"), MessageIcon::Information,
                          MsgButtons::Ok);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
        QCOMPARE(iface->role(), QAccessible::AlertMessage);
        QCOMPARE(iface->text(QAccessible::Name), U("Numora计算结果"));
    }
};

NUMORA_QTEST_MAIN(AnnouncementTest)

#include "AnnouncementTest.moc"
