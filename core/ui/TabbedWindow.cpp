// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TabbedWindow.h"

#include <QLabel>
#include <QPointer>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "DesktopFit.h"
#include "FocusRules.h"
#include "FormHelpers.h"
#include "Reflow.h"

namespace numora {

TabbedWindow::TabbedWindow(QWidget* window, const QString& tabStripName, const std::vector<Tab>& tabs,
                           const QString& initialStatus)
    : QObject(window), window_(window), tabs_(new QTabBar), pages_(new QStackedWidget), status_(new QLabel(initialStatus)) {
    tabs_->setObjectName(tabStripName);
    build(tabs);
    auto* bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->addWidget(status_, 1);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(tabs_);
    layout->addWidget(SizedByShownPage(pages_), 1);
    layout->addWidget(bar);
}

TabbedWindow::TabbedWindow(QWidget* window, const QString& tabStripName, const std::vector<Tab>& tabs, QLayout* header)
    : QObject(window), window_(window), tabs_(new QTabBar), pages_(new QStackedWidget) {
    tabs_->setObjectName(tabStripName);
    build(tabs);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(8, 4, 8, 8);
    if (header) layout->addLayout(header);
    layout->addWidget(tabs_);
    layout->addWidget(SizedByShownPage(pages_), 1);
}

QStackedWidget* TabbedWindow::build(const std::vector<Tab>& tabs) {
    for (const Tab& tab : tabs) {
        const int i = tabs_->addTab(tab.caption);
        tabs_->setTabData(i, tab.key);
        if (!tab.toolTip.isEmpty()) tabs_->setTabToolTip(i, tab.toolTip);
        pages_->addWidget(tab.page);
    }
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        showPage(index);
        emit selected(tabs_->tabData(index).toString());
    });
    // Ctrl+PageDown and Ctrl+PageUp turn the pages from anywhere in the window.
    TurnPagesWithKeys(window_, tabs_);
    return pages_;
}

bool TabbedWindow::select(const QString& key) {
    for (int i = 0; i < tabs_->count(); ++i) {
        if (tabs_->tabData(i).toString() != key) continue;
        if (tabs_->currentIndex() != i)
            tabs_->setCurrentIndex(i);  // shows the page and tells `selected`
        else
            showPage(i);
        return true;
    }
    return false;
}

// A page turn shows the new page from its top-left corner with the focus on
// its first input.
void TabbedWindow::showPage(int index) {
    pages_->setCurrentIndex(index);
    QWidget* page = pages_->currentWidget();
    ShowTurnedPage(page);
    // The window's new height reaches its scroll area with the next layout
    // pass; the page still starts at its top-left corner after it.
    QPointer<QWidget> shown = page;
    QMetaObject::invokeMethod(
        this, [this, shown] {
            if (!shown) return;
            emit pageShown(shown);
            if (!shown) return;
            ShowFromTopLeft(shown);
            ShowFocus();  // the first input may lie below the top-left corner
        },
        Qt::QueuedConnection);
}

QString TabbedWindow::currentKey() const { return tabs_->tabData(tabs_->currentIndex()).toString(); }

void TabbedWindow::setStatus(const QString& text) {
    if (status_) status_->setText(text);
}

QString TabbedWindow::status() const { return status_ ? status_->text() : QString(); }

HintFilter* TabbedWindow::installHints(const QHash<QString, QString>& hints) {
    if (!status_) return nullptr;
    auto* filter = new HintFilter(hints, [this](const QString& text) { setStatus(text); }, this);
    filter->installOn(window_);
    return filter;
}

}  // namespace numora
