// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// JobRunner: how every long job of the suite runs.
//
// The long jobs (the big-number power and list fold, the factorization, the
// Goldbach verification, the Mersenne search, the trigonometric sketch,
// writing out or copying a result list, converting the help document) run
// their work on a worker thread. The window thread only starts a job, takes
// its partial results and learns its end: it never waits for the work and
// never runs the event loop inside a command (no processEvents, no nested
// loop), so the window always answers within a frame and no command can
// start inside another's pause.
//
//   runner->start<Part>(work, onParts, onEnd);
//
// - `work(channel)` runs on the worker thread and must touch nothing of the
//   window: it computes from copies of its inputs. Between two steps it asks
//   channel.cancelled() and returns when it is true; a step takes at most a
//   few milliseconds, so a cancel takes effect well within 100 ms. It hands
//   partial results over with channel.send(part); channel.due() says when a
//   job whose parts replace one another (a growing power) should send one.
// - `onParts(parts)` runs on the window thread with the parts sent since the
//   last call, in the order they were sent: at most one call every kBatchMs,
//   through a queued call on the runner, so a fast worker cannot flood the
//   window with events and a slow one is seen at once.
// - `onEnd(end, failure)` runs on the window thread once, after the last
//   parts: Finished (the work returned), Cancelled (cancel() came before the
//   work returned; it may have stopped early) or Failed (an exception left the
//   work: its what() text). The signal ended() follows it.
//
// Stopping:
// - cancel() is the stop button: the worker stops at its next poll, the
//   parts it sent before and the end (Cancelled) still come.
// - abandon() is for a window that closes, the program that quits (Quit, the
//   settings reset, the end of the session): the job is cancelled and nothing
//   more of it reaches the window. Its worker ends on its own a poll later.
// - Destroying the runner abandons its job and waits for its workers, each a
//   poll away from its end: nothing of a job outlives its window.
// - start() while a job runs abandons that job first (a window disables
//   the start controls of a running job, so this happens only to a job that
//   was cancelled and has not ended yet).
//
// One runner runs one job at a time; a window has one runner per command
// that has a stop button of its own, so jobs of different commands run side
// by side, each on its own thread, and the Goldbach verification spreads its
// own work over every core (scientific/calc/Goldbach.h).
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace numora {

class JobRunner;

namespace job_detail {

// A runner's test gate (JobRunner::hold): shared with its jobs' workers.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    std::atomic<bool> held{false};
    long permits = 0;
    int waiting = 0;  // workers blocked at the gate
};

}  // namespace job_detail

// What a job's work sees of its job on the worker thread.
class JobControl {
public:
    // Polled between steps: true once the job is cancelled or abandoned.
    bool cancelled() {
        if (gate_ && gate_->held.load(std::memory_order_relaxed)) pass();
        return cancel_.load(std::memory_order_relaxed);
    }
    // True when kBatchMs have passed since due() was last true (and at the
    // first call): when a job whose every part replaces the one before sends
    // its newest.
    bool due() {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastDue_ < kBatchInterval && dueOnce_) return false;
        dueOnce_ = true;
        lastDue_ = now;
        return true;
    }
    // The cancel flag itself, for work that polls it where it has no channel
    // (threads of its own).
    const std::atomic<bool>& cancelFlag() const { return cancel_; }

    static constexpr int kBatchMs = 16;
    static constexpr std::chrono::milliseconds kBatchInterval{kBatchMs};

protected:
    JobControl() = default;
    ~JobControl() = default;

private:
    friend class JobRunner;
    void pass();

    std::atomic<bool> cancel_{false};
    std::shared_ptr<job_detail::Gate> gate_;
    std::chrono::steady_clock::time_point lastDue_{};
    bool dueOnce_ = false;
};

