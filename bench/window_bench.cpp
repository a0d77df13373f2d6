// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the user waits for the window while a long job runs in it.
//
// Each job runs in the real windows (main frame and calculator windows, the
// offscreen platform, scripted dialogs) as the user starts it: fields typed,
// the start button clicked; the job then runs on its worker thread
// (JobRunner.h) and the event loop runs until it has ended. A probe timer
// on the window thread ticks every 2 ms; the longest gap between two ticks
// is the longest the window did not react. The same job through
// numora-cli, timed as a whole process in the same run, is the peer of the
// job's time; the Goldbach list has a second peer, `primesieve N --count
// --threads=T` with T the machine's hardware threads (when installed).
//
//   window_bench NUMORA_CLI [REPEATS]
//
// Prints one line per job: its window time, the longest gap, the command
// line's time and the ratio, and the most CPU time the window thread used
// between two ticks (each the median of REPEATS runs, default 3): on a
// loaded machine a gap can be a wait for a CPU, which the CPU gap is not.
// Then how long a running job takes to end: after the stop button (until its
// end reached the window) and when its window closes (until the window, and
// with it the job's thread, is gone).
//
// Then the plotter's canvas with four graphs (a parabola, a line, a sine
// and a typed cubic) at 730 pixels (the 365-pixel canvas at a screen scale
// of 2): the time of a trace step, a zoom step and a pan step from the
// keyboard, each with its repaint, against a plain repaint of the same
// canvas (the peer) and the 16 ms frame. The machines these run on are
// shared: besides the wall-clock median the step's CPU time on the window
// thread is given (median and worst), which the machine's load does not
// stretch.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <time.h>
#include <vector>

#include "ChildWindowTable.h"
#include "Fakes.h"
#include "FunctionCanvas.h"
#include "JobRunner.h"
#include "ListExport.h"
#include "MainFrame.h"
#include "Maths.h"
#include "Scientific.h"
#include "Standard.h"

using namespace numora;

namespace {

struct Job {
    const char* name;
    const char* window;  // the child window
    const char* tab;     // its tab key
    std::function<void(QWidget*)> prepare;  // fields typed before the start
    const char* start;                      // the start button
    QStringList cli;                        // the same job through numora-cli (empty: none)
    // Instead of the start button: keys pressed on a control (the list's
    // copy and save), and a peer process of its own (the same bytes written
    // by another program).
    const char* keysOn = nullptr;
    QKeyCombination keys = {};
    QString peerProgram = {};
    // A second peer: a program and its arguments (empty: none).
    QString secondPeer = {};
    QStringList secondPeerArgs = {};
};

// The time of a whole process, its output discarded; negative when it failed.
double ProcessMs(const QString& program, const QStringList& args) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    process.start(program, args);
    process.waitForFinished(-1);
    const double ms = t.nsecsElapsed() / 1e6;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? ms : -1;
}

void Type(QWidget* window, const char* field, const QString& text) {
    window->findChild<QLineEdit*>(QLatin1String(field))->setText(text);
}

QStringList FoldItems() {
    QStringList items;
    for (int i = 0; i < 10000; ++i) items << QStringLiteral("%1").arg(123456789 + i * 7919) + QStringLiteral("987654321");
    return items;
}

struct Figures {
    double windowMs;
    double worstGapMs;
};

// A line of /proc/self/status in MB ("VmRSS", "VmHWM").
double StatusMb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key)) return line.mid(static_cast<int>(std::strlen(key)) + 1).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// The CPU time the calling thread has used.
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A job of the window, or a copy or save of one of its lists, is under way.
bool Busy(QWidget* window) {
    for (JobRunner* runner : window->findChildren<JobRunner*>())
        if (runner->running()) return true;
    for (ListExport* exporter : window->findChildren<ListExport*>())
        if (exporter->busy()) return true;
    return false;
}

