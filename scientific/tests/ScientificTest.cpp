// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scientific window through its real widgets, with fake dialogs.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "Fakes.h"
#include "ControlTableCheck.h"
#include "Utf8.h"
#include "JobRunner.h"
#include "ListExport.h"
#include "WidgetDriver.h"
#include "Scientific.h"
#include "ScientificControls.h"
#include "SolutionPanel.h"
#include "Primes.h"
#include "QtTestMain.h"

using namespace numora;
using namespace numora::scientific;
using namespace numora::testing;

namespace {

QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}
}  // namespace

class ScientificTest : public QObject {
    Q_OBJECT

    FakeServices* fakes = nullptr;
    Scientific* window = nullptr;

    QLineEdit* field(const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(QLatin1String(name)); }
    QListWidget* list(const char* name) { return window->findChild<QListWidget*>(QLatin1String(name)); }
    void type(const char* name, const QString& keys) {
        TypeInto(field(name), keys);
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString lastMessage() { return fakes->dialogs.messages.isEmpty() ? QString() : fakes->dialogs.messages.last().text; }
    JobRunner* job(const char* name) { return window->findChild<JobRunner*>(QLatin1String(name)); }
    bool busy() {
        for (JobRunner* runner : window->findChildren<JobRunner*>())
            if (runner->running()) return true;
        for (ListExport* exporter : window->findChildren<ListExport*>())
            if (exporter->busy()) return true;
        return false;
    }
    // Waits until every job of the window has ended (the Goldbach list of
    // the largest numbers takes seconds in a sanitizer build).
    void settle() { QTRY_VERIFY_WITH_TIMEOUT(!busy(), 120000); }
    QStringList goldbachLines() {
        QStringList lines;
        for (int i = 0; i < window->goldbachModel()->rowCount(); ++i) lines << window->goldbachModel()->line(i);
        return lines;
    }

private slots:
    void init() {
        fakes = new FakeServices;
        window = new Scientific(fakes->services);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() {
        delete window;
        delete fakes;
    }

    void tabsAndPages() {
        QCOMPARE(window->windowTitle(), U("科学性计算"));
        QCOMPARE(Scientific(fakes->services).statusText(), U("Numora - 科学性计算"));
        auto* tabs = window->findChild<QTabBar*>(QLatin1String(kTabStrip));
        const char* captions[] = {"歌德巴赫猜想", "因数分解", "莫孙尼素数计算"};
        const char* keys[] = {kGoldbachPage, kFactorPage, kMersennePage};
        const char* tips[] = {"证明歌德巴赫猜想", "将数据因数分解", "在一定限度中列出莫孙尼素数"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(tabs->tabText(i), U(captions[i]));
            QCOMPARE(tabs->tabData(i).toString(), QLatin1String(keys[i]));
            QCOMPARE(tabs->tabToolTip(i), U(tips[i]));
        }
        QVERIFY(window->findChild<QWidget*>(QLatin1String(kGoldbachPage))->isVisible());
        window->selectTab(QLatin1String(kMersennePage));
        QVERIFY(!window->findChild<QWidget*>(QLatin1String(kGoldbachPage))->isVisible());
        QVERIFY(window->findChild<QWidget*>(QLatin1String(kMersennePage))->isVisible());
        QCOMPARE(field(kFactorInput)->maxLength(), 10);
        QCOMPARE(field(kGoldbachInput)->maxLength(), 10);
        QCOMPARE(button(kFactorStopButton)->text(), U("停  止"));
    }

    // The control table names the window's controls: every hint row shows
    // its hint, every result list is there.
    void controlTableNamesTheWindowsControls() {
        QCOMPARE(HintsNotShown(window, kHints), QStringList());
        for (const ControlText& list : kResultLists)
            QVERIFY2(window->findChild<QAbstractItemView*>(QLatin1String(list.control)), list.control);
    }

    void factorization() {
        window->selectTab(QLatin1String(kFactorPage));
        const struct { const char* input; QStringList factors; } runs[] = {
            {"12", {"2", "2", "3"}},
            {"1e3", {"2", "2", "2", "5", "5", "5"}},
            {"12abc", {"2", "2", "3"}},
            {"2147483647", {"2147483647"}},
        };
        for (const auto& run : runs) {
            type(kFactorInput, QLatin1String(run.input));
            click(kFactorButton);
            settle();
            QCOMPARE(Items(list(kFactorList)), run.factors);
            QCOMPARE(field(kFactorCount)->text(), QString::number(run.factors.size()));
            QVERIFY(button(kFactorButton)->isEnabled());
        }
        for (const char* refused : {"", "abc", "0", "1", "-5", "12.5"}) {
            type(kFactorInput, QLatin1String(refused));
            click(kFactorButton);
            QCOMPARE(lastMessage(), U("请输入不小于2的整数"));
            QCOMPARE(fakes->dialogs.messages.last().title, U("Numora错误报告"));
            QCOMPARE(Items(list(kFactorList)), QStringList{"2147483647"});
        }
        type(kFactorInput, "2147483648");
        click(kFactorButton);
        QCOMPARE(lastMessage(), U("数据过大"));
        QCOMPARE(list(kFactorList)->count(), 0);
        QCOMPARE(field(kFactorCount)->text(), QStringLiteral("1"));  // the previous count
        field(kFactorInput)->setText(U("１２"));  // full-width, as an input method commits it
        click(kFactorButton);
        settle();
        QCOMPARE(Items(list(kFactorList)), (QStringList{"2", "2", "3"}));
    }

    void goldbach() {
        type(kGoldbachInput, "100");
        click(kGoldbachButton);
        settle();
        QCOMPARE(goldbachLines(), (QStringList{"100=3+97", "100=11+89", "100=17+83", "100=29+71", "100=41+59", "100=47+53"}));
        QCOMPARE(field(kGoldbachCount)->text(), QStringLiteral("6"));
        QCOMPARE(window->statusText(), U("正在计算......"));
        type(kGoldbachInput, "10abc");
        click(kGoldbachButton);
        settle();
        QCOMPARE(goldbachLines(), (QStringList{"10=3+7", "10=5+5"}));
        field(kGoldbachInput)->setText(U("１２"));  // full-width digits
        click(kGoldbachButton);
        settle();
        QCOMPARE(goldbachLines(), (QStringList{"12=5+7"}));
        type(kGoldbachInput, "10");
        click(kGoldbachButton);
        settle();

        const struct { const char* input; const char* message; } refusals[] = {
            {"", "请不要使输入框为空"}, {"2", "请输入不小于4的偶数"}, {"abc", "请输入不小于4的偶数"},
            {"7", "请输入偶数"}, {"5.5", "请输入偶数"}, {"1e10", "数据过大"},
        };
        for (const auto& r : refusals) {
            type(kGoldbachInput, QLatin1String(r.input));
            click(kGoldbachButton);
            QCOMPARE(lastMessage(), U(r.message));
            QCOMPARE(field(kGoldbachCount)->text(), QStringLiteral("2"));
        }
        // The list's tool tip shows the selected line.
        auto* view = window->findChild<QListView*>(QLatin1String(kGoldbachList));
        view->setCurrentIndex(window->goldbachModel()->index(1));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(view, &enter);
        QCOMPARE(view->toolTip(), QStringLiteral("10=5+5"));
        QCOMPARE(window->statusText(), U("显示成立列表"));
    }

    // Millions of lines, counted in full.
    void goldbachOverAMillionLines() {
        type(kGoldbachInput, "999999998");
        click(kGoldbachButton);
        settle();
        QCOMPARE(window->goldbachModel()->rowCount(), 1705026);
        QCOMPARE(field(kGoldbachCount)->text(), QStringLiteral("1705026"));
        QCOMPARE(window->goldbachModel()->line(0), QStringLiteral("999999998=61+999999937"));

        // Every line saved, and copied.
        auto* view = window->findChild<QListView*>(QLatin1String(kGoldbachList));
        QTemporaryDir dir;
        fakes->dialogs.saveFiles.push_back(dir.filePath("goldbach.txt"));
        QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
        settle();
        QFile saved(dir.filePath("goldbach.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        QCOMPARE(text.count('\n'), 1705026);
        QVERIFY(text.startsWith("999999998=61+999999937\n"));
        QVERIFY(text.endsWith("\n" + window->goldbachModel()->line(1705025).toLatin1() + "\n"));
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        settle();
        QCOMPARE(fakes->clipboard.text.size() + 1, text.size());
        QCOMPARE(fakes->clipboard.text + QLatin1Char('\n'), QString::fromLatin1(text));
    }

    // Each result list copies its lines from the keyboard.
    void listsCopyTheirLines() {
        type(kFactorInput, "12");
        click(kFactorButton);
        settle();
        QTest::keyClick(list(kFactorList), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(list(kFactorList), Qt::Key_C, Qt::ControlModifier);
        settle();
        QCOMPARE(fakes->clipboard.text, QStringLiteral("2\n2\n3"));

        window->selectTab(QLatin1String(kMersennePage));
        click(kMersenneButton);
        settle();
        QTest::keyClick(list(kMersenneList), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        settle();
        QCOMPARE(fakes->clipboard.text, QStringLiteral("3\n7\n31\n127\n8191\n131071\n524287\n2147483647"));

        window->selectTab(QLatin1String(kGoldbachPage));
        type(kGoldbachInput, "100");
        click(kGoldbachButton);
        settle();
        auto* view = window->findChild<QListView*>(QLatin1String(kGoldbachList));
        view->selectionModel()->select(window->goldbachModel()->index(3), QItemSelectionModel::Select);
        view->selectionModel()->select(window->goldbachModel()->index(1), QItemSelectionModel::Select);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        settle();
        QCOMPARE(fakes->clipboard.text, QStringLiteral("100=11+89\n100=29+71"));
    }

    // A stop keeps the lines found so far, leaves the count box empty and
    // says that the count is unknown.
    void stopDuringGoldbach() {
        type(kGoldbachInput, "999999998");
        job("GdbhJob")->hold();
        job("GdbhJob")->release(1);  // one segment's lines, then the job waits
        click(kGoldbachButton);
        QVERIFY(!button(kGoldbachButton)->isEnabled());
        QVERIFY(field(kGoldbachCount)->text().isEmpty());
        QTRY_VERIFY(window->goldbachModel()->rowCount() > 0);
        click(kGoldbachStopButton);
        settle();
        QCOMPARE(lastMessage(), U("您已经中止计算,无法确定结果总数!"));
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages.last().title, QStringLiteral("Numora"));
        QCOMPARE(fakes->dialogs.messages.last().icon, MessageIcon::Information);
        const int found = window->goldbachModel()->rowCount();
        QVERIFY2(found > 0 && found < 1705026, qPrintable(QString::number(found)));
        QCOMPARE(window->goldbachModel()->line(0), QStringLiteral("999999998=61+999999937"));
        QCOMPARE(field(kGoldbachCount)->text(), QString());
        QVERIFY(button(kGoldbachButton)->isEnabled());
    }

    // A stopped factorization keeps the factors found so far and the count
    // of the run before.
    void stopDuringFactorization() {
        window->selectTab(QLatin1String(kFactorPage));
        type(kFactorInput, "12");
        click(kFactorButton);
        settle();
        type(kFactorInput, "1024");
        job("FactorJob")->hold();
        job("FactorJob")->release(4);
        click(kFactorButton);
        QTRY_COMPARE(list(kFactorList)->count(), 4);
        QVERIFY(!button(kFactorButton)->isEnabled());
        click(kFactorStopButton);
        settle();
        QCOMPARE(Items(list(kFactorList)), (QStringList{"2", "2", "2", "2"}));
        QCOMPARE(field(kFactorCount)->text(), QStringLiteral("3"));
        QCOMPARE(lastMessage(), U("您已经中止计算,无法确定结果总数!"));
        QVERIFY(button(kFactorButton)->isEnabled());
    }

    // The tools run side by side: while the Goldbach verification runs (its
    // start button disabled, so it cannot start again), the factorization
    // and the Mersenne search run to their ends; the window thread runs no
    // tool inside another.
    void toolsRunSideBySide() {
        type(kGoldbachInput, "100");
        job("GdbhJob")->hold();
        click(kGoldbachButton);
        QVERIFY(!button(kGoldbachButton)->isEnabled());
        window->selectTab(QLatin1String(kFactorPage));
        type(kFactorInput, "12");
        click(kFactorButton);
        window->selectTab(QLatin1String(kMersennePage));
        click(kMersenneButton);
        QTRY_VERIFY(!job("FactorJob")->running() && !job("MosunniJob")->running());
        QCOMPARE(Items(list(kFactorList)), (QStringList{"2", "2", "3"}));
        QCOMPARE(field(kMersenneCount)->text(), QStringLiteral("8"));
        QVERIFY(job("GdbhJob")->running());
        QVERIFY(field(kGoldbachCount)->text().isEmpty());
        job("GdbhJob")->hold(false);
        settle();
        QCOMPARE(field(kGoldbachCount)->text(), QStringLiteral("6"));
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // A stop button stops a running tool and only then says the count is
    // unknown: with nothing running, or after a list has finished, it says
    // nothing and the next run is whole.
    void stopWithNothingRunningSaysNothing() {
        for (const char* page : {kGoldbachPage, kFactorPage, kMersennePage}) {
            window->selectTab(QLatin1String(page));
            for (const char* stop : {kGoldbachStopButton, kFactorStopButton, kMersenneStopButton})
                if (button(stop)->isVisible()) click(stop);
        }
        type(kGoldbachInput, "4");
        click(kGoldbachButton);
        settle();
        QCOMPARE(goldbachLines(), QStringList{"4=2+2"});
        QCOMPARE(field(kGoldbachCount)->text(), QStringLiteral("1"));
        click(kGoldbachStopButton);  // after the list has finished
        window->selectTab(QLatin1String(kFactorPage));
        type(kFactorInput, "12");
        click(kFactorButton);
        settle();
        click(kFactorStopButton);
        QCOMPARE(field(kFactorCount)->text(), QStringLiteral("3"));
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // The Goldbach box takes every number the verification takes; a longer
    // one, typed or pasted, is refused, never cut to another number.
    void goldbachBoxTakesTheWholeRange() {
        type(kGoldbachInput, "2147483646");
        QCOMPARE(field(kGoldbachInput)->text(), QStringLiteral("2147483646"));
        QTest::keyClick(field(kGoldbachInput), Qt::Key_End);
        QTest::keyClick(field(kGoldbachInput), Qt::Key_0);
        QCoreApplication::processEvents();
        QCOMPARE(field(kGoldbachInput)->text(), QStringLiteral("2147483646"));
        QCOMPARE(lastMessage(), U("数据过大"));
        field(kGoldbachInput)->clear();
        QApplication::clipboard()->setText(QStringLiteral("21474836460"));
        field(kGoldbachInput)->paste();
        QCoreApplication::processEvents();
        QCOMPARE(field(kGoldbachInput)->text(), QString());
        QCOMPARE(fakes->dialogs.messages.size(), 2);
        QCOMPARE(fakes->dialogs.messages.last().title, U("Numora错误报告"));
        QCOMPARE(scientific::CheckGoldbachInput("2147483646").n, 2147483646u);
    }

    void mersenneTwice() {
        window->selectTab(QLatin1String(kMersennePage));
        const QStringList primes = {"3", "7", "31", "127", "8191", "131071", "524287", "2147483647"};
        for (int run = 0; run < 2; ++run) {
            click(kMersenneButton);
            settle();
            QCOMPARE(Items(list(kMersenneList)), primes);
            QCOMPARE(field(kMersenneCount)->text(), QStringLiteral("8"));
            QCOMPARE(field(kMersenneLastExponent)->text(), QStringLiteral("37"));
        }
        click(kMersenneStopButton);
        QVERIFY(fakes->dialogs.messages.isEmpty());
        click(kMersenneButton);
        settle();
        QCOMPARE(field(kMersenneCount)->text(), QStringLiteral("8"));
    }

    // Closing the window while tools run (quitting, the settings reset and
    // the end of the session close it the same way) ends them with the
    // window: the window goes at once, nothing of a job reaches it
    // afterwards, no message (its marks and place:
    // app/tests/ChildWindowTableTest.cpp).
    void closeWhileToolsRun() {
        auto* scientific = new Scientific(fakes->services);
        scientific->setAttribute(Qt::WA_DeleteOnClose);
        scientific->show();
        QPointer<Scientific> guard(scientific);
        scientific->findChild<QLineEdit*>(QLatin1String(kGoldbachInput))->setText(QStringLiteral("999999998"));
        auto* job = scientific->findChild<JobRunner*>(QStringLiteral("GdbhJob"));
        job->hold();
        job->release(2);  // lines come, then the job waits
        scientific->findChild<QPushButton*>(QLatin1String(kGoldbachButton))->click();
        scientific->findChild<JobRunner*>(QStringLiteral("MosunniJob"))->hold();
        scientific->findChild<QPushButton*>(QLatin1String(kMersenneButton))->click();
        QTRY_VERIFY(scientific->goldbachModel()->rowCount() > 0);
        QVERIFY(scientific->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
        QTest::qWait(3 * JobControl::kBatchMs);
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }

    // The prime-power form under the list once it is whole, and the short
    // division of the same number ending with it; a refusal gives the
    // start button's message and no line.
    void primePowersAndShortDivision() {
        window->selectTab(QLatin1String(kFactorPage));
        auto* panel = window->findChild<SolutionPanel*>(QLatin1String(kSolutionPanel.panel));
        QVERIFY(field(kFactorExact)->isHidden());
        const struct { const char* input; const char* exact; int divisions; } rows[] = {
            {"360", "360 = 2³×3²×5", 5},
            {"7", "7 = 7", 0},
            {"1024", "1024 = 2¹⁰", 9},
            {"2147483646", "2147483646 = 2×3²×7×11×31×151×331", 7},
        };
        for (const auto& row : rows) {
            type(kFactorInput, QLatin1String(row.input));
            click(kFactorButton);
            settle();
            QCOMPARE(field(kFactorExact)->text(), U(row.exact));
            QVERIFY(field(kFactorExact)->isVisible());
            click(kFactorSolution);
            const QStringList steps = panel->lines();
            QCOMPARE(steps.last(), U(row.exact));
            QCOMPARE(steps.filter(U(" ÷ ")).size(), row.divisions);
            panel->close();
        }
        for (const char* refused : {"1", "2147483648"}) {
            type(kFactorInput, QLatin1String(refused));
            click(kFactorButton);
            const QString message = lastMessage();
            QCOMPARE(field(kFactorExact)->text(), QString());
            fakes->dialogs.messages.clear();
            click(kFactorSolution);
            QCOMPARE(lastMessage(), message);
            QVERIFY(!panel->isVisible());
        }
    }
};

NUMORA_QTEST_MAIN(ScientificTest)
#include "ScientificTest.moc"