namespace job_detail {

// The part of a job the runner handles whatever its parts are.
class JobBase : public JobControl, public std::enable_shared_from_this<JobBase> {
public:
    virtual ~JobBase() = default;
    // Window thread: hands the parts sent so far to the window.
    virtual void deliver() = 0;
    virtual void end(int end, const QString& failure) = 0;
    // Worker thread: runs the work.
    virtual void run() = 0;

    std::thread worker;

protected:
    // Called under `mutex` when a part arrives: posts a delivery unless one
    // is on its way.
    void partArrived();
    std::mutex mutex;
    bool deliveryPosted = false;

private:
    friend class numora::JobRunner;
    JobRunner* runner = nullptr;
};

}  // namespace job_detail

// The channel a job's work sends its parts through.
template <typename Part>
class JobChannel : public job_detail::JobBase {
public:
    // Hands a partial result to the window thread.
    void send(Part part) {
        std::lock_guard lock(mutex);
        parts_.push_back(std::move(part));
        partArrived();
    }

private:
    friend class JobRunner;
    void deliver() override {
        std::vector<Part> parts;
        {
            std::lock_guard lock(mutex);
            parts.swap(parts_);
            deliveryPosted = false;
        }
        if (!parts.empty() && onParts_) onParts_(parts);
    }
    void end(int end, const QString& failure) override {
        if (onEnd_) onEnd_(end, failure);
    }
    void run() override { work_(*this); }

    std::vector<Part> parts_;  // under `mutex`
    std::function<void(JobChannel&)> work_;
    std::function<void(std::vector<Part>&)> onParts_;
    std::function<void(int, const QString&)> onEnd_;
};

class JobRunner : public QObject {
    Q_OBJECT

public:
    enum class End { Finished, Cancelled, Failed };
    Q_ENUM(End)

    // `name` is the runner's objectName (tests find a window's runner by it).
    explicit JobRunner(QObject* owner, const QString& name = {});
    ~JobRunner() override;

    template <typename Part>
    void start(std::function<void(JobChannel<Part>&)> work, std::function<void(std::vector<Part>&)> onParts,
               std::function<void(End, const QString&)> onEnd) {
        auto job = std::make_shared<JobChannel<Part>>();
        job->work_ = std::move(work);
        job->onParts_ = std::move(onParts);
        job->onEnd_ = [onEnd = std::move(onEnd)](int end, const QString& failure) {
            if (onEnd) onEnd(static_cast<End>(end), failure);
        };
        launch(std::move(job));
    }

    // A job has started and its end has not been delivered (nor the job abandoned).
    bool running() const { return current_ != nullptr; }
    void cancel();
    void abandon();

    // For tests: while held, a worker waits at each poll of cancelled()
    // until release() lets that many more polls through, or the job is
    // cancelled. Releasing everything and letting go: hold(false).
    void hold(bool held = true);
    void release(long polls);
    // True while a worker of this runner waits at the gate, every permit
    // used: what the job does next waits for release() or a cancel.
    bool waiting() const;

signals:
    // After onEnd.
    void ended(numora::JobRunner::End end);

private:
    friend class job_detail::JobBase;
    void launch(std::shared_ptr<job_detail::JobBase> job);
    // Worker thread: runs the job's work and posts its end.
    void work(const std::shared_ptr<job_detail::JobBase>& job);
    // Window thread, through queued calls from the worker.
    void deliveryDue(const std::shared_ptr<job_detail::JobBase>& job);
    void workerDone(const std::shared_ptr<job_detail::JobBase>& job, int end, const QString& failure);
    void post(std::function<void()> call);
    void retire(std::shared_ptr<job_detail::JobBase> job);

    std::shared_ptr<job_detail::JobBase> current_;
    std::vector<std::shared_ptr<job_detail::JobBase>> retiring_;  // abandoned, worker still running
    std::shared_ptr<job_detail::Gate> gate_ = std::make_shared<job_detail::Gate>();
    std::chrono::steady_clock::time_point lastDelivery_{};
    bool deliveryTimer_ = false;
};

}  // namespace numora