// Runs the event loop (the probe ticks in it) until the window's jobs have ended.
void WaitForTheJobs(QWidget* window) {
    while (Busy(window)) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The plotter's canvas: each step is a key press handled and the canvas
// painted at 730 pixels.
void PlotInteraction(MainFrame& frame, int repeats) {
    if (!frame.child(QStringLiteral("Maths"))) frame.toggleChild(QStringLiteral("Maths"));
    auto* maths = qobject_cast<Maths*>(frame.child(QStringLiteral("Maths")));
    maths->selectTab(QStringLiteral("FunctionDrawer"));
    auto* kinds = maths->findChild<QComboBox*>(QStringLiteral("MathsFunctionShapeCombo1"));
    auto* draw = maths->findChild<QPushButton*>(QStringLiteral("MathsFunctionShapecmd1"));
    const struct { int kind; QStringList boxes; } graphs[] = {
        {1, {"1", "-3", "2"}}, {0, {"1", "-1"}}, {5, {"2", "1", "0", "0"}}, {10, {"x^3/4-x"}}};
    for (const auto& g : graphs) {
        kinds->setCurrentIndex(g.kind);
        for (int i = 0; i < g.boxes.size(); ++i)
            Type(maths, QStringLiteral("MathsFunctionShapeFrame%1Text%2").arg(g.kind + 1).arg(i + 1).toUtf8().constData(),
                 g.boxes[i]);
        draw->click();
    }
    FunctionCanvas* canvas = maths->functionCanvas();
    canvas->setFocus();
    QImage screen(canvas->size() * 2, QImage::Format_ARGB32_Premultiplied);
    screen.setDevicePixelRatio(2);
    auto paint = [&] { canvas->render(&screen); };
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, k, modifiers);
        QApplication::sendEvent(canvas, &press);
    };
    // Steps that come back where they started, so every run sees the same views.
    const struct { const char* name; std::function<void(int)> step; } kinds2[] = {
        {"plain repaint (peer)", [](int) {}},
        {"trace step", [&](int i) { key(i % 40 < 20 ? Qt::Key_Right : Qt::Key_Left); }},
        {"zoom step", [&](int i) { key(i % 2 ? Qt::Key_Minus : Qt::Key_Plus); }},
        {"pan step", [&](int i) { key(i % 2 ? Qt::Key_Left : Qt::Key_Right, Qt::ControlModifier); }},
    };
    auto cpuMs = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    };
    std::printf("\n%-28s %9s %9s %9s %9s %9s\n", "canvas, 4 graphs, 730 px", "wall ms", "cpu ms", "worst cpu",
                "/ peer", "/ 16 ms");
    double peer = 0;
    for (const auto& k : kinds2) {
        std::vector<double> wall, cpu;
        for (int r = 0; r < repeats; ++r) {
            canvas->resetView();
            paint();
            for (int i = 0; i < 200; ++i) {
                QElapsedTimer t;
                t.start();
                const double before = cpuMs();
                k.step(i);
                paint();
                cpu.push_back(cpuMs() - before);
                wall.push_back(t.nsecsElapsed() / 1e6);
            }
        }
        const double median = Median(cpu), worst = *std::max_element(cpu.begin(), cpu.end());
        if (peer == 0) peer = median;
        std::printf("%-28s %9.2f %9.2f %9.2f %9.2f %9.2f\n", k.name, Median(wall), median, worst, median / peer,
                    median / 16);
        std::fflush(stdout);
    }
}

