// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "Fakes.h"
#include "FieldLimit.h"
#include "HistoryInputDialog.h"
#include "QtTestMain.h"

using namespace numora;
using numora::testing::FakeDialogs;

class HistoryInputDialogTest : public QObject {
    Q_OBJECT

    InputHistory History(int* cleared) {
        return {{"1+1", "1/4", "8/0"}, {"1+1 = 2", "1/4 = .25", QString::fromUtf8("8/0 = 表达式错误")},
                [cleared] { ++*cleared; }};
    }

private slots:
    // Up walks to older entries, Down back to newer ones and at last to what
    // was being typed; typing starts the walk over.
    void upAndDownWalkTheEntries() {
        int cleared = 0;
        HistoryInputDialog box(nullptr, "prompt", "title", "0", History(&cleared));
        box.show();
        QApplication::setActiveWindow(&box);
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QLineEdit* edit = box.field()->lineEdit();
        QCOMPARE(QApplication::focusWidget(), box.field());  // where the keys go
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QCOMPARE(edit->selectedText(), QStringLiteral("0"));  // typing replaces the default
        QTest::keyClicks(box.field(), "2*");
        const struct {
            Qt::Key key;
            const char* text;
        } steps[] = {
            {Qt::Key_Up, "1+1"}, {Qt::Key_Up, "1/4"}, {Qt::Key_Up, "8/0"}, {Qt::Key_Up, "8/0"},
            {Qt::Key_Down, "1/4"}, {Qt::Key_Down, "1+1"}, {Qt::Key_Down, "2*"}, {Qt::Key_Down, "2*"},
            {Qt::Key_Up, "1+1"},
        };
        for (const auto& step : steps) {
            QTest::keyClick(box.field(), step.key);
            QCOMPARE(edit->text(), QString::fromUtf8(step.text));
        }
        QTest::keyClicks(box.field(), "0");  // an edited entry is the new draft
        QTest::keyClick(box.field(), Qt::Key_Up);
        QCOMPARE(edit->text(), QStringLiteral("1+1"));
        QTest::keyClick(box.field(), Qt::Key_Down);
        QCOMPARE(edit->text(), QStringLiteral("1+10"));
        QTest::keyClick(box.field(), Qt::Key_Return);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.text(), QStringLiteral("1+10"));
    }

    // The drop-down shows "formula = result"; choosing puts the formula in.
    void dropDownPutsTheFormulaInTheField() {
        int cleared = 0;
        HistoryInputDialog box(nullptr, "prompt", "title", "0", History(&cleared));
        QComboBox* field = box.field();
        QCOMPARE(field->count(), 3);
        QCOMPARE(field->itemText(2), QString::fromUtf8("8/0 = 表达式错误"));
        QVERIFY(!field->completer());  // typing "1" must not complete to "1+1 = 2"
        field->setCurrentIndex(1);
        emit field->activated(1);
        QCOMPARE(box.text(), QStringLiteral("1/4"));
        QTest::keyClick(field, Qt::Key_Up);  // the walk goes on from the chosen entry
        QCOMPARE(box.text(), QStringLiteral("8/0"));
    }

    void clearForgetsEverythingButTheTypedText() {
        int cleared = 0;
        HistoryInputDialog box(nullptr, "prompt", "title", "5+5", History(&cleared));
        QVERIFY(box.clearButton()->isEnabled());
        box.clearButton()->click();
        QCOMPARE(cleared, 1);
        QCOMPARE(box.field()->count(), 0);
        QCOMPARE(box.text(), QStringLiteral("5+5"));
        QVERIFY(!box.clearButton()->isEnabled());
        QTest::keyClick(box.field(), Qt::Key_Up);
        QCOMPARE(box.text(), QStringLiteral("5+5"));

        HistoryInputDialog empty(nullptr, "prompt", "title", "0", {});
        QVERIFY(!empty.clearButton()->isEnabled());
    }

    void controlsHaveNamesAndHints() {
        int cleared = 0;
        HistoryInputDialog box(nullptr, "prompt", "title", "0", History(&cleared));
        for (const char* name : {"HistoryInputBox", "HistoryInputClear", "HistoryInputOk", "HistoryInputCancel"}) {
            QWidget* control = box.findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(control, name);
            QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(), name);
            QVERIFY2(!control->accessibleDescription().isEmpty() && !control->toolTip().isEmpty(), name);
        }
    }

    // A formula is never cut: a paste longer than the field's 32767
    // characters is refused whole with the message of every field, and the
    // tool tip states the limit.
    void overlongPasteIsRefused() {
        int cleared = 0;
        FakeDialogs dialogs;
        HistoryInputDialog box(nullptr, "prompt", "title", "0", History(&cleared), &dialogs);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.field()->toolTip().contains(QStringLiteral("32767")));
        QLineEdit* edit = box.field()->lineEdit();
        const struct {
            QString paste;
            bool fits;
        } rows[] = {
            {QStringLiteral("1") + QStringLiteral("+0").repeated(16383) + QStringLiteral("+1000"), false},  // 1001, not 1
            {QStringLiteral("1") + QStringLiteral("+0").repeated(16383), true},                            // 32767
        };
        for (const auto& row : rows) {
            edit->selectAll();
            dialogs.messages.clear();
            QApplication::clipboard()->setText(row.paste);
            edit->paste();
            QCoreApplication::processEvents();
            QCOMPARE(edit->text(), row.fits ? row.paste : QStringLiteral("0"));
            QCOMPARE(dialogs.messages.size(), row.fits ? 0 : 1);
            if (!row.fits) QCOMPARE(dialogs.messages[0].text, OverlongInputMessage(HistoryInputDialog::kMaxLength));
        }
    }
};

NUMORA_QTEST_MAIN(HistoryInputDialogTest)
#include "HistoryInputDialogTest.moc"
