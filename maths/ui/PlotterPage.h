// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The 函数图象 page of the mathematics window: the square canvas as large as
// the page allows, and beside it on a wide window (under it on a narrow
// one) the kind list with its coefficient boxes, the coefficient sliders,
// the draw command, the list of graphs, the options with the apply command
// and the 图象探究 frame. The graphs, the view and the trace live in a plot
// session (maths/calc); the page runs the commands on it.
#pragma once

#include <QWidget>
#include <optional>

#include "PlotSession.h"
#include "Plotter.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace numora {

struct Services;
class CoefficientSliders;
class FunctionCanvas;
class GraphList;
class PlotExplorer;

class PlotterPage : public QWidget {
    Q_OBJECT

public:
    explicit PlotterPage(Services& services, QWidget* parent = nullptr);
    ~PlotterPage() override;

    FunctionCanvas* canvas() const { return canvas_; }
    const maths::AxisLayout& axes() const { return axes_; }
    // The apply command (重置并应用选项), run on every selection of the page.
    void apply();
    // The draw command (开始绘制).
    void draw();
    // Once the window's accessible names are given: the page's own
    // controls (sliders, the list) are named after them.
    void nameControls();

signals:
    // A text for the window's status bar.
    void status(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Turning to the page grows a window in its normal state until the
    // canvas has its design size beside the controls, as far as the client
    // area allows (a window the user sized or tiled keeps its size).
    void growWindow();
    QWidget* buildKinds();
    QWidget* buildOptions();
    void kindChanged(int kind);
    // The boxes of the chosen kind, in order (a typed function's text, then
    // its parameters).
    QList<QLineEdit*> kindBoxes(int kind) const;
    QStringList boxTexts(int kind) const;
    std::optional<maths::PlotRange> boxRange() const;
    // A slider wrote `box`: the graph it belongs to follows at once.
    void sliderMoved();
    // The list's selection: its kind and coefficients go back into the boxes.
    void graphSelected(std::optional<std::size_t> graph);
    void graphsChanged();
    void typedParametersChanged();

    Services& services_;
    maths::PlotSession session_;
    maths::AxisLayout axes_ = maths::DesignAxes();
    FunctionCanvas* canvas_ = nullptr;
    QComboBox* kinds_ = nullptr;
    QStackedWidget* kindFrames_ = nullptr;
    CoefficientSliders* sliders_ = nullptr;
    GraphList* list_ = nullptr;
    PlotExplorer* explorer_ = nullptr;
    QPushButton* draw_ = nullptr;
    QPushButton* apply_ = nullptr;
    // The graph the sliders move: the list's selection.
    std::optional<std::size_t> moving_;
};

}  // namespace numora
