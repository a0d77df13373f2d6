// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "FormulaHistoryStore.h"
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

// The formula history through the INI file: what a restart reads back,
// what the reset and the clear command leave, a hand-damaged section.
TEST(FormulaHistoryStore, SurvivesARestartAndReadsDamageAsFarAsItGoes) {
    QTemporaryDir dir;
    const QStringList formulas = {QStringLiteral("1/3"), QStringLiteral(" 2 + 2\t"), QStringLiteral("1,5+2; x"),
                                  QStringLiteral("@1+\"2\""), QStringLiteral("一加一")};
    {
        QtSettingsStore store(IniIn(dir));
        for (int i = 0; i < 5; ++i) AddFormulaHistory(store, formulas[i], i < 2 ? QStringLiteral("4") : QStringLiteral("表达式错误"));
    }
    QtSettingsStore reopened(IniIn(dir));
    const std::vector<HistoryEntry> read = ReadFormulaHistory(reopened);
    ASSERT_EQ(read.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(QString::fromStdString(read[4 - i].formula), formulas[i]);
    EXPECT_EQ(read[0].result, "表达式错误");

    ClearFormulaHistory(reopened);
    EXPECT_TRUE(ReadFormulaHistory(QtSettingsStore(IniIn(dir))).empty());
    AddFormulaHistory(reopened, "1+1", "2");
    reopened.EraseAllSettings();  // the Options reset
    EXPECT_TRUE(ReadFormulaHistory(QtSettingsStore(IniIn(dir))).empty());

    WriteFile(IniIn(dir), "[History]\nFormulas=\"1+1=2\\n2+2\\n3+3=6\"\n[Settings]\nMainState=0\n");
    QtSettingsStore damaged(IniIn(dir));
    ASSERT_EQ(ReadFormulaHistory(damaged).size(), 1u);
    EXPECT_EQ(damaged.ReadSetting("Settings", "MainState", "2"), "0");
    // A store without any history gets none from clearing.
    MemorySettingsStore empty;
    ClearFormulaHistory(empty);
    EXPECT_EQ(empty.writeCount(), 0);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
