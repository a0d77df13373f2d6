// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

#include "SettingsStore.h"
#include "TinyDisk.h"

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
// its values in memory and says so once, naming the file and why.
TEST(QtSettingsStore, UnsavableSettingsAreReportedOnce) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("Numora"), "not a folder");
    QtSettingsStore store(IniIn(dir));
    QStringList files;
    store.setProblemHandler([&](QtSettingsStore::SaveProblem p, const QString& file) {
        EXPECT_EQ(p, QtSettingsStore::SaveProblem::NoFolder);
        files << file;
    });
    store.WriteSetting("Texts", "Name", "x");
    store.WriteSetting("Settings", "LoadAlready", "True");
    store.EraseAllSettings();
    EXPECT_EQ(files, QStringList{IniIn(dir)});
    EXPECT_FALSE(store.saving());

    using Problem = QtSettingsStore::SaveProblem;
    const struct {
        Problem problem;
        const char* says;
    } texts[] = {
        {Problem::ReadOnly, "或其所在的文件夹不可写入。"},
        {Problem::NoFolder, "无法写入：文件夹不存在。"},
        {Problem::NoPermission, "无法写入：没有写入权限。"},
        {Problem::DiskFull, "无法写入：磁盘空间不足。"},
    };
    for (const auto& t : texts) {
        const QString text = SaveProblemText(t.problem, IniIn(dir));
        EXPECT_TRUE(text.startsWith(QStringLiteral("无法保存设置！\n设置文件") + IniIn(dir) + QString::fromUtf8(t.says)))
            << text.toStdString();
    }
    EXPECT_TRUE(SaveProblemText(QtSettingsStore::SaveProblem::Locked, IniIn(dir)).contains(IniIn(dir) + ".lock"));
}

// On a disk that fills up, and one that turns read-only, the settings file
// keeps what it had (written through a temporary file renamed into place)
// and the reason is told.
TEST(QtSettingsStore, FullAndReadOnlyDisksKeepTheOldFile) {
    const std::optional<int> status = numora::testing::OnTinyDisk(64 * 1024, [](const std::string& folder) {
        const QString ini = QString::fromStdString(folder) + QStringLiteral("/Numora/Numora.ini");
        QtSettingsStore store(ini);
        QList<QtSettingsStore::SaveProblem> problems;
        store.setProblemHandler([&](QtSettingsStore::SaveProblem p, const QString&) { problems << p; });
        store.WriteSetting("Texts", "Name", QStringLiteral("张三"));
        store.WriteSetting("Texts", "FileName", QString(200 * 1024, QLatin1Char('x')));
        if (problems != QList{QtSettingsStore::SaveProblem::DiskFull}) return 1;
        if (QtSettingsStore(ini).ReadSetting("Texts", "Name", "") != QStringLiteral("张三")) return 2;
        if (QDir(QFileInfo(ini).absolutePath()).entryList(QDir::Files | QDir::Hidden) != QStringList{"Numora.ini"})
            return 3;
        if (!numora::testing::RemountReadOnly(folder)) return 0;
        QtSettingsStore again(ini);
        again.setProblemHandler([&](QtSettingsStore::SaveProblem p, const QString&) { problems << p; });
        again.WriteSetting("Texts", "Name", QStringLiteral("李四"));
        if (problems.size() != 2 || problems[1] != QtSettingsStore::SaveProblem::NoPermission) return 4;
        return QtSettingsStore(ini).ReadSetting("Texts", "Name", "") == QStringLiteral("张三") ? 0 : 5;
    });
    if (!status) GTEST_SKIP() << "no user and mount namespaces here";
    EXPECT_EQ(*status, 0);
}

// The store writes the file itself; QSettings reads back every text as it
// was written, whatever characters it holds, and a file written by
// QSettings is read and rewritten without a change to its values.
TEST(QtSettingsStore, EveryTextReadsBackAsWritten) {
    const QString texts[] = {
        "", "plain", "张三, 李四", "a,b", " blanks at both ends ", "x;y # z", "k=v", "\"quoted\"", "back\\slash",
        "tab\tand\nnew line\r", QString("\x1b") + "abc", QString(QChar(0)) + "7", "\x7f", "@Invalid()", "@@x",
        "@ByteArray(1)", "(1+2)*3=9", "😀 𝔸", "%41%U4E00", "/home/u/My Music/a=b;c.mp3", QString(40000, '1'),
        "a#b", "#x", "[Texts]", "x\n[Texts]\nName=y", "True", "1E+15", "-.5", "a b",
    };
    QTemporaryDir dir;
    {
        QSettings byQt(IniIn(dir), QSettings::IniFormat);  // a file QSettings wrote, one hand-edited list in it
        byQt.setValue("Texts/Name", QStringLiteral("王五"));
        byQt.setValue("Checks/List", QStringList{"a", "b"});
        byQt.setValue("Loose", QStringLiteral("in no section"));
    }
    QtSettingsStore store(IniIn(dir));
    for (int i = 0; i < int(std::size(texts)); ++i) store.WriteSetting("History", QString::number(i), texts[i]);
    const QSettings back(IniIn(dir), QSettings::IniFormat);
    QtSettingsStore again(IniIn(dir));
    for (int i = 0; i < int(std::size(texts)); ++i) {
        EXPECT_EQ(back.value("History/" + QString::number(i)).toString(), texts[i]) << i;
        EXPECT_EQ(again.ReadSetting("History", QString::number(i), "-"), texts[i]) << i;
    }
    EXPECT_EQ(again.ReadSetting("Texts", "Name", ""), QStringLiteral("王五"));
    EXPECT_EQ(again.ReadSetting("Checks", "List", ""), QStringLiteral("a, b"));
    EXPECT_EQ(back.value("Loose").toString(), QStringLiteral("in no section"));
    EXPECT_EQ(back.allKeys().size(), int(std::size(texts)) + 3);
    // Plain values stay plain, as QSettings writes them.
    QFile file(IniIn(dir));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ini = file.readAll();
    for (const char* line : {"\nName=王五\n", "=True\n", "=(1+2)*3=9\n", "=-.5\n"})
        EXPECT_TRUE(ini.contains(line)) << line;
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
