// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window on large documents: how long until the whole document is
// in the window, the longest the window thread does not answer meanwhile,
// and how much memory it takes.
//
//   help_bench HELP_DOCUMENT [REPEATS]
//
// Documents: the shipped one, and 16 MiB ones (the most the window reads)
// of line breaks, of one-letter paragraphs, of one paragraph, of nested
// groups; 4 MB of empty paragraphs. For each: the time to fill the window
// (HelpLoader), the time the conversion alone takes (HelpText.h), and the
// peer: the same converted content put into a window in one go
// (QTextBrowser::setHtml of its HTML), each the median of REPEATS. A probe
// ticks every 2 ms on the window thread: the longest gap between two ticks
// in wall time (which a loaded machine stretches) and in the thread's own
// CPU time (the work the window thread did without answering), and the
// growth of the resident memory while the window fills.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

#include "HelpLoader.h"
#include "HelpText.h"

using namespace numora;

namespace {

long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

qint64 ThreadCpuNs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

QByteArray Repeated(const QByteArray& head, const QByteArray& unit, qint64 size) {
    QByteArray bytes = head;
    bytes.reserve(size);
    while (bytes.size() + unit.size() <= size) bytes += unit;
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: help_bench HELP_DOCUMENT [REPEATS]\n");
        return 2;
    }
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    QTemporaryDir dir;
    const qint64 limit = HelpLoader::kMaxHelpBytes;
    const QByteArray head = "{\\rtf1\\ansi\\uc1\\pard ";
    struct Document {
        const char* name;
        QByteArray bytes;
    };
    QFile shipped(QString::fromLocal8Bit(argv[1]));
    if (!shipped.open(QIODevice::ReadOnly)) return 1;
    const std::vector<Document> documents = {
        {"shipped document", shipped.readAll()},
        {"16 MiB of \\line", Repeated(head, "\\line ", limit)},
        {"16 MiB of \\par x", Repeated(head, "\\par x", limit)},
        {"4 MB of \\par", Repeated(head, "\\par ", 4000000)},
        {"16 MiB, one paragraph", Repeated(head, "\\u20013?abc ", limit)},
        {"16 MiB of {", Repeated(head, "{", limit)},
    };

    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> ticks, cpuTicks;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(2);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        ticks.push_back(clock.nsecsElapsed());
        cpuTicks.push_back(ThreadCpuNs());
    });

    std::printf("%-22s %9s %10s %9s %10s %7s %11s %10s %7s\n", "document", "window ms", "convert ms", "peer ms",
                "window/peer", "gap ms", "gap cpu ms", "memory MB", "blocks");
    for (const Document& d : documents) {
        const QString path = dir.filePath(QStringLiteral("numora180.doc"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(d.bytes) != d.bytes.size()) return 1;
        file.close();
        std::vector<double> windowMs, convertMs, peerMs, gapMs, gapCpuMs, memoryMb;
        std::size_t blocks = 0;
        for (int r = 0; r < repeats; ++r) {
            {
                QFile in(path);
                if (!in.open(QIODevice::ReadOnly)) return 1;
                const QByteArray bytes = in.read(limit);
                QElapsedTimer t;
                t.start();
                const HelpDocument converted =
                    ConvertHelp(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
                convertMs.push_back(t.nsecsElapsed() / 1e6);
                blocks = converted.blocks.size();
                // The peer: the same content in a window in one go.
                const QString html = QString::fromStdString(HelpHtml(converted, "Numora"));
                QTextBrowser peer;
                peer.resize(640, 560);
                peer.show();
                QApplication::processEvents();
                t.restart();
                peer.setHtml(html);
                QApplication::processEvents();
                peerMs.push_back(t.nsecsElapsed() / 1e6);
            }
            auto* viewer = new QTextBrowser;
            viewer->resize(640, 560);
            viewer->show();
            QApplication::processEvents();
            const long before = ResidentKb();
            long peak = before;
            ticks.clear();
            cpuTicks.clear();
            probe.start();
            const qint64 begin = clock.nsecsElapsed();
            ticks.push_back(begin);
            cpuTicks.push_back(ThreadCpuNs());
            HelpLoader* loader = HelpLoader::Load(viewer, path);
            bool done = false;
            QObject::connect(loader, &HelpLoader::finished, [&] { done = true; });
            while (!done) {
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                peak = std::max(peak, ResidentKb());
            }
            // The window lays the document out and paints it.
            QApplication::processEvents();
            const qint64 end = clock.nsecsElapsed();
            ticks.push_back(end);
            cpuTicks.push_back(ThreadCpuNs());
            probe.stop();
            peak = std::max(peak, ResidentKb());
            qint64 worst = 0, worstCpu = 0;
            for (std::size_t i = 1; i < ticks.size(); ++i) {
                worst = std::max(worst, ticks[i] - ticks[i - 1]);
                worstCpu = std::max(worstCpu, cpuTicks[i] - cpuTicks[i - 1]);
            }
            windowMs.push_back((end - begin) / 1e6);
            gapMs.push_back(worst / 1e6);
            gapCpuMs.push_back(worstCpu / 1e6);
            memoryMb.push_back((peak - before) / 1024.0);
            delete viewer;
        }
        const double w = Median(windowMs), peer = Median(peerMs);
        std::printf("%-22s %9.1f %10.1f %9.1f %10.2f %7.1f %11.1f %10.1f %7zu\n", d.name, w, Median(convertMs), peer,
                    peer > 0 ? w / peer : 0.0, Median(gapMs), Median(gapCpuMs), Median(memoryMb), blocks);
        std::fflush(stdout);
    }
    return 0;
}
