// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results that belong to earlier input: every frame of every calculator
// window, as its frame table lists it, shows its results as stale once an
// input changes after a computation, keeps their values, and shows them as
// current again when the frame computes. A refused command leaves them
// stale too.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGraphicsEffect>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ChemFrames.h"
#include "Desk.h"
#include "FormHelpers.h"
#include "MathsFrames.h"
#include "QtTestMain.h"
#include "ScientificFrames.h"
#include "StaleResults.h"
#include "StandardFrames.h"
#include "Utf8.h"

using namespace numora;
using numora::testing::Desk;

namespace {

struct WindowFrames {
    const char* window;
    std::span<const ResultFrame> frames;
};

const WindowFrames kWindows[] = {
    {standard::kWindow, standard::kFrames},
    {scientific::kWindow, scientific::kFrames},
    {maths::kWindow, maths::kFrames},
    {chem::kWindow, chem::kFrames},
};

QString Content(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) return plain->toPlainText();
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) return QString::number(view->model()->rowCount());
    return {};
}

// What a command does to a result: writes it through the outcome's writer,
// or fills a list.
void Compute(QWidget* root, QWidget* result) {
    if (auto* list = qobject_cast<QListWidget*>(result))
        list->addItem(QStringLiteral("7"));
    else if (qobject_cast<QAbstractItemView*>(result))
        ResultCurrent(result);  // a list of a model of its own: its command fills it (factorListGoesStale)
    else
        SetFieldText(root, result->objectName(), QStringLiteral("12"));
}

// The user changes an input: types into a field, picks another option,
// adds to a list.
bool Change(QWidget* input) {
    if (auto* line = qobject_cast<QLineEdit*>(input)) {
        if (line->isReadOnly() || !line->isEnabled()) return false;  // a box the mode locks
        line->setFocus();
        line->end(false);
        QTest::keyClick(line, Qt::Key_5);
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(input)) {
        if (button->isChecked() || !button->isEnabled()) return false;
        button->click();
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(input)) {
        list->addItem(QStringLiteral("3"));
        return true;
    }
    return false;
}

}  // namespace

