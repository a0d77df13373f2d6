// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main of every Qt Test executable. A window test that crashes or
// aborts (a failed sanitizer check included) ends its process at once with a
// failure:
// - the test library's crash handler is off (-nocrashhandler), so it can
//   neither attach a debugger for a stack trace and wait on it, nor, with
//   several test classes in one process, chain to itself and loop;
// - QTEST_DISABLE_STACK_DUMP=1 as a second guard, for a crash handler
//   switched back on by hand;
// - a test function that hangs fails after QTEST_FUNCTION_TIMEOUT
//   (60 s unless the environment says otherwise) instead of waiting for the
//   test runner's timeout.
#pragma once

#include <QApplication>
#include <QObject>
#include <QStringList>
#include <QTest>

namespace numora::testing {

inline void PrepareQtTestProcess() {
    qputenv("QTEST_DISABLE_STACK_DUMP", "1");
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT")) qputenv("QTEST_FUNCTION_TIMEOUT", "60000");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The command line with the crash handler switched off.
inline QStringList QtTestArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (!arguments.contains(QStringLiteral("-nocrashhandler"))) arguments.insert(1, QStringLiteral("-nocrashhandler"));
    return arguments;
}

}  // namespace numora::testing

// QTEST_MAIN, without the crash handler.
#define NUMORA_QTEST_MAIN(TestClass)                                                   \
    int main(int argc, char** argv) {                                                  \
        ::numora::testing::PrepareQtTestProcess();                                      \
        QApplication app(argc, argv);                                                   \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                        \
        TestClass test;                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                      \
        return QTest::qExec(&test, ::numora::testing::QtTestArguments(argc, argv));     \
    }
