// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text field of every window refuses a paste that would not fit,
// whole and with a message: nothing is ever cut, whether the field has a
// limit of its own or the toolkit's 32767 characters; and each tells its
// limit in its tool tip.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "Desk.h"
#include "FieldLimit.h"
#include "ScientificFrames.h"
#include "QtTestMain.h"

using namespace numora;
using numora::testing::Desk;

class FieldsNeverCutTest : public QObject {
    Q_OBJECT

private slots:
    void everyFieldOfEveryWindow_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"Standard", "Scientific", "Maths", "Chem", "frmOption", "frmData", "frmAbout"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyFieldOfEveryWindow() {
        QFETCH(QString, window);
        Desk desk(QSize(1280, 900));
        QWidget* w = desk.open(window);
        QVERIFY(w);
        int tried = 0;
        for (QLineEdit* field : w->findChildren<QLineEdit*>()) {
            if (field->isReadOnly()) continue;  // results: nothing is typed there
            const QString where = window + QLatin1Char('/') + field->objectName();
            // Its limit is told in its tool tip: the largest number for the
            // fields that name one, else its length.
            if (const char* limit = TextOf(scientific::kLimits, field->objectName().toStdString()))
                QVERIFY2(field->toolTip().endsWith(QString::fromUtf8(limit)), qPrintable(where));
            else if (field->maxLength() < 32767)
                QVERIFY2(field->toolTip().endsWith(LengthLimitText(field->maxLength())), qPrintable(where));
            const QString before = field->text();
            field->selectAll();
            const qsizetype messages = desk.fakes.dialogs.messages.size();
            QApplication::clipboard()->setText(QString(field->maxLength() + 1, QLatin1Char('1')));
            field->paste();
            QCoreApplication::processEvents();
            QVERIFY2(field->text() == before, qPrintable(where + " was cut"));
            QVERIFY2(desk.fakes.dialogs.messages.size() == messages + 1, qPrintable(where + " said nothing"));
            ++tried;
        }
        if (window != QLatin1String("frmData") && window != QLatin1String("frmAbout")) QVERIFY(tried > 0);
        // A setting kept as it is typed keeps the text the field shows.
        if (window == QLatin1String("frmOption"))
            QCOMPARE(desk.fakes.settings.ReadSetting("Texts", "Name", QString::fromUtf8("匿名")),
                     w->findChild<QLineEdit*>(QStringLiteral("UserText1"))->text());
    }
};

NUMORA_QTEST_MAIN(FieldsNeverCutTest)
#include "FieldsNeverCutTest.moc"
