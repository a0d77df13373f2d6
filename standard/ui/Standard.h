// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Standard: the basic-calculation window. Three pages under one tab strip:
// the full page (one frame per operation), the quick page (two operands,
// seven buttons) and the big-number page (pairwise and collective exact
// arithmetic; the power and the list fold run as long jobs, JobRunner.h).
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
class SolutionPanel;
class JobRunner;
class TabbedWindow;

class Standard : public QWidget {
    Q_OBJECT

public:
    explicit Standard(Services& services, QWidget* parent = nullptr);
    ~Standard() override;

    QString statusText() const;
    // The tab keys "Full", "Simple", "Large".
    void selectTab(const QString& key);

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
    SolutionPanel* solutions_ = nullptr;

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

    // The long jobs of the two panes: a pane is disabled while its own job
    // runs, the other pane stays usable and runs its job beside it. The stop
    // button cancels both; closing the window abandons them.
    JobRunner* pairJob_ = nullptr;
    JobRunner* foldJob_ = nullptr;
};

}  // namespace numora
