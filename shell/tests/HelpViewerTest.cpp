// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame's own help window fills itself in the background: a document
// beyond the limits ends with a line that says so, one that cannot be read
// says that, a second load replaces the first, and a window closed during
// the load stops it.
#include <QFile>
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

void HelpViewerTest::closedDuringTheLoad() {
    QByteArray huge = "{\\rtf1\\pard ";
    while (huge.size() < HelpLoader::kMaxHelpBytes) huge += "\\u20013?abc ";
    const QString path = write(huge);
    for (int wait : {0, 50, 300}) {
        auto* viewer = new QTextBrowser;
        viewer->show();
        HelpLoader::Load(viewer, path);
        QTest::qWait(wait);
        delete viewer;  // the conversion is stopped and waited for, the slices end
        QTest::qWait(20);
    }
}

NUMORA_SHELL_TEST(HelpViewerTest);

#include "HelpViewerTest.moc"
