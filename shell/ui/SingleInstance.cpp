// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace numora {
namespace {

constexpr int kPollMs = 50;
// A client that connects and says nothing is dropped after this long.
constexpr int kClientMs = 5000;

int Remaining(const QElapsedTimer& clock, int totalMs) {
    return std::max(0, totalMs - static_cast<int>(clock.elapsed()));
}

}  // namespace

SingleInstance::SingleInstance(QString folder, QString name, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (server_) {
        server_->close();
        QFile::remove(socketPath());
    }
    if (lockFd_ >= 0) ::close(lockFd_);  // the lock goes with the descriptor
}

QString SingleInstance::LockFolder(const QString& fallback) {
    // Not QStandardPaths: it would make a folder of its own in /tmp.
    return LockFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), fallback);
}

QString SingleInstance::LockFolder(const QString& runtime, const QString& settingsFolder) {
    if (!runtime.isEmpty() && QFileInfo(runtime).isAbsolute() && Private(runtime, false)) return runtime;
    // A folder of its own beside the settings, made before it is used.
    if (settingsFolder.isEmpty() || !QDir().mkpath(settingsFolder)) return {};
    const QString own = QDir(settingsFolder).filePath(QStringLiteral("run"));
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return Private(own, true) ? own : QString();
}

// A folder the lock may live in: a folder of this user's (when `repair`,
// not a link, and closed to others if it was not), into which nobody else
// can write, so nobody else can take the lock or the socket's name.
bool SingleInstance::Private(const QString& folder, bool repair) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat st {};
    if ((repair ? ::lstat(path.constData(), &st) : ::stat(path.constData(), &st)) != 0) return false;
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return false;
    if ((st.st_mode & 0077) != 0 && repair && ::chmod(path.constData(), 0700) == 0) st.st_mode &= ~07077;
    return (st.st_mode & 0022) == 0;
}

// The other end of a connection runs as this user (the kernel's word,
// SO_PEERCRED), or, in tests, as the user they name.
bool SingleInstance::trusted(qintptr descriptor) const {
    struct ucred peer {};
    socklen_t size = sizeof peer;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return false;
    return peer.uid == trustedUid_;
}

QString SingleInstance::socketPath() const { return folder_ + QLatin1Char('/') + name_ + QStringLiteral(".socket"); }
QString SingleInstance::lockPath() const { return folder_ + QLatin1Char('/') + name_ + QStringLiteral(".lock"); }

bool SingleInstance::tryLock() {
    if (folder_.isEmpty()) {
        lockless_ = true;  // no folder fit for a lock
        return true;
    }
    const QByteArray path = QFile::encodeName(lockPath());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        // No lock can be made here: nothing tells a running instance apart.
        lockless_ = true;
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        if (!held) lockless_ = true;  // a file system without locks
        return !held;
    }
    lockFd_ = fd;
    return true;
}

bool SingleInstance::listen() {
    if (lockless_) return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by an instance that was killed: the lock says it is dead.
    QLocalServer::removeServer(socketPath());
    if (!server_->listen(socketPath())) return false;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) serve(socket);
    });
    return true;
}

void SingleInstance::serve(QLocalSocket* socket) {
    QPointer<QLocalSocket> guard(socket);
    if (!trusted(socket->socketDescriptor())) {
        socket->abort();  // another user's process: told nothing
        socket->deleteLater();
        return;
    }
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kClientMs, socket, [guard] {
        if (guard) guard->abort();
    });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > static_cast<qint64>(kMaxInstanceLine)) socket->abort();
            return;
        }
        const QByteArray line = socket->readLine(kMaxInstanceLine + 1);
        const std::optional<RaiseRequest> request = ParseRaiseRequest(line.toStdString());
        if (!request) {
            socket->abort();
            return;
        }
        const InstanceReply reply = closing_ ? InstanceReply::Closing : InstanceReply::Raised;
        socket->write(QByteArray::fromStdString(InstanceReplyLine(reply)));
        socket->flush();
        socket->disconnectFromServer();
        if (reply == InstanceReply::Raised)
            emit raiseRequested(QString::fromStdString(request->activationToken),
                                QString::fromStdString(request->startupId));
    });
}

InstanceReply SingleInstance::ask(const RaiseRequest& request, int waitMs) {
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(Remaining(clock, waitMs))) return InstanceReply::Unknown;
    // Only an instance of this user's hears the activation token and is
    // believed: a socket another user put there is not the running Numora.
    if (!trusted(socket.socketDescriptor())) {
        untrusted_ = true;
        return InstanceReply::Unknown;
    }
    socket.write(QByteArray::fromStdString(RaiseRequestLine(request)));
    if (!socket.waitForBytesWritten(Remaining(clock, waitMs))) return InstanceReply::Unknown;
    while (!socket.canReadLine()) {
        if (socket.state() != QLocalSocket::ConnectedState || Remaining(clock, waitMs) == 0 ||
            !socket.waitForReadyRead(Remaining(clock, waitMs)))
            break;
    }
    if (!socket.canReadLine()) return InstanceReply::Unknown;
    return ParseInstanceReply(socket.readLine(64).toStdString());
}

SingleInstance::Claim SingleInstance::claim(const RaiseRequest& request, int answerMs, int endMs) {
    if (isOwner()) return Claim::Owner;
    untrusted_ = false;
    QElapsedTimer clock;
    clock.start();
    while (true) {
        if (tryLock()) {
            listen();
            return Claim::Owner;
        }
        const InstanceReply reply = ask(request, Remaining(clock, answerMs));
        if (untrusted_) return Claim::Unanswered;  // held by someone else: ask the user
        switch (reply) {
        case InstanceReply::Raised:
            return Claim::Forwarded;
        case InstanceReply::Closing: {
            // Its exit sequence runs: the lock is free within moments.
            QElapsedTimer ending;
            ending.start();
            while (ending.elapsed() < endMs) {
                if (tryLock()) {
                    listen();
                    return Claim::Owner;
                }
                QThread::msleep(kPollMs);
            }
            return Claim::Unanswered;
        }
        case InstanceReply::Unknown:
            break;
        }
        // The holder has taken the lock but does not listen yet, or does not
        // answer: try again until the time is up.
        if (Remaining(clock, answerMs) == 0) return Claim::Unanswered;
        QThread::msleep(kPollMs);
    }
}

}  // namespace numora
