// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The application's table of windows with the real frame: every toggle
// command opens its own window class, under its name, with both marks set;
// closing it from the frame clears them and stores its place, also while
// its command runs; the simple calculator command asks for a formula.
#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "ChildWindowTable.h"
#include "Fakes.h"
#include "FrameCommands.h"
#include "QtTestMain.h"
#include "Standard.h"

using namespace numora;
using numora::testing::FakeServices;

class ChildWindowTableTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowOpensAndUnloads() {
        QStringList names;
        for (const ChildWindowRow& row : ChildWindowTable()) {
            const QString name = QLatin1String(row.name);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names << name;
            FakeServices fake;
            MainFrame frame(fake.services);
            FurnishFrame(frame);
            frame.show();
            const MarkedCommand* marks = FindMarkedCommand(row.command);
            QVERIFY(marks && marks->positionPrefix);
            QAction* menu = frame.menuItem(QLatin1String(marks->menuItem));
            QAction* right = frame.menuItem(QLatin1String(marks->rightItem));
            menu->trigger();
            QWidget* child = frame.child(name);
            QVERIFY2(child, qPrintable(name));
            QCOMPARE(child->objectName(), name);
            QCOMPARE(QString::fromLatin1(child->metaObject()->className()), QStringLiteral("numora::") + name);
            QVERIFY(menu->isChecked() && right->isChecked());
            QVERIFY(frame.unloadChild(name));
            QVERIFY(!menu->isChecked() && !right->isChecked());
            QVERIFY(fake.settings.contains(QStringLiteral("Settings"), QLatin1String(marks->positionPrefix) + "Left"));
        }
        QCOMPARE(names.size(), 7);
    }

    // Closing the window from the frame while its command runs ends the
    // command, unloads the window and stores its place.
    void closedWhileItsCommandRuns() {
        FakeServices fake;
        MainFrame frame(fake.services);
        FurnishFrame(frame);
        frame.runToolbarKey(QStringLiteral("Standard"));
        auto* standard = qobject_cast<Standard*>(frame.child(QStringLiteral("Standard")));
        QVERIFY(standard);
        standard->selectTab(QStringLiteral("Large"));
        standard->findChild<QRadioButton*>(QStringLiteral("LargeOption5"))->setChecked(true);
        standard->findChild<QLineEdit*>(QStringLiteral("LargeText1"))->setText(QStringLiteral("2"));
        standard->findChild<QLineEdit*>(QStringLiteral("LargeText2"))->setText(QStringLiteral("1000"));
        QPointer<Standard> guard(standard);
        QTimer::singleShot(0, &frame, [&] { frame.unloadChild(QStringLiteral("Standard")); });
        standard->findChild<QPushButton*>(QStringLiteral("Largecmd1"))->click();
        QTRY_VERIFY(!guard);
        QVERIFY(!frame.menuItem(QStringLiteral("mnuProgramRunStandard"))->isChecked());
        QVERIFY(fake.settings.contains(QStringLiteral("Settings"), QStringLiteral("StandardLeft")));
    }

    void simpleCalculatorAsksForAFormula() {
        FakeServices fake;
        MainFrame frame(fake.services);
        FurnishFrame(frame);
        fake.dialogs.inputs.push_back(QStringLiteral("2*3"));
        frame.menuItem(QStringLiteral("mnuRightRunSimple"))->trigger();
        QCOMPARE(fake.dialogs.inputTitles, QStringList{QString::fromUtf8("简易计算器")});
        QCOMPARE(fake.clipboard.text, QStringLiteral("6"));
    }
};

NUMORA_QTEST_MAIN(ChildWindowTableTest)
#include "ChildWindowTableTest.moc"
