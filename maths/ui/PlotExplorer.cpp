// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotExplorer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "FormHelpers.h"
#include "FunctionCanvas.h"
#include "PlotView.h"
#include "Utf8.h"

namespace numora {
namespace {

QPushButton* Button(const char* name, const char* caption) {
    auto* button = new QPushButton(U(caption));
    button->setObjectName(QLatin1String(name));
    return button;
}

QLineEdit* ResultBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    ResultFace(box);
    TooltipFollowsText(box);
    return box;
}

}  // namespace

PlotExplorer::PlotExplorer(FunctionCanvas* canvas, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(U("图象探究"), parent), canvas_(canvas), dialogs_(dialogs) {
    setObjectName(QStringLiteral("MathsFunctionShapeExplore"));
    auto* grid = new QGridLayout(this);

    // y of every graph at a typed x.
    auto* x = new QLineEdit(QStringLiteral("0"));
    x->setObjectName(QStringLiteral("MathsFunctionShapeExploreText1"));
    x->setMinimumWidth(40);
    QPushButton* values = Button("MathsFunctionShapeExplorecmd1", "求 y");
    connect(values, &QPushButton::clicked, this, &PlotExplorer::showValues);
    grid->addWidget(new QLabel(U("x =")), 0, 0);
    grid->addWidget(x, 0, 1);
    grid->addWidget(values, 0, 2);
    grid->addWidget(ResultBox(maths::kValuesBox), 1, 0, 1, 4);

    // The trace marker's point.
    QLineEdit* trace = ResultBox("MathsFunctionShapeExploreText3");
    grid->addWidget(new QLabel(U("追踪:")), 2, 0);
    grid->addWidget(trace, 2, 1, 1, 3);
    connect(canvas, &FunctionCanvas::traced, this, [this, trace](const QString& text) {
        trace->setText(text);
        emit status(U("追踪 ") + text);
    });

    auto* row = new QHBoxLayout;
    auto* keys = new QCheckBox(U("显示关键点"));
    keys->setObjectName(QStringLiteral("MathsFunctionShapeExploreCheck1"));
    keys->setChecked(canvas->keyPointsShown());
    connect(keys, &QCheckBox::toggled, canvas, &FunctionCanvas::setKeyPointsShown);
    connect(canvas, &FunctionCanvas::keyPointsShownChanged, keys, &QCheckBox::setChecked);
    row->addWidget(keys);
    QPushButton* in = Button("MathsFunctionShapeExplorecmd2", "放大");
    QPushButton* out = Button("MathsFunctionShapeExplorecmd3", "缩小");
    QPushButton* home = Button("MathsFunctionShapeExplorecmd4", "复位视图");
    connect(in, &QPushButton::clicked, canvas, &FunctionCanvas::zoomIn);
    connect(out, &QPushButton::clicked, canvas, &FunctionCanvas::zoomOut);
    connect(home, &QPushButton::clicked, canvas, &FunctionCanvas::resetView);
    row->addWidget(in);
    row->addWidget(out);
    row->addWidget(home);
    row->addStretch();
    grid->addLayout(row, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
}

void PlotExplorer::showValues() {
    const QString x = FieldText(this, QStringLiteral("MathsFunctionShapeExploreText1"));
    ApplyOutcome(this, maths::CurveValues(canvas_->curves(), CalcText(x)), dialogs_);
}

}  // namespace numora
