// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up and exit windows with fake services: the running flag, the
// self-test and the quick start, the exit sequence and the pending reset.
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "Fakes.h"
#include "MainFrame.h"
#include "ShellTest.h"
#include "Version.h"
#include "frmBye.h"
#include "frmSplash.h"

using namespace numora;
using namespace numora::testing;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A launcher that checks, when a program starts, that the settings are
// already erased.
class OrderCheckingLauncher final : public Launcher {
public:
    explicit OrderCheckingLauncher(MemorySettingsStore& store) : store_(store) {}
    bool StartDetached(const QString& program, const QStringList&) override {
        started << program;
        storeEmptyAtStart = store_.values().isEmpty();
        return true;
    }
    OpenResult OpenDocument(const QString&) override { return OpenResult::Opened; }
    QString FindExecutable(const QString&) override { return {}; }
    QString ProgramFolder() override { return QStringLiteral("/usr/local/bin"); }
    QString ProgramPath() override { return QStringLiteral("/usr/local/bin/numora"); }
    QStringList started;
    bool storeEmptyAtStart = false;

private:
    MemorySettingsStore& store_;
};

}  // namespace

class LifeCycleTest : public QObject {
    Q_OBJECT

    struct Run {
        FakeServices fakes;
        MainFrame frame{fakes.services};
        int musicLoads = 0, musicShows = 0, ended = -1;
        QList<frmSplash::InstanceCheck> checks;  // the lock's answers, in turn
        frmSplash splash{fakes.services, frame,
                         frmSplash::Hooks{[this] { ++musicLoads; }, [this] { ++musicShows; },
                                          [this](int code) { ended = code; },
                                          [this] { return checks.isEmpty() ? frmSplash::InstanceCheck::None
                                                                           : checks.takeFirst(); }}};
        Run() {
            for (const char* name : {"Standard", "Maths", "Chem", "Scientific"})
                numora::testing::RegisterChild(frame, QLatin1String(name), [](Services&, MainFrame&) { return new QWidget; });
        }
    };

private slots:
    void firstRunSelfTest() {
        Run run;
        run.splash.start();
        QVERIFY(run.fakes.dialogs.messages.isEmpty());
        QCOMPARE(run.fakes.settings.ReadSetting("Settings", "LoadAlready", ""), QStringLiteral("True"));
        QCOMPARE(run.splash.welcome(), U("匿名   欢迎您的到来！"));
        QVERIFY(run.splash.selfTestRunning());
        QCOMPARE(run.musicLoads, 1);
        QSignalSpy finished(&run.splash, &frmSplash::finished);

        const struct { int tick; const char* status; const char* progress; } stages[] = {
            {1, "正在测试主窗口与控件连接是否准确...", "3%"},
            {8, "正在测试主窗口与控件连接是否准确...", "21%"},  // 800: a tick without a stage
            {9, "正在测试 基本计算 与控件连接是否准确...", "24%"},
            {17, "正在测试专科组件与控件连接是否准确...", "45%"},
            {25, "正在测试 科学性计算 与控件连接是否准确...", "66%"},
            {33, "连接准确，正在返回...", "86%"},
            {39, "连接准确，正在返回...", "96%"},
        };
        int ticks = 0;
        for (const auto& stage : stages) {
            while (ticks < stage.tick) {
                run.splash.tick();
                ++ticks;
            }
            QCOMPARE(run.splash.status(), U(stage.status));
            QCOMPARE(run.splash.progress(), QLatin1String(stage.progress));
            if (stage.tick == 1) {
                QVERIFY(!run.frame.isEnabled());
                QVERIFY(!run.frame.menuItem("mnuProgram")->isVisible());
            }
        }
        // The calculator windows exist, hidden; the music window was shown.
        for (const char* name : {"Standard", "Maths", "Chem", "Scientific"}) {
            QVERIFY2(run.frame.child(QLatin1String(name)), name);
            QVERIFY(!run.frame.childWindow(QLatin1String(name))->isVisible());
        }
        QCOMPARE(run.musicShows, 1);
        QVERIFY(run.frame.isVisible());
        QCOMPARE(finished.count(), 0);
        run.splash.tick();  // the 40th
        QCOMPARE(finished.count(), 1);
        QVERIFY(run.frame.isEnabled());
        QVERIFY(run.frame.menuItem("mnuProgram")->isVisible());
        QVERIFY(run.frame.menuItem("mnuProgram")->isEnabled());
        QVERIFY(run.frame.toolBar()->isVisible());
        QCOMPARE(run.frame.windowTitle(), QStringLiteral("Numora ") + QLatin1String(kCaptionVersion));
        QVERIFY(!run.splash.isVisible());
        QCOMPARE(run.splash.clock(), 4000);
        QCOMPARE(run.frame.frameStateCode(), 2);
    }

    // The one-instance lock decides; the running flag in the store is a
    // leftover after a kill and never stops a start. The warning stays for
    // an instance that holds the lock and does not answer, and Retry asks
    // the lock again: it never starts a second instance.
    void otherInstanceAtStartUp_data() {
        using C = frmSplash::InstanceCheck;
        QTest::addColumn<QList<C>>("checks");
        QTest::addColumn<QList<MsgAnswer>>("answers");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<bool>("runs");
        QTest::newRow("stale flag, no instance") << QList<C>{C::None} << QList<MsgAnswer>{} << 0 << true;
        QTest::newRow("running instance came forward") << QList<C>{C::Forwarded} << QList<MsgAnswer>{} << 0 << false;
        QTest::newRow("silent, retry, gone") << QList<C>{C::Unanswered, C::None} << QList<MsgAnswer>{MsgAnswer::Retry}
                                             << 1 << true;
        QTest::newRow("silent, retry, came forward")
            << QList<C>{C::Unanswered, C::Forwarded} << QList<MsgAnswer>{MsgAnswer::Retry} << 1 << false;
        QTest::newRow("silent, retry, silent, cancel") << QList<C>{C::Unanswered, C::Unanswered}
                                                       << QList<MsgAnswer>{MsgAnswer::Retry, MsgAnswer::Cancel} << 2
                                                       << false;
        QTest::newRow("silent, cancel") << QList<C>{C::Unanswered} << QList<MsgAnswer>{MsgAnswer::Cancel} << 1 << false;
    }

