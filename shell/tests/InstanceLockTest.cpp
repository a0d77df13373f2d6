// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The instance lock nobody can squat: it lives only in a folder of the
// user's own that nobody else may write into (else in a private folder
// beside the settings, made before it is used), and only an instance of
// the same user is believed, or hears the activation token.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <sys/stat.h>
#include <unistd.h>

#include "ShellTest.h"
#include "SingleInstance.h"

using namespace numora;
using Claim = SingleInstance::Claim;

namespace {

const QString kName = QStringLiteral("numora-test");

// A second launch's claim from its own thread, as another process would make it.
Claim ClaimFromAnotherThread(const QString& folder, int answerMs, uid_t trusted = ::geteuid()) {
    std::atomic<int> result{-1};
    std::unique_ptr<QThread> launch(QThread::create([&] {
        SingleInstance second(folder, kName);
        second.trustOnlyUserForTesting(trusted);
        result = static_cast<int>(second.claim({"token", "id"}, answerMs, 1000));
    }));
    launch->start();
    while (result < 0) QTest::qWait(10);
    launch->wait();
    return static_cast<Claim>(result.load());
}

int ModeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

}  // namespace

class InstanceLockTest : public QObject {
    Q_OBJECT

private slots:
    void lockFolder_data() {
        QTest::addColumn<QString>("runtime");  // what $XDG_RUNTIME_DIR is
        QTest::addColumn<bool>("used");         // else the private folder
        QTest::newRow("the user's own, closed to others") << "own 0700" << true;
        QTest::newRow("the user's own, readable by others") << "own 0755" << true;
        QTest::newRow("unset, on a fresh settings folder") << "" << false;
        QTest::newRow("world-writable") << "own 0777" << false;
        QTest::newRow("group-writable") << "own 0770" << false;
        QTest::newRow("another user's") << "other" << false;
        QTest::newRow("a file") << "file" << false;
        QTest::newRow("a relative path") << "relative" << false;
        QTest::newRow("the private folder left open") << "open private" << false;
    }
    void lockFolder() {
        QFETCH(QString, runtime);
        QFETCH(bool, used);
        QTemporaryDir dir;
        const QString settings = dir.filePath("config/Numora");  // not made yet
        QString given = dir.filePath("runtime");
        if (runtime.startsWith("own")) {
            QVERIFY(QDir().mkdir(given));
            QVERIFY(::chmod(QFile::encodeName(given).constData(), runtime.right(4).toInt(nullptr, 8)) == 0);
        } else if (runtime == "other") {
            // Root hands a folder to nobody; anyone else finds one of root's.
            if (::geteuid() == 0) {
                QVERIFY(QDir().mkdir(given));
                QVERIFY(::chown(QFile::encodeName(given).constData(), 65534, 65534) == 0);
                ::chmod(QFile::encodeName(given).constData(), 0700);
            } else {
                given = QStringLiteral("/usr");
            }
        } else if (runtime == "file") {
            QFile file(given);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (runtime == "relative") {
            given = QStringLiteral("runtime");
        } else if (runtime == "open private") {
            given.clear();
            QVERIFY(QDir().mkpath(settings + "/run"));
            ::chmod(QFile::encodeName(settings + "/run").constData(), 0777);
        } else {
            given.clear();
        }
        const QString folder = SingleInstance::LockFolder(given, settings);
        QCOMPARE(folder, used ? given : settings + "/run");
        if (!used) QCOMPARE(ModeOf(folder), 0700);
        // One instance, and only one, runs with that folder.
        SingleInstance first(folder, kName);
        QCOMPARE(first.claim({}, 100), Claim::Owner);
        QVERIFY(QFileInfo::exists(first.lockPath()));
        QCOMPARE(ClaimFromAnotherThread(folder, 300), Claim::Forwarded);
    }

    // Another user's process is neither believed nor told the token: its
    // answer does not count, and it never hears from this user's launch.
    void peerOfAnotherUser_data() {
        QTest::addColumn<bool>("ownerTrustsOthers");  // which end sees a stranger
        QTest::newRow("a stranger holds the lock") << true;
        QTest::newRow("a stranger asks") << false;
    }
    void peerOfAnotherUser() {
        QFETCH(bool, ownerTrustsOthers);
        QTemporaryDir dir;
        SingleInstance owner(dir.path(), kName);
        QSignalSpy raised(&owner, &SingleInstance::raiseRequested);
        QCOMPARE(owner.claim({}, 100), Claim::Owner);
        const uid_t stranger = ::geteuid() + 1;
        if (!ownerTrustsOthers) owner.trustOnlyUserForTesting(stranger);
        QCOMPARE(ClaimFromAnotherThread(dir.path(), 500, ownerTrustsOthers ? stranger : ::geteuid()),
                 Claim::Unanswered);
        QTest::qWait(50);
        QCOMPARE(raised.count(), 0);
    }

    // The same with a real squatter: a process of the user nobody that took
    // the lock and listens in a folder anyone may write into (as root only,
    // who can start it).
    void realSquatter() {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        // The system's, which the other user may run (not one in root's home).
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), {"/usr/bin", "/bin"});
        if (::geteuid() != 0 || setpriv.isEmpty() || python.isEmpty())
            QSKIP("needs root, setpriv and python3 to start a process of another user");
        QTemporaryDir dir;
        ::chmod(QFile::encodeName(dir.path()).constData(), 0777);  // as a careless runtime folder
        SingleInstance victim(dir.path(), kName);
        const QString script = QStringLiteral(
            "import fcntl, os, socket, sys\n"
            "folder, name = sys.argv[1], sys.argv[2]\n"
            "lock = os.open(os.path.join(folder, name + '.lock'), os.O_RDWR | os.O_CREAT, 0o666)\n"
            "fcntl.flock(lock, fcntl.LOCK_EX)\n"
            "server = socket.socket(socket.AF_UNIX)\n"
            "server.bind(os.path.join(folder, name + '.socket'))\n"
            "os.chmod(os.path.join(folder, name + '.socket'), 0o777)\n"
            "server.listen(5)\n"
            "print('ready', flush=True)\n"
            "while True:\n"
            "    client, _ = server.accept()\n"
            "    heard = client.recv(4096)\n"
            "    print('heard', heard.decode(errors='replace').strip(), flush=True)\n"
            "    client.sendall(b'ok\\n')\n"
            "    client.close()\n");
        QProcess squatter;
        squatter.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", python, "-c", script, dir.path(),
                                 kName});
        QVERIFY2(squatter.waitForReadyRead(10000), squatter.readAllStandardError().constData());
        QCOMPARE(squatter.readLine().trimmed(), QByteArray("ready"));
        QCOMPARE(victim.claim({"secret-token", "id"}, 1000, 1000), Claim::Unanswered);
        squatter.waitForReadyRead(300);
        QVERIFY2(!squatter.readAll().contains("secret-token"), "the token went to another user");
        squatter.kill();
        squatter.waitForFinished();
        // The lock folder itself would never be that one.
        QCOMPARE(SingleInstance::LockFolder(dir.path(), dir.filePath("config")), dir.filePath("config/run"));
    }
};

NUMORA_SHELL_TEST(InstanceLockTest);

#include "InstanceLockTest.moc"
