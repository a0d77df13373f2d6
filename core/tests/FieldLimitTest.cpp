// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Input that would not fit a field is refused whole, whichever way it comes.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "Fakes.h"
#include "FieldLimit.h"
#include "QtTestMain.h"

using namespace numora;
using namespace numora::testing;

class FieldLimitTest : public QObject {
    Q_OBJECT

private slots:
    void editsThatDoNotFitAreUndoneWithAMessage() {
        enum class How { Paste, Type, InputMethod };
        const struct {
            const char* before;
            int selectionStart, selectionLength;  // a caret when the length is 0
            How how;
            const char* input;
            const char* after;  // nullptr: refused, everything as before
        } cases[] = {
            {"", 0, 0, How::Paste, "2147483646", "2147483646"},
            {"", 0, 0, How::Paste, "21474836460", nullptr},
            {"123", 3, 0, How::Paste, "12345678", nullptr},
            {"123", 1, 0, How::Paste, "1234567", "1123456723"},
            {"1234567890", 3, 3, How::Paste, "ab", "123ab7890"},   // replaces the selection
            {"1234567890", 3, 3, How::Paste, "abcd", nullptr},
            {"123456789", 9, 0, How::Type, "0", "1234567890"},
            {"1234567890", 10, 0, How::Type, "1", nullptr},
            {"1234567890", 0, 10, How::Type, "7", "7"},
            {"1", 1, 0, How::InputMethod, "２１４７４８３６４６", nullptr},
            {"1", 1, 0, How::InputMethod, "２１", "1２１"},
        };
        QWidget window;
        auto* field = new QLineEdit(&window);
        field->setObjectName(QStringLiteral("GdbhFrame1Text1"));
        field->setMaxLength(10);
        auto* other = new QLineEdit(&window);
        other->setMaxLength(5);
        new QVBoxLayout(&window);
        window.layout()->addWidget(field);
        window.layout()->addWidget(other);
        FakeDialogs dialogs;
        RefuseOverlongInput(&window, dialogs, {{QStringLiteral("GdbhFrame1Text1"), QStringLiteral("数据过大")}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        field->setFocus();

        for (const auto& c : cases) {
            const QString what = QString::fromUtf8(c.before) + " + " + QString::fromUtf8(c.input);
            field->setText(QString::fromUtf8(c.before));
            if (c.selectionLength > 0)
                field->setSelection(c.selectionStart, c.selectionLength);
            else
                field->setCursorPosition(c.selectionStart);
            const qsizetype messages = dialogs.messages.size();
            switch (c.how) {
            case How::Paste:
                QApplication::clipboard()->setText(QString::fromUtf8(c.input));
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
                break;
            case How::Type: QTest::keyClicks(field, QString::fromUtf8(c.input)); break;
            case How::InputMethod: {
                QInputMethodEvent commit;
                commit.setCommitString(QString::fromUtf8(c.input));
                QApplication::sendEvent(field, &commit);
                break;
            }
            }
            QCoreApplication::processEvents();
            if (c.after) {
                QVERIFY2(field->text() == QString::fromUtf8(c.after), qPrintable(what + " gave " + field->text()));
                QCOMPARE(dialogs.messages.size(), messages);
                continue;
            }
            QVERIFY2(field->text() == QString::fromUtf8(c.before), qPrintable(what + " gave " + field->text()));
            QCOMPARE(field->selectionStart(), c.selectionLength > 0 ? c.selectionStart : -1);
            QCOMPARE(field->selectedText().size(), c.selectionLength);
            if (c.selectionLength == 0) QCOMPARE(field->cursorPosition(), c.selectionStart);
            QCOMPARE(dialogs.messages.size(), messages + 1);
            QCOMPARE(dialogs.messages.last().text, QStringLiteral("数据过大"));
            QCOMPARE(dialogs.messages.last().title, QStringLiteral("Numora错误报告"));
            QCOMPARE(dialogs.messages.last().icon, MsgIcon::Exclamation);
        }

        // A field the window names no message for says how much it holds.
        other->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("123456"));
        other->paste();
        QCoreApplication::processEvents();
        QCOMPARE(other->text(), QString());
        QCOMPARE(dialogs.messages.last().text, OverlongInputMessage(5));
        QVERIFY(OverlongInputMessage(5).contains(QLatin1Char('5')));
    }

    // A field without a limit of its own holds the toolkit's 32767
    // characters: more is refused too, never cut; guarding twice tells once.
    void fieldsWithoutALimitOfTheirOwn() {
        QWidget window;
        auto* field = new QLineEdit(&window);
        FakeDialogs dialogs;
        RefuseOverlongInput(&window, dialogs);
        RefuseOverlongInput(&window, dialogs);
        const struct {
            int length;
            bool fits;
        } rows[] = {{32767, true}, {32768, false}, {100000, false}};
        for (const auto& row : rows) {
            field->setText(QStringLiteral("7"));
            field->selectAll();
            dialogs.messages.clear();
            QApplication::clipboard()->setText(QString(row.length, QLatin1Char('1')));
            field->paste();
            QCoreApplication::processEvents();
            QCOMPARE(field->text().size(), row.fits ? row.length : 1);
            QCOMPARE(dialogs.messages.size(), row.fits ? 0 : 1);
            if (!row.fits) QCOMPARE(dialogs.messages[0].text, OverlongInputMessage(32767));
        }
    }
};

NUMORA_QTEST_MAIN(FieldLimitTest)
#include "FieldLimitTest.moc"
