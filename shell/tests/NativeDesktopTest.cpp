// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program on today's desktops: one instance per settings file through
// the real lock and socket, windows on a platform that neither places nor
// stacks them (Wayland, pretended on the offscreen platform), and the
// desktop's dark preference.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "DesktopPlatform.h"
#include "DesktopTheme.h"
#include "Fakes.h"
#include "MainFrame.h"
#include "ShellTest.h"
#include "SingleInstance.h"
#include "ThemeColours.h"
#include "frmBye.h"
#include "frmOption.h"
#include "frmSplash.h"

using namespace numora;
using namespace numora::testing;

namespace {

using Claim = SingleInstance::Claim;

// A second launch's claim, made on its own thread as another process would
// (the first instance answers from this thread's event loop).
Claim ClaimElsewhere(const QString& folder, int answerMs, const RaiseRequest& request = {}) {
    std::atomic<int> result{-1};
    std::unique_ptr<QThread> launch(QThread::create([&] {
        SingleInstance second(folder, QStringLiteral("numora-test"));
        result = static_cast<int>(second.claim(request, answerMs, 3000));
    }));
    launch->start();
    QElapsedTimer clock;
    clock.start();
    while (result < 0 && clock.elapsed() < 20000) QTest::qWait(10);
    launch->wait();
    return static_cast<Claim>(result.load());
}

Rgb8 Of(const QColor& c) { return {c.red(), c.green(), c.blue()}; }

// Pretends the platform's abilities for one test.
struct Pretend {
    explicit Pretend(DesktopAbilities abilities) { SetDesktopAbilitiesForTesting(abilities); }
    ~Pretend() { SetDesktopAbilitiesForTesting(std::nullopt); }
};
const DesktopAbilities kWayland{false, false, false};

}  // namespace

class NativeDesktopTest : public QObject {
    Q_OBJECT

private slots:
    // A second launch is told by the lock, never by a leftover.
    void secondLaunch_data() {
        QTest::addColumn<QString>("first");  // what holds the folder
        QTest::addColumn<int>("claim");
        QTest::newRow("running instance") << "running" << int(Claim::Forwarded);
        QTest::newRow("lock held, nobody answers") << "silent" << int(Claim::Unanswered);
        QTest::newRow("killed instance's socket") << "stale socket" << int(Claim::Owner);
        QTest::newRow("instance that ended") << "ended" << int(Claim::Owner);
        QTest::newRow("ending instance") << "closing" << int(Claim::Owner);
    }
    void secondLaunch() {
        QFETCH(QString, first);
        QFETCH(int, claim);
        QTemporaryDir folder;
        auto instance = std::make_unique<SingleInstance>(folder.path(), QStringLiteral("numora-test"));
        QSignalSpy raised(instance.get(), &SingleInstance::raiseRequested);
        int silentLock = -1;
        QLocalServer leftover;
        if (first == QLatin1String("silent")) {
            silentLock = ::open(QFile::encodeName(instance->lockPath()).constData(), O_RDWR | O_CREAT, 0600);
            QCOMPARE(::flock(silentLock, LOCK_EX | LOCK_NB), 0);
        } else if (first == QLatin1String("stale socket")) {
            QVERIFY(leftover.listen(instance->socketPath()));  // a socket file nobody locks
        } else {
            QCOMPARE(instance->claim({}), Claim::Owner);
            if (first == QLatin1String("ended")) instance.reset();
            if (first == QLatin1String("closing")) {
                instance->setClosing(true);
                // The exit sequence ends the process a moment later.
                QTimer::singleShot(300, this, [&instance] { instance.reset(); });
            }
        }
        QCOMPARE(int(ClaimElsewhere(folder.path(), 400, {"tok", "id"})), claim);
        if (first == QLatin1String("running")) {
            QTRY_COMPARE(raised.count(), 1);
            QCOMPARE(raised.first(), (QList<QVariant>{QStringLiteral("tok"), QStringLiteral("id")}));
            QVERIFY(instance->isOwner());
        }
        if (silentLock >= 0) ::close(silentLock);
    }

    // Launches at the same moment: exactly one runs.
    void simultaneousLaunches() {
        QTemporaryDir folder;
        std::atomic<int> owners{0}, others{0}, done{0};
        std::vector<std::unique_ptr<QThread>> launches;
        for (int i = 0; i < 4; ++i)
            launches.emplace_back(QThread::create([&] {
                SingleInstance instance(folder.path(), QStringLiteral("numora-test"));
                (instance.claim({}, 300, 300) == Claim::Owner ? owners : others)++;
                ++done;
                while (done < 4) QThread::msleep(5);  // the owner holds on until all have asked
            }));
        for (auto& launch : launches) launch->start();
        for (auto& launch : launches) launch->wait();
        QCOMPARE(owners.load(), 1);
        QCOMPARE(others.load(), 3);  // nobody answers on these threads: Unanswered, never Owner
    }

    void unusableFolderStillStarts() {
        SingleInstance instance(QStringLiteral("/nonexistent/folder"), QStringLiteral("numora-test"));
        QCOMPARE(instance.claim({}, 100), Claim::Owner);
        QCOMPARE(SingleInstance::LockFolder(QStringLiteral("/fallback")), qEnvironmentVariable("XDG_RUNTIME_DIR"));
    }

