// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "FormHelpers.h"
#include "QtTestMain.h"

using namespace numora;

class FormHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void selectAllSelectsEverything() {
        QLineEdit field("12345");
        SelectAllText(&field);
        QCOMPARE(field.selectedText(), QString("12345"));
        QLineEdit empty;
        SelectAllText(&empty);
        QCOMPARE(empty.selectedText(), QString());
        QCOMPARE(empty.cursorPosition(), 0);
    }

    void focusByTabAndByClickSelectsAll() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new QLineEdit("abc");
        auto* second = new QLineEdit("3.14159");
        layout->addWidget(first);
        layout->addWidget(second);
        SelectAllOnFocus(first);
        SelectAllOnFocus(second);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        first->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(first->selectedText(), QString("abc"));

        // A click in the middle of the text still ends with everything selected.
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(second->width() / 2, second->height() / 2));
        QTRY_VERIFY(second->hasFocus());
        QTRY_COMPARE(second->selectedText(), QString("3.14159"));
        QTest::keyClick(second, Qt::Key_7);
        QCOMPARE(second->text(), QString("7"));
    }

    void shapeCutsTheCorners() {
        QWidget window;
        window.resize(400, 300);
        ShapeWindow(&window);
        const QRegion mask = window.mask();
        QVERIFY(!mask.contains(QPoint(1, 1)));      // round top-left corner
        QVERIFY(!mask.contains(QPoint(398, 1)));    // round top-right corner
        QVERIFY(!mask.contains(QPoint(1, 298)));    // round bottom-left corner
        QVERIFY(mask.contains(QPoint(397, 297)));   // small bottom-right corner keeps this
        QVERIFY(!mask.contains(QPoint(399, 299)));
        QVERIFY(mask.contains(QPoint(200, 150)));
        QVERIFY(mask.contains(QPoint(0, 150)));
        QVERIFY(mask.contains(QPoint(200, 0)));
    }

    void hintsFollowTheMouse() {
        QWidget window;
        auto* field = new QLineEdit(&window);
        field->setObjectName("CommonAddText1");
        auto* other = new QLineEdit(&window);
        other->setObjectName("Unlisted");
        QString shown;
        HintFilter filter({{"CommonAddText1", QString::fromUtf8("输入加数")}},
                          [&shown](const QString& t) { shown = t; });
        filter.installOn(&window);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(other, &enter);
        QCOMPARE(shown, QString());
        QApplication::sendEvent(field, &enter);
        QCOMPARE(shown, QString::fromUtf8("输入加数"));
    }

    void tooltipFollowsText() {
        QLineEdit result("1");
        TooltipFollowsText(&result);
        QCOMPARE(result.toolTip(), QString("1"));
        result.setText("0.5");
        QCOMPARE(result.toolTip(), QString("0.5"));
    }
};

NUMORA_QTEST_MAIN(FormHelpersTest)
#include "FormHelpersTest.moc"
