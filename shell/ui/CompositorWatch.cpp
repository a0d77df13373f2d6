// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CompositorWatch.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QSemaphore>
#include <QThread>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <mutex>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace numora {
namespace {

CompositorWatch* gWatch = nullptr;  // the handler's watch: one per process
QtMessageHandler gPreviousHandler = nullptr;
// Held by the thread that runs the end; the program's end never returns, so
// a second thread waits here until the process is gone.
std::mutex gEnding;
thread_local bool tEnding = false;
// Released by the window thread when it takes the end over.
QSemaphore gTakenOver;

// Whether `fd` is a socket connected to `path` whose peer has closed it.
bool ClosedByPeer(int fd, const std::string& path) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISSOCK(info.st_mode)) return false;
    sockaddr_un peer{};
    socklen_t length = sizeof peer;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0 || peer.sun_family != AF_UNIX)
        return false;
    const std::size_t size = length > offsetof(sockaddr_un, sun_path) ? length - offsetof(sockaddr_un, sun_path) : 0;
    if (::strnlen(peer.sun_path, size) != path.size() || std::memcmp(peer.sun_path, path.data(), path.size()) != 0)
        return false;
    pollfd state{fd, POLLIN | POLLRDHUP, 0};
    return ::poll(&state, 1, 0) == 1 && (state.revents & (POLLHUP | POLLRDHUP | POLLERR));
}

}  // namespace

CompositorWatch::CompositorWatch(std::string socketPath) : socketPath_(std::move(socketPath)) {}

CompositorWatch::~CompositorWatch() {
    if (gWatch != this) return;
    qInstallMessageHandler(gPreviousHandler);
    gWatch = nullptr;
}

bool CompositorWatch::ended() const {
    if (socketPath_.empty()) return false;
    DIR* fds = ::opendir("/proc/self/fd");
    if (!fds) return false;
    bool closed = false;
    const int own = ::dirfd(fds);
    while (const dirent* entry = ::readdir(fds)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || fd == own) continue;
        if ((closed = ClosedByPeer(static_cast<int>(fd), socketPath_))) break;
    }
    ::closedir(fds);
    return closed;
}

void CompositorWatch::watch(std::function<void()> onLoss) {
    if (socketPath_.empty() || gWatch) return;
    onLoss_ = std::move(onLoss);
    gWatch = this;
    gPreviousHandler = qInstallMessageHandler(&CompositorWatch::messageHandler);
}

void CompositorWatch::messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (gPreviousHandler) gPreviousHandler(type, context, message);
    // The toolkit ends the process as soon as its report returns: a report
    // while the compositor's connection has ended must not return first.
    if (gWatch && !tEnding && gWatch->ended()) gWatch->endFromAnyThread();
}

void CompositorWatch::endFromAnyThread() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        runEnd();
        return;
    }
    // Another thread: the window thread is asked first. Once it has taken
    // the end over, this thread waits for it; when it does not come (it may
    // be waiting for this very thread), this one runs the end.
    QMetaObject::invokeMethod(
        this, [this] {
            gTakenOver.release();
            runEnd();
        },
        Qt::QueuedConnection);
    gTakenOver.tryAcquire(1, kHandOverMs);
    runEnd();
}

void CompositorWatch::runEnd() {
    std::lock_guard<std::mutex> lock(gEnding);
    if (endRan_) return;
    endRan_ = true;
    tEnding = true;
    onLoss_();
    tEnding = false;
}

}  // namespace numora
