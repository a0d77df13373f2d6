// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Maths: the mathematics window. Four tabs: equation solvers, the
// trigonometric calculator with its sketch, the multiplication formulas and
// the function plotter.
#pragma once

#include <QWidget>

#include <string_view>

#include "MathsControls.h"
#include "Plotter.h"
#include "Services.h"
#include "Solutions.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace numora {

class FunctionCanvas;
class HintFilter;
class JobRunner;
class PlotCanvas;
class PlotterPage;
class SolutionPanel;
class TabbedWindow;
struct Outcome;

class Maths : public QWidget {
    Q_OBJECT

public:
    explicit Maths(Services& services, QWidget* parent = nullptr);
    ~Maths() override;

    QString statusText() const;
    // The tab keys "Equation", "TriFunction", "Formula", "FunctionDrawer".
    void selectTab(const QString& key);
    PlotCanvas* plotCanvas() const;
    FunctionCanvas* functionCanvas() const;
    PlotCanvas* sketchCanvas() const { return sketch_; }
    const maths::AxisLayout& axes() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildEquationPage();
    QWidget* buildTrigPage();
    QWidget* buildFormulaPage();
    void installHints();
    void setStatus(const QString& text);
    QString text(const char* control) const;
    void apply(const Outcome& outcome);

    QPushButton* solutionButton(const char* name, const QString& problem);
    // The steps of the frame of the 解题过程 button `button`, for its inputs.
    WorkedSolution workedSolution(std::string_view button) const;

    void solveQuadratic();
    void solveLinear2();
    void solveLinear3();
    void runTrig(int button);
    void runFormula(int button);
    void unitChanged();
    void runSketch(bool cosine);
    void stopSketch();

    Services& services_;
    TabbedWindow* frame_ = nullptr;
    HintFilter* hints_ = nullptr;
    QButtonGroup* units_ = nullptr;
    PlotterPage* plotter_ = nullptr;
    PlotCanvas* sketch_ = nullptr;
    SolutionPanel* solutions_ = nullptr;
    // The function of the trigonometric frame's last command: its 解题过程.
    maths::TrigFunction lastTrig_ = maths::TrigFunction::Sine;
    // The sketch's job (JobRunner.h): its curve grows as the job sends it.
    JobRunner* sketchJob_ = nullptr;
};

}  // namespace numora
