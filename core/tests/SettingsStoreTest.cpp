// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include "SettingsStore.h"

using namespace numora;

namespace {

QString IniIn(const QTemporaryDir& dir) { return dir.filePath(QStringLiteral("Numora/Numora.ini")); }

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

}  // namespace

TEST(QtSettingsStore, ReadsDefaultsAndWrittenValues) {
    QTemporaryDir dir;
    QtSettingsStore store(IniIn(dir));
    EXPECT_EQ(store.ReadSetting("Settings", "MainState", "2"), "2");
    EXPECT_FALSE(QFileInfo::exists(IniIn(dir))) << "reading never creates anything";

    store.WriteSetting("Settings", "MainState", "0");
    store.WriteSetting("Texts", "Name", QStringLiteral("张三, 李四"));
    store.WriteSetting("Texts", "FileName", "/home/u/My Music/a=b;c.mp3");

    QtSettingsStore reopened(IniIn(dir));
    EXPECT_EQ(reopened.ReadSetting("Settings", "MainState", "2"), "0");
    EXPECT_EQ(reopened.ReadSetting("Texts", "Name", ""), QStringLiteral("张三, 李四"));
    EXPECT_EQ(reopened.ReadSetting("Texts", "FileName", ""), "/home/u/My Music/a=b;c.mp3");
}

TEST(QtSettingsStore, WritesOnlyWhenTheValueChanges) {
    QTemporaryDir dir;
    QtSettingsStore store(IniIn(dir));
    store.WriteSetting("Settings", "LoadAlready", "True");
    const auto stamp = QFileInfo(IniIn(dir)).lastModified();
    for (int i = 0; i < 100; ++i) store.WriteSetting("Settings", "LoadAlready", "True");
    EXPECT_EQ(store.writeCount(), 1);
    EXPECT_EQ(QFileInfo(IniIn(dir)).lastModified(), stamp);
    store.WriteSetting("Settings", "LoadAlready", "False");
    EXPECT_EQ(store.writeCount(), 2);
}

TEST(QtSettingsStore, EraseAllRemovesEverySection) {
    QTemporaryDir dir;
    QtSettingsStore store(IniIn(dir));
    store.WriteSetting("Settings", "MainLeft", "1500");
    store.WriteSetting("Checks", "ExamOK", "1");
    store.EraseAllSettings();
    QtSettingsStore reopened(IniIn(dir));
    EXPECT_EQ(reopened.ReadSetting("Settings", "MainLeft", "1000"), "1000");
    EXPECT_EQ(reopened.ReadSetting("Checks", "ExamOK", "0"), "0");
}

TEST(QtSettingsStore, DamagedFilesNeverStopTheReaders) {
    const QByteArray damaged[] = {
        QByteArray("[Settings\nMainState=\x01\x02\xff\n[Checks]ExamOK"),
        QByteArray("\0\0\0\0garbage", 11),
        QByteArray("[Settings]\nMainState=maximised\nMainLeft=left\n[Checks]\nViewToolBar1=perhaps\n"),
        QByteArray("[Settings]\nMainState=2\nMainLe"),  // cut off in the middle of a write
    };
    for (const QByteArray& bytes : damaged) {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("Numora"));
        WriteFile(IniIn(dir), bytes);
        QtSettingsStore store(IniIn(dir));
        int state = ReadWholeSetting(store, "Settings", "MainState", 2);
        EXPECT_TRUE(state == 2) << bytes.toStdString();
        EXPECT_EQ(ReadSingleSetting(store, "Settings", "MainLeft", 1000), 1000.0f);
        EXPECT_TRUE(ReadTruthSetting(store, "Checks", "ViewToolBar1", true));
        store.WriteSetting("Settings", "MainTop", "1200");
        EXPECT_EQ(QtSettingsStore(IniIn(dir)).ReadSetting("Settings", "MainTop", ""), "1200");
    }
}

TEST(QtSettingsStore, UnwritableLocationKeepsWorkingInMemory) {
    // The store's folder cannot be created: a file stands where it belongs.
    QTemporaryDir dir;
    WriteFile(dir.filePath("Numora"), "not a folder");
    QtSettingsStore store(IniIn(dir));
    store.WriteSetting("Texts", "Name", "x");
    EXPECT_EQ(store.ReadSetting("Texts", "Name", QStringLiteral("匿名")), "x");
    EXPECT_EQ(ReadWholeSetting(store, "Settings", "MainState", 2), 2);
}

// Another process rewrote the file: the next write compares with what the
// file holds now, not with what this process wrote last.
TEST(QtSettingsStore, ComparesWithTheFileNotWithItsOwnLastWrite) {
    QTemporaryDir dir;
    QtSettingsStore a(IniIn(dir));
    a.WriteSetting("Settings", "LoadAlready", "True");
    WriteFile(IniIn(dir), "[Settings]\nLoadAlready=False\n");  // a second instance's exit
    a.WriteSetting("Settings", "LoadAlready", "True");
    EXPECT_EQ(QtSettingsStore(IniIn(dir)).ReadSetting("Settings", "LoadAlready", ""), "True");
    EXPECT_EQ(a.writeCount(), 2);

    // Nothing changes: nothing is written.
    const auto stamp = QFileInfo(IniIn(dir)).lastModified();
    for (int i = 0; i < 50; ++i) a.WriteSetting("Settings", "LoadAlready", "True");
    EXPECT_EQ(a.writeCount(), 2);
    EXPECT_EQ(QFileInfo(IniIn(dir)).lastModified(), stamp);
}

