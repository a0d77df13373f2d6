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
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo info(runtime);
    if (!runtime.isEmpty() && info.isDir() && info.isWritable() && info.isAbsolute()) return runtime;
    return fallback;
}

QString SingleInstance::socketPath() const { return folder_ + QLatin1Char('/') + name_ + QStringLiteral(".socket"); }
QString SingleInstance::lockPath() const { return folder_ + QLatin1Char('/') + name_ + QStringLiteral(".lock"); }

bool SingleInstance::tryLock() {
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
    QElapsedTimer clock;
    clock.start();
    while (true) {
        if (tryLock()) {
            listen();
            return Claim::Owner;
        }
        switch (ask(request, Remaining(clock, answerMs))) {
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
