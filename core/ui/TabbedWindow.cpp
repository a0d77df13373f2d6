// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TabbedWindow.h"

#include <QLabel>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "DesktopFit.h"
#include "FormHelpers.h"
#include "Reflow.h"

namespace numora {

TabbedWindow::TabbedWindow(QWidget* window, const QString& tabStripName, const std::vector<Tab>& tabs,
                           const QString& initialStatus)
    : QObject(window), window_(window), tabs_(new QTabBar), pages_(new QStackedWidget), status_(new QLabel(initialStatus)) {
    tabs_->setObjectName(tabStripName);
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

    auto* bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->addWidget(status_, 1);

    // Ctrl+PageDown and Ctrl+PageUp turn the pages from anywhere in the window.
    TurnPagesWithKeys(window, tabs_);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(tabs_);
    layout->addWidget(SizedByShownPage(pages_), 1);
    layout->addWidget(bar);
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
    PageTurned(pages_->currentWidget());
}

QString TabbedWindow::currentKey() const { return tabs_->tabData(tabs_->currentIndex()).toString(); }

void TabbedWindow::setStatus(const QString& text) { status_->setText(text); }

QString TabbedWindow::status() const { return status_->text(); }

HintFilter* TabbedWindow::installHints(const QHash<QString, QString>& hints) {
    auto* filter = new HintFilter(hints, [this](const QString& text) { setStatus(text); }, this);
    filter->installOn(window_);
    return filter;
}

}  // namespace numora
