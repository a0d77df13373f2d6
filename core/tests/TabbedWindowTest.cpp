// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A tabbed window's page turns: the page shows from its top-left corner
// with the focus on its first input, and only that window tells of it
// (once its layout has run); a window without a status bar keeps a header
// above its tabs.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include "FocusRules.h"
#include "QtTestMain.h"
#include "TabbedWindow.h"

using namespace numora;

namespace {

QWidget* Page(const QString& name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* column = new QVBoxLayout(page);
    auto* field = new QLineEdit;
    field->setObjectName(name + QStringLiteral("Text1"));
    column->addWidget(field);
    return page;
}

std::vector<TabbedWindow::Tab> Tabs(const QString& prefix) {
    return {{QStringLiteral("A"), prefix + QStringLiteral("A"), QString(), Page(prefix + QStringLiteral("A"))},
            {QStringLiteral("B"), prefix + QStringLiteral("B"), QString(), Page(prefix + QStringLiteral("B"))}};
}

}  // namespace

class TabbedWindowTest : public QObject {
    Q_OBJECT

private slots:
    void pageTurnsAreTheirWindowsOwn() {
        QWidget first, second;
        auto* one = new TabbedWindow(&first, QStringLiteral("TabStrip"), Tabs(QStringLiteral("One")), QStringLiteral("status"));
        auto* header = new QHBoxLayout;
        header->addWidget(new QLabel(QStringLiteral("header")));
        auto* two = new TabbedWindow(&second, QStringLiteral("TabStrip"), Tabs(QStringLiteral("Two")), header);
        first.show();
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QSignalSpy oneShown(one, &TabbedWindow::pageShown), twoShown(two, &TabbedWindow::pageShown);
        first.activateWindow();
        QVERIFY(one->select(QStringLiteral("OneB")));
        QTRY_COMPARE(oneShown.size(), 1);
        QCOMPARE(oneShown.first().first().value<QWidget*>()->objectName(), QStringLiteral("OneB"));
        QCOMPARE(twoShown.size(), 0);
        QCOMPARE(first.focusWidget() ? first.focusWidget()->objectName() : QString(), QStringLiteral("OneBText1"));
        QCOMPARE(one->currentKey(), QStringLiteral("OneB"));
        QCOMPARE(one->status(), QStringLiteral("status"));
        QVERIFY(!one->select(QStringLiteral("TwoA")));  // another window's page
        // Without a status bar: no status, no hints; the header stays above the tabs.
        two->setStatus(QStringLiteral("ignored"));
        QCOMPARE(two->status(), QString());
        QVERIFY(!two->installHints({}));
        QVERIFY(second.findChild<QLabel*>()->geometry().bottom() < second.findChild<QTabBar*>()->geometry().top());
    }

    // A control that takes the focus from the program (not by Tab, which
    // the scroll area follows itself) is scrolled into view, in the inner
    // and the outer scroll area alike.
    void focusedControlIsScrolledIntoView() {
        KeepFocusInView();
        QScrollArea outer;
        outer.resize(240, 160);
        auto* content = new QWidget;
        auto* column = new QVBoxLayout(content);
        auto* top = new QLineEdit;
        column->addWidget(top);
        column->addSpacing(900);
        auto* inner = new QScrollArea;
        inner->setFixedHeight(120);
        auto* innerContent = new QWidget;
        auto* innerColumn = new QVBoxLayout(innerContent);
        innerColumn->addSpacing(600);
        auto* deep = new QLineEdit;
        innerColumn->addWidget(deep);
        inner->setWidget(innerContent);
        inner->setWidgetResizable(true);
        column->addWidget(inner);
        auto* bottom = new QLineEdit;
        column->addWidget(bottom);
        outer.setWidget(content);
        outer.setWidgetResizable(true);
        outer.show();
        QVERIFY(QTest::qWaitForWindowActive(&outer));
        const auto shown = [](QWidget* w) {
            for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
                if (auto* area = qobject_cast<QScrollArea*>(p)) {
                    const int y = w->mapTo(area->viewport(), QPoint()).y();
                    if (y < 0 || y + w->height() > area->viewport()->height()) return false;
                }
            return true;
        };
        for (QLineEdit* field : {bottom, deep, top}) {
            field->setFocus(Qt::OtherFocusReason);
            QTRY_VERIFY2(shown(field), qPrintable(QStringLiteral("%1: outer at %2, inner at %3").arg(field == bottom ? "bottom" : field == deep ? "deep" : "top").arg(outer.verticalScrollBar()->value()).arg(inner->verticalScrollBar()->value())));
        }
    }
};

NUMORA_QTEST_MAIN(TabbedWindowTest)
#include "TabbedWindowTest.moc"