class ResultFramesTest : public QObject {
    Q_OBJECT

private slots:
    void everyFrameOfEveryWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("input");
        for (const WindowFrames& w : kWindows)
            for (std::size_t f = 0; f < w.frames.size(); ++f)
                for (std::size_t i = 0; i < w.frames[f].inputs.size(); ++i)
                    QTest::addRow("%s/%s/%s", w.window, w.frames[f].frame, w.frames[f].inputs[i])
                        << QString::fromLatin1(w.window) << int(f) << int(i);
    }
    void everyFrameOfEveryWindow() {
        QFETCH(QString, window);
        QFETCH(int, frame);
        QFETCH(int, input);
        Desk desk(QSize(1280, 900));
        QWidget* root = desk.open(window);
        QVERIFY(root);
        const ResultFrame* row = nullptr;
        for (const WindowFrames& w : kWindows)
            if (window == QLatin1String(w.window)) row = &w.frames[static_cast<std::size_t>(frame)];
        QList<QWidget*> results;
        for (const char* name : row->results) {
            QWidget* w = root->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(w, name);
            results << w;
        }
        QWidget* in = root->findChild<QWidget*>(QLatin1String(row->inputs[static_cast<std::size_t>(input)]));
        QVERIFY2(in, row->inputs[static_cast<std::size_t>(input)]);

        // Before anything was computed, a change marks nothing.
        if (auto* line = qobject_cast<QLineEdit*>(in)) Change(line);
        for (QWidget* r : results) QVERIFY2(!IsStale(r), qPrintable(r->objectName()));

        for (QWidget* r : results) Compute(root, r);
        QStringList before;
        for (QWidget* r : results) before << Content(r);
        if (!Change(in)) QSKIP("an option already chosen, or not usable in this mode");
        const QString stale = U(kStaleResultText);
        for (QWidget* r : results) {
            const QString name = r->objectName();
            if (Content(r).isEmpty() || Content(r) == QLatin1String("0")) {
                // An empty list (its model fills only from its command) shows nothing stale.
                QVERIFY2(!IsStale(r), qPrintable(name));
                continue;
            }
            QVERIFY2(IsStale(r), qPrintable(name));
            QCOMPARE(r->toolTip(), stale);
            QCOMPARE(r->accessibleDescription(), stale);
            QVERIFY2(r->graphicsEffect(), qPrintable(name + " not dimmed"));
        }
        // The values stay.
        QStringList after;
        for (QWidget* r : results) after << Content(r);
        QCOMPARE(after, before);

        // The frame computes again: the same text, and still current.
        Compute(root, results.front());
        for (QWidget* r : results) {
            QVERIFY2(!IsStale(r), qPrintable(r->objectName()));
            QVERIFY(r->toolTip() != stale);
            QVERIFY(r->accessibleDescription() != stale);
            QVERIFY(!r->graphicsEffect());
        }
    }

    // The case: 7.5 ÷ 2, then the divisor 0 refused with Enter.
    void refusedDivisionLeavesItsResultsStale() {
        Desk desk(QSize(1280, 900));
        QWidget* root = desk.open(QLatin1String(standard::kWindow));
        auto* dividend = root->findChild<QLineEdit*>(QLatin1String(standard::kDividend));
        auto* divisor = root->findChild<QLineEdit*>(QLatin1String(standard::kDivisor));
        auto* quotient = root->findChild<QLineEdit*>(QLatin1String(standard::kQuotient));
        auto* button = root->findChild<QPushButton*>(QLatin1String(standard::kDivideButton));
        dividend->setText(QStringLiteral("7.5"));
        divisor->setText(QStringLiteral("2"));
        button->click();
        QCOMPARE(quotient->text(), QStringLiteral("3.75"));
        QVERIFY(!IsStale(quotient));

        divisor->setFocus();
        divisor->selectAll();
        QTest::keyClick(divisor, Qt::Key_0);
        QTest::keyClick(divisor, Qt::Key_Return);
        QCOMPARE(desk.fakes.dialogs.messages.size(), 1);
        QCOMPARE(quotient->text(), QStringLiteral("3.75"));
        for (const char* name : {standard::kQuotient, standard::kIntegerQuotient, standard::kRemainder})
            QVERIFY2(IsStale(root->findChild<QWidget*>(QLatin1String(name))), name);

        // Computed again (to the same texts): current again.
        divisor->setText(QStringLiteral("2"));
        button->click();
        QVERIFY(!IsStale(quotient));
        QCOMPARE(quotient->text(), QStringLiteral("3.75"));
    }

    // A list a job fills: the factors of 12, then another number typed.
    void factorListGoesStale() {
        Desk desk(QSize(1280, 900));
        QWidget* root = desk.open(QLatin1String(scientific::kWindow));
        auto* input = root->findChild<QLineEdit*>(QLatin1String(scientific::kFactorInput));
        auto* list = root->findChild<QAbstractItemView*>(QLatin1String(scientific::kFactorList));
        auto* count = root->findChild<QLineEdit*>(QLatin1String(scientific::kFactorCount));
        input->setText(QStringLiteral("12"));
        root->findChild<QPushButton*>(QLatin1String(scientific::kFactorButton))->click();
        QTRY_COMPARE(list->model()->rowCount(), 3);
        QTRY_COMPARE(count->text(), QStringLiteral("3"));
        QVERIFY(!IsStale(list));
        input->setFocus();
        QTest::keyClick(input, Qt::Key_7);
        QVERIFY(IsStale(list));
        QVERIFY(IsStale(count));
        QCOMPARE(list->model()->rowCount(), 3);
        root->findChild<QPushButton*>(QLatin1String(scientific::kFactorButton))->click();
        QTRY_VERIFY(!IsStale(list));
        QTRY_VERIFY(!IsStale(count));
    }

    // The exact line goes stale with the roots it belongs to.
    void exactLineGoesStaleWithItsRoots() {
        Desk desk(QSize(1280, 900));
        QWidget* root = desk.open(QLatin1String(maths::kWindow));
        const char* values[] = {"1", "-3", "1"};
        for (std::size_t i = 0; i < maths::kQuadraticBoxes.size(); ++i)
            root->findChild<QLineEdit*>(QLatin1String(maths::kQuadraticBoxes[i]))->setText(QString::fromLatin1(values[i]));
        root->findChild<QPushButton*>(QLatin1String(maths::kQuadraticButton))->click();
        auto* exact = root->findChild<QLineEdit*>(QLatin1String(maths::kQuadraticExact));
        auto* x1 = root->findChild<QLineEdit*>(QLatin1String(maths::kQuadraticX1));
        QCOMPARE(exact->text(), U("精确值: x1 = (3+√5)/2, x2 = (3-√5)/2"));
        QVERIFY(!IsStale(exact));
        auto* c = root->findChild<QLineEdit*>(QLatin1String(maths::kQuadraticBoxes[2]));
        c->setFocus();
        c->end(false);
        QTest::keyClick(c, Qt::Key_0);  // c = 10: no real roots any more
        QVERIFY(IsStale(exact));
        QVERIFY(IsStale(x1));
        QCOMPARE(exact->text(), U("精确值: x1 = (3+√5)/2, x2 = (3-√5)/2"));
        root->findChild<QPushButton*>(QLatin1String(maths::kQuadraticButton))->click();
        QVERIFY(!desk.fakes.dialogs.messages.isEmpty());
        QVERIFY(exact->text().isEmpty());  // no exact form beside a refusal
    }

    // A command that is refused without any edit before it (the quick
    // page's one result after another operation) shows it stale.
    void refusalWithoutEdit() {
        Desk desk(QSize(1280, 900));
        QWidget* root = desk.open(QLatin1String(standard::kWindow));
        auto* first = root->findChild<QLineEdit*>(QLatin1String(standard::kQuickFirst));
        auto* second = root->findChild<QLineEdit*>(QLatin1String(standard::kQuickSecond));
        auto* result = root->findChild<QLineEdit*>(QLatin1String(standard::kQuickResult));
        first->setText(QStringLiteral("-8"));
        second->setText(QStringLiteral("3"));
        root->findChild<QPushButton*>(QLatin1String(standard::kQuickButtons[0].control))->click();  // 加法
        QCOMPARE(result->text(), QStringLiteral("-5"));
        QVERIFY(!IsStale(result));
        second->setText(QStringLiteral("0"));
        root->findChild<QPushButton*>(QLatin1String(standard::kQuickButtons[3].control))->click();  // 除法 by 0
        QVERIFY(!desk.fakes.dialogs.messages.isEmpty());
        QCOMPARE(result->text(), QStringLiteral("-5"));
        QVERIFY(IsStale(result));
    }
};

NUMORA_QTEST_MAIN(ResultFramesTest)
#include "ResultFramesTest.moc"
