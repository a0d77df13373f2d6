// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a graph's picture: the dialog suggests 函数图象.png; PNG and SVG
// are written whole or not at all, a picture already there stays on a
// failure, and the message says why before the dialog opens again.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "Fakes.h"
#include "PlotCanvas.h"
#include "QtTestMain.h"
#include "WriteFailures.h"

using namespace numora;
using namespace numora::testing;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class PlotSaveTest : public QObject {
    Q_OBJECT

private slots:
    void picturesAreSavedWholeOrNotAtAll() {
        FakeServices fakes;
        PlotCanvas canvas(fakes.services, QSize(365, 365));
        canvas.resize(365, 365);
        canvas.setMapping({-4, 4, 4, -4});
        canvas.addSegments({{-4, -4, 4, 4}}, maths::Rgb{255, 0, 0});
        for (const char* suffix : {".png", ".svg"}) {
            for (const auto& row : kWriteFailureCases) {
                const QString what = U(row.what) + QLatin1String(suffix);
                QTemporaryDir dir;
                const QString path = dir.filePath(row.missingFolder ? QStringLiteral("no/such/图象") : QStringLiteral("图象")) +
                                     QLatin1String(suffix);
                if (!row.missingFolder) {
                    QFile old(path);
                    QVERIFY(old.open(QIODevice::WriteOnly));
                    old.write("old");
                }
                fakes.dialogs.messages.clear();
                fakes.dialogs.saveSuggestions.clear();
                fakes.dialogs.saveFiles = {path};
                {
                    PretendWriteFault pretend(row.fault);
                    canvas.savePicture();
                }
                const QByteArray saved = Read(path);
                QCOMPARE(fakes.dialogs.saveSuggestions.first(), QDir::home().filePath(U("函数图象.png")));
                if (!row.reason) {
                    QVERIFY2(fakes.dialogs.messages.isEmpty(), qPrintable(what));
                    QVERIFY2(saved.startsWith(suffix == QLatin1String(".png") ? "\x89PNG" : "<?xml"), qPrintable(what));
                    continue;
                }
                QCOMPARE(fakes.dialogs.messages.size(), 1);
                QCOMPARE(fakes.dialogs.messages[0].text, U("保存图象失败：") + path + QLatin1Char('\n') + U(row.reason));
                QCOMPARE(fakes.dialogs.messages[0].title, U("Numora错误报告"));
                // Offered again on the name that failed.
                QCOMPARE(fakes.dialogs.saveSuggestions.size(), 2);
                QCOMPARE(fakes.dialogs.saveSuggestions[1], path);
                if (!row.missingFolder) QCOMPARE(saved, QByteArray("old"));
                QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                         row.missingFolder ? QStringList() : QStringList{U("图象") + QLatin1String(suffix)});
            }
        }
        // After a failure the user picks another place, and it is saved there.
        QTemporaryDir dir;
        fakes.dialogs.messages.clear();
        fakes.dialogs.saveFiles = {dir.filePath("no/such/a.svg"), dir.filePath("b")};
        canvas.savePicture();
        QCOMPARE(fakes.dialogs.messages.size(), 1);
        QVERIFY(Read(dir.filePath("b.png")).startsWith("\x89PNG"));
    }
};

NUMORA_QTEST_MAIN(PlotSaveTest)
#include "PlotSaveTest.moc"