    // Where the desktop places the frame, the stored place stays; the size
    // and the state are still kept.
    void placesTheDesktopChoseAreNotStored() {
        Pretend wayland(kWayland);
        FakeServices fake;
        for (auto [key, value] : {std::pair{"MainState", "0"}, {"MainLeft", "3000"}, {"MainTop", "2000"},
                                  {"MainWidth", "9000"}, {"MainHeight", "6000"}})
            fake.settings.WriteSetting("Settings", key, value);
        MainFrame frame(fake.services);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.move(0, 0);
        frame.resize(700, 500);
        frame.heartbeat();
        frame.close();
        QCOMPARE(fake.settings.ReadSetting("Settings", "MainLeft", ""), QStringLiteral("3000"));
        QCOMPARE(fake.settings.ReadSetting("Settings", "MainTop", ""), QStringLiteral("2000"));
        QCOMPARE(fake.settings.ReadSetting("Settings", "MainWidth", ""), QStringLiteral("10500"));
        QCOMPARE(fake.settings.ReadSetting("Settings", "MainState", ""), QStringLiteral("0"));
    }

    // Where the desktop cannot keep a window on top: the box says so, the
    // setting stays as stored, the frame is left alone.
    void keepOnTopWhereTheDesktopCannot() {
        Pretend wayland(kWayland);
        FakeServices fake;
        fake.settings.WriteSetting("Checks", "AlwaysTop", "1");
        MainFrame frame(fake.services);
        frmOption options(fake.services, frame);
        auto* top = options.findChild<QCheckBox*>(QStringLiteral("TopCheck"));
        QVERIFY(!top->isEnabled());
        QVERIFY(top->isChecked());
        QCOMPARE(top->toolTip(), KeepOnTopUnsupportedHint());
        QCOMPARE(fake.settings.ReadSetting("Checks", "AlwaysTop", ""), QStringLiteral("1"));
        frame.setTopmost(true);
        QVERIFY(!(frame.windowFlags() & Qt::WindowStaysOnTopHint));
        // The exit window paints its own rounded face.
        frmBye bye(fake.services, {});
        QVERIFY(bye.testAttribute(Qt::WA_TranslucentBackground));
    }

    // The self-test shows the frame only as the start-up window goes, so
    // that window stays above it.
    void startupWindowStaysAboveTheFrame() {
        Pretend wayland(kWayland);
        FakeServices fake;
        MainFrame frame(fake.services);
        int musicShows = 0;
        frmSplash splash(fake.services, frame, frmSplash::Hooks{{}, [&] { ++musicShows; }, {}, {}});
        splash.start();
        for (int tick = 0; tick < 39; ++tick) splash.tick();
        QVERIFY(!frame.isVisible());
        QCOMPARE(musicShows, 0);
        splash.tick();
        QVERIFY(frame.isVisible());
        QCOMPARE(musicShows, 1);
    }

    // The desktop's preference: dark over a light toolkit palette, and back.
    void darkPreference() {
        const QPalette before = QApplication::palette();
        QVERIFY(!IsDarkPalette(before));
        {
            DesktopTheme theme;
            for (auto [scheme, dark] : {std::pair{ColorScheme::Dark, true}, {ColorScheme::NoPreference, false},
                                        {ColorScheme::Dark, true}, {ColorScheme::Light, false}}) {
                theme.applyScheme(scheme);
                QCOMPARE(theme.darkPaletteApplied(), dark);
                QCOMPARE(IsDarkPalette(QApplication::palette()), dark);
            }
            QCOMPARE(QApplication::palette().color(QPalette::Window), before.color(QPalette::Window));
        }
        // A desktop whose own palette is dark (KDE) keeps it.
        QApplication::setPalette(DarkQPalette());
        QPalette kde = DarkQPalette();
        kde.setColor(QPalette::Window, QColor(42, 46, 50));
        QApplication::setPalette(kde);
        DesktopTheme theme;
        theme.applyScheme(ColorScheme::Light);
        theme.applyScheme(ColorScheme::Dark);
        QVERIFY(!theme.darkPaletteApplied());
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(42, 46, 50));
        QApplication::setPalette(before);
    }

    // An unchecked box and option button on a dark face have an edge that
    // stands 3:1 against it.
    void checkMarksVisibleOnADarkFace() {
        LegibleStyle style(QStringLiteral("Fusion"));
        QWidget window;
        window.setPalette(DarkQPalette());
        auto* box = new QCheckBox(QStringLiteral("x"), &window);
        box->setStyle(&style);
        box->adjustSize();
        window.resize(120, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shot = box->grab().toImage();
        const Rgb8 face = Of(DarkQPalette().color(QPalette::Window));
        int edge = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.height(); ++x)  // the indicator, left of the text
                edge += ContrastRatio(Of(shot.pixelColor(x, y)), face) >= 3.0;
        QVERIFY2(edge >= 20, qPrintable(QString::number(edge)));
    }
};

NUMORA_SHELL_TEST(NativeDesktopTest);
#include "NativeDesktopTest.moc"
