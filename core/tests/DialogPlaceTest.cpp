// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Message boxes open over the window they belong to, also when that window
// is a small child window in a corner of a large frame.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>

#include "DialogPlace.h"
#include "QtTestMain.h"
#include "Services.h"

using namespace numora;

class DialogPlaceTest : public QObject {
    Q_OBJECT

private slots:
    void centredAndKeptOnTheScreen() {
        const QRect screen(0, 0, 1000, 800);
        const struct { QSize size; QRect over; QRect placed; } cases[] = {
            {{200, 100}, {400, 300, 200, 200}, {400, 350, 200, 100}},  // centred
            {{200, 100}, {900, 700, 100, 100}, {800, 700, 200, 100}},  // pushed back from the right and bottom
            {{200, 100}, {-50, -50, 100, 100}, {0, 0, 200, 100}},      // and from the left and top
            {{1200, 900}, {0, 0, 100, 100}, {0, 0, 1200, 900}},        // larger than the screen: top-left
        };
        for (const auto& c : cases) QCOMPARE(CentredOver(c.size, c.over, screen), c.placed);
    }

    void messageOpensOverTheChildWindow() {
        QMainWindow frame;
        auto* area = new QMdiArea;
        frame.setCentralWidget(area);
        auto* content = new QLineEdit;
        content->setMinimumSize(180, 120);
        QMdiSubWindow* child = area->addSubWindow(content);
        frame.setGeometry(0, 0, 780, 580);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        child->setGeometry(area->viewport()->width() - 230, area->viewport()->height() - 170, 220, 160);
        child->show();
        const QRect childOnScreen(child->mapToGlobal(QPoint(0, 0)), child->size());
        QCOMPARE(VisibleWindowRect(content), childOnScreen);

        QtDialogs real;
        QRect shown;
        QTimer closer;
        closer.setInterval(20);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal) return;
            closer.stop();
            shown = modal->geometry();
            modal->accept();
        });
        closer.start();
        static_cast<Dialogs&>(real).Message(content, QStringLiteral("您已经中止计算,无法确定结果总数!"),
                                            QStringLiteral("Numora"), MessageIcon::Information);
        QVERIFY(shown.isValid());
        // Over the child window, as far as the screen lets it, not in the
        // middle of the frame.
        QVERIFY2(childOnScreen.contains(shown.center()) || shown.right() >= frame.screen()->availableGeometry().right(),
                 qPrintable(QStringLiteral("%1,%2").arg(shown.center().x()).arg(shown.center().y())));
        QVERIFY(!shown.contains(frame.geometry().center()) || childOnScreen.contains(frame.geometry().center()));
    }
};

NUMORA_QTEST_MAIN(DialogPlaceTest)
#include "DialogPlaceTest.moc"
