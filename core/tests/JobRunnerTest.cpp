// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The long-job runner: parts in order and in batches, the three ends,
// cancel, abandon, and a runner destroyed while its job runs.
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <future>
#include <memory>
#include <stdexcept>
#include <vector>

#include "JobRunner.h"
#include "QtTestMain.h"

using namespace numora;
using End = JobRunner::End;

namespace {

// What reached the window thread.
struct Seen {
    std::vector<int> parts;
    int batches = 0;
    std::vector<End> ends;
    QString failure;
    bool partAfterEnd = false;
};

// Starts `work` with handlers that record into `seen`.
void Start(JobRunner& runner, Seen& seen, std::function<void(JobChannel<int>&)> work) {
    runner.start<int>(
        std::move(work),
        [&seen](std::vector<int>& parts) {
            seen.partAfterEnd = seen.partAfterEnd || !seen.ends.empty();
            ++seen.batches;
            seen.parts.insert(seen.parts.end(), parts.begin(), parts.end());
        },
        [&seen](End end, const QString& failure) {
            seen.ends.push_back(end);
            seen.failure = failure;
        });
}

// Sends 0, 1, 2, ... until cancelled.
void CountUntilCancelled(JobChannel<int>& channel) {
    for (int i = 0; !channel.cancelled(); ++i) channel.send(i);
}

}  // namespace

