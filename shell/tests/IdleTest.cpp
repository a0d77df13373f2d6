// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the running program does while the user does nothing: the clock's
// tick repaints its two panels and lays out nothing (a new text used to
// re-lay out and repaint the whole status bar every second), the service
// window's title cycle and the heartbeat neither lay out nor paint.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QSet>
#include <QStatusBar>
#include <QTest>

#include "Fakes.h"
#include "MainFrame.h"
#include "Messages.h"
#include "ShellTest.h"

using namespace numora;
using numora::testing::FakeServices;

namespace {

// Counts the layout passes and repaints anywhere in the application.
class Work final : public QObject {
public:
    Work() { qApp->installEventFilter(this); }
    ~Work() override { qApp->removeEventFilter(this); }
    int layouts = 0;
    QSet<QString> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) ++layouts;
        if (event->type() == QEvent::Paint) painted.insert(watched->objectName());
        return false;
    }
};

// What the events already posted do: layouts and repaints.
void FinishPostedWork() {
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents();
}

}  // namespace

class IdleTest : public QObject {
    Q_OBJECT

private slots:
    void clockTickRepaintsItsPanelsOnly();
    void titleCycleAndHeartbeatDoNoWindowWork();
};

void IdleTest::clockTickRepaintsItsPanelsOnly() {
    FakeServices fake;
    MainFrame frame(fake.services);
    frame.setFrameStateCode(0);
    frame.resize(800, 600);
    auto* time = frame.statusBar()->findChild<QLabel*>("Timer");
    auto* date = frame.statusBar()->findChild<QLabel*>("Date");
    {
        Work first;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_VERIFY(first.painted.contains("Timer") && first.painted.contains("Date"));  // the first paint
        FinishPostedWork();
    }
    const QSize timeSize = time->size(), dateSize = date->size();
    const QString before = time->text();
    Work work;
    QTRY_VERIFY_WITH_TIMEOUT(time->text() != before, 3000);  // one tick at least
    QTRY_VERIFY(work.painted.contains("Timer"));
    FinishPostedWork();
    QCOMPARE(work.layouts, 0);
    work.painted -= QSet<QString>{"Timer", "Date"};
    QCOMPARE(work.painted, QSet<QString>{});
    QCOMPARE(time->size(), timeSize);
    QCOMPARE(date->size(), dateSize);
    // Sized for the widest digits: every time of day fits.
    for (const QString& sample : {QStringLiteral("00:00:00"), QStringLiteral("88:88:88"), QStringLiteral("11:11:11")})
        QVERIFY2(time->fontMetrics().horizontalAdvance(sample) <= time->contentsRect().width(), qPrintable(sample));
}

void IdleTest::titleCycleAndHeartbeatDoNoWindowWork() {
    FakeServices fake;
    MainFrame frame(fake.services);
    frame.show();
    Messages messages(fake.services, frame);
    {
        Work first;
        messages.show();
        QVERIFY(QTest::qWaitForWindowExposed(&messages));
        QTRY_VERIFY(!first.painted.isEmpty());  // the first paint
        FinishPostedWork();
    }
    Work work;
    const int title = messages.windowTitle().size();
    QTRY_VERIFY_WITH_TIMEOUT(messages.windowTitle().size() != title, 2000);
    frame.heartbeat();
    FinishPostedWork();
    QCOMPARE(work.layouts, 0);
    work.painted -= QSet<QString>{"Timer", "Date"};  // the clock may tick meanwhile
    QCOMPARE(work.painted, QSet<QString>{});
}

NUMORA_SHELL_TEST(IdleTest);

#include "IdleTest.moc"
