// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame's own help window fills itself in the background: a document
// beyond the limits ends with a line that says so, one that cannot be read
// says that, a second load replaces the first, and a window closed during
// the load stops it.
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "HelpLoader.h"
#include "ShellTest.h"

using namespace numora;

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void fillsCutsAndReplaces();
    void closedDuringTheLoad();

private:
    QString write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("doc%1.rtf").arg(++count_));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
        return path;
    }
    QTemporaryDir dir_;
    int count_ = 0;
};

void HelpViewerTest::fillsCutsAndReplaces() {
    QTextBrowser viewer;
    viewer.show();
    QByteArray huge = "{\\rtf1\\pard ";
    while (huge.size() < HelpLoader::kMaxHelpBytes) huge += "\\par x";
    const struct {
        const char* name;
        QString path;
        QString first, last;
    } cases[] = {
        {"a small document", write("{\\rtf1\\pard\\b\\fs32 Title\\par\\pard \\bullet  a\\par\\pard \\bullet  b\\par}"),
         "Title", "b"},
        {"16 MiB of paragraphs", write(huge), "x", HelpLoader::CutText()},
        {"a file that cannot be read", dir_.filePath("missing.rtf"), HelpLoader::UnreadableText(),
         HelpLoader::UnreadableText()},
    };
    for (const auto& c : cases) {
        HelpLoader* loader = HelpLoader::Load(&viewer, c.path);
        QTRY_VERIFY_WITH_TIMEOUT(loader->isFinished(), 60000);
        const QStringList lines = viewer.toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), c.first);
        QCOMPARE(lines.last(), c.last);
        QCOMPARE(viewer.findChildren<HelpLoader*>().size(), 1);  // the earlier load is gone
    }
}

// A window closed at any moment of a load takes the load with it: the
// loader goes with the window, no slice reaches it afterwards (the
// sanitizer build would see one), and the next load in a new window runs
// to its end.
void HelpViewerTest::closedDuringTheLoad() {
    QByteArray huge = "{\\rtf1\\pard ";
    while (huge.size() < HelpLoader::kMaxHelpBytes) huge += "\\u20013?abc ";
    const QString path = write(huge);
    for (int slices : {0, 1, 5}) {
        auto* viewer = new QTextBrowser;
        viewer->show();
        QPointer<HelpLoader> loader = HelpLoader::Load(viewer, path);
        QVERIFY(loader);
        // Closed before the conversion ends, or after some slices are in.
        if (slices > 0) QTRY_VERIFY_WITH_TIMEOUT(!viewer->document()->isEmpty(), 60000);
        for (int i = 1; i < slices; ++i) QCoreApplication::processEvents();
        QVERIFY(!loader->isFinished());
        delete viewer;
        QVERIFY(!loader);
    }
    QTextBrowser viewer;
    viewer.show();
    HelpLoader* loader = HelpLoader::Load(&viewer, write("{\\rtf1\\pard after\\par}"));
    QTRY_VERIFY_WITH_TIMEOUT(loader->isFinished(), 60000);
    QCOMPARE(viewer.toPlainText(), QStringLiteral("after"));
}

NUMORA_SHELL_TEST(HelpViewerTest);

#include "HelpViewerTest.moc"
