// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// SingleInstance: one running Numora per settings file. The running
// instance holds an exclusive lock on "<name>.lock" in the user's runtime
// folder; the kernel lets go of it when the process ends, however it ends
// (a kill, a power loss, a lost display), so a lock never outlives its
// instance and a stale running flag in the settings means nothing. Beside
// it the instance listens on the local socket "<name>.socket".
//
// A second launch finds the lock taken, connects and asks the running
// instance to bring its main window forward (handing over its launcher's
// activation token), and ends with status 0. An instance whose exit
// sequence runs answers that it is ending: the new launch waits for its end
// and starts then (a restart after the Options reset, or a launch during
// the exit window). Only an instance that holds the lock and does not
// answer in time is reported to the user.
#pragma once

#include <QObject>
#include <QString>
#include <unistd.h>

#include "DesktopSession.h"

class QLocalServer;
class QLocalSocket;

namespace numora {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Claim {
        Owner,      // this process runs: it holds the lock and listens
        Forwarded,  // another instance runs and came forward
        Unanswered  // another instance holds the lock but does not answer
    };

    // `folder`: where the lock and the socket live; `name`: InstanceName()
    // of the settings file.
    SingleInstance(QString folder, QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The folder for the lock: the user's runtime folder ($XDG_RUNTIME_DIR)
    // when it is the user's own and nobody else may write into it;
    // otherwise the private folder "run" (made 0700) in `fallback`, the
    // settings file's folder (made first when it does not exist yet). Empty
    // when neither is fit: the claim is then granted without a lock.
    static QString LockFolder(const QString& fallback);
    static QString LockFolder(const QString& runtime, const QString& settingsFolder);

    // Takes the lock, or asks its holder to come forward: waits up to
    // `answerMs` for its answer, and up to `endMs` for an instance that is
    // ending. Once the owner, stays the owner. A folder where no lock can be
    // made cannot tell: the claim is granted (without a lock).
    Claim claim(const RaiseRequest& request, int answerMs = kAnswerMs, int endMs = kEndMs);
    bool isOwner() const { return lockFd_ >= 0 || lockless_; }
    QString socketPath() const;
    QString lockPath() const;

    // From the start of the exit sequence on, a second launch is told that
    // this instance is ending.
    void setClosing(bool closing) { closing_ = closing; }
    bool closing() const { return closing_; }

    static constexpr int kAnswerMs = 10000;
    static constexpr int kEndMs = 15000;

    // Tests: the user whose processes are believed (this user's by default).
    void trustOnlyUserForTesting(uid_t uid) { trustedUid_ = uid; }

signals:
    // A second launch asked this instance to come forward.
    void raiseRequested(const QString& activationToken, const QString& startupId);

private:
    bool tryLock();
    bool listen();
    InstanceReply ask(const RaiseRequest& request, int waitMs);
    void serve(QLocalSocket* socket);
    bool trusted(qintptr descriptor) const;
    static bool Private(const QString& folder, bool repair);

    QString folder_;
    QString name_;
    int lockFd_ = -1;
    bool lockless_ = false;
    bool closing_ = false;
    bool untrusted_ = false;  // the lock's holder answered as another user
    uid_t trustedUid_ = ::geteuid();
    QLocalServer* server_ = nullptr;
};

}  // namespace numora
