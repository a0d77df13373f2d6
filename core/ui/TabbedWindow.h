// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The layout the tabbed windows share: a tab strip over the pages it
// switches between, and (for the calculator windows) a status bar at the
// bottom whose one text shows the hint of the control under the mouse. A
// page turn shows the new page from its top-left corner with the focus on
// its first input, and tells its window's frame through pageShown().
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QLayout;
class QStackedWidget;
class QTabBar;
class QWidget;

namespace numora {

class HintFilter;

class TabbedWindow : public QObject {
    Q_OBJECT

public:
    struct Tab {
        QString caption;
        QString key;
        QString toolTip;
        QWidget* page;
    };

    // Lays out `window`: the tab strip (named `tabStripName`), the pages in
    // tab order, and the status bar ("StatusBar") showing `initialStatus`.
    // The first tab is selected.
    TabbedWindow(QWidget* window, const QString& tabStripName, const std::vector<Tab>& tabs,
                 const QString& initialStatus);
    // The same without a status bar, under `header` (a row above the tab
    // strip, or nullptr).
    TabbedWindow(QWidget* window, const QString& tabStripName, const std::vector<Tab>& tabs, QLayout* header);

    // Shows the page of `key` and selects its tab; false when no tab has it.
    bool select(const QString& key);
    QString currentKey() const;

    // The status bar's text (nothing without a status bar).
    void setStatus(const QString& text);
    QString status() const;

    // Shows the hints of the table (control name -> hint) in the status bar
    // while the mouse is over a control of the window (nothing without one).
    HintFilter* installHints(const QHash<QString, QString>& hints);

signals:
    // The user or select() changed the tab.
    void selected(const QString& key);
    // A page turned to is shown, its layout done: the window's frame may
    // grow the window to show it.
    void pageShown(QWidget* page);

private:
    QStackedWidget* build(const std::vector<Tab>& tabs);
    void showPage(int index);

    QWidget* window_;
    QTabBar* tabs_;
    QStackedWidget* pages_;
    QLabel* status_ = nullptr;
};

}  // namespace numora