// Whatever stands where the lock file belongs, a write never hangs: a
// broken lock is removed and the write lands; a lock that cannot be taken
// or removed skips the write and is reported once.
TEST(QtSettingsStore, NoLockStateStallsAWrite) {
    QProcess holder;  // a live process other than this one
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(holder.waitForStarted());
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    const QByteArray app = QCoreApplication::applicationFilePath().toUtf8();

    enum Kind { EmptyFolder, FullFolder, Garbage, DanglingLink, OwnPid, LiveHolder };
    const struct {
        Kind kind;
        bool lands;
    } cases[] = {
        {EmptyFolder, true}, {Garbage, true}, {DanglingLink, true}, {OwnPid, true},
        {FullFolder, false}, {LiveHolder, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("Numora"));
        const QString lock = IniIn(dir) + ".lock";
        switch (c.kind) {
            case EmptyFolder: QDir().mkpath(lock); break;
            case FullFolder:
                QDir().mkpath(lock);
                WriteFile(lock + "/keep", "x");
                break;
            case Garbage: WriteFile(lock, "\x01\x02 not a lock \xff"); break;  // and recent
            case DanglingLink: QFile::link(dir.filePath("nowhere"), lock); break;
            case OwnPid: WriteFile(lock, self + "\n" + app + "\n" + host + "\n"); break;
            case LiveHolder:
                WriteFile(lock, QByteArray::number(holder.processId()) + "\nsleep\n" + host + "\n");
                break;
        }
        QtSettingsStore store(IniIn(dir));
        QList<QtSettingsStore::SaveProblem> reported;
        store.setProblemHandler([&](QtSettingsStore::SaveProblem p, const QString&) { reported << p; });
        store.WriteSetting("Settings", "LoadAlready", "True");
        store.WriteSetting("Settings", "MainState", "0");
        const QString onDisk = QtSettingsStore(IniIn(dir)).ReadSetting("Settings", "LoadAlready", "");
        if (c.lands) {
            EXPECT_EQ(onDisk, "True");
            EXPECT_TRUE(reported.isEmpty());
            EXPECT_TRUE(store.saving());
        } else {
            EXPECT_EQ(onDisk, "");
            ASSERT_EQ(reported.size(), 1) << "told once, not per write";
            EXPECT_EQ(reported[0], QtSettingsStore::SaveProblem::Locked);
            EXPECT_FALSE(store.saving());
        }
    }
    holder.kill();
    holder.waitForFinished();
}

// A settings file or folder that cannot be written: the program goes on with
// its values in memory and says so once, naming the file.
TEST(QtSettingsStore, UnsavableSettingsAreReportedOnce) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("Numora"), "not a folder");
    QtSettingsStore store(IniIn(dir));
    QStringList files;
    store.setProblemHandler([&](QtSettingsStore::SaveProblem p, const QString& file) {
        EXPECT_EQ(p, QtSettingsStore::SaveProblem::ReadOnly);
        files << file;
    });
    store.WriteSetting("Texts", "Name", "x");
    store.WriteSetting("Settings", "LoadAlready", "True");
    store.EraseAllSettings();
    EXPECT_EQ(files, QStringList{IniIn(dir)});
    EXPECT_FALSE(store.saving());

    const QString text = SaveProblemText(QtSettingsStore::SaveProblem::ReadOnly, IniIn(dir));
    EXPECT_TRUE(text.startsWith(QStringLiteral("无法保存设置！"))) << text.toStdString();
    EXPECT_TRUE(text.contains(IniIn(dir)));
    EXPECT_TRUE(SaveProblemText(QtSettingsStore::SaveProblem::Locked, IniIn(dir)).contains(IniIn(dir) + ".lock"));
}

TEST(TypedReaders, ConvertTheTextFormsOrFallBackToTheDefault) {
    MemorySettingsStore store;
    EXPECT_EQ(ReadWholeSetting(store, "Settings", "MainState", 2), 2);
    EXPECT_EQ(ReadSingleSetting(store, "Settings", "MainWidth", 7680), 7680.0f);
    EXPECT_TRUE(ReadTruthSetting(store, "Checks", "ViewToolBar1", true));
    EXPECT_EQ(store.writeCount(), 0);

    store.WriteSetting("Settings", "MainState", "1");
    store.WriteSetting("Settings", "MainWidth", "9000.5");
    store.WriteSetting("Checks", "ViewToolBar1", "False");
    store.WriteSetting("Checks", "ViewStatusBar", "-1");
    store.WriteSetting("Checks", "HotBar", "flat");
    EXPECT_EQ(ReadWholeSetting(store, "Settings", "MainState", 2), 1);
    EXPECT_EQ(ReadSingleSetting(store, "Settings", "MainWidth", 7680), 9000.5f);
    EXPECT_FALSE(ReadTruthSetting(store, "Checks", "ViewToolBar1", true));
    EXPECT_TRUE(ReadTruthSetting(store, "Checks", "ViewStatusBar", false));
    EXPECT_EQ(ReadWholeSetting(store, "Checks", "HotBar", 0), 0);

    EXPECT_EQ(TruthText(true), "True");
    EXPECT_EQ(TruthText(false), "False");
    EXPECT_EQ(SingleText(1000.0f), "1000");
    EXPECT_EQ(SingleText(7.5f), "7.5");
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
