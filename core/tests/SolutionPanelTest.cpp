// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The solution panel and the exact line through their real widgets, with
// fake dialogs and clipboard.
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "Accessibility.h"
#include "ExactLine.h"
#include "Fakes.h"
#include "FormHelpers.h"
#include "ListExport.h"
#include "QtTestMain.h"
#include "SolutionPanel.h"
#include "Utf8.h"

using namespace numora;
using namespace numora::testing;

namespace {

constexpr SolutionPanelControls kNames = {"TestPanel", "TestPanelList1", "TestPanelcmd1",
                                          "TestPanelcmd2", "TestPanelcmd3", "TestPanelcmd4"};

WorkedSolution Steps(std::vector<std::string> lines) { return {std::move(lines), std::nullopt}; }

QStringList g_told;
void Told(QWidget* field, const QString& text) { g_told << field->objectName() + QLatin1Char('=') + text; }

}  // namespace

class SolutionPanelTest : public QObject {
    Q_OBJECT

    FakeServices* fakes = nullptr;
    QWidget* window = nullptr;
    QPushButton* button = nullptr;
    QLineEdit* exact = nullptr;
    SolutionPanel* panel = nullptr;

    QPushButton* panelButton(const char* name) { return panel->findChild<QPushButton*>(QLatin1String(name)); }

private slots:
    void init() {
        fakes = new FakeServices;
        window = new QWidget;
        window->setObjectName(QStringLiteral("TestWindow"));
        panel = new SolutionPanel(window, fakes->services, kNames);
        auto* layout = new QVBoxLayout(window);
        button = new QPushButton(U("解题过程"));
        layout->addWidget(button);
        exact = ExactLine(QStringLiteral("TestExact"));
        layout->addWidget(exact);
        AccessibleTable table{{QStringLiteral("TestExact"), U("测试 精确值"), {}}};
        AddSolutionPanelRows(table, kNames);
        QCOMPARE(ApplyAccessibility(window, table), QStringList());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        g_told.clear();
        SetAnnouncementListener(Told);
    }
    void cleanup() {
        SetAnnouncementListener(nullptr);
        delete window;
        delete fakes;
    }

