// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs every registered shell test class on the offscreen platform, with a
// private runtime and configuration folder so no test touches the user's.
// The test library's crash handler stays off (see QtTestMain.h): with several
// classes in one process it could chain to itself, so one abort would loop
// until the test runner kills the process.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <vector>

#include "QtTestMain.h"
#include "ShellTest.h"

namespace numora::testing {

static std::vector<ShellTestFactory>& Registry() {
    static std::vector<ShellTestFactory> tests;
    return tests;
}

int RegisterShellTest(ShellTestFactory factory) {
    Registry().push_back(factory);
    return static_cast<int>(Registry().size());
}

}  // namespace numora::testing

int main(int argc, char** argv) {
    numora::testing::PrepareQtTestProcess();
    QByteArray folder = QDir::tempPath().toLocal8Bit() + "/numora-shell-tests-XXXXXX";
    if (!mkdtemp(folder.data())) return 1;
    chmod(folder.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", folder);
    qputenv("XDG_CONFIG_HOME", folder + "/config");

    int failed = 0;
    {
        QApplication app(argc, argv);
        const QStringList arguments = numora::testing::QtTestArguments(argc, argv);
        for (auto factory : numora::testing::Registry()) {
            std::unique_ptr<QObject> test(factory());
            failed += QTest::qExec(test.get(), arguments);
        }
    }
    QDir(QString::fromLocal8Bit(folder)).removeRecursively();
    return failed == 0 ? 0 : 1;
}