// How long a running job takes to end: the Goldbach list (999999998) and
// the product of a 250-digit number and 300000 ones after their stop buttons, until the end has
// reached the window; the same jobs when their window closes, until the
// window and the job's thread are gone.
void StopTimes(MainFrame& frame, testing::FakeServices& fakes, int repeats) {
    struct Stop {
        const char* name;
        const char* window;
        std::function<void(QWidget*)> start;
        const char* stop;
    };
    QStringList items{QString(250, QLatin1Char('9'))};
    for (int i = 0; i < 300000; ++i) items << QStringLiteral("1");
    const Stop stops[] = {
        {"goldbach 999999998", "Scientific",
         [](QWidget* w) {
             Type(w, "GdbhFrame1Text1", QStringLiteral("999999998"));
             w->findChild<QPushButton*>(QStringLiteral("GdbhFrame1cmd1"))->click();
         },
         "GdbhStopcmd"},
        {"big product, 300001 items", "Standard",
         [&items](QWidget* w) {
             auto* list = w->findChild<QListWidget*>(QStringLiteral("LargeList1"));
             if (list->count() != items.size()) {
                 list->clear();
                 list->addItems(items);
                 Type(w, "LargeText6", QString::number(items.size()));
             }
             w->findChild<QRadioButton*>(QStringLiteral("LargeOption3"))->click();
             w->findChild<QPushButton*>(QStringLiteral("Largecmd4"))->click();
         },
         "LargeStopcmd"},
    };
    std::printf("\n%-26s %14s %14s %18s\n", "stopping a running job", "stop ms", "close ms", "close ms, idle");
    for (const Stop& stop : stops) {
        std::vector<double> stopMs, closeMs, idleCloseMs;
        for (int r = 0; r < repeats; ++r) {
            // The peer of a close: the same window with the same list, after its job has ended.
            {
                if (!frame.child(QLatin1String(stop.window))) frame.toggleChild(QLatin1String(stop.window));
                QWidget* window = frame.child(QLatin1String(stop.window));
                stop.start(window);
                WaitForTheJobs(window);
                QElapsedTimer t;
                t.start();
                frame.unloadChild(QLatin1String(stop.window));
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                idleCloseMs.push_back(t.nsecsElapsed() / 1e6);
            }
            for (bool close : {false, true}) {
                if (!frame.child(QLatin1String(stop.window))) frame.toggleChild(QLatin1String(stop.window));
                QWidget* window = frame.child(QLatin1String(stop.window));
                stop.start(window);
                QElapsedTimer running;
                running.start();
                while (running.elapsed() < 20) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                if (!Busy(window)) std::fprintf(stderr, "%s: ended before it was stopped\n", stop.name);
                QElapsedTimer t;
                t.start();
                if (close) {
                    QPointer<QWidget> guard(window);
                    frame.unloadChild(QLatin1String(stop.window));
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    if (guard) std::fprintf(stderr, "%s: the window stayed\n", stop.name);
                    closeMs.push_back(t.nsecsElapsed() / 1e6);
                } else {
                    window->findChild<QPushButton*>(QLatin1String(stop.stop))->click();
                    WaitForTheJobs(window);
                    stopMs.push_back(t.nsecsElapsed() / 1e6);
                    fakes.dialogs.messages.clear();
                }
            }
        }
        std::printf("%-26s %14.1f %14.1f %18.1f\n", stop.name, Median(stopMs), Median(closeMs), Median(idleCloseMs));
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QByteArray folder = QDir::tempPath().toLocal8Bit() + "/numora-window-bench-XXXXXX";
    if (!mkdtemp(folder.data())) return 1;
    chmod(folder.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", folder);
    qputenv("XDG_CONFIG_HOME", folder + "/config");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_bench NUMORA_CLI [REPEATS]\n");
        return 2;
    }
    const QString cliPath = QString::fromLocal8Bit(argv[1]);
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    testing::FakeServices fakes;
    MainFrame frame(fakes.services);
    FurnishFrame(frame);
    frame.resize(1280, 900);
    frame.show();

    const QStringList fold = FoldItems();
    // The Goldbach list is saved here; `cp` of the same file is the save's peer.
    const QString saved = QString::fromLocal8Bit(folder) + QStringLiteral("/goldbach.txt");
    const QString savedCopy = QString::fromLocal8Bit(folder) + QStringLiteral("/goldbach-copy.txt");
    // The peer of the Goldbach job on as many threads as the machine has.
    const QString primesieve = QStandardPaths::findExecutable(QStringLiteral("primesieve"));
    const QString threads = QString::number(std::max(1u, std::thread::hardware_concurrency()));
    const std::vector<Job> jobs = {
        {"goldbach 999999998", "Scientific", "Gdbh",
         [](QWidget* w) { Type(w, "GdbhFrame1Text1", QStringLiteral("999999998")); }, "GdbhFrame1cmd1",
         {QStringLiteral("goldbach"), QStringLiteral("999999998")}, nullptr, {}, {}, primesieve,
         {QStringLiteral("999999998"), QStringLiteral("--count"), QStringLiteral("--threads=") + threads,
          QStringLiteral("-q")}},
        {"mersenne search", "Scientific", "Mosunni", [](QWidget*) {}, "Mosunnicmd1", {QStringLiteral("mersenne")}},
        {"factor 2147483647", "Scientific", "Factorization",
         [](QWidget* w) { Type(w, "FactorizationFrame1Text1", QStringLiteral("2147483647")); },
         "FactorizationFrame1cmd1", {QStringLiteral("factor"), QStringLiteral("2147483647")}},
        {"sketch (sine, 6.283)", "Maths", "TriFunction", [](QWidget*) {}, "MathsTriFDrawercmd1", {}},
        {"big power 2^800", "Standard", "Large",
         [](QWidget* w) {
             w->findChild<QRadioButton*>(QStringLiteral("LargeOption5"))->click();
             Type(w, "LargeText1", QStringLiteral("2"));
             Type(w, "LargeText2", QStringLiteral("800"));
         },
         "Largecmd1", {QStringLiteral("big"), QStringLiteral("pow"), QStringLiteral("2"), QStringLiteral("800")}},
        {"big sum of 10000 items", "Standard", "Large",
         [&fold](QWidget* w) {
             w->findChild<QRadioButton*>(QStringLiteral("LargeOption1"))->click();
             auto* list = w->findChild<QListWidget*>(QStringLiteral("LargeList1"));
             if (list->count() == fold.size()) return;
             auto* entry = w->findChild<QLineEdit*>(QStringLiteral("LargeText4"));
             auto* add = w->findChild<QPushButton*>(QStringLiteral("Largecmd2"));
             for (const QString& item : fold) {
                 entry->setText(item);
                 add->click();
             }
         },
         "Largecmd4", QStringList{QStringLiteral("big"), QStringLiteral("sum")} + fold},
        // The 1,705,026 lines the first job left in the Goldbach list.
        {"save goldbach list", "Scientific", "Gdbh",
         [&fakes, &saved](QWidget*) { fakes.dialogs.saveFiles.push_back(saved); }, nullptr,
         {saved, savedCopy}, "GdbhFrame3List1", QKeyCombination(Qt::CTRL, Qt::Key_S), QStringLiteral("cp")},
        {"copy goldbach list", "Scientific", "Gdbh", [](QWidget*) {}, nullptr, {}, "GdbhFrame3List1",
         QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_C)},
    };

    // The probe: a tick every 2 ms on the window thread.
    QElapsedTimer clock;
    clock.start();
    // Each tick: the wall clock and the window thread's CPU time, so that a
    // gap can be told apart as the window's own work or a wait for a CPU.
    std::vector<std::pair<qint64, double>> ticks;
    const auto tick = [&] { ticks.emplace_back(clock.nsecsElapsed(), ThreadCpuMs()); };
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(2);
    QObject::connect(&probe, &QTimer::timeout, tick);

    std::printf("%-26s %12s %14s %12s %10s %12s\n", "job", "window ms", "worst gap ms", "cli ms", "window/cli",
                "cpu gap ms");
    for (const Job& job : jobs) {
        if (!frame.child(QLatin1String(job.window))) frame.toggleChild(QLatin1String(job.window));
        QWidget* window = frame.child(QLatin1String(job.window));
        if (auto* s = qobject_cast<Scientific*>(window)) s->selectTab(QLatin1String(job.tab));
        if (auto* m = qobject_cast<Maths*>(window)) m->selectTab(QLatin1String(job.tab));
        if (auto* st = qobject_cast<Standard*>(window)) st->selectTab(QLatin1String(job.tab));
        QApplication::processEvents();
        job.prepare(window);
        auto* start = job.start ? window->findChild<QPushButton*>(QLatin1String(job.start)) : nullptr;
        QWidget* keysOn = job.keysOn ? window->findChild<QWidget*>(QLatin1String(job.keysOn)) : nullptr;

        std::vector<double> windowMs, gapMs, cpuGapMs, cliMs, peerMs;
        const double rssBefore = StatusMb("VmRSS:");
        for (int r = 0; r < repeats; ++r) {
            QApplication::processEvents();
            ticks.clear();
            probe.start();
            tick();
            const qint64 begin = ticks.back().first;
            if (keysOn) {
                if (r > 0) job.prepare(window);
                QKeyEvent press(QEvent::KeyPress, job.keys.key(), job.keys.keyboardModifiers());
                QApplication::sendEvent(keysOn, &press);
            } else {
                start->click();
            }
            WaitForTheJobs(window);
            tick();
            const qint64 end = ticks.back().first;
            probe.stop();
            qint64 worst = 0;
            double worstCpu = 0;
            for (std::size_t i = 1; i < ticks.size(); ++i) {
                worst = std::max(worst, ticks[i].first - ticks[i - 1].first);
                worstCpu = std::max(worstCpu, ticks[i].second - ticks[i - 1].second);
            }
            windowMs.push_back((end - begin) / 1e6);
            gapMs.push_back(worst / 1e6);
            cpuGapMs.push_back(worstCpu);

            if (!job.cli.isEmpty()) {
                const double ms = ProcessMs(job.peerProgram.isEmpty() ? cliPath : job.peerProgram, job.cli);
                if (ms < 0) std::fprintf(stderr, "%s: numora-cli failed\n", job.name);
                cliMs.push_back(ms);
            }
            if (!job.secondPeer.isEmpty()) peerMs.push_back(ProcessMs(job.secondPeer, job.secondPeerArgs));
        }
        const double w = Median(windowMs), g = Median(gapMs), cg = Median(cpuGapMs);
        if (cliMs.empty()) {
            std::printf("%-26s %12.1f %14.1f %12s %10s %12.1f\n", job.name, w, g, "-", "-", cg);
        } else {
            const double c = Median(cliMs);
            std::printf("%-26s %12.1f %14.1f %12.1f %10.2f %12.1f\n", job.name, w, g, c, w / c, cg);
        }
        if (auto* scientific = qobject_cast<Scientific*>(window); scientific && job.start &&
                                                                   QLatin1String(job.start) == QLatin1String("GdbhFrame1cmd1")) {
            const int rows = scientific->goldbachModel()->rowCount();
            std::printf("  memory: peak %.1f MB over the %.1f MB before the first run; the list itself %.1f MB (%d lines)\n",
                        StatusMb("VmHWM:") - rssBefore, rssBefore, rows * 4.0 / (1 << 20), rows);
        }
        if (!peerMs.empty()) {
            const double p = Median(peerMs);
            std::printf("  peer %s %s: %.1f ms; window / peer %.2f\n", qPrintable(QFileInfo(job.secondPeer).fileName()),
                        qPrintable(job.secondPeerArgs.join(QLatin1Char(' '))), p, w / p);
        }
        std::fflush(stdout);
    }
    StopTimes(frame, fakes, repeats);
    PlotInteraction(frame, repeats);
    QDir(QString::fromLocal8Bit(folder)).removeRecursively();
    return 0;
}
