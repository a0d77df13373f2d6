// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program looks for its data files (the help document): the
// installed data folder beside <prefix>/bin, or the executable's own folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "QtTestMain.h"
#include "Services.h"

using namespace numora;

class ProgramDataFolderTest : public QObject {
    Q_OBJECT

private slots:
    void layouts_data() {
        QTest::addColumn<QStringList>("folders");  // created under the temporary root
        QTest::addColumn<QString>("file");         // a plain file created under the root, or ""
        QTest::addColumn<QString>("executable");   // the executable's folder, under the root
        QTest::addColumn<QString>("expected");     // the data folder, under the root

        QTest::newRow("build tree: beside the executable")
            << QStringList{"build/app"} << "" << "build/app" << "build/app";
        QTest::newRow("installed in /usr")
            << QStringList{"usr/bin", "usr/share/numora"} << "" << "usr/bin" << "usr/share/numora";
        QTest::newRow("installed, executable folder with trailing separator")
            << QStringList{"usr/bin", "usr/share/numora"} << "" << "usr/bin/" << "usr/share/numora";
        QTest::newRow("installed in a home prefix")
            << QStringList{"home/u/.local/bin", "home/u/.local/share/numora"} << "" << "home/u/.local/bin"
            << "home/u/.local/share/numora";
        QTest::newRow("bin without a data folder: beside the executable")
            << QStringList{"opt/numora/bin", "opt/numora/share"} << "" << "opt/numora/bin" << "opt/numora/bin";
        QTest::newRow("a file named like the data folder is not one")
            << QStringList{"x/bin", "x/share"} << "x/share/numora" << "x/bin" << "x/bin";
        QTest::newRow("executable folder missing altogether")
            << QStringList{} << "" << "gone/bin" << "gone/bin";
    }

    void layouts() {
        QFETCH(QStringList, folders);
        QFETCH(QString, file);
        QFETCH(QString, executable);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        for (const QString& f : folders) QVERIFY(QDir(root.path()).mkpath(f));
        if (!file.isEmpty()) {
            QFile plain(root.filePath(file));
            QVERIFY(plain.open(QIODevice::WriteOnly));
        }
        QCOMPARE(ProgramDataFolder(root.path() + '/' + executable),
                 QDir::toNativeSeparators(QDir::cleanPath(root.filePath(expected))));
    }
};

NUMORA_QTEST_MAIN(ProgramDataFolderTest)
#include "ProgramDataFolderTest.moc"
