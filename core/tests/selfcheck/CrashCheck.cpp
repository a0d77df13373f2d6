// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window-test executable that crashes on purpose: two Qt Test classes in
// one process, the second aborting, as a failed sanitizer check does. The
// test runner checks that it ends within seconds with a failure and without
// a debugger attaching (crash-ends.sh).
#include <QTest>
#include <cstdlib>

#include "QtTestMain.h"

class FirstClassPasses : public QObject {
    Q_OBJECT
private slots:
    void passes() { QVERIFY(true); }
};

class SecondClassAborts : public QObject {
    Q_OBJECT
private slots:
    void aborts() { std::abort(); }
};

int main(int argc, char** argv) {
    numora::testing::PrepareQtTestProcess();
    QApplication app(argc, argv);
    const QStringList arguments = numora::testing::QtTestArguments(argc, argv);
    int failed = 0;
    FirstClassPasses first;
    failed += QTest::qExec(&first, arguments);
    SecondClassAborts second;
    failed += QTest::qExec(&second, arguments);
    return failed == 0 ? 0 : 1;
}

#include "CrashCheck.moc"
