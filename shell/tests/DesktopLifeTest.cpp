// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The application's life on a real desktop: messages during start-up open
// above the start-up window; the end of a session (signals, the quit
// request) runs the orderly exit; windows restored from impossible places
// come back within reach; the music honours the stored volume and muting;
// the status bar shows the user's name.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QAction>
#include <QDialog>
#include <QTimer>
#include <csignal>
#include <memory>

#include "Fakes.h"
#include "MainFrame.h"
#include "Messages.h"
#include "SessionEnd.h"
#include "ShellTest.h"
#include "frmBye.h"
#include "frmOption.h"
#include "frmSplash.h"

using namespace numora;
using namespace numora::testing;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Fake dialogs that also note the window each message would open over.
class OwnerNotingDialogs final : public Dialogs {
public:
    MsgAnswer Message(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons, std::optional<MsgAnswer> defaultButton) override {
        owners << MessageOwner(parent);
        return inner.Message(parent, text, title, icon, buttons, defaultButton);
    }
    std::optional<QString> InputBox(QWidget* p, const QString& a, const QString& b, const QString& c) override {
        return inner.InputBox(p, a, b, c);
    }
    QString OpenFileName(QWidget* p, const QString& a, const QString& b, const QString& c) override {
        return inner.OpenFileName(p, a, b, c);
    }
    QString SaveFileName(QWidget* p, const QString& a, const QString& b, const QString& c) override {
        return inner.SaveFileName(p, a, b, c);
    }
    FakeDialogs inner;
    QList<QWidget*> owners;
};

// A whole run: frame, start-up, background music, exit window and the
// session's end, as the program wires them, over fake services.
struct Run {
    MemorySettingsStore settings;
    OwnerNotingDialogs dialogs;
    FakeLauncher launcher;
    SilentMusicPlayer music;
    FakeClipboard clipboard;
    Services services{settings, dialogs, launcher, music, clipboard};
    std::unique_ptr<MainFrame> frame;
    std::unique_ptr<Messages> messages;
    std::unique_ptr<frmBye> bye;
    std::unique_ptr<frmSplash> splash;
    std::unique_ptr<SessionEnd> sessionEnd;
    QList<frmSplash::InstanceCheck> checks;  // the lock's answers, in turn
    int ended = -1;
    bool musicClosed = false;

    explicit Run(const QStringList& stored = {}) {
        for (const QString& entry : stored) {
            const int slash = entry.indexOf('/'), eq = entry.indexOf('=');
            settings.WriteSetting(entry.left(slash), entry.mid(slash + 1, eq - slash - 1), entry.mid(eq + 1));
        }
        frame = std::make_unique<MainFrame>(services);
        for (const char* name : {"Standard", "Maths", "Chem", "Scientific"})
            numora::testing::RegisterChild(*frame, QLatin1String(name), [](Services&, MainFrame&) {
                auto* w = new QWidget;
                w->resize(300, 200);
                return w;
            });
        numora::testing::RegisterChild(*frame, QStringLiteral("frmOption"),
                                       [](Services& s, MainFrame& f) -> QWidget* { return new frmOption(s, f); });
        auto end = [this](int code) { ended = code; };
        frame->setExitWindowHook([this, end] {
            bye = std::make_unique<frmBye>(services, frmBye::Hooks{[this] {
                                                                       musicClosed = true;
                                                                       if (messages) messages->stopAndClose();
                                                                   },
                                                                   end});
            bye->start();
        });
        splash = std::make_unique<frmSplash>(
            services, *frame,
            frmSplash::Hooks{[this] {
                                 if (!messages) messages = std::make_unique<Messages>(services, *frame);
                                 messages->load();
                             },
                             [this] {
                                 if (messages) messages->show();
                             },
                             end, [this] {
                                 if (checks.isEmpty()) return frmSplash::InstanceCheck::None;
                                 return checks.takeFirst();
                             }});
        sessionEnd = std::make_unique<SessionEnd>(
            services, *frame,
            SessionEnd::Hooks{[this] { return splash->runAccepted(); }, [this] { splash->abandon(); },
                              [this, end] {
                                  if (bye)
                                      bye->finishNow();
                                  else
                                      end(0);
                              },
                              end});
    }
    ~Run() {
        sessionEnd.reset();
        splash.reset();
        bye.reset();
        messages.reset();
        frame.reset();
    }
    QString stored(const char* section, const char* key) { return settings.ReadSetting(section, key, "-"); }
};

}  // namespace

