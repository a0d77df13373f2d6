// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Settings that cannot be saved are told once: during the run as soon as
// the event loop runs, and when the first failed write is one of the exit's
// own (a disk that filled while the program ran), before the process ends
// rather than never.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "Fakes.h"
#include "SaveProblemNotice.h"
#include "SettingsStore.h"
#include "ShellTest.h"
#include "frmBye.h"

using namespace numora;
using numora::testing::FakeServices;

class SaveProblemTest : public QObject {
    Q_OBJECT

private slots:
    void toldOnceDuringTheRunOrBeforeTheEnd_data();
    void toldOnceDuringTheRunOrBeforeTheEnd();
};

void SaveProblemTest::toldOnceDuringTheRunOrBeforeTheEnd_data() {
    QTest::addColumn<bool>("duringTheExit");
    QTest::newRow("during the run") << false;
    QTest::newRow("first found by the exit") << true;
}

void SaveProblemTest::toldOnceDuringTheRunOrBeforeTheEnd() {
    QFETCH(bool, duringTheExit);
    QTemporaryDir dir;
    const QString ini = dir.filePath("Numora/Numora.ini");
    QtSettingsStore store(ini);
    store.WriteSetting("Settings", "LoadAlready", "True");
    FakeServices fake;
    SaveProblemNotice notice(fake.dialogs);
    store.setProblemHandler([&](QtSettingsStore::SaveProblem problem, const QString& file) {
        notice.report(SaveProblemText(problem, file));
    });
    Services services{store, fake.dialogs, fake.launcher, fake.music, fake.clipboard};
    // The settings folder can no longer be written from here on.
    QVERIFY(QDir(dir.path()).rename("Numora", "away"));
    QFile blocker(dir.filePath("Numora"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    if (!duringTheExit) {
        store.WriteSetting("Settings", "MainState", "0");
        QCOMPARE(fake.dialogs.messages.size(), 0);  // not in the middle of the write
        QTRY_COMPARE(fake.dialogs.messages.size(), 1);
    }
    int messagesAtTheEnd = -1;
    notice.setEnding();
    frmBye bye(services, frmBye::Hooks{[] {}, [&](int) {
                                            notice.tellPending();
                                            messagesAtTheEnd = static_cast<int>(fake.dialogs.messages.size());
                                        }});
    bye.start();
    QTRY_VERIFY_WITH_TIMEOUT(messagesAtTheEnd >= 0, 10000);
    QCOMPARE(messagesAtTheEnd, 1);  // told once, and before the process ends
    QCOMPARE(fake.dialogs.messages[0].text, SaveProblemText(QtSettingsStore::SaveProblem::NoFolder, ini));
    QVERIFY(fake.dialogs.messages[0].text.contains(QString::fromUtf8("文件夹不存在")));
    QCOMPARE(fake.dialogs.messages[0].title, QStringLiteral("Numora"));
}

NUMORA_SHELL_TEST(SaveProblemTest);

#include "SaveProblemTest.moc"
