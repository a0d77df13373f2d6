// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JobRunner.h"

#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <system_error>

namespace numora {

void JobControl::pass() {
    job_detail::Gate& gate = *gate_;
    std::unique_lock lock(gate.mutex);
    ++gate.waiting;
    gate.changed.wait(lock, [&] { return !gate.held.load() || gate.permits > 0 || cancel_.load(); });
    --gate.waiting;
    if (gate.held.load() && gate.permits > 0 && !cancel_.load()) --gate.permits;
}

namespace job_detail {

void JobBase::partArrived() {
    if (deliveryPosted) return;
    deliveryPosted = true;
    JobRunner* const to = runner;
    // The runner outlives every worker it started (its destructor waits for
    // them), so the call can be posted to it; it is dropped there when the
    // job is no longer the runner's.
    std::shared_ptr<JobBase> self = shared_from_this();
    to->post([to, self] { to->deliveryDue(self); });
}

}  // namespace job_detail

JobRunner::JobRunner(QObject* owner, const QString& name) : QObject(owner) { setObjectName(name); }

JobRunner::~JobRunner() {
    abandon();
    hold(false);
    for (const auto& job : retiring_)
        if (job->worker.joinable()) job->worker.join();
}

void JobRunner::post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void JobRunner::launch(std::shared_ptr<job_detail::JobBase> job) {
    abandon();
    job->runner = this;
    job->gate_ = gate_;
    current_ = job;
    lastDelivery_ = {};
    // The worker holds the job; the runner waits for the worker before it goes.
    try {
        job->worker = std::thread([this, job] { work(job); });
    } catch (const std::system_error& e) {
        // No thread to be had: the job fails, as a job that throws does.
        post([this, job, failure = QString::fromUtf8(e.what())] {
            workerDone(job, static_cast<int>(End::Failed), failure);
        });
    }
}

void JobRunner::work(const std::shared_ptr<job_detail::JobBase>& job) {
    int end = static_cast<int>(End::Finished);
    QString failure;
    try {
        job->run();
    } catch (const std::exception& e) {
        end = static_cast<int>(End::Failed);
        failure = QString::fromUtf8(e.what());
    } catch (...) {
        end = static_cast<int>(End::Failed);
    }
    if (end == static_cast<int>(End::Finished) && job->cancelFlag().load()) end = static_cast<int>(End::Cancelled);
    post([this, job, end, failure] { workerDone(job, end, failure); });
}

void JobRunner::cancel() {
    if (!current_) return;
    current_->cancel_ = true;
    std::lock_guard lock(gate_->mutex);
    gate_->changed.notify_all();
}

void JobRunner::abandon() {
    if (!current_) return;
    cancel();
    retire(std::move(current_));
    current_.reset();
}

void JobRunner::retire(std::shared_ptr<job_detail::JobBase> job) { retiring_.push_back(std::move(job)); }

void JobRunner::hold(bool held) {
    std::lock_guard lock(gate_->mutex);
    gate_->held = held;
    if (!held) gate_->permits = 0;
    gate_->changed.notify_all();
}

bool JobRunner::waiting() const {
    std::lock_guard lock(gate_->mutex);
    return gate_->waiting > 0;
}

void JobRunner::release(long polls) {
    std::lock_guard lock(gate_->mutex);
    gate_->permits += polls;
    gate_->changed.notify_all();
}

void JobRunner::deliveryDue(const std::shared_ptr<job_detail::JobBase>& job) {
    if (job != current_) return;  // abandoned: nothing more reaches the window
    // At most one delivery a batch interval: the parts that come meanwhile
    // wait for the next one.
    const auto now = std::chrono::steady_clock::now();
    const auto since = now - lastDelivery_;
    if (since < JobControl::kBatchInterval) {
        if (!deliveryTimer_) {
            deliveryTimer_ = true;
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(JobControl::kBatchInterval - since);
            QTimer::singleShot(wait, this, [this] {
                deliveryTimer_ = false;
                if (current_) deliveryDue(current_);
            });
        }
        return;
    }
    lastDelivery_ = now;
    job->deliver();
}

void JobRunner::workerDone(const std::shared_ptr<job_detail::JobBase>& job, int end, const QString& failure) {
    // The worker has done all it does: joining it takes no time.
    if (job->worker.joinable()) job->worker.join();
    if (job != current_) {
        retiring_.erase(std::remove(retiring_.begin(), retiring_.end(), job), retiring_.end());
        return;
    }
    current_.reset();
    const QPointer<JobRunner> self(this);
    job->deliver();  // the last parts, before the end
    if (!self) return;
    job->end(end, failure);
    if (self) emit ended(static_cast<End>(end));
}

}  // namespace numora
