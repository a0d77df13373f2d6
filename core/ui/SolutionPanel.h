// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The worked solution (解题过程) of a frame, in a window of its own beside
// the calculator window: the steps one a line in a list, selectable, with
// the list's menu and keys (ListExport.h: 复制 Ctrl+C, 全选 Ctrl+A, 全部复制
// Ctrl+Shift+C, 保存为文本文件… Ctrl+S) and the same commands as buttons,
// and 关闭. Esc closes it and gives the focus back to the button that
// showed it. It shows what its button worked out when pressed: a change of
// the inputs shows in it once the button is pressed again. A long solution
// scrolls. Each calculator window has one panel, for all its frames; it
// closes with the window.
//
// A screen reader hears the steps as a result list when the panel shows
// them (their number and the first lines), then the first step, which has
// the focus; each line is an item of the list.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include "Accessibility.h"
#include "ControlTable.h"
#include "Solutions.h"

class QListWidget;

namespace numora {

class ListExport;
struct Services;

class SolutionPanel final : public QDialog {
    Q_OBJECT

public:
    // A hidden panel of `window`, its controls named by `names`. Make it
    // before the window's accessibility table is applied: the table names
    // the panel's controls (SolutionPanelRows).
    SolutionPanel(QWidget* window, Services& services, const SolutionPanelControls& names);

    // Shows `solution` of the problem `problem` (the frame's caption, in
    // the title), worked out when `button` was pressed. A solution refused
    // before any step shows the command's message instead, as the command's
    // own button does, and leaves the panel as it was. False when nothing
    // was shown.
    bool present(const QString& problem, const WorkedSolution& solution, QWidget* button);

    QStringList lines() const;
    QListWidget* list() const { return list_; }
    ListExport* exporter() const { return export_; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget* window_;
    Services& services_;
    QListWidget* list_ = nullptr;
    ListExport* export_ = nullptr;
    QPointer<QWidget> returnTo_;
    bool placed_ = false;
};

// The rows of the panel's controls for the window's accessibility table;
// the list is a result list (told when it is filled).
void AddSolutionPanelRows(AccessibleTable& table, const SolutionPanelControls& names);

}  // namespace numora
