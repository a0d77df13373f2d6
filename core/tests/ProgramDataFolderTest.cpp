// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program looks for its data files (the help document): the
// installed data folder beside <prefix>/bin, or the executable's own folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

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

    // The desktop's opener is asked for its exit status: a document nothing
    // opens (xdg-open's "no method available", an empty XDG_DATA_DIRS) is
    // told as Failed, so the help window opens instead.
    void openerOutcomeIsTold_data() {
        QTest::addColumn<QString>("opener");  // the xdg-open script's body
        QTest::addColumn<QString>("mime");    // the xdg-mime script's body, or "" for none
        QTest::addColumn<int>("expected");
        QTest::newRow("opened") << "exit 0" << "" << int(OpenResult::Opened);
        QTest::newRow("no method available") << "echo 'xdg-open: no method available' >&2; exit 3" << ""
                                             << int(OpenResult::Failed);
        QTest::newRow("the handler failed") << "exit 4" << "" << int(OpenResult::Failed);
        QTest::newRow("no handler for the type") << "exit 0"
                                                 << "[ \"$2\" = filetype ] && echo application/msword; exit 0"
                                                 << int(OpenResult::Failed);
        QTest::newRow("a handler for the type") << "exit 0"
                                                << "[ \"$2\" = filetype ] && echo application/msword || echo x.desktop"
                                                << int(OpenResult::Opened);
        QTest::newRow("the type unknown, the opener fails") << "exit 3" << "exit 0" << int(OpenResult::Failed);
    }
    void openerOutcomeIsTold() {
        QFETCH(QString, opener);
        QFETCH(QString, mime);
        QFETCH(int, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto script = [&dir](const QString& name, const QString& body) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        script(QStringLiteral("xdg-open"), opener);
        if (!mime.isEmpty()) script(QStringLiteral("xdg-mime"), mime);
        QFile document(dir.filePath(QStringLiteral("numora180.doc")));
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.close();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toLocal8Bit());
        QtLauncher launcher;
        std::optional<OpenResult> told;
        int calls = 0;
        launcher.OpenDocumentThen(document.fileName(), [&](OpenResult result) {
            told = result;
            ++calls;
        });
        qputenv("PATH", path);
        QTRY_VERIFY(told.has_value());
        QCOMPARE(int(*told), expected);
        QTest::qWait(50);
        QCOMPARE(calls, 1);
        // A document that is not there is not found, and told at once.
        told.reset();
        launcher.OpenDocumentThen(dir.filePath(QStringLiteral("gone.doc")), [&](OpenResult result) { told = result; });
        QVERIFY(told.has_value());
        QCOMPARE(int(*told), int(OpenResult::NotFound));
    }
};

NUMORA_QTEST_MAIN(ProgramDataFolderTest)
#include "ProgramDataFolderTest.moc"