class DesktopLifeTest : public QObject {
    Q_OBJECT

private slots:
    // A message asked for without a visible window opens over the window on
    // top, kept on top like it, with the focus.
    void messageOwnerIsTheWindowOnTop() {
        QWidget hidden;
        QCOMPARE(MessageOwner(&hidden), static_cast<QWidget*>(nullptr));
        QWidget plain;
        plain.show();
        QWidget onTop(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        onTop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&onTop));
        QCOMPARE(MessageOwner(&hidden), &onTop);
        QCOMPARE(MessageOwner(nullptr), &onTop);
        QCOMPARE(MessageOwner(&plain), &plain);  // a visible window asked for keeps it

        QtDialogs real;
        bool box = false;
        bool stays = false;
        QWidget* parent = nullptr;
        QTimer closer;
        closer.setInterval(20);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal) return;
            closer.stop();
            box = true;
            stays = modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            parent = modal->parentWidget();
            modal->accept();
        });
        closer.start();
        static_cast<Dialogs&>(real).Message(&hidden, U("媒体文件不存在！"), QStringLiteral("Numora"), MsgIcon::Stop);
        QVERIFY(box);
        QCOMPARE(parent, &onTop);
        QVERIFY(stays);
    }

    // The music that cannot be found at start-up is reported over the
    // start-up window, and the start-up then goes on.
    void startupMessageOverTheStartupWindow() {
        Run run({"Checks/ExamOK=0", "Checks/MusicStartWhileApply=1", "Texts/FileName=/no/such/music.mp3"});
        run.splash->start();
        QCOMPARE(run.dialogs.inner.messages.size(), 1);
        QCOMPARE(run.dialogs.inner.messages[0].text, U("媒体文件不存在！"));
        QCOMPARE(run.dialogs.owners[0], static_cast<QWidget*>(run.splash.get()));
        QVERIFY(run.splash->selfTestRunning());
    }

    // The end of the session from a real signal: positions, state, music,
    // running flag, status 0.
    void signalRunsTheOrderlyExit_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("quit request") << 0;
    }
    void signalRunsTheOrderlyExit() {
        QFETCH(int, signal);
        Run run({"Checks/ExamOK=1", "Settings/MainState=0"});
        if (signal) QVERIFY(run.sessionEnd->watchSignals());
        else run.sessionEnd->watchQuitRequests();
        run.music.SetFileName(QStringLiteral("/music/a.mp3"));
        run.music.Play();
        run.splash->start();
        QTRY_VERIFY(run.frame->isVisible());
        run.frame->toggleChild(QStringLiteral("Standard"));
        run.frame->childWindow(QStringLiteral("Standard"))->move(30, 40);
        QCOMPARE(run.stored("Settings", "LoadAlready"), QStringLiteral("True"));

        if (signal) ::raise(signal);
        else {
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(qApp, &quit);
        }
        QTRY_COMPARE(run.ended, 0);
        QVERIFY(run.frame->isUnloaded());
        QCOMPARE(run.stored("Settings", "StandardLeft"), QStringLiteral("450"));
        QCOMPARE(run.stored("Settings", "StandardTop"), QStringLiteral("600"));
        QCOMPARE(run.stored("Settings", "MainState"), QStringLiteral("0"));
        QCOMPARE(run.stored("Settings", "LoadAlready"), QStringLiteral("False"));
        QVERIFY(run.musicClosed);
        QVERIFY(run.music.FileName().isEmpty());
    }

    // A signal while start-up has not taken the run (the other instance's
    // warning was answered with Retry, the load has not run again): the run
    // ends without writing what an exit writes.
    void signalBeforeTheRunIsAcceptedLeavesTheStore() {
        Run run({"Settings/LoadAlready=True"});
        run.checks = {frmSplash::InstanceCheck::Unanswered, frmSplash::InstanceCheck::Unanswered};
        run.sessionEnd->watchQuitRequests();
        run.dialogs.inner.answers.push_back(MsgAnswer::Retry);
        run.splash->start();
        QVERIFY(!run.splash->runAccepted());
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
        QCOMPARE(run.ended, 0);
        QTest::qWait(50);
        QVERIFY(!run.splash->runAccepted());
        QVERIFY(!run.splash->selfTestRunning());
        QCOMPARE(run.stored("Settings", "LoadAlready"), QStringLiteral("False"));
        QCOMPARE(run.stored("Settings", "MainState"), QStringLiteral("-"));
    }

    // Places no screen has: the window comes back within reach and the place
    // applied is the one stored.
    void restoredWindowsStayReachable_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::newRow("1e30") << "1e30" << "1e30";
        QTest::newRow("-1e30") << "-1e30" << "-1e30";
        QTest::newRow("beyond int") << "40000000000" << "-40000000000";
        QTest::newRow("far right") << "150000" << "0";
    }
    void restoredWindowsStayReachable() {
        QFETCH(QString, left);
        QFETCH(QString, top);
        Run run({"Settings/MainState=0", "Settings/MainLeft=" + left, "Settings/MainTop=" + top,
                 "Settings/MainWidth=1e30", "Settings/MainHeight=" + top, "Settings/StandardLeft=" + left,
                 "Settings/StandardTop=" + top});
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        MainFrame& frame = *run.frame;
        // At least the grip of the title bar on the screen.
        QVERIFY2(frame.y() >= screen.top() && frame.y() + 40 <= screen.bottom() + 1 &&
                     frame.x() + frame.width() >= screen.left() + 40 && frame.x() + 40 <= screen.right() + 1,
                 qPrintable(QString("frame at %1,%2").arg(frame.x()).arg(frame.y())));
        QVERIFY(frame.width() <= screen.width() && frame.height() <= screen.height());
        QCOMPARE(run.stored("Settings", "MainLeft").toFloat(), float(frame.x() * 15));
        QCOMPARE(run.stored("Settings", "MainTop").toFloat(), float(frame.y() * 15));

        QWidget* child = frame.loadChild(QStringLiteral("Standard"));
        QVERIFY(child);
        QMdiSubWindow* window = frame.childWindow(QStringLiteral("Standard"));
        const QRect area(QPoint(0, 0), screen.size());
        const int grip = std::min(40, window->height());
        QVERIFY2(window->y() >= 0 && window->y() + grip <= area.bottom() + 1,
                 qPrintable(QString("child at %1,%2").arg(window->x()).arg(window->y())));
        QVERIFY(window->x() + window->width() >= 40 && window->x() + 40 <= area.right() + 1);
        QCOMPARE(run.stored("Settings", "StandardLeft").toFloat(), float(window->x() * 15));
        QCOMPARE(run.stored("Settings", "StandardTop").toFloat(), float(window->y() * 15));
    }

    // Autoplay at start-up plays at the stored volume and muting, before the
    // Options window was ever opened.
    void autoplayHonoursStoredVolumeAndMute() {
        QTemporaryDir dir;
        const QString file = dir.filePath("a.wav");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("RIFF");
        f.close();
        const struct {
            const char* mute;
            const char* slider;
            bool muted;
            int volume;
        } cases[] = {{"1", "5", true, -800}, {"0", "10", false, -500}, {"0", "99", false, 0}, {nullptr, nullptr, false, 0}};
        for (const auto& c : cases) {
            FakeServices fake;
            fake.settings.WriteSetting("Checks", "MusicStartWhileApply", "1");
            fake.settings.WriteSetting("Texts", "FileName", file);
            if (c.mute) fake.settings.WriteSetting("Checks", "Mute", c.mute);
            if (c.slider) fake.settings.WriteSetting("Sliders", "Value", c.slider);
            MainFrame frame(fake.services);
            Messages messages(fake.services, frame);
            messages.load();
            QVERIFY(fake.music.playing());
            QCOMPARE(fake.music.Muted(), c.muted);
            QCOMPARE(fake.music.Volume(), c.volume);
        }
    }

    // Another instance retried and quit, clearing the flag in the file: the
    // next heartbeat puts it back; with nothing changed, heartbeats write
    // nothing.
    void heartbeatRestoresTheRunningFlag() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Numora/Numora.ini"));
        QtSettingsStore store(ini);
        FakeServices fake;
        Services services{store, fake.dialogs, fake.launcher, fake.music, fake.clipboard};
        MainFrame frame(services);
        frame.heartbeat();
        QCOMPARE(QtSettingsStore(ini).ReadSetting("Settings", "LoadAlready", ""), QStringLiteral("True"));
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Settings]\nLoadAlready=False\nMainState=2\n");
        file.close();
        frame.heartbeat();
        QCOMPARE(QtSettingsStore(ini).ReadSetting("Settings", "LoadAlready", ""), QStringLiteral("True"));
        const int writes = store.writeCount();
        for (int i = 0; i < 20; ++i) frame.heartbeat();
        QCOMPARE(store.writeCount(), writes);
    }

    // A help document that nothing on the desktop opens is read in the
    // frame's own window, one window however often help is asked for.
    void helpWithoutAProgramForTheDocument() {
        QTemporaryDir dir;
        QFile doc(dir.filePath("numora180.doc"));
        QVERIFY(doc.open(QIODevice::WriteOnly));
        doc.write("{\\rtf1\\uc1\\pard\\b\\fs32 Numora 1.80 \\u24110?\\u21161?\\par\\pard\\li360 \\bullet  x<y\\par}");
        doc.close();
        FakeServices fake;
        fake.launcher.folder = dir.path();
        fake.launcher.openResult = OpenResult::Failed;
        MainFrame frame(fake.services);
        frame.show();
        frame.menuItem(QStringLiteral("mnuHelpHelp"))->trigger();
        auto* viewer = qobject_cast<QTextBrowser*>(frame.helpViewer());
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible() && viewer->isWindow() && viewer->isReadOnly());
        QCOMPARE(viewer->windowTitle(), U("Numora 帮助信息"));
        QTRY_VERIFY2(viewer->toPlainText().startsWith(U("Numora 1.80 帮助")), qPrintable(viewer->toPlainText()));
        QVERIFY(viewer->toPlainText().contains(QStringLiteral("x<y")));
        QVERIFY(fake.dialogs.messages.isEmpty());
        viewer->hide();
        frame.menuItem(QStringLiteral("mnuRightHelp"))->trigger();
        QCOMPARE(frame.helpViewer(), static_cast<QWidget*>(viewer));
        QVERIFY(viewer->isVisible());
    }

    // The user panel shows the stored name and follows the Options window.
    void userPanelShowsTheName() {
        Run run({"Texts/Name=张三"});
        QCOMPARE(run.frame->userName(), U("张三"));
        Run fresh;
        QCOMPARE(fresh.frame->userName(), U("匿名"));
        fresh.frame->show();
        fresh.frame->toggleChild(QStringLiteral("frmOption"));
        auto* name = fresh.frame->child(QStringLiteral("frmOption"))->findChild<QLineEdit*>(QStringLiteral("UserText1"));
        QVERIFY(name);
        name->setFocus();
        name->selectAll();
        for (QChar c : U("李四")) QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(fresh.frame->userName(), U("李四"));
        QCOMPARE(fresh.stored("Texts", "Name"), U("李四"));
    }
};

NUMORA_SHELL_TEST(DesktopLifeTest);
#include "DesktopLifeTest.moc"
