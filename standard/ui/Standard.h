// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Standard: the basic-calculation window. Three pages under one tab strip:
// the full page (one frame per operation), the quick page (two operands,
// seven buttons) and the big-number page (pairwise and collective exact
// arithmetic, with long loops that yield and stop).
#pragma once

#include <QWidget>

#include "Services.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace numora {

class HintFilter;
class TabbedWindow;

class Standard : public QWidget {
    Q_OBJECT

public:
    explicit Standard(Services& services, QWidget* parent = nullptr);
    ~Standard() override;

    QString statusText() const;
    // The tab keys "Full", "Simple", "Large".
    void selectTab(const QString& key);
    bool stopRequested() const { return stop_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFullPage();
    QWidget* buildSimplePage();
    QWidget* buildLargePage();
    void installHints();

    void setStatus(const QString& text);
    void runCommon(int command);
    void runQuick(int op);

    // Big-number page.
    void runPairwise();
    void runCollective();
    void addToList();
    void deleteItem();
    void editItem();
    void clearList();
    void optionChanged(int option);
    void countChanged();
    void listChanged();
    void itemButtonsFollow();
    void noCurrentItem();

    Services& services_;
    TabbedWindow* frame_ = nullptr;
    HintFilter* hints_ = nullptr;

    QButtonGroup* options_ = nullptr;
    QListWidget* list_ = nullptr;
    QPlainTextEdit* largeResult_ = nullptr;
    QPlainTextEdit* largeRemainder_ = nullptr;
    QPlainTextEdit* foldResult_ = nullptr;
    QLineEdit* listCount_ = nullptr;
    QWidget* pairPane_ = nullptr;
    QWidget* foldPane_ = nullptr;
    QPushButton* foldStart_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* editButton_ = nullptr;

    bool stop_ = false;     // the stop button's flag, shared by both panes
    bool closing_ = false;  // the window is unloading: running loops end
};

}  // namespace numora
