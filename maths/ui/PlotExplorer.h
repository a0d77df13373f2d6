// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plotter's frame "图象探究" (exploring the graph), under its options:
// the value of every drawn graph at a typed x, the trace marker's point
// (the canvas tells a screen reader where it comes to rest), key points on
// or off with what is said of them instead of points (函数值恒为0, 图象重合,
// 关键点过多), and the zoom and 复位视图 commands of the canvas.
#pragma once

#include <QGroupBox>

namespace numora {

class Dialogs;
class FunctionCanvas;

class PlotExplorer : public QGroupBox {
    Q_OBJECT

public:
    PlotExplorer(FunctionCanvas* canvas, Dialogs& dialogs, QWidget* parent = nullptr);

    // The graphs changed: the values at x follow them, the trace's point
    // and the key points' notes too.
    void graphsChanged();
    // The graphs were cleared or replaced: nothing of the old ones is shown.
    void clearTexts();

signals:
    // A text for the window's status bar.
    void status(const QString& text);

private:
    void showValues();
    void showTrace(const QString& text);
    void showNotes();

    FunctionCanvas* canvas_;
    Dialogs& dialogs_;
};

}  // namespace numora