class JobRunnerTest : public QObject {
    Q_OBJECT

private slots:
    // Every part arrives, in order, in far fewer batches than parts, and
    // before the end; the end comes once, then the signal.
    void partsArriveInOrderAndInBatches() {
        JobRunner runner(nullptr);
        QSignalSpy ended(&runner, &JobRunner::ended);
        Seen seen;
        constexpr int kParts = 200000;
        Start(runner, seen, [](JobChannel<int>& channel) {
            for (int i = 0; i < kParts && !channel.cancelled(); ++i) channel.send(i);
        });
        QVERIFY(runner.running());
        QVERIFY(ended.wait(20000));
        QVERIFY(!runner.running());
        QCOMPARE(seen.parts.size(), std::size_t{kParts});
        for (int i = 0; i < kParts; ++i) QCOMPARE(seen.parts[static_cast<std::size_t>(i)], i);
        QVERIFY2(seen.batches < kParts / 100, qPrintable(QString::number(seen.batches)));
        QCOMPARE(seen.ends, std::vector<End>{End::Finished});
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().first().value<End>(), End::Finished);
        QVERIFY(!seen.partAfterEnd);
    }

    // The three ends.
    void ends_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("failure");
        QTest::newRow("returns") << 0 << int(End::Finished) << QString();
        QTest::newRow("throws a standard exception") << 1 << int(End::Failed) << QStringLiteral("数据过大");
        QTest::newRow("throws something else") << 2 << int(End::Failed) << QString();
        QTest::newRow("cancelled before it returns") << 3 << int(End::Cancelled) << QString();
    }
    void ends() {
        QFETCH(int, kind);
        QFETCH(int, end);
        QFETCH(QString, failure);
        JobRunner runner(nullptr);
        QSignalSpy ended(&runner, &JobRunner::ended);
        Seen seen;
        std::promise<void> cancelled;
        std::future<void> cancelledSeen = cancelled.get_future();
        Start(runner, seen, [kind, &cancelledSeen](JobChannel<int>& channel) {
            channel.send(1);
            if (kind == 1) throw std::runtime_error("数据过大");
            if (kind == 2) throw 42;
            if (kind == 3) cancelledSeen.wait();  // returns normally once cancelled
        });
        if (kind == 3) {
            runner.cancel();
            cancelled.set_value();
        }
        QVERIFY(ended.wait(20000));
        QCOMPARE(seen.ends, std::vector<End>{End(end)});
        QCOMPARE(seen.failure, failure);
        QCOMPARE(seen.parts, std::vector<int>{1});  // the part sent before the end, also after a failure
    }

    // cancel() stops the worker at its next poll; the parts sent before come
    // first, then the end.
    void cancelKeepsWhatCameBefore() {
        JobRunner runner(nullptr);
        QSignalSpy ended(&runner, &JobRunner::ended);
        Seen seen;
        runner.hold();
        Start(runner, seen, CountUntilCancelled);
        runner.release(3);  // three polls pass, three parts go out
        QTRY_COMPARE(seen.parts, (std::vector<int>{0, 1, 2}));
        runner.cancel();  // wakes the worker waiting at its fourth poll
        QVERIFY(ended.wait(20000));
        QCOMPARE(seen.ends, std::vector<End>{End::Cancelled});
        QCOMPARE(seen.parts, (std::vector<int>{0, 1, 2}));
        runner.cancel();  // nothing runs: nothing happens
        QCOMPARE(ended.size(), 1);
    }

    // After abandon() nothing more of the job reaches the window, not even
    // what its worker sends later; a new job meanwhile runs and ends as usual.
    void abandonedJobIsNeverHeardAgain() {
        JobRunner runner(nullptr);
        QSignalSpy ended(&runner, &JobRunner::ended);
        Seen first, second;
        std::promise<void> go;
        std::shared_future<void> goSeen = go.get_future().share();
        auto firstDone = std::make_shared<std::atomic<bool>>(false);
        Start(runner, first, [goSeen, firstDone](JobChannel<int>& channel) {
            goSeen.wait();
            channel.send(7);  // too late: abandoned
            *firstDone = true;
        });
        runner.abandon();
        QVERIFY(!runner.running());
        Start(runner, second, [](JobChannel<int>& channel) { channel.send(8); });
        go.set_value();
        QVERIFY(ended.wait(20000));
        QTRY_VERIFY(firstDone->load());
        QTest::qWait(3 * JobControl::kBatchMs);  // any late delivery would come within a batch interval
        QVERIFY(first.parts.empty());
        QVERIFY(first.ends.empty());
        QCOMPARE(second.parts, std::vector<int>{8});
        QCOMPARE(second.ends, std::vector<End>{End::Finished});
        QCOMPARE(ended.size(), 1);
    }

    // start() while a cancelled job winds down abandons it.
    void startingAgainAbandonsTheJobBefore() {
        JobRunner runner(nullptr);
        Seen first, second;
        runner.hold();
        Start(runner, first, CountUntilCancelled);
        runner.cancel();
        runner.hold(false);
        Start(runner, second, [](JobChannel<int>& channel) { channel.send(5); });
        QSignalSpy ended(&runner, &JobRunner::ended);
        QVERIFY(ended.wait(20000));
        QTest::qWait(3 * JobControl::kBatchMs);
        QVERIFY(first.ends.empty());
        QCOMPARE(second.parts, std::vector<int>{5});
    }

    // A runner destroyed while its job runs (its window closes) cancels the
    // job and waits for the worker; nothing reaches the handlers after that,
    // also not the parts already on their way.
    void destroyedWhileRunning() {
        Seen seen;
        auto stopped = std::make_shared<std::atomic<bool>>(false);
        auto sent = std::make_shared<std::atomic<int>>(0);
        {
            auto owner = std::make_unique<QObject>();
            auto* runner = new JobRunner(owner.get(), QStringLiteral("job"));
            QCOMPARE(owner->findChild<JobRunner*>(QStringLiteral("job")), runner);
            Start(*runner, seen, [stopped, sent](JobChannel<int>& channel) {
                while (!channel.cancelled()) {
                    channel.send(1);
                    ++*sent;
                }
                *stopped = true;
            });
            QTRY_VERIFY(*sent > 1000);
        }  // the owner, and with it the runner, goes
        QVERIFY(stopped->load());  // the worker has ended
        const std::size_t before = seen.parts.size();
        QTest::qWait(3 * JobControl::kBatchMs);
        QCOMPARE(seen.parts.size(), before);
        QVERIFY(seen.ends.empty());
    }

    // due() is true at once, then again only a batch interval later.
    void dueOncePerInterval() {
        JobRunner runner(nullptr);
        QSignalSpy ended(&runner, &JobRunner::ended);
        Seen seen;
        Start(runner, seen, [](JobChannel<int>& channel) {
            const auto start = std::chrono::steady_clock::now();
            const bool first = channel.due();
            while (!channel.due()) {
            }
            const auto waited = std::chrono::steady_clock::now() - start;
            channel.send(first && waited >= JobControl::kBatchInterval ? 1 : 0);
        });
        QVERIFY(ended.wait(20000));
        QCOMPARE(seen.parts, std::vector<int>{1});
    }
};

NUMORA_QTEST_MAIN(JobRunnerTest)
#include "JobRunnerTest.moc"
