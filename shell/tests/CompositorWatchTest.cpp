// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The compositor's end, told from the toolkit's connection to it: a message
// after the compositor has closed that connection runs the end once, on the
// window thread, before the message handler returns, from whatever thread
// the message comes; a message while the compositor runs does nothing.
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <memory>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "CompositorWatch.h"
#include "ShellTest.h"

using namespace numora;

namespace {

// A listening socket standing in for the compositor's.
class FakeCompositor {
public:
    explicit FakeCompositor(const QString& path) : path_(path.toStdString()) {
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
        if (::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 4) != 0) {
            ::close(listener_);
            listener_ = -1;
        }
    }
    ~FakeCompositor() {
        if (toolkit_ >= 0) ::close(toolkit_);
        if (client_ >= 0) ::close(client_);
        if (listener_ >= 0) ::close(listener_);
    }
    const std::string& path() const { return path_; }
    // Connects as the toolkit does; the compositor's end of it is accepted.
    bool connectClient() {
        toolkit_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
        if (::connect(toolkit_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return false;
        return (client_ = ::accept(listener_, nullptr, nullptr)) >= 0;
    }
    bool send(const char* bytes) { return ::write(client_, bytes, std::strlen(bytes)) > 0; }
    void end() {
        ::close(client_);
        client_ = -1;
    }

private:
    std::string path_;
    int listener_ = -1;
    int client_ = -1;
    int toolkit_ = -1;
};

}  // namespace

class CompositorWatchTest : public QObject {
    Q_OBJECT

private slots:
    void aMessageAfterTheEndRunsItFirst_data() {
        QTest::addColumn<bool>("otherThread");
        QTest::newRow("window thread") << false;
        QTest::newRow("connection thread") << true;
    }
    void aMessageAfterTheEndRunsItFirst() {
        QFETCH(bool, otherThread);
        QTemporaryDir dir;
        FakeCompositor compositor(dir.filePath(QStringLiteral("wayland-9")));
        QVERIFY(compositor.connectClient());
        CompositorWatch watch(compositor.path());
        QList<QThread*> ranOn;
        watch.watch([&ranOn] { ranOn << QThread::currentThread(); });
        QVERIFY(compositor.send("events"));
        qWarning("a message while the compositor runs");
        QVERIFY(!watch.ended());
        QVERIFY(ranOn.isEmpty());
        compositor.end();
        QVERIFY(watch.ended());
        if (!otherThread) {
            qWarning("the connection broke");
        } else {
            bool returned = false;
            std::unique_ptr<QThread> reporter(QThread::create([&] {
                qWarning("the connection broke");
                returned = true;
            }));
            reporter->start();
            QTRY_VERIFY(reporter->isFinished());
            QVERIFY(returned);
        }
        QCOMPARE(ranOn, QList<QThread*>{QThread::currentThread()});
        qWarning("a message after the end");
        QCOMPARE(ranOn.size(), 1);  // once
    }

    void nothingToWatchWithoutACompositor() {
        QTemporaryDir dir;
        for (const std::string& path : {std::string(), dir.filePath(QStringLiteral("none")).toStdString()}) {
            CompositorWatch watch(path);
            QVERIFY(!watch.ended());
            watch.watch([] { QFAIL("no loss without a compositor"); });
            qWarning("a message without a compositor");
        }
    }
};

NUMORA_SHELL_TEST(CompositorWatchTest);

#include "CompositorWatchTest.moc"
