// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The plotter's frame "图象探究" (exploring the graph), under its options:
// the value of every drawn graph at a typed x, the trace marker's point
// (a result box, so screen readers hear it), key points on or off, and the
// zoom and 复位视图 commands of the canvas.
#pragma once

#include <QGroupBox>

namespace numora {

class Dialogs;
class FunctionCanvas;

class PlotExplorer : public QGroupBox {
    Q_OBJECT

public:
    PlotExplorer(FunctionCanvas* canvas, Dialogs& dialogs, QWidget* parent = nullptr);

signals:
    // A text for the window's status bar.
    void status(const QString& text);

private:
    void showValues();

    FunctionCanvas* canvas_;
    Dialogs& dialogs_;
};

}  // namespace numora
