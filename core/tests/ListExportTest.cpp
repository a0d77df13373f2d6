// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

#include "Fakes.h"
#include "JobRunner.h"
#include "ListExport.h"
#include "QtTestMain.h"
#include "WriteFailures.h"

using namespace numora;
using namespace numora::testing;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

}  // namespace

class ListExportTest : public QObject {
    Q_OBJECT

    FakeServices* fakes = nullptr;
    QListWidget* list = nullptr;
    ListExport* exporter = nullptr;

    void select(std::initializer_list<int> rows) {
        list->clearSelection();
        for (int row : rows) list->item(row)->setSelected(true);
    }

private slots:
    void init() {
        fakes = new FakeServices;
        fakes->clipboard.text = QStringLiteral("before");
        list = new QListWidget;
        list->addItems({"2", "3", U("100=3+97"), U("一二三"), "5"});
        exporter = ListExport::Install(list, fakes->services, QStringLiteral("list.txt"));
        list->show();
    }
    void cleanup() {
        delete list;
        delete fakes;
    }

    // The keys and what they copy: the selected lines in list order, or all.
    void keysCopyTheLines() {
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);  // nothing selected: the clipboard stays
        QCOMPARE(fakes->clipboard.text, QStringLiteral("before"));
        select({4, 0, 1});
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(fakes->clipboard.text, QStringLiteral("2\n3\n5"));
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(list->selectedItems().size(), 5);
        select({3});
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(fakes->clipboard.text, U("2\n3\n100=3+97\n一二三\n5"));
        QCOMPARE(fakes->clipboard.sets, 2);
    }

    // The menu: its items, hints and shortcuts, enabled as the list allows.
    void menuFollowsTheList() {
        const auto state = [this] {
            QStringList items;
            const std::unique_ptr<QMenu> menu = exporter->makeMenu(nullptr);
            for (QAction* a : menu->actions())
                items << a->text() + QLatin1Char('|') + a->shortcut().toString() + QLatin1Char('|') +
                             QString::number(a->isEnabled()) + QLatin1Char('|') + QString::number(!a->statusTip().isEmpty());
            return items;
        };
        QCOMPARE(state(), (QStringList{U("复制(&C)|Ctrl+C|0|1"), U("全选(&A)|Ctrl+A|1|1"), U("全部复制(&L)|Ctrl+Shift+C|1|1"),
                                       U("保存为文本文件(&S)…|Ctrl+S|1|1")}));
        select({1});
        QCOMPARE(state().first(), U("复制(&C)|Ctrl+C|1|1"));
        list->clear();
        QCOMPARE(state(), (QStringList{U("复制(&C)|Ctrl+C|0|1"), U("全选(&A)|Ctrl+A|0|1"), U("全部复制(&L)|Ctrl+Shift+C|0|1"),
                                       U("保存为文本文件(&S)…|Ctrl+S|0|1")}));
        list->addItem("7");
        const std::unique_ptr<QMenu> menu = exporter->makeMenu(nullptr);
        menu->actions()[2]->trigger();
        QTRY_COMPARE(fakes->clipboard.text, QStringLiteral("7"));
    }

    // Saved as UTF-8, one line an item, each ending with a line feed; a
    // cancelled dialog writes nothing.
    void saveWritesEveryLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath(U("列表.txt"));
        exporter->save();  // cancelled
        QVERIFY(QDir(dir.path()).isEmpty());
        fakes->dialogs.saveFiles.push_back(path);
        select({1});  // saving takes every line, not only the selection
        QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(!exporter->busy());
        QCOMPARE(Read(path), U("2\n3\n100=3+97\n一二三\n5\n").toUtf8());
        QCOMPARE(fakes->dialogs.fileTitles, (QStringList{U("保存为文本文件"), U("保存为文本文件")}));
        QCOMPARE(fakes->dialogs.fileFilters.last(), U("文本文件 (*.txt);;所有文件 (*)"));
        QVERIFY(fakes->dialogs.messages.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{U("列表.txt")});
    }

    // A file that cannot be written gets a message naming it and saying
    // why, then the dialog again on that name; what stood under the chosen
    // name stays, and no temporary file is left.
    void failedWritesLeaveNothingHalfWritten() {
        for (int i = 0; i < 2000; ++i) list->addItem(QString::number(i).repeated(20));
        struct Row {
            QString what;
            QString name;  // under the temporary folder
            std::optional<WriteFault> fault;
            QString reason;  // empty: saved
            bool sizeLimit = false;
        };
        QList<Row> rows;
        for (const auto& c : kWriteFailureCases)
            rows.append({U(c.what), c.missingFolder ? QStringLiteral("no/such/folder/list.txt") : QStringLiteral("old.txt"),
                         c.fault, c.reason ? U(c.reason) : QString()});
        rows.append({"a folder under the name", "folder", {}, U("无法写入（Is a directory）")});
        // Past the file-size limit every write fails, even with a root's rights.
        rows.append({"the file-size limit", "old.txt", {}, U("无法写入（File too large）"), true});
        std::signal(SIGXFSZ, SIG_IGN);
        for (const Row& row : rows) {
            QTemporaryDir dir;
            QDir().mkpath(dir.filePath("folder"));
            QFile old(dir.filePath("old.txt"));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old content\n");
            old.close();
            const QString path = dir.filePath(row.name);
            fakes->dialogs.messages.clear();
            fakes->dialogs.saveSuggestions.clear();
            fakes->dialogs.saveFiles.push_back(path);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit saved = limit;
            limit.rlim_cur = 4096;
            if (row.sizeLimit) setrlimit(RLIMIT_FSIZE, &limit);
            {
                PretendWriteFault pretend(row.fault);
                exporter->save();
                QTRY_VERIFY(!exporter->busy());  // the file is written on the job's thread
            }
            setrlimit(RLIMIT_FSIZE, &saved);
            const QString what = row.what;
            if (row.reason.isEmpty()) {
                QVERIFY2(fakes->dialogs.messages.isEmpty(), qPrintable(what));
                QVERIFY2(Read(path).startsWith("2\n3\n"), qPrintable(what));
                continue;
            }
            QCOMPARE(fakes->dialogs.messages.size(), 1);
            QCOMPARE(fakes->dialogs.messages[0].text,
                     U("保存文件失败：") + QDir::toNativeSeparators(path) + QLatin1Char('\n') + row.reason);
            QCOMPARE(fakes->dialogs.messages[0].title, U("Numora错误报告"));
            QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Exclamation);
            // The dialog again, on the name that failed (then cancelled here).
            QCOMPARE(fakes->dialogs.saveSuggestions, (QStringList{QDir::home().filePath("list.txt"), path}));
            QVERIFY2(QFileInfo(dir.filePath("folder")).isDir(), qPrintable(what));
            QCOMPARE(Read(dir.filePath("old.txt")), QByteArray("old content\n"));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.txt"});
        }
    }

    // While a save is under way the window answers, a second copy or save
    // is not taken (the menu says so), and closing the window gives the save
    // up: no file under the name, no temporary file left.
    void oneJobAtATimeAndClosingGivesItUp() {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        auto* job = exporter->findChild<JobRunner*>(QStringLiteral("ListExportJob"));
        QVERIFY(job);
        job->hold();  // the save waits at its first look at the cancel flag
        fakes->dialogs.saveFiles.push_back(path);
        fakes->dialogs.saveFiles.push_back(dir.filePath("second.txt"));
        QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(exporter->busy());
        const std::unique_ptr<QMenu> menu = exporter->makeMenu(nullptr);
        select({1});
        QCOMPARE(menu->actions()[2]->isEnabled(), false);
        QCOMPARE(exporter->makeMenu(nullptr)->actions()[0]->isEnabled(), false);
        QCOMPARE(exporter->makeMenu(nullptr)->actions()[1]->isEnabled(), true);  // selecting is no job
        QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fakes->dialogs.saveFiles.size(), 1);  // no second dialog
        QCOMPARE(fakes->clipboard.text, QStringLiteral("before"));
        delete list;  // the window goes while its save waits
        list = nullptr;
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(fakes->dialogs.messages.isEmpty());
    }
};

NUMORA_QTEST_MAIN(ListExportTest)
#include "ListExportTest.moc"