    // The steps one a line, the first one focused; shown again with new
    // steps, the panel holds only those.
    void showsTheStepsOneALine() {
        QVERIFY(!panel->isVisible());
        QVERIFY(panel->present(U("开方运算"), Steps({"√72 = √(36×2)", "= 6√2"}), button));
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->windowTitle(), U("解题过程 - 开方运算"));
        QCOMPARE(panel->lines(), (QStringList{U("√72 = √(36×2)"), U("= 6√2")}));
        QCOMPARE(panel->list()->currentRow(), 0);
        QVERIFY(panel->present(U("开方运算"), Steps({"√8 = 2√2"}), button));
        QCOMPARE(panel->lines(), QStringList{U("√8 = 2√2")});
        // A screen reader is told the steps as a result list.
        QTRY_VERIFY(g_told.contains(QStringLiteral("TestPanelList1=") + U("共 1 项，√8 = 2√2")));
        QCOMPARE(panel->list()->accessibleName(), U("解题过程 步骤"));
    }

    // Refused before any step: the command's message through the dialogs,
    // the panel as it was. A working that ends with the message shows its
    // steps and no message box.
    void refusalShowsTheCommandsMessage() {
        WorkedSolution refused = WorkedSolution::Refusal(Message{"输入不能为空", "Numora错误报告", MessageIcon::Exclamation});
        QVERIFY(!panel->present(U("开方运算"), refused, button));
        QVERIFY(!panel->isVisible());
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, U("输入不能为空"));
        QCOMPARE(fakes->dialogs.messages[0].title, U("Numora错误报告"));
        QCOMPARE(fakes->dialogs.messages[0].icon, MessageIcon::Exclamation);

        WorkedSolution ended{{"Δ = -3 < 0", "方程无实数根"}, Message{"方程无实数根", "Numora错误报告", MessageIcon::Exclamation}};
        QVERIFY(panel->present(U("一元二次方程"), ended, button));
        QCOMPARE(panel->lines().last(), U("方程无实数根"));
        QCOMPARE(fakes->dialogs.messages.size(), 1);
    }

    // 全部复制 takes every step, 复制 the selected ones (disabled without a
    // selection); Esc closes the panel and gives the focus back.
    void copiesAndClosesWithEscape() {
        panel->present(U("分解质因数"), Steps({"360 ÷ 2 = 180", "180 ÷ 2 = 90", "360 = 2³×3²×5"}), button);
        QTest::mouseClick(panelButton(kNames.copyAll), Qt::LeftButton);
        QTRY_COMPARE(fakes->clipboard.text, U("360 ÷ 2 = 180\n180 ÷ 2 = 90\n360 = 2³×3²×5"));
        panel->list()->clearSelection();
        QVERIFY(!panelButton(kNames.copy)->isEnabled());
        panel->list()->item(2)->setSelected(true);
        QVERIFY(panelButton(kNames.copy)->isEnabled());
        QTest::mouseClick(panelButton(kNames.copy), Qt::LeftButton);
        QTRY_COMPARE(fakes->clipboard.text, U("360 = 2³×3²×5"));

        QTest::keyClick(panel->list(), Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QTRY_COMPARE(window->focusWidget(), static_cast<QWidget*>(button));
        // The panel goes with its window.
        panel->present(U("分解质因数"), Steps({"7是质数"}), button);
        window->close();
        QVERIFY(!panel->isVisible());
    }

    // Saving writes the steps as UTF-8, one a line; a failure says why.
    void savesTheSteps() {
        QTemporaryDir dir;
        panel->present(U("开方运算"), Steps({"√72 = √(36×2)", "= 6√2"}), button);
        fakes->dialogs.saveFiles.push_back(dir.filePath(QStringLiteral("missing/steps.txt")));
        fakes->dialogs.saveFiles.push_back(dir.filePath(QStringLiteral("steps.txt")));
        QTest::mouseClick(panelButton(kNames.save), Qt::LeftButton);
        QTRY_VERIFY(!panel->exporter()->busy());
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("steps.txt"))));
        QCOMPARE(fakes->dialogs.saveSuggestions.first().section(QLatin1Char('/'), -1), U("解题过程.txt"));
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QVERIFY(fakes->dialogs.messages[0].text.contains(U("文件夹不存在")));
        QFile file(dir.filePath(QStringLiteral("steps.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), U("√72 = √(36×2)\n= 6√2\n"));
    }

    // The exact line is hidden while empty and told with the results.
    void exactLineShowsOnlyAForm() {
        QVERIFY(exact->isHidden());
        QVERIFY(exact->isReadOnly());
        SetFieldText(window, QStringLiteral("TestExact"), U("精确值: 2√2"));
        QVERIFY(exact->isVisible());
        QCOMPARE(exact->toolTip(), U("精确值: 2√2"));
        QTRY_VERIFY(g_told.contains(QStringLiteral("TestExact=") + U("精确值: 2√2")));
        SetFieldText(window, QStringLiteral("TestExact"), QString());
        QVERIFY(exact->isHidden());

        const Outcome solved = WithExactLine(Outcome().Write("R", "2.82842712474619"), "TestExact",
                                             ExactForms{{{"R", "2√2"}}, "精确值: 2√2"});
        QCOMPARE(solved.Field("TestExact"), std::optional<std::string>("精确值: 2√2"));
        QCOMPARE(WithExactLine(Outcome::Error("x"), "TestExact", std::nullopt).Field("TestExact"),
                 std::optional<std::string>(""));
    }
};

NUMORA_QTEST_MAIN(SolutionPanelTest)
#include "SolutionPanelTest.moc"
