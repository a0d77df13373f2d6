// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rows that reflow: where a FlowLayout puts its items at a given width.
#include <QStackedWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "QtTestMain.h"
#include "Reflow.h"

using namespace numora;

namespace {

constexpr int kHeight = 20;
constexpr int kGap = 6;

// An item of a least width; "*" after the width: it grows.
class Item final : public QWidget {
public:
    Item(int least, bool grows) : least_(least) {
        setSizePolicy(grows ? QSizePolicy::Expanding : QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override { return QSize(least_, kHeight); }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    int least_;
};

}  // namespace

class ReflowTest : public QObject {
    Q_OBJECT

private slots:
    void itemsFlowIntoLines_data() {
        QTest::addColumn<QString>("row");  // widths; "|" a new group, "!" a group on a line of its own
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("placed");  // line:x:width for each item
        QTest::newRow("all on one line") << "40 40 | 60" << 200 << "0:0:40 0:46:40 0:92:60";
        QTest::newRow("groups on lines of their own") << "40 40 | 60" << 120 << "0:0:40 0:46:40 1:0:60";
        QTest::newRow("a group too wide wraps") << "40 40 40 | 60" << 100 << "0:0:40 0:46:40 1:0:40 2:0:60";
        QTest::newRow("the growing item takes the rest") << "40 | 60*" << 200 << "0:0:40 0:46:154";
        QTest::newRow("growing items share") << "40* 40*" << 106 << "0:0:50 0:56:50";
        QTest::newRow("a line of its own though it fits") << "40 ! 40" << 200 << "0:0:40 1:0:40";
        QTest::newRow("wider than the line: its least width") << "150" << 100 << "0:0:150";
    }

    void itemsFlowIntoLines() {
        QFETCH(QString, row);
        QFETCH(int, width);
        QFETCH(QString, placed);
        QWidget holder;
        auto* flow = new FlowLayout(&holder);
        flow->setContentsMargins(0, 0, 0, 0);
        flow->setSpacing(kGap);
        QList<QWidget*> items;
        for (const QString& part : row.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (part == QLatin1String("|")) {
                flow->newGroup();
            } else if (part == QLatin1String("!")) {
                flow->newLine();
            } else {
                items << new Item(QString(part).remove(QLatin1Char('*')).toInt(), part.endsWith(QLatin1Char('*')));
                flow->addWidget(items.back());
            }
        }
        flow->setGeometry(QRect(0, 0, width, 1000));
        QStringList got;
        for (QWidget* item : items)
            got << QStringLiteral("%1:%2:%3").arg(item->y() / (kHeight + kGap)).arg(item->x()).arg(item->width());
        QCOMPARE(got.join(QLatin1Char(' ')), placed);
        // The height asked for is the height used.
        QCOMPARE(flow->heightForWidth(width), flow->lineCount() * (kHeight + kGap) - kGap);
    }

    // A page whose line shows only later (an exact line under a result)
    // makes the holder around the pages ask for its room.
    void theHolderFollowsAGrowingPage() {
        QWidget window;
        auto* pages = new QStackedWidget;
        auto* page = new QWidget;
        auto* column = new QVBoxLayout(page);
        column->addWidget(new Item(40, false));
        auto* later = new Item(40, false);
        later->setVisible(false);
        column->addWidget(later);
        pages->addWidget(page);
        auto* outer = new QVBoxLayout(&window);
        QWidget* holder = SizedByShownPage(pages);
        outer->addWidget(holder);
        outer->addStretch();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int before = holder->height();
        later->setVisible(true);
        QTRY_VERIFY2(holder->height() >= before + kHeight,
                     qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(holder->height())));
    }

    // A result box's caption: one step under the text around it, never
    // under 9 points.
    void captionsStayReadable_data() {
        QTest::addColumn<double>("text");
        QTest::addColumn<double>("caption");
        QTest::newRow("8 pt text") << 8.0 << 9.0;
        QTest::newRow("9 pt text") << 9.0 << 9.0;
        QTest::newRow("10 pt text") << 10.0 << 9.0;
        QTest::newRow("12 pt text") << 12.0 << 11.0;
        QTest::newRow("20 pt text") << 20.0 << 19.0;
    }
    void captionsStayReadable() {
        QFETCH(double, text);
        QFETCH(double, caption);
        QCOMPARE(CaptionPointSize(text), caption);
        QWidget window;
        QFont font = window.font();
        font.setPointSizeF(text);
        window.setFont(font);
        auto* layout = new QHBoxLayout(&window);
        QWidget* piece = Captioned(QStringLiteral("余数"), new QLineEdit);
        layout->addWidget(piece);
        window.show();
        auto* label = piece->findChild<QLabel*>(QStringLiteral("SmallCaption"));
        QVERIFY(label);
        QCOMPARE(label->font().pointSizeF(), caption);
    }
};

NUMORA_QTEST_MAIN(ReflowTest)
#include "ReflowTest.moc"
