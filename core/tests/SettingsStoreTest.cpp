#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
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