    void otherInstanceAtStartUp() {
        QFETCH(QList<frmSplash::InstanceCheck>, checks);
        QFETCH(QList<MsgAnswer>, answers);
        QFETCH(int, warnings);
        QFETCH(bool, runs);
        Run run;
        run.fakes.settings.WriteSetting("Settings", "LoadAlready", "True");
        run.checks = checks;
        for (MsgAnswer answer : answers) run.fakes.dialogs.answers.push_back(answer);
        run.splash.start();
        if (runs) QTRY_VERIFY(run.splash.selfTestRunning());
        else QTRY_COMPARE(run.ended, 0);
        QVERIFY(run.checks.isEmpty());
        QCOMPARE(run.fakes.dialogs.messages.size(), warnings);
        for (const RecordedMessage& warning : run.fakes.dialogs.messages) {
            QCOMPARE(warning.text, U("系统检测到:“Numora已经加载！”如果是由于系统错误造成，请重试。"));
            QCOMPARE(warning.title, QStringLiteral("Numora"));
            QCOMPARE(warning.icon, MsgIcon::Exclamation);
            QCOMPARE(warning.buttons, MsgButtons::RetryCancel);
        }
        QCOMPARE(run.splash.runAccepted(), runs);
        // Written while the run is accepted; Retry clears it as the warning says.
        const bool retried = answers.contains(MsgAnswer::Retry);
        QCOMPARE(run.fakes.settings.ReadSetting("Settings", "LoadAlready", ""),
                 QLatin1String(runs || !retried ? "True" : "False"));
        QVERIFY(!run.frame.isVisible());
    }

    void quickStartAndOtherExamValues() {
        Run quick;
        quick.fakes.settings.WriteSetting("Checks", "ExamOK", "1");
        quick.fakes.settings.WriteSetting("Checks", "AlwaysTop", "1");
        quick.fakes.settings.WriteSetting("Texts", "Name", "");
        QSignalSpy finished(&quick.splash, &frmSplash::finished);
        quick.splash.start();
        QCOMPARE(quick.splash.status(), U("非检测状态,直接进入主程序"));
        QCOMPARE(quick.splash.welcome(), U("   欢迎您的到来！"));
        QVERIFY(!quick.frame.isVisible());
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(quick.frame.isVisible());
        QVERIFY(quick.frame.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!quick.frame.child("Standard"));  // created only when opened
        QCOMPARE(quick.musicLoads, 0);

        // A value the options never write runs the self-test.
        Run odd;
        odd.fakes.settings.WriteSetting("Checks", "ExamOK", "7");
        odd.splash.start();
        QVERIFY(odd.splash.selfTestRunning());
    }

    void exitSequence_data() {
        QTest::addColumn<QString>("clean");
        QTest::addColumn<bool>("erased");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("normal exit") << "" << false << false;
        QTest::newRow("reset and restart") << "1" << true << true;
        QTest::newRow("reset and quit") << "2" << true << false;
        QTest::newRow("reset at this exit") << "3" << true << false;
        QTest::newRow("unreadable") << "x" << false << false;
    }

    void exitSequence() {
        QFETCH(QString, clean);
        QFETCH(bool, erased);
        QFETCH(bool, restarted);
        FakeServices fakes;
        OrderCheckingLauncher launcher(fakes.settings);
        Services services{fakes.settings, fakes.dialogs, launcher, fakes.music, fakes.clipboard};
        fakes.settings.WriteSetting("Settings", "LoadAlready", "True");
        fakes.settings.WriteSetting("Settings", "MainState", "0");
        if (!clean.isEmpty()) fakes.settings.WriteSetting("Settings", "Clean", clean);
        int musicClosed = 0, ended = -1;
        frmBye bye(services, frmBye::Hooks{[&] { ++musicClosed; }, [&](int code) { ended = code; }});
        bye.start();
        QVERIFY(!bye.mask().isEmpty());  // the rounded outline
        int ticks = 0;
        while (ended < 0 && ticks < 100) {
            if (bye.clock() == 1000) QCOMPARE(fakes.settings.ReadSetting("Settings", "LoadAlready", ""), QStringLiteral("True"));
            bye.tick();
            ++ticks;
            if (bye.clock() == 1100) QCOMPARE(fakes.settings.ReadSetting("Settings", "LoadAlready", ""), QStringLiteral("False"));
            if (bye.clock() == 1600) QCOMPARE(musicClosed, 1);
        }
        QCOMPARE(ticks, 20);
        QCOMPARE(ended, 0);
        QCOMPARE(bye.status(), U("操作完成,安全退出Numora..."));
        QCOMPARE(fakes.settings.values().isEmpty(), erased);
        if (!erased) QCOMPARE(fakes.settings.ReadSetting("Settings", "MainState", ""), QStringLiteral("0"));
        QCOMPARE(!launcher.started.isEmpty(), restarted);
        if (restarted) {
            QCOMPARE(launcher.started, QStringList{QStringLiteral("/usr/local/bin/numora")});
            QVERIFY(launcher.storeEmptyAtStart);  // erased before the new instance starts
        }
    }
};

NUMORA_SHELL_TEST(LifeCycleTest);
#include "LifeCycleTest.moc"
